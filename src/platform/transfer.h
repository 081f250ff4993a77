#pragma once

#include <QString>
#include <memory>

// One synchronous fetch whose whole body comes back as text; empty when it fails.
class Transfer
{
public:
    virtual ~Transfer() = default;
    virtual QString OpenURL(const QString& address) = 0;
};

// The transfer module (MSINET.OCX) loaded from the program folder. Without the module every
// fetch fails, which the update check reports like any other failure.
class ModuleTransfer final : public Transfer
{
public:
    static constexpr int TimeLimitMs = 20000;
    static constexpr int SizeCap = 1024 * 1024;

    explicit ModuleTransfer(const QString& modulePath);
    ~ModuleTransfer() override;
    QString OpenURL(const QString& address) override;
    bool isLoaded() const;

    void setTimeLimit(int milliseconds) { m_timeLimitMs = milliseconds; }

private:
    struct Private;
    std::unique_ptr<Private> d;
    int m_timeLimitMs = TimeLimitMs;
};
