#pragma once

// Ending the program at once, without further close handlers and without saving.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    // Ends every running copy of this program, this one last.
    virtual void endEveryCopy() = 0;
    // Ends this process only.
    virtual void endNow() = 0;
};

// The system's way of ending programs (one source file per system).
class SystemProgramEnd final : public ProgramEnd
{
public:
    void endEveryCopy() override;
    void endNow() override;
};
