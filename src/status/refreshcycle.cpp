#include "status/refreshcycle.h"

#include "config/addresses.h"
#include "config/buildconfig.h"
#include "config/texts.h"
#include "contacts/contactlistmodel.h"
#include "platform/messageboxes.h"
#include "platform/statusbrowser.h"
#include "status/timeout.h"

#include <QCoreApplication>

RefreshCycle::RefreshCycle(ContactListModel& list, StatusBrowser& browser, MessageBoxes& boxes,
                           StatusText statusText, QObject* parent)
    : QObject(parent), m_list(list), m_browser(browser), m_boxes(boxes),
      m_statusText(std::move(statusText))
{
    setHosts(QString::fromUtf8(BuildConfig::PresenceHost),
             QString::fromUtf8(BuildConfig::ImageHost));
    connect(&m_browser, &StatusBrowser::NavigateComplete2, this, &RefreshCycle::classify);
}

void RefreshCycle::setHosts(const QString& presenceHost, const QString& imageHost)
{
    m_presenceHost = presenceHost;
    m_onlineImage = Addresses::onlineImage(imageHost);
}

void RefreshCycle::run(bool fromMenu)
{
    static const QString empty = QStringLiteral("当前没有QQ,请添加!");
    if (m_list.count() == 0) {
        m_boxes.show(empty, MessageBoxes::Information, Texts::BoxTitle);
        m_statusText(empty);
        return;
    }
    OnlineCount = 0;
    OfflineCount = 0;
    m_list.markAllChecking();
    if (fromMenu)
        m_statusText(QStringLiteral("执行刷新操作,请勿操作.."));

    // The count is read once; entries added meanwhile are left to the next refresh.
    const int count = qMin(m_list.count(), 32767);
    for (int position = 1; position <= count; ++position) {
        // Entries removed during the cycle: nothing left at this position, nothing after it.
        if (!m_list.exists(position))
            break;
        CheckIndex = qint16(position);
        m_browser.Silent = true;
        m_browser.Navigate(Addresses::statusRequest(m_presenceHost, m_list.at(position).number));
        do {
            Timeout(WaitStep);
        } while (stillChecking(position));
        QCoreApplication::processEvents();
    }
}

bool RefreshCycle::stillChecking(int position) const
{
    // An entry that is gone no longer waits for anything.
    return m_list.exists(position) && m_list.at(position).icon == ContactEntry::Checking;
}

void RefreshCycle::classify(const QString& url)
{
    if (url == Addresses::IgnoredAddress)
        return;
    // A notification for a position that holds no entry (before any refresh, or after the list
    // shrank) has nothing to mark.
    if (!m_list.exists(CheckIndex))
        return;
    const bool online = url == m_onlineImage;
    m_list.setResult(CheckIndex, online);
    // 16-bit counters: past 32767 a count stays where it is rather than wrap.
    qint16& counter = online ? OnlineCount : OfflineCount;
    if (counter < 32767)
        ++counter;

    const int entries = m_list.count();
    if (entries > 0 && m_list.at(entries).icon != ContactEntry::Checking)
        m_statusText(summary(entries, OnlineCount, OfflineCount));
}

QString RefreshCycle::summary(int entries, int online, int offline)
{
    return QStringLiteral("列表刷新完毕,当前共有%1个QQ,在线:%2个,离线:%3个")
        .arg(entries)
        .arg(online)
        .arg(offline);
}
