#pragma once

#include <QVariant>

// Waits at least the given number of seconds while the program stays alive: events are handled
// as they come (clicks, timers, network answers, even a second refresh) and the thread sleeps in
// between. Zero, a negative number or a text that does not begin with a number returns at once
// without handling anything. Measured on a monotonic clock, so midnight changes nothing.
void Timeout(const QVariant& interval);

namespace TimeoutArgument {
// A number by its value; a text by the decimal number at its start ("0.1s" → 0.1, "abc" → 0).
double seconds(const QVariant& interval);
} // namespace TimeoutArgument
