#include "core/status/refreshcycle.h"

#include "config/addresses.h"
#include "config/buildconfig.h"
#include "core/contacts/contactlistfile.h"
#include "core/contacts/contactlistmodel.h"
#include "core/status/responsivewait.h"
#include "platform/statusbrowser.h"

#include <QCoreApplication>

RefreshCycle::RefreshCycle(ContactListModel& list, StatusBrowser& browser, QObject* parent)
    : QObject(parent), m_list(list), m_browser(browser)
{
    setHosts(QString::fromUtf8(BuildConfig::PresenceHost),
             QString::fromUtf8(BuildConfig::ImageHost));
    connect(&m_browser, &StatusBrowser::navigationCompleted, this, &RefreshCycle::classify);
}

void RefreshCycle::setHosts(const QString& presenceHost, const QString& imageHost)
{
    m_presenceHost = presenceHost;
    m_onlineImage = Addresses::onlineImage(imageHost);
}

void RefreshCycle::run(Announce announce)
{
    if (m_list.count() == 0) {
        emit noEntries();
        return;
    }
    m_online = 0;
    m_offline = 0;
    m_list.markAllChecking();
    if (announce == Announce::Yes)
        emit announced();

    // The count is taken once: entries added meanwhile are left to the next refresh.
    const int count = qMin(m_list.count(), ContactListFile::MaxEntries);
    for (int row = 0; row < count && m_list.exists(row); ++row) {
        m_checkRow = row;
        m_browser.navigate(Addresses::statusRequest(m_list.at(row).number, m_presenceHost));
        // Every entry costs at least one step, even when its answer came at once.
        do {
            waitResponsively(WaitStepMs);
        } while (stillChecking(row));
        QCoreApplication::processEvents();
    }
}

bool RefreshCycle::stillChecking(int row) const
{
    // An entry that is gone waits for nothing any more.
    return m_list.exists(row) && m_list.at(row).state == ContactEntry::State::Checking;
}

void RefreshCycle::classify(const QString& address)
{
    // An answer for a row that holds no entry (the list shrank meanwhile) marks nothing.
    if (!m_list.exists(m_checkRow))
        return;
    // Only the online picture's exact address counts: another letter case or a query is offline.
    const bool online = address == m_onlineImage;
    m_list.setResult(m_checkRow, online);
    ++(online ? m_online : m_offline);

    const int entries = m_list.count();
    if (m_list.at(entries - 1).state != ContactEntry::State::Checking)
        emit finished(entries, m_online, m_offline);
}
