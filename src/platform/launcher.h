#pragma once

#include <QString>

// Hands the user on to other programs: a web address to the browser, a chat to the QQ client, a
// mail address to the mail program. Nothing is waited for and a failure stays silent.
class Launcher
{
public:
    virtual ~Launcher() = default;
    virtual void openWebAddress(const QString& address) = 0;
    virtual void openChat(const QString& number) = 0;
    virtual void openMail(const QString& address) = 0;
};

// The launcher of the system the program runs on (one source file per system).
class SystemLauncher final : public Launcher
{
public:
    void openWebAddress(const QString& address) override;
    void openChat(const QString& number) override;
    void openMail(const QString& address) override;
};
