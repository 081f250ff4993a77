// lanternix-standin: the two web services on 127.0.0.1, for demos and for the end-to-end test.

#include "standinserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Only write() is safe here; the event loop picks the byte up and quits.
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

void quitOnTermination(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app]() {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
        app.quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
#else
void quitOnTermination(QCoreApplication&) {}
#endif

// "\r\n" and friends typed on a command line become the bytes they stand for.
QByteArray unescape(const QString& text)
{
    QByteArray bytes;
    const QByteArray utf8 = text.toUtf8();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\\' || i + 1 == utf8.size()) {
            bytes.append(utf8[i]);
            continue;
        }
        switch (utf8[++i]) {
        case 'r':
            bytes.append('\r');
            break;
        case 'n':
            bytes.append('\n');
            break;
        case 't':
            bytes.append('\t');
            break;
        case '\\':
            bytes.append('\\');
            break;
        default:
            bytes.append('\\').append(utf8[i]);
            break;
        }
    }
    return bytes;
}

QStringList commaList(const QStringList& values)
{
    QStringList items;
    for (const QString& value : values) {
        for (const QString& item : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
            items << item.trimmed();
    }
    return items;
}

int fail(const QString& message)
{
    QTextStream(stderr) << "lanternix-standin: " << message << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lanternix-standin"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Stand-in for the presence service, the image host and the maker's site on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port to listen on (0: any free port)."),
                                        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption onlineOption(QStringLiteral("online"),
                                          QStringLiteral("Online numbers, comma separated."),
                                          QStringLiteral("LIST"));
    const QCommandLineOption onlineFileOption(QStringLiteral("online-file"),
                                              QStringLiteral("File of online numbers, one a line."),
                                              QStringLiteral("FILE"));
    const QCommandLineOption versionOption(
        QStringLiteral("version-text"),
        QStringLiteral("Text of the version file (\\r \\n \\t \\\\ escapes)."),
        QStringLiteral("TEXT"));
    const QCommandLineOption noVersionOption(QStringLiteral("no-version-file"),
                                             QStringLiteral("The version file answers 404."));
    const QCommandLineOption imageHostOption(
        QStringLiteral("image-host"),
        QStringLiteral("Host written into status redirects (default: this server)."),
        QStringLiteral("HOST"));
    const QCommandLineOption delayOption(
        QStringLiteral("delay"), QStringLiteral("Delay before every answer but the images."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"),
        QStringLiteral("Misbehave: %1.").arg(StandinServer::faultNames().join(QLatin1Char('|'))),
        QStringLiteral("FAULT"));
    const QCommandLineOption faultNumbersOption(
        QStringLiteral("fault-numbers"),
        QStringLiteral("Apply the fault only to these numbers' status requests."),
        QStringLiteral("LIST"));
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Request log file (default: stdout)."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption idleOption(
        QStringLiteral("quit-when-idle"),
        QStringLiteral("Quit after this long without a request (0: never)."), QStringLiteral("MS"),
        QStringLiteral("0"));
    parser.addOptions({portOption, onlineOption, onlineFileOption, versionOption, noVersionOption,
                       imageHostOption, delayOption, faultOption, faultNumbersOption, logOption,
                       idleOption});
    parser.process(app);

    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535)
        return fail(QStringLiteral("--port wants a number from 0 to 65535"));
    const int idleLimit = parser.value(idleOption).toInt(&ok);
    if (!ok || idleLimit < 0)
        return fail(QStringLiteral("--quit-when-idle wants a number of milliseconds"));

    StandinServer server;
    QStringList online = commaList(parser.values(onlineOption));
    if (parser.isSet(onlineFileOption)) {
        QFile file(parser.value(onlineFileOption));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return fail(QStringLiteral("cannot read %1").arg(file.fileName()));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (!line.trimmed().isEmpty())
                online << line.trimmed();
        }
    }
    // The settings go the way a /standin/set request takes them.
    QList<QPair<QString, QByteArray>> settings = {
        {QStringLiteral("online"), online.join(u',').toUtf8()}};
    if (parser.isSet(versionOption))
        settings.append({versionOption.names().first(), unescape(parser.value(versionOption))});
    if (parser.isSet(noVersionOption))
        settings.append({noVersionOption.names().first(), "1"});
    if (parser.isSet(faultNumbersOption))
        settings.append({faultNumbersOption.names().first(),
                         commaList(parser.values(faultNumbersOption)).join(u',').toUtf8()});
    for (const QCommandLineOption* option : {&imageHostOption, &delayOption, &faultOption}) {
        if (parser.isSet(*option))
            settings.append({option->names().first(), parser.value(*option).toUtf8()});
    }
    for (const auto& [name, value] : std::as_const(settings)) {
        QString error;
        if (!server.configure(name, value, &error))
            return fail(QStringLiteral("--%1: %2").arg(name, error));
    }

    QFile logFile;
    if (parser.isSet(logOption)) {
        logFile.setFileName(parser.value(logOption));
        if (!logFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return fail(QStringLiteral("cannot write %1").arg(logFile.fileName()));
    } else {
        logFile.open(stdout, QIODevice::WriteOnly | QIODevice::Text);
    }

    if (!server.listen(quint16(port)))
        return fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(port));

    {
        QFile out;
        out.open(stdout, QIODevice::WriteOnly | QIODevice::Text);
        out.write(QStringLiteral("PORT %1\n").arg(server.port()).toUtf8());
        out.flush();
    }

    // Whoever reads the log may be waiting for a line: flush every one.
    QObject::connect(&server, &StandinServer::logLine, &app, [&logFile](const QString& line) {
        logFile.write(line.toUtf8() + '\n');
        logFile.flush();
    });

    // A test that started the stand-in and then died leaves nothing running for long.
    QTimer idle;
    idle.setSingleShot(true);
    QObject::connect(&idle, &QTimer::timeout, &app, &QCoreApplication::quit);
    if (idleLimit > 0) {
        QObject::connect(&server, &StandinServer::logLine, &idle, [&idle] { idle.start(); });
        idle.start(idleLimit);
    }
    QObject::connect(&server, &StandinServer::quitRequested, &app, &QCoreApplication::quit);
    quitOnTermination(app);
    return app.exec();
}
