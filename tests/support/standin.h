#pragma once

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

// lanternix-standin in a process of its own on a free loopback port, set up and read over HTTP:
// the same way for a Linux test as for a Windows one under Wine, which can start the Linux
// stand-in but neither hold it in-process nor wait for it. It quits when the test is done with
// it, or by itself after a minute without requests if the test never says so.
class Standin final
{
public:
    // settings: "name=value&…" as its command line names them, values percent-encoded.
    explicit Standin(const QByteArray& settings)
    {
        QTcpServer probe; // a port that was free a moment ago
        probe.listen(QHostAddress::LocalHost);
        m_host = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
        probe.close();
        QProcess::startDetached(STANDIN_PROGRAM,
                                {"--port", m_host.section(':', 1), "--quit-when-idle", "60000"});
        m_ready =
            QTest::qWaitFor([this] { return get("log").has_value(); }, 10000) && set(settings);
    }
    ~Standin() { get("quit"); }

    bool isReady() const { return m_ready; }
    QString host() const { return m_host; }
    bool set(const QByteArray& settings) { return get("set?" + settings).has_value(); }
    // The targets the stand-in was asked for, in order.
    QStringList requests()
    {
        return QString::fromUtf8(get("log").value_or("")).split('\n', Qt::SkipEmptyParts);
    }

private:
    // The body of a 200 answer; nothing for any other outcome within five seconds.
    std::optional<QByteArray> get(const QByteArray& command)
    {
        QNetworkAccessManager network;
        network.setProxy(QNetworkProxy::NoProxy);
        const std::unique_ptr<QNetworkReply> reply(
            network.get(QNetworkRequest(QUrl("http://" + m_host + "/standin/" + command))));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        if (!finished.wait(5000) || reply->error() != QNetworkReply::NoError)
            return std::nullopt;
        return reply->readAll();
    }

    QString m_host;
    bool m_ready = false;
};
