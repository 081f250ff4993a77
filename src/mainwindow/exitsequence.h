#pragma once

#include <QString>
#include <functional>

class Launcher;
class MessageBoxes;
class ProgramEnd;

// The farewell question on every close of the main window.
class ExitSequence final
{
public:
    ExitSequence(MessageBoxes& boxes, Launcher& launcher, ProgramEnd& end)
        : m_boxes(boxes), m_launcher(launcher), m_end(end)
    {}

    static QString question();

    // Asks, and on Yes or No saves through save() and ends every copy of the program.
    // Returns true when the window is to stay open (Cancel).
    bool queryUnload(const std::function<void()>& save);

private:
    MessageBoxes& m_boxes;
    Launcher& m_launcher;
    ProgramEnd& m_end;
};
