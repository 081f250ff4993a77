#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class QTcpServer;

// A local stand-in for the two web services the program talks to: the presence service with
// its status images and the maker's site with the version file and the forum. It listens on
// 127.0.0.1 only and can misbehave on purpose (slow, silent, broken connections, redirect
// loops, huge bodies, odd Location headers) so that the program can be tried against every
// answer the real services might give.
//
// Requests under /standin/ work the stand-in itself, so that a program that cannot hold it
// in-process (a Windows build's test under Wine) drives it over 127.0.0.1. They are never
// logged, never delayed and never misbehave:
//   /standin/set?NAME=VALUE&...  settings by the names configure() takes, values
//                                percent-encoded (any bytes); 200, or 400 with the reason
//   /standin/log                 the targets of the requests so far, one a line
//   /standin/quit                quitRequested()
class StandinServer final : public QAbstractHttpServer
{
    Q_OBJECT
public:
    static const QString VersionPath; // "/soft/duvazevovu/qqcx/jc/jc.txt"
    static const QString OnlineImagePath;
    static const QString OfflineImagePath;
    static const QString ForumPath; // "/bbs"
    static constexpr qsizetype HugeBodySize = 5 * 1024 * 1024;

    enum class Fault {
        None,
        Never,         // keep the connection open and send nothing
        Close,         // close the connection without an answer
        Loop,          // a status request redirects to itself, for ever
        Huge,          // 5 MiB body on the version file and on status answers
        UpperCaseHost, // Location with the host in upper case
        Query,         // Location with "?x=1" appended
        Relative,      // Location without scheme and host, then one relative to its folder
    };
    Q_ENUM(Fault)
    // UpperCaseHost changes nothing visible while the image host is an IP address: give it
    // letters, e.g. setImageHost("localhost:" + port).

    // One request as the server saw it; times in ms since the server was created.
    struct Request
    {
        QString target; // path and query exactly as they came on the wire
        qint64 arrivedMs = 0;
        qint64 answeredMs = -1; // -1 while unanswered (and for ever with Fault::Never)
        bool closed = false;    // answered by closing the connection
    };

    explicit StandinServer(QObject* parent = nullptr);
    ~StandinServer() override;

    // Listens on 127.0.0.1; 0 picks a free port. False when the port cannot be had.
    bool listen(quint16 port = 0);
    quint16 port() const;
    QString host() const; // "127.0.0.1:PORT"

    // Numbers whose status request ends at the online image (raw text, percent-decoded).
    void setOnline(const QStringList& numbers);
    void addOnline(const QString& number);
    void removeOnline(const QString& number);
    QStringList online() const;

    void setVersionText(const QByteArray& bytes); // any bytes; default "V2.2"
    QByteArray versionText() const { return m_versionText; }
    void setVersionFileMissing(bool missing); // true: the version file answers 404

    // Host (and port) written into status redirects; empty means this server itself.
    void setImageHost(const QString& host);
    QString imageHost() const;

    void setDelay(int milliseconds); // before every answer but the images'
    // A fault (see configure()) applies to every request, or with fault-numbers only to the
    // status requests of those numbers. Loop, UpperCaseHost, Query and Relative only touch
    // status requests; Huge touches status requests and the version file; Never and Close touch
    // everything.
    Fault fault() const { return m_fault; }
    static std::optional<Fault> faultFromName(const QString& name);
    static QStringList faultNames();

    // One setting by the name the command line gives it: online (comma list), version-text,
    // no-version-file ("0" or "1"), image-host, delay, fault, fault-numbers (comma list).
    // False, with the reason in error, for an unknown name or a value that does not fit.
    bool configure(const QString& name, const QByteArray& value, QString* error);

    QList<Request> requests() const { return m_requests; }
    QStringList log() const; // "<ms> <target>" per request, in arrival order
    void clearLog();

    // Addresses as the program builds them, pointing at this server.
    QString statusAddress(const QString& number) const;
    QString onlineImageAddress() const;
    QString offlineImageAddress() const;
    QString versionAddress() const;

    static QByteArray onlineImage();
    static QByteArray offlineImage();

signals:
    void requestArrived(const QString& target);
    void requestAnswered(const QString& target);
    void logLine(const QString& line);
    void quitRequested();

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Answer
    {
        enum Kind { Respond, Never, Close } kind = Respond;
        int status = 200;
        QByteArray location;
        QByteArray contentType;
        QByteArray body;
    };

    Answer control(const QString& path, const QString& query);
    Answer answerFor(const QString& target, const QString& path, const QString& query) const;
    Answer statusAnswer(const QString& target, const QString& number) const;
    bool faultApplies(const QString& number) const;
    qint64 now() const { return m_clock.elapsed(); }

    QTcpServer* m_tcp = nullptr;
    QElapsedTimer m_clock;
    QSet<QString> m_online;
    QByteArray m_versionText = QByteArrayLiteral("V2.2");
    bool m_versionMissing = false;
    QString m_imageHost;
    int m_delayMs = 0;
    Fault m_fault = Fault::None;
    QSet<QString> m_faultNumbers;
    QList<Request> m_requests;
    qsizetype m_logBase = 0; // requests dropped by clearLog(), so late answers find their entry
};
