#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <QVector>

// One contact entry: what the list shows, what it keeps, and for an entry read from the list
// file the bytes it was stored as, so that saving writes it back exactly as it was read.
struct ContactEntry
{
    enum class State { Offline, Online, Checking };

    QString text;   // the remark, the checking state's words, or what the user typed in place
    QString number; // exactly as typed
    QString remark;
    State state = State::Offline; // a new entry shows the offline picture until it is checked
    QByteArray storedNumber;      // as in the list file; null for an entry made in this run
    QByteArray storedRemark;

    static ContactEntry made(const QString& number, const QString& remark)
    {
        return {remark, number, remark, State::Offline, {}, {}};
    }
};

// The contact list while the program runs: rows from 0, appended at the end, never sorted,
// duplicates kept. The icon view shows it; everything else reads it by row.
class ContactListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int count() const { return int(m_entries.size()); }
    bool exists(int row) const { return row >= 0 && row < count(); }
    const ContactEntry& at(int row) const { return m_entries.at(row); } // row must exist

    void append(const ContactEntry& entry);
    void appendEntries(const QVector<ContactEntry>& entries);
    // Checking state and its words on every entry at once.
    void markAllChecking();
    // Online or offline, the text back from the remark.
    void setResult(int row, bool online);
    void remove(int row);
    void clear();

    // The entry a command may use: the selected row, or -1 when there is none or its text is
    // empty (a remark left empty in the list file, or a text erased in place).
    int usableSelection(int selectedRow) const;

    // Pictures for the offline, online and checking states; without them entries show none.
    void setStatePictures(const QVector<QIcon>& pictures);
    // The windows' words for the same states: what a screen reader says of the picture; the
    // checking state's words also stand as an entry's text while it is being checked.
    void setStateWords(const QStringList& words);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void changed(int row);

    QVector<ContactEntry> m_entries;
    QVector<QIcon> m_pictures;
    QStringList m_stateWords;
};
