#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QString>
#include <QVector>

// One contact entry: what the list shows (text) and what it keeps (number, remark).
struct ContactEntry
{
    QString text;   // the remark, or "正在检测" while checked, or what the user typed in place
    QString number; // sub-item 1, exactly as typed
    QString remark; // sub-item 2
    qint16 icon = Offline;
    qint16 smallIcon = Online;

    // Icon indices into the list's three pictures.
    enum Icon : qint16 { Offline = 1, Online = 2, Checking = 3 };
};

// The contact list while the program runs: 1-based positions, no keys, appended at the end,
// never sorted, duplicates kept. The icon view shows it; everything else reads it by position.
class ContactListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role { NumberRole = Qt::UserRole + 1, RemarkRole, IconRole, SmallIconRole };

    explicit ContactListModel(QObject* parent = nullptr);

    int count() const { return int(m_entries.size()); }
    bool exists(int position) const { return position >= 1 && position <= count(); }
    // position must exist
    const ContactEntry& at(int position) const { return m_entries.at(position - 1); }

    // Appends a new entry (text = remark, icons 1 and 2) and returns its position.
    int append(const QString& number, const QString& remark);
    void appendEntries(const QVector<ContactEntry>& entries);
    void setText(int position, const QString& text);
    // Checking state (icons 3, "正在检测") on every entry at once.
    void markAllChecking();
    // Online or offline, text back from the remark.
    void setResult(int position, bool online);
    void remove(int position);
    void clear();

    // The entry an operation may use: position, or 0 when none is selected or its text is empty.
    int usableSelection(int selectedPosition) const;

    // Pictures for icon indices 1..3; missing pictures leave entries without one.
    void setPictures(const QVector<QIcon>& pictures);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void changed(int position);

    QVector<ContactEntry> m_entries;
    QVector<QIcon> m_pictures;
};
