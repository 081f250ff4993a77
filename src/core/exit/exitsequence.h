#pragma once

#include "core/contacts/contactlistfile.h"

#include <QString>
#include <functional>

class Launcher;
class MessageBoxes;
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

    ExitSequence(MessageBoxes& boxes, Launcher& launcher, ProgramEnd& end)
        : m_boxes(boxes), m_launcher(launcher), m_end(end)
    {}

    // Returns when the window is to stay open; otherwise the program has ended. listPath is
    // where save() writes, for the question after a failed save.
    void leave(const Save& save, const QString& listPath);

private:
    MessageBoxes& m_boxes;
    Launcher& m_launcher;
    ProgramEnd& m_end;
};
