#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// lanternix-standin on the port the program was built to talk to, logging every request into a
// file, so a test sees what the program asked for and in which order.
class StandinRun final
{
public:
    explicit StandinRun(const QString& logFile) : m_logFile(logFile) {}
    ~StandinRun();
    StandinRun(const StandinRun&) = delete;
    StandinRun& operator=(const StandinRun&) = delete;

    // The port of the build's three hosts (all of them point at the stand-in).
    static quint16 port();

    // Starts it with these extra arguments; false (test failed) when it did not come up, with
    // a clear word when something else holds the port.
    [[nodiscard]] bool start(const QStringList& arguments = {});
    void stop();

    // Request targets in arrival order ("/pa?p=1:10001:9", ...).
    QStringList targets() const;
    // The numbers of the status requests, in arrival order.
    QStringList statusNumbers() const;
    int versionRequests() const;

private:
    QString m_logFile;
    QProcess m_process;
};
