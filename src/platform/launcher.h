#pragma once

#include <QString>

// Hands command lines and URIs to the system without waiting for them; failures stay silent.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // windowStyle: 0 hidden, 2 minimised with focus.
    virtual void runCommand(const QString& commandLine, int windowStyle) = 0;
    // tencent:, mailto:, … go to the program the system has registered for the scheme.
    virtual void openUri(const QString& uri) = 0;
};

// The launcher of the system the program runs on (one source file per system).
class SystemLauncher final : public Launcher
{
public:
    void runCommand(const QString& commandLine, int windowStyle) override;
    void openUri(const QString& uri) override;

    // What a command line becomes on this system: program and arguments; empty when the
    // system has no equivalent. Pure, so every system's translation is testable.
    static QStringList translate(const QString& commandLine);
};
