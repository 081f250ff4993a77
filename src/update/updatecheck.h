#pragma once

#include <QString>
#include <functional>

class Launcher;
class MessageBoxes;
class ProgramEnd;
class Transfer;

// The one version check after start: only the exact answer "V2.2" lets the program run on.
class UpdateCheck final
{
public:
    enum class Outcome { Failed, Current, Newer };

    UpdateCheck(MessageBoxes& boxes, Launcher& launcher, ProgramEnd& end);

    // The build's version file unless a test points the check elsewhere.
    void setVersionAddress(const QString& address) { m_versionAddress = address; }

    static inline const QString OwnVersion = QStringLiteral("V2.2");
    static Outcome evaluate(const QString& answer);
    static QString newerVersionText(const QString& answer);

    // Fetches the version file and acts on the answer. While a check is pending (its fetch or
    // one of its boxes), a further call does nothing. onCurrent runs when the program may go on.
    void run(Transfer& transfer, const std::function<void(const QString&)>& statusText,
             const std::function<void()>& onCurrent);
    bool isRunning() const { return m_running; }

private:
    MessageBoxes& m_boxes;
    Launcher& m_launcher;
    ProgramEnd& m_end;
    QString m_versionAddress;
    bool m_running = false;
};
