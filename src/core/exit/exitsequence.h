#pragma once

#include "core/contacts/contactlistfile.h"
#include "platform/messageboxes.h"

#include <QString>
#include <functional>

class Launcher;
class ProgramEnd;

// The farewell question on every close of the main window. Yes opens the forum, then saves the
// list and ends every copy of the program; No does the same without the forum; Cancel keeps the
// window. Where a save fails and the user's changes would be lost, a second question lets the
// user give them up and leave, or stay with the list to free the folder or the disk; where
// nothing would be lost, leaving is never held up.
class ExitSequence final
{
public:
    using Save = std::function<ContactListFile::SaveOutcome()>;

    // The two questions, which the windows word and ask.
    class Questions
    {
    public:
        virtual ~Questions() = default;
        // Yes, No or Cancel.
        virtual BoxAnswer farewell() = 0;
        // After a save that failed as told, the file lacking the user's changes: Yes gives them
        // up and leaves.
        virtual BoxAnswer giveUpChanges(const ContactListFile::SaveOutcome& outcome) = 0;
    };

    ExitSequence(Questions& questions, Launcher& launcher, ProgramEnd& end)
        : m_questions(questions), m_launcher(launcher), m_end(end)
    {}

    // Returns when the window is to stay open; otherwise the program has ended.
    void leave(const Save& save);

private:
    Questions& m_questions;
    Launcher& m_launcher;
    ProgramEnd& m_end;
};
