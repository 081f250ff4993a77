#include "core/contacts/contactlistfile.h"

#include "config/logging.h"
#include "core/contacts/profilestore.h"

#include <QFileInfo>

namespace {
const QString CountSection = QStringLiteral("MEUserData");
const QString CountKey = QStringLiteral("Incout");
const QString NumberKey = QStringLiteral("Imis1");
const QString RemarkKey = QStringLiteral("Imis2");
// How much of each value the list reads: 49 bytes of the count, 199 of a number or remark.
constexpr int CountBytes = 49;
constexpr int ValueBytes = 199;

// The count as the file states it: blanks skipped, an optional sign and the digits that follow,
// whatever comes after them ignored (" 3" and "3abc" are 3); no digits or a minus sign give 0.
int parseCount(const QString& text)
{
    const QStringView view = QStringView(text).trimmed();
    qsizetype at = 0;
    const bool negative = !view.isEmpty() && view[0] == u'-';
    if (!view.isEmpty() && (view[0] == u'+' || view[0] == u'-'))
        ++at;
    qint64 value = 0;
    for (; at < view.size() && view[at] >= u'0' && view[at] <= u'9'; ++at)
        value = qMin<qint64>(value * 10 + (view[at].unicode() - u'0'), ContactListFile::MaxEntries);
    return negative ? 0 : int(value);
}
} // namespace

ContactListFile::ContactListFile(std::unique_ptr<ProfileStore> store, const QString& path)
    : m_store(std::move(store)), m_path(path)
{}

ContactListFile::~ContactListFile() = default;

QVector<ContactEntry> ContactListFile::load()
{
    m_store->useFile(m_path);
    if (m_store->isLoaded() && !m_store->createFile(m_path))
        qCWarning(lcList) << "list file" << m_path << "neither there nor creatable";
    const int count = parseCount(m_store->readText(CountSection, CountKey, CountBytes));
    QVector<ContactEntry> entries;
    entries.reserve(count);
    for (int number = 1; number <= count; ++number) {
        const QString section = QString::number(number);
        ContactEntry entry = ContactEntry::made(m_store->readText(section, NumberKey, ValueBytes),
                                                m_store->readText(section, RemarkKey, ValueBytes));
        entry.storedNumber = m_store->readBytes(section, NumberKey);
        entry.storedRemark = m_store->readBytes(section, RemarkKey);
        entries.append(entry);
    }
    m_read = entries;
    return entries;
}

ContactListFile::SaveOutcome ContactListFile::save(const ContactListModel& list)
{
    // An unchanged list leaves the file's bytes alone, whatever its count says.
    if (holdsAlready(list))
        return {};
    const int count = qMin(list.count(), MaxEntries);
    m_store->writeText(CountSection, CountKey, QString::number(count));
    for (int row = 0; row < count; ++row) {
        const QString section = QString::number(row + 1);
        const ContactEntry& entry = list.at(row);
        if (entry.storedNumber.isNull())
            m_store->writeText(section, NumberKey, entry.number);
        else
            m_store->writeBytes(section, NumberKey, entry.storedNumber);
        if (entry.storedRemark.isNull())
            m_store->writeText(section, RemarkKey, entry.remark);
        else
            m_store->writeBytes(section, RemarkKey, entry.storedRemark);
    }
    const ProfileStore::CommitResult result = m_store->commit();
    if (result.failure == Failure::None)
        return {};
    qCWarning(lcList) << "list not saved to" << m_path << ": failure" << int(result.failure)
                      << result.detail;
    // Without the store module the file was never read, so what it holds is no loss to anyone.
    return {result.failure, result.detail, result.failure != Failure::NoModule};
}

bool ContactListFile::holdsAlready(const ContactListModel& list) const
{
    if (list.count() == 0 && !QFileInfo::exists(m_path))
        return true;
    if (list.count() != m_read.size())
        return false;
    for (int row = 0; row < list.count(); ++row) {
        const ContactEntry& now = list.at(row);
        const ContactEntry& read = m_read.at(row);
        if (now.number != read.number || now.remark != read.remark ||
            now.storedNumber != read.storedNumber || now.storedRemark != read.storedRemark)
            return false;
    }
    return true;
}
