#pragma once

#include <QString>

class Transfer;

// The one version check after start: only the exact answer "V2.2" lets the program run on. Any
// other answer, a server's error page included, announces a newer version; no answer at all is a
// failure. The check decides; the main window shows the box and ends the program.
class UpdateCheck final
{
public:
    enum class Outcome { Current, Newer, Failed };
    struct Verdict
    {
        Outcome outcome;
        QString answer; // the site's text as read; empty when none came
    };

    static inline const QString OwnVersion = QStringLiteral("V2.2");

    // The build's version file unless a caller names another.
    explicit UpdateCheck(const QString& versionAddress);
    UpdateCheck();

    Verdict run(Transfer& transfer) const;

private:
    // The answer as the check reads it: whole text, case-sensitive, nothing trimmed.
    static Verdict judge(const QString& answer);

    QString m_versionAddress;
};
