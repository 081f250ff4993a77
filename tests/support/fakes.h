#pragma once

#include "platform/launcher.h"
#include "platform/media.h"
#include "platform/messageboxes.h"
#include "platform/programend.h"

#include <QQueue>
#include <QStringList>
#include <functional>

// One journal shared by the fakes, so a test can check the order of what the program asked for.
struct Journal
{
    QStringList lines;
    void add(const QString& line) { lines.append(line); }
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
    explicit FakeMessageBoxes(Journal* journal = nullptr) : m_journal(journal) {}

    QQueue<int> answers;
    QList<ShownBox> shown;
    // Runs while a box is "open", as a modal box would let events run.
    std::function<void(const ShownBox&)> whileOpen;

    int show(const QString& text, int style, const QString& title) override
    {
        shown.append({text, style, title});
        if (m_journal)
            m_journal->add(QStringLiteral("box:") + text);
        if (whileOpen)
            whileOpen(shown.last());
        if (!answers.isEmpty())
            return answers.dequeue();
        switch (style) {
        case InformationYesNoCancel:
            return Cancel;
        case InformationYesNo:
            return No;
        default:
            return Ok;
        }
    }

private:
    Journal* m_journal;
};

class FakeLauncher final : public Launcher
{
public:
    explicit FakeLauncher(Journal* journal = nullptr) : m_journal(journal) {}

    QList<QPair<QString, int>> commands;
    QStringList uris;

    void runCommand(const QString& commandLine, int windowStyle) override
    {
        commands.append({commandLine, windowStyle});
        if (m_journal)
            m_journal->add(QStringLiteral("command:%1:%2").arg(commandLine).arg(windowStyle));
    }
    void openUri(const QString& uri) override
    {
        uris.append(uri);
        if (m_journal)
            m_journal->add(QStringLiteral("uri:") + uri);
    }

private:
    Journal* m_journal;
};

// Records the end of the program instead of ending the test.
class FakeProgramEnd final : public ProgramEnd
{
public:
    explicit FakeProgramEnd(Journal* journal = nullptr) : m_journal(journal) {}

    int everyCopy = 0;
    int now = 0;

    void endEveryCopy() override
    {
        ++everyCopy;
        if (m_journal)
            m_journal->add(QStringLiteral("end:every-copy"));
    }
    void endNow() override
    {
        ++now;
        if (m_journal)
            m_journal->add(QStringLiteral("end:now"));
    }

private:
    Journal* m_journal;
};

class FakeMedia final : public MediaPlayer
{
public:
    QStringList played;
    int volume = -1;
    void playOnce(const QString& path, int vol) override
    {
        played.append(path);
        volume = vol;
    }
};
