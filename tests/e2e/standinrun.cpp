#include "standinrun.h"

#include "childprocess.h"
#include "waitfor.h"

#include <QFile>
#include <QRegularExpression>

namespace {
const QString VersionPath = QStringLiteral("/soft/duvazevovu/qqcx/jc/jc.txt");
}

StandinRun::~StandinRun()
{
    stop();
}

quint16 StandinRun::port()
{
    // The maker's host, "127.0.0.1:PORT", as the build was configured.
    const QString host = QStringLiteral(LANTERNIX_MAKER_HOST);
    return quint16(host.section(QLatin1Char(':'), 1).toUInt());
}

bool StandinRun::start(const QStringList& arguments)
{
    m_process.setProgram(QStringLiteral(STANDIN_PROGRAM));
    m_process.setArguments(QStringList{QStringLiteral("--port"), QString::number(port()),
                                       QStringLiteral("--log"), m_logFile} +
                           arguments);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    endWithTest(m_process);
    m_process.start();
    if (!expect(m_process.waitForStarted(5000), QStringLiteral("lanternix-standin did not start")))
        return false;
    QByteArray said;
    pollUntil(
        [&] {
            said += m_process.readAll();
            return said.contains('\n') || m_process.state() == QProcess::NotRunning;
        },
        10000);
    said += m_process.readAll();
    if (said.startsWith("PORT "))
        return true;
    return expect(false, QStringLiteral("the stand-in could not take port %1, which this build's "
                                        "hosts point at (is another copy or a demo running?): %2")
                             .arg(port())
                             .arg(QString::fromUtf8(said.trimmed())));
}

void StandinRun::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QStringList StandinRun::targets() const
{
    QFile file(m_logFile);
    QStringList found;
    if (!file.open(QIODevice::ReadOnly))
        return found;
    // Each line: "<ms since start> <target>"; only whole lines count.
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        found << QString::fromUtf8(lines[i].mid(lines[i].indexOf(' ') + 1));
    return found;
}

QStringList StandinRun::statusNumbers() const
{
    static const QRegularExpression status(QStringLiteral("^/pa\\?p=1:(.*):9$"));
    QStringList numbers;
    for (const QString& target : targets()) {
        const QRegularExpressionMatch match = status.match(target);
        if (match.hasMatch())
            numbers << match.captured(1);
    }
    return numbers;
}

int StandinRun::versionRequests() const
{
    return int(targets().count(VersionPath));
}
