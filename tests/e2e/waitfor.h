#pragma once

#include <QString>

#include <functional>

// The helpers of the end-to-end tests answer true on success; on failure they have recorded a
// failure of the running test that says what went wrong, and the test function just returns.
#define STEP(helperCall)                                                                           \
    do {                                                                                           \
        if (!(helperCall))                                                                         \
            return;                                                                                \
    } while (false)

// Polls the condition every 50 ms while events run, up to timeoutMs. On time-out the running
// test fails with "timed out after N ms waiting for <what>" at the caller's line.
[[nodiscard]] bool waitFor(const std::function<bool()>& condition, int timeoutMs,
                           const QString& what, const char* file = __builtin_FILE(),
                           int line = __builtin_LINE());

// Polls without failing: true when the condition came true in time.
bool pollUntil(const std::function<bool()>& condition, int timeoutMs);

// Called once at the first failure of a test, while everything is still on screen.
void setFailureHook(const std::function<void()>& hook);

// Records a failure at the caller's line when ok is false; answers ok.
[[nodiscard]] bool expect(bool ok, const QString& what, const char* file = __builtin_FILE(),
                          int line = __builtin_LINE());
