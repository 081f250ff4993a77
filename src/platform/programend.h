#pragma once

class Launcher;

// Ending the program at once, without further close handlers.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    // Ends every running copy of this program, this one last.
    virtual void endEveryCopy() = 0;
    // Ends this process only.
    virtual void endNow() = 0;
};

class SystemProgramEnd final : public ProgramEnd
{
public:
    explicit SystemProgramEnd(Launcher& launcher) : m_launcher(launcher) {}
    void endEveryCopy() override;
    void endNow() override;

private:
    Launcher& m_launcher;
};
