#pragma once

#include <QObject>
#include <QString>

class ContactListModel;
class StatusBrowser;

// The status check of the whole list: every entry is marked as being checked, then asked for
// one after the other, one request at a time, each answer classified as it comes, and the summary
// reported once the last entry is done. The cycle waits while the program stays alive, so
// anything may happen meanwhile: entries deleted or added, the list cleared, a second refresh
// run to its end inside this one.
class RefreshCycle final : public QObject
{
    Q_OBJECT
public:
    enum class Announce { Yes, No };
    static constexpr int WaitStepMs = 100;

    RefreshCycle(ContactListModel& list, StatusBrowser& browser, QObject* parent = nullptr);

    // The service hosts: the build's unless a test names its own.
    void setHosts(const QString& presenceHost, const QString& imageHost);

    // Returns once every entry has its answer. Announce::Yes says that the refresh began before
    // the first request; a caller that told the user itself leaves its own words standing.
    void run(Announce announce);

signals:
    void noEntries();
    void announced();
    // The summary, each time the last entry has its answer: the entries then in the list and how
    // many answers of this refresh were online and offline.
    void finished(int entries, int online, int offline);

private:
    void classify(const QString& address);
    bool stillChecking(int row) const;

    ContactListModel& m_list;
    StatusBrowser& m_browser;
    QString m_presenceHost;
    QString m_onlineImage;
    int m_checkRow = -1; // the entry whose answer is awaited
    int m_online = 0;
    int m_offline = 0;
};
