#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// The hidden browser that fetches status images. One navigation at a time; every navigation
// ends in exactly one NavigateComplete2 with the address finally reached, written exactly as
// the server wrote it (never normalised: an upper-case host must stay upper case), or with
// ErrorAddress when the request fails, loops or runs past the time limit.
class StatusBrowser final : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTimeLimitMs = 10000;
    static constexpr int MaxRedirects = 20;
    static const QString ErrorAddress;

    explicit StatusBrowser(QObject* parent = nullptr);
    ~StatusBrowser() override;

    bool Silent = false; // kept as state; this browser never shows dialogs anyway

    // Starts a navigation; a navigation still running is dropped without a notification.
    void Navigate(const QString& address);
    void setTimeLimit(int milliseconds);

signals:
    void NavigateComplete2(const QString& url);

private:
    void request(const QString& address);
    void onMetaDataChanged(QNetworkReply* reply);
    void onFinished(QNetworkReply* reply);
    void answered(QNetworkReply* reply);
    void drop();
    void finish(const QString& url);

    QNetworkAccessManager* m_network;
    QNetworkReply* m_reply = nullptr;
    QTimer* m_deadline;
    QString m_current;        // address of the running request, as text
    quint64 m_navigation = 0; // tells a late queued failure of an older navigation apart
    int m_redirects = 0;
    int m_timeLimitMs = DefaultTimeLimitMs;
};
