#pragma once

#include <QString>
#include <memory>

// One synchronous fetch whose whole body comes back as text, whatever the HTTP status; empty
// only when no body came back at all.
class Transfer
{
public:
    virtual ~Transfer() = default;
    virtual QString fetchText(const QString& address) = 0;
};

class ModuleLibrary;

// The transfer module (MSINET.OCX) loaded from the program folder, with a time limit and a size
// cap. Without the module every fetch comes back empty, which the update check takes for a
// failure like any other.
class ModuleTransfer final : public Transfer
{
public:
    static constexpr int TimeLimitMs = 20000;
    static constexpr int SizeCap = 1024 * 1024;

    explicit ModuleTransfer(const QString& modulePath, int timeLimitMs = TimeLimitMs);
    ~ModuleTransfer() override;
    QString fetchText(const QString& address) override;

private:
    std::unique_ptr<ModuleLibrary> m_module;
    int m_timeLimitMs;
};
