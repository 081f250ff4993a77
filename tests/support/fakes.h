#pragma once

#include "config/addresses.h"
#include "config/buildconfig.h"
#include "core/status/responsivewait.h"
#include "gui/mainwindow/services.h"
#include "platform/launcher.h"
#include "platform/media.h"
#include "platform/messageboxes.h"
#include "platform/programend.h"
#include "platform/statusbrowser.h"
#include "platform/transfer.h"

#include <QHash>
#include <QQueue>
#include <QStringList>
#include <QTimer>

// The system as the windows see it, recording what the program asked of it, in order:
// "box:TEXT" (with "!" before TEXT for an exclamation), "web:ADDRESS", "chat:NUMBER",
// "mail:ADDRESS", "end:now", "end:every-copy". Boxes are answered by script; without one
// an OK box answers OK and a question No (or Cancel where it is offered).
struct FakeSystem final : MessageBoxes, Launcher, ProgramEnd, MediaPlayer
{
    QStringList journal;
    QQueue<BoxAnswer> answers;
    Services services{*this, *this, *this, *this};

    BoxAnswer ask(const QString& text, BoxIcon icon, BoxButtons buttons) override
    {
        journal << (icon == BoxIcon::Exclamation ? "box:!" : "box:") + text;
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == BoxButtons::Ok            ? BoxAnswer::Ok
               : buttons == BoxButtons::YesNoCancel ? BoxAnswer::Cancel
                                                    : BoxAnswer::No;
    }
    void openWebAddress(const QString& address) override { journal << "web:" + address; }
    void openChat(const QString& number) override { journal << "chat:" + number; }
    void openMail(const QString& address) override { journal << "mail:" + address; }
    void endEveryCopy() override { journal << "end:every-copy"; }
    void endNow() override { journal << "end:now"; }
    void playOnce(const QString&, int) override {}
};

// Answers each status request from the event loop after delayMs with the address in answers
// for its number, another picture for the rest; a new request drops one still pending.
// duringRequest runs inside each request, as a user's command would run while it is out.
class FakeStatusBrowser final : public StatusBrowser
{
public:
    QHash<QString, QString> answers;
    int delayMs = 0;
    QStringList requested; // the numbers, in order
    int overlapping = 0;   // requests made while one was still out
    std::function<void(const QString& number)> duringRequest;

    void setOnline(const QStringList& numbers)
    {
        for (const QString& number : numbers)
            answers[number] = Addresses::onlineImage(BuildConfig::ImageHost);
    }
    void navigate(const QString& address) override
    {
        const qsizetype from = address.indexOf(QLatin1String("p=1:")) + 4;
        const QString number = address.mid(from, address.size() - from - 2);
        requested << number;
        overlapping += m_pending ? 1 : 0;
        m_pending = true;
        const QString answer = answers.value(number, QStringLiteral("http://elsewhere/off.gif"));
        const int request = ++m_latest;
        QTimer::singleShot(delayMs, this, [this, request, answer] {
            if (request != m_latest)
                return;
            m_pending = false;
            emit navigationCompleted(answer);
        });
        if (duringRequest)
            duringRequest(number);
    }

private:
    int m_latest = 0;
    bool m_pending = false;
};

// A version text that comes after delayMs, the program staying alive meanwhile.
struct FakeTransfer final : Transfer
{
    QString answer = QStringLiteral("V2.2");
    int delayMs = 0;
    int fetches = 0;
    int answered = 0;
    QString fetchText(const QString&) override
    {
        ++fetches;
        waitResponsively(delayMs);
        ++answered;
        return answer;
    }
};
