#include "standinserver.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMetaEnum>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

const QString StandinServer::VersionPath = QStringLiteral("/soft/duvazevovu/qqcx/jc/jc.txt");
const QString StandinServer::OnlineImagePath =
    QStringLiteral("/qconn/wpa/button/button_old_91.gif");
const QString StandinServer::OfflineImagePath =
    QStringLiteral("/qconn/wpa/button/button_old_90.gif");
const QString StandinServer::ForumPath = QStringLiteral("/bbs");

namespace {

const QString ControlPrefix = QStringLiteral("/standin/");
const QString StatusPath = QStringLiteral("/pa");
const QString StatusPrefix = QStringLiteral("p=1:");
const QString StatusSuffix = QStringLiteral(":9");
// Where a status request with the Relative fault is sent first; the digit after it says online.
const QString RelayPath = QStringLiteral("/qconn/wpa/next");

// A 2x2 single-colour GIF89a: enough for any image decoder to accept it.
QByteArray gif(quint8 r, quint8 g, quint8 b)
{
    QByteArray bytes("GIF89a", 6);
    const char screen[] = {2, 0, 2, 0, char(0x80), 0, 0}; // 2x2, 2-entry global colour table
    bytes.append(screen, sizeof screen);
    bytes.append(char(r)).append(char(g)).append(char(b));
    bytes.append(char(0)).append(char(0)).append(char(0));
    const char image[] = {0x2c, 0, 0, 0, 0, 2, 0, 2, 0, 0}; // image descriptor, no local table
    bytes.append(image, sizeof image);
    // LZW, code size 2: clear, four pixels of colour 0, end.
    const char data[] = {2, 2, char(0x84), 0x51, 0, 0x3b};
    bytes.append(data, sizeof data);
    return bytes;
}

const char* forumPage = "<!DOCTYPE html>\n"
                        "<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                        "<title>Zeph系列软件 论坛</title></head>\n"
                        "<body><h1>Zeph系列软件 论坛</h1>"
                        "<p>新版本发布与使用交流。</p></body></html>\n";

} // namespace

StandinServer::StandinServer(QObject* parent) : QAbstractHttpServer(parent)
{
    m_clock.start();
}

StandinServer::~StandinServer() = default;

bool StandinServer::listen(quint16 port)
{
    auto* tcp = new QTcpServer(this);
    if (!tcp->listen(QHostAddress::LocalHost, port)) {
        delete tcp;
        return false;
    }
    delete m_tcp;
    m_tcp = tcp;
    bind(tcp);
    return true;
}

quint16 StandinServer::port() const
{
    return m_tcp ? m_tcp->serverPort() : 0;
}

QString StandinServer::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

void StandinServer::setOnline(const QStringList& numbers)
{
    m_online = QSet<QString>(numbers.begin(), numbers.end());
}

void StandinServer::addOnline(const QString& number)
{
    m_online.insert(number);
}

void StandinServer::removeOnline(const QString& number)
{
    m_online.remove(number);
}

QStringList StandinServer::online() const
{
    QStringList numbers(m_online.begin(), m_online.end());
    numbers.sort();
    return numbers;
}

void StandinServer::setVersionText(const QByteArray& bytes)
{
    m_versionText = bytes;
}

void StandinServer::setVersionFileMissing(bool missing)
{
    m_versionMissing = missing;
}

void StandinServer::setImageHost(const QString& host)
{
    m_imageHost = host;
}

QString StandinServer::imageHost() const
{
    return m_imageHost.isEmpty() ? host() : m_imageHost;
}

void StandinServer::setDelay(int milliseconds)
{
    m_delayMs = std::max(0, milliseconds);
}

std::optional<StandinServer::Fault> StandinServer::faultFromName(const QString& name)
{
    static const QList<QPair<QString, Fault>> names = {
        {QStringLiteral("none"), Fault::None},   {QStringLiteral("never"), Fault::Never},
        {QStringLiteral("close"), Fault::Close}, {QStringLiteral("loop"), Fault::Loop},
        {QStringLiteral("huge"), Fault::Huge},   {QStringLiteral("upper"), Fault::UpperCaseHost},
        {QStringLiteral("query"), Fault::Query}, {QStringLiteral("relative"), Fault::Relative},
    };
    for (const auto& [text, fault] : names) {
        if (text == name)
            return fault;
    }
    return std::nullopt;
}

QStringList StandinServer::faultNames()
{
    return {QStringLiteral("never"),   QStringLiteral("close"), QStringLiteral("loop"),
            QStringLiteral("huge"),    QStringLiteral("upper"), QStringLiteral("query"),
            QStringLiteral("relative")};
}

bool StandinServer::configure(const QString& name, const QByteArray& value, QString* error)
{
    const QString text = QString::fromUtf8(value);
    const QStringList list = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    bool ok = true;
    if (name == QLatin1String("online")) {
        setOnline(list);
    } else if (name == QLatin1String("version-text")) {
        setVersionText(value);
    } else if (name == QLatin1String("no-version-file")) {
        setVersionFileMissing(value != "0");
    } else if (name == QLatin1String("image-host")) {
        setImageHost(text);
    } else if (name == QLatin1String("delay")) {
        const int delay = text.toInt(&ok);
        ok = ok && delay >= 0;
        if (ok)
            setDelay(delay);
    } else if (name == QLatin1String("fault")) {
        const std::optional<Fault> fault = faultFromName(text);
        ok = fault.has_value();
        if (ok)
            m_fault = *fault;
    } else if (name == QLatin1String("fault-numbers")) {
        m_faultNumbers = QSet<QString>(list.begin(), list.end());
    } else {
        *error = QStringLiteral("unknown setting '%1'").arg(name);
        return false;
    }
    if (!ok)
        *error = QStringLiteral("'%1' does not fit %2").arg(text, name);
    return ok;
}

QStringList StandinServer::log() const
{
    QStringList lines;
    lines.reserve(m_requests.size());
    for (const Request& request : m_requests)
        lines << QStringLiteral("%1 %2").arg(request.arrivedMs).arg(request.target);
    return lines;
}

void StandinServer::clearLog()
{
    m_logBase += m_requests.size();
    m_requests.clear();
}

QString StandinServer::statusAddress(const QString& number) const
{
    return QStringLiteral("http://") + host() + StatusPath + QLatin1Char('?') + StatusPrefix +
           number + StatusSuffix;
}

QString StandinServer::onlineImageAddress() const
{
    return QStringLiteral("http://") + imageHost() + OnlineImagePath;
}

QString StandinServer::offlineImageAddress() const
{
    return QStringLiteral("http://") + imageHost() + OfflineImagePath;
}

QString StandinServer::versionAddress() const
{
    return QStringLiteral("http://") + host() + VersionPath;
}

QByteArray StandinServer::onlineImage()
{
    return gif(0x2e, 0xb8, 0x2e);
}

QByteArray StandinServer::offlineImage()
{
    return gif(0x99, 0x99, 0x99);
}

bool StandinServer::faultApplies(const QString& number) const
{
    return m_fault != Fault::None && (m_faultNumbers.isEmpty() || m_faultNumbers.contains(number));
}

StandinServer::Answer StandinServer::statusAnswer(const QString& target,
                                                  const QString& number) const
{
    const bool faulty = faultApplies(number);
    const Fault fault = faulty ? m_fault : Fault::None;
    const QString& imagePath = m_online.contains(number) ? OnlineImagePath : OfflineImagePath;

    QString location;
    switch (fault) {
    case Fault::Loop:
        location = QStringLiteral("http://") + host() + target;
        break;
    case Fault::UpperCaseHost:
        location = QStringLiteral("http://") + imageHost().toUpper() + imagePath;
        break;
    case Fault::Query:
        location = QStringLiteral("http://") + imageHost() + imagePath + QStringLiteral("?x=1");
        break;
    case Fault::Relative:
        location = RelayPath + (imagePath == OnlineImagePath ? u'1' : u'0');
        break;
    default:
        location = QStringLiteral("http://") + imageHost() + imagePath;
        break;
    }

    Answer answer;
    answer.status = 302;
    answer.location = location.toUtf8();
    answer.contentType = "text/html";
    if (fault == Fault::Huge)
        answer.body = QByteArray(HugeBodySize, 'x');
    return answer;
}

StandinServer::Answer StandinServer::control(const QString& path, const QString& query)
{
    Answer answer;
    answer.contentType = "text/plain; charset=utf-8";
    const QString command = path.mid(ControlPrefix.size());
    if (command == QLatin1String("log")) {
        for (const Request& request : std::as_const(m_requests))
            answer.body += request.target.toUtf8() + '\n';
    } else if (command == QLatin1String("quit")) {
        answer.body = "bye\n"; // quitRequested() follows the answer
    } else if (command == QLatin1String("set")) {
        QString error;
        for (const QString& item : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
            const QByteArray name =
                QByteArray::fromPercentEncoding(item.section(u'=', 0, 0).toUtf8());
            const QByteArray value =
                QByteArray::fromPercentEncoding(item.section(u'=', 1).toUtf8());
            if (!configure(QString::fromUtf8(name), value, &error)) {
                answer.status = 400;
                answer.body = error.toUtf8() + '\n';
                break;
            }
        }
    } else {
        answer.status = 404;
    }
    return answer;
}

StandinServer::Answer StandinServer::answerFor(const QString& target, const QString& path,
                                               const QString& query) const
{
    Answer answer;
    const bool isStatus = path == StatusPath && query.startsWith(StatusPrefix) &&
                          query.size() >= StatusPrefix.size() + StatusSuffix.size() &&
                          query.endsWith(StatusSuffix);
    // The number exactly as the program put it into the address, blanks and all.
    const QString number =
        isStatus ? QUrl::fromPercentEncoding(
                       query
                           .mid(StatusPrefix.size(),
                                query.size() - StatusPrefix.size() - StatusSuffix.size())
                           .toUtf8())
                 : QString();

    // Faults scoped to numbers touch only those numbers' status requests.
    const bool faulty =
        isStatus ? faultApplies(number) : m_fault != Fault::None && m_faultNumbers.isEmpty();
    if (faulty && m_fault == Fault::Never) {
        answer.kind = Answer::Never;
        return answer;
    }
    if (faulty && m_fault == Fault::Close) {
        answer.kind = Answer::Close;
        return answer;
    }

    if (isStatus)
        return statusAnswer(target, number);
    if (path.startsWith(RelayPath)) { // on to the image, relative to this address's folder
        answer.status = 302;
        answer.location = "button/button_old_9" + path.mid(RelayPath.size()).toUtf8() + ".gif";
        answer.contentType = "text/html";
        return answer;
    }

    if (path == VersionPath) {
        if (m_versionMissing) {
            answer.status = 404;
            answer.contentType = "text/html";
            answer.body = "<html><body><h1>404 Not Found</h1></body></html>\n";
        } else {
            answer.contentType = "text/plain";
            answer.body =
                faulty && m_fault == Fault::Huge ? QByteArray(HugeBodySize, 'V') : m_versionText;
        }
    } else if (path == OnlineImagePath) {
        answer.contentType = "image/gif";
        answer.body = onlineImage();
    } else if (path == OfflineImagePath) {
        answer.contentType = "image/gif";
        answer.body = offlineImage();
    } else if (path == ForumPath) {
        answer.contentType = "text/html; charset=utf-8";
        answer.body = forumPage;
    } else {
        answer.status = 404;
        answer.contentType = "text/html";
        answer.body = "<html><body><h1>404 Not Found</h1></body></html>\n";
    }
    return answer;
}

bool StandinServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const QUrl url = request.url();
    const QString path = url.path(QUrl::FullyEncoded);
    const QString query = url.query(QUrl::FullyEncoded);
    const QString target = url.hasQuery() ? path + QLatin1Char('?') + query : path;

    if (path.startsWith(ControlPrefix)) {
        const Answer answer = control(path, query);
        makeResponder(request, socket)
            .write(answer.body, answer.contentType,
                   QHttpServerResponder::StatusCode(answer.status));
        if (path == ControlPrefix + QLatin1String("quit")) {
            socket->flush();
            emit quitRequested();
        }
        return true;
    }

    Request record;
    record.target = target;
    record.arrivedMs = now();
    m_requests.append(record);
    emit logLine(QStringLiteral("%1 %2").arg(record.arrivedMs).arg(target));
    emit requestArrived(target);

    const Answer answer = answerFor(target, path, query);
    if (answer.kind == Answer::Never)
        return true; // the socket stays open until the client gives up

    // The request object lives as long as its connection and is not reused before the
    // client has had its answer, so the responder may be made now and used after a delay.
    auto responder = std::make_shared<QHttpServerResponder>(makeResponder(request, socket));
    QPointer<QTcpSocket> guard(socket);
    const qsizetype serial = m_logBase + m_requests.size() - 1;
    auto deliver = [this, serial, responder, guard, answer]() {
        if (!guard)
            return; // the client gave up first
        if (answer.kind == Answer::Close) {
            guard->disconnectFromHost();
        } else if (answer.location.isEmpty()) {
            responder->write(answer.body, answer.contentType,
                             QHttpServerResponder::StatusCode(answer.status));
        } else {
            responder->write(answer.body,
                             {{"Content-Type", answer.contentType}, {"Location", answer.location}},
                             QHttpServerResponder::StatusCode(answer.status));
        }
        const qsizetype position = serial - m_logBase;
        if (position >= 0 && position < m_requests.size()) {
            Request& record = m_requests[position];
            record.answeredMs = now();
            record.closed = answer.kind == Answer::Close;
            emit requestAnswered(record.target);
        }
    };
    // The images stand for the separate image host, which the delay does not slow down.
    const bool image = path == OnlineImagePath || path == OfflineImagePath;
    if (m_delayMs == 0 || image)
        deliver();
    else
        QTimer::singleShot(m_delayMs, this, deliver);
    return true;
}

void StandinServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    // Every request is handled above; this only satisfies the interface.
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}
