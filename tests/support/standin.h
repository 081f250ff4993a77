#pragma once

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

// lanternix-standin in a process of its own on a free loopback port, set up and read over HTTP:
// the same way for a Linux test as for a Windows one under Wine, which can start the Linux
// stand-in but neither hold it in-process nor wait for it. It quits when the test is done with
// it, or by itself after a minute without requests if the test never says so.
class Standin final
{
public:
    explicit Standin(const QByteArray& settings = {})
    {
        QTcpServer probe; // a port that was free a moment ago
        probe.listen(QHostAddress::LocalHost);
        m_port = probe.serverPort();
        probe.close();
        QProcess::startDetached(STANDIN_PROGRAM,
                                {"--port", QString::number(m_port), "--quit-when-idle", "60000"});
        m_ready = QTest::qWaitFor([this] { return get("/standin/log").has_value(); }, 10000) &&
                  (settings.isEmpty() || set(settings));
    }
    ~Standin() { get("/standin/quit"); }

    bool isReady() const { return m_ready; }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString address(const QString& target) const { return "http://" + host() + target; }

    // "name=value&…" as its command line names the settings, values percent-encoded.
    bool set(const QByteArray& settings) { return get("/standin/set?" + settings).has_value(); }
    // The targets the stand-in was asked for, in order.
    QStringList requests()
    {
        return QString::fromUtf8(get("/standin/log").value_or("")).split('\n', Qt::SkipEmptyParts);
    }

private:
    // The body of a 200 answer; nothing for any other outcome within five seconds.
    std::optional<QByteArray> get(const QByteArray& target)
    {
        QNetworkAccessManager network;
        network.setProxy(QNetworkProxy::NoProxy);
        QNetworkReply* reply = network.get(QNetworkRequest(QUrl(address(target))));
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        const bool ok = reply->isFinished() && reply->error() == QNetworkReply::NoError;
        const QByteArray body = reply->readAll();
        delete reply;
        return ok ? std::optional(body) : std::nullopt;
    }

    quint16 m_port = 0;
    bool m_ready = false;
};
