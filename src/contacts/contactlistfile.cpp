#include "contacts/contactlistfile.h"

#include "contacts/contactlistmodel.h"
#include "contacts/profilestore.h"

#include <QVector>

namespace {
const QString CountSection = QStringLiteral("MEUserData");
const QString CountKey = QStringLiteral("Incout");
const QString NumberKey = QStringLiteral("Imis1");
const QString RemarkKey = QStringLiteral("Imis2");
// The read buffers the list has always used: 49 bytes of the count, 199 of each value.
constexpr qint16 CountBuffer = 50;
constexpr qint16 ValueBuffer = 200;
} // namespace

namespace ContactListFile {

void load(ProfileStore& store, const QString& path, ContactListModel& model)
{
    store.setFileName(path);
    store.NewFile(path);
    const int count = parseCount(store.Load_Key(CountSection, CountKey, CountBuffer));
    if (count <= 0)
        return;
    QVector<ContactEntry> entries;
    entries.reserve(count);
    for (int i = 1; i <= count; ++i) {
        const QString section = QString::number(i);
        const QString remark = store.Load_Key(section, RemarkKey, ValueBuffer);
        const QString number = store.Load_Key(section, NumberKey, ValueBuffer);
        entries.append(ContactEntry{remark, number, remark});
    }
    // One insertion for the whole list keeps a load of thousands of entries quick.
    model.appendEntries(entries);
}

bool save(ProfileStore& store, const ContactListModel& model)
{
    const int count = model.count();
    store.Sav_Key(CountSection, CountKey, QString::number(count));
    for (int i = 1; i <= count; ++i) {
        const QString section = QString::number(i);
        const ContactEntry& entry = model.at(i);
        store.Sav_Key(section, NumberKey, entry.number);
        store.Sav_Key(section, RemarkKey, entry.remark);
    }
    return store.commit();
}

// A number is what the old runtime's Val() would take from the start of the text: blanks are
// skipped, then an optional sign and the ASCII digits that follow; whatever comes after them is
// ignored (" 3" and "3abc" are 3, "3.9" is 3). No digits at all, or a minus sign, give 0; more
// than MaxEntries gives MaxEntries.
int parseCount(const QString& text)
{
    if (text.isEmpty())
        return -1;
    const QStringView view = QStringView(text).trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (at < view.size() && (view[at] == u'+' || view[at] == u'-')) {
        negative = view[at] == u'-';
        ++at;
    }
    qint64 value = 0;
    for (; at < view.size() && view[at] >= u'0' && view[at] <= u'9'; ++at) {
        value = value * 10 + (view[at].unicode() - u'0');
        if (value > MaxEntries)
            value = MaxEntries + 1; // stays bounded however many digits follow
    }
    if (negative)
        return 0;
    return int(qMin<qint64>(value, MaxEntries));
}

} // namespace ContactListFile
