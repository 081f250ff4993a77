#pragma once

#include "platform/launcher.h"
#include "platform/media.h"
#include "platform/messageboxes.h"
#include "platform/programend.h"

#include <QQueue>
#include <QStringList>

// What the program asked of the system, in order, as lines like "box:TEXT",
// "command:LINE:STYLE", "uri:URI", "end:now" or "end:every-copy".
struct Journal
{
    QStringList lines;
};

struct ShownBox
{
    QString text;
    int style;
    QString title;
};

// Message boxes answered by script. Without a scripted answer: OK, or Cancel/No where asked.
class FakeMessageBoxes final : public MessageBoxes
{
public:
    explicit FakeMessageBoxes(Journal* journal = nullptr) : m_journal(journal ? journal : &m_own) {}
    QQueue<int> answers;
    QList<ShownBox> shown;

    int show(const QString& text, int style, const QString& title) override
    {
        shown.append({text, style, title});
        m_journal->lines << QStringLiteral("box:") + text;
        if (!answers.isEmpty())
            return answers.dequeue();
        return style == InformationYesNoCancel ? Cancel : style == InformationYesNo ? No : Ok;
    }

private:
    Journal m_own;
    Journal* m_journal;
};

class FakeLauncher final : public Launcher
{
public:
    explicit FakeLauncher(Journal* journal = nullptr) : journal(journal ? journal : &m_own) {}
    Journal* journal;

    void runCommand(const QString& commandLine, int windowStyle) override
    {
        journal->lines << QStringLiteral("command:%1:%2").arg(commandLine).arg(windowStyle);
    }
    void openUri(const QString& uri) override { journal->lines << QStringLiteral("uri:") + uri; }

private:
    Journal m_own;
};

// Records the end of the program instead of ending the test.
class FakeProgramEnd final : public ProgramEnd
{
public:
    explicit FakeProgramEnd(Journal* journal = nullptr) : m_journal(journal ? journal : &m_own) {}
    void endEveryCopy() override { m_journal->lines << QStringLiteral("end:every-copy"); }
    void endNow() override { m_journal->lines << QStringLiteral("end:now"); }

private:
    Journal m_own;
    Journal* m_journal;
};

class FakeMedia final : public MediaPlayer
{
public:
    QStringList played;
    int volume = -1;
    void playOnce(const QString& path, int vol) override
    {
        played << path;
        volume = vol;
    }
};
