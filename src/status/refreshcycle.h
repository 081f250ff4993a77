#pragma once

#include <QObject>
#include <QString>
#include <functional>

class ContactListModel;
class MessageBoxes;
class StatusBrowser;

// The status check of the whole list: one request at a time, waiting while the program stays
// alive, and the classification of every answer with the summary at the end. Everything may
// happen inside a wait, a second refresh included.
class RefreshCycle final : public QObject
{
    Q_OBJECT
public:
    using StatusText = std::function<void(const QString&)>;

    RefreshCycle(ContactListModel& list, StatusBrowser& browser, MessageBoxes& boxes,
                 StatusText statusText, QObject* parent = nullptr);

    // The service hosts; the build's hosts unless a test sets its own.
    void setHosts(const QString& presenceHost, const QString& imageHost);

    // The refresh; fromMenu adds the "please wait" status text. Returns when the cycle has ended.
    void run(bool fromMenu);
    // The browser's notification: classifies the entry at CheckIndex.
    void classify(const QString& url);

    static QString summary(int entries, int online, int offline);

    qint16 CheckIndex = 0;
    qint16 OnlineCount = 0;
    qint16 OfflineCount = 0;

    static constexpr double WaitStep = 0.1;

private:
    bool stillChecking(int position) const;

    ContactListModel& m_list;
    StatusBrowser& m_browser;
    MessageBoxes& m_boxes;
    StatusText m_statusText;
    QString m_presenceHost;
    QString m_onlineImage;
};
