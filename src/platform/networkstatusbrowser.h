#pragma once

#include "platform/statusbrowser.h"

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// The status browser over HTTP. Redirects are followed by hand so that the final address keeps
// its letters as the server wrote them (an upper-case host stays upper case); the image itself
// is never downloaded. A request that fails, loops or runs past the time limit completes with
// ErrorAddress and leaves one warning line saying why.
class NetworkStatusBrowser final : public StatusBrowser
{
    Q_OBJECT
public:
    static constexpr int DefaultTimeLimitMs = 10000;
    static constexpr int MaxRedirects = 20;
    static const QString ErrorAddress;

    explicit NetworkStatusBrowser(QObject* parent = nullptr);
    ~NetworkStatusBrowser() override;

    void navigate(const QString& address) override;
    void setTimeLimit(int milliseconds);

private:
    void request(const QString& address);
    void onMetaDataChanged(QNetworkReply* reply);
    void onFinished(QNetworkReply* reply);
    void answered(QNetworkReply* reply);
    void drop();
    // Completes with ErrorAddress, leaving why on lanternix.status.
    void fail(const QString& why);
    void finish(const QString& address);

    QNetworkAccessManager* m_network;
    QNetworkReply* m_reply = nullptr;
    QTimer* m_deadline;
    QString m_current;        // address of the running request, as text
    quint64 m_navigation = 0; // tells a late queued failure of an older navigation apart
    int m_redirects = 0;
    int m_timeLimitMs = DefaultTimeLimitMs;
};
