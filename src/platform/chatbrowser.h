#pragma once

#include <QString>

class Launcher;

// Stands in for the hidden browsers that pass chat and mail addresses to the system:
// a navigation hands the address to the registered program, waits for nothing, reports nothing.
class ChatBrowser final
{
public:
    explicit ChatBrowser(Launcher& launcher) : m_launcher(launcher) {}
    bool Silent = false;
    void Navigate(const QString& address);

private:
    Launcher& m_launcher;
};
