#include "contacts/contactlistmodel.h"

#include "config/texts.h"

ContactListModel::ContactListModel(QObject* parent) : QAbstractListModel(parent) {}

int ContactListModel::append(const QString& number, const QString& remark)
{
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(ContactEntry{remark, number, remark});
    endInsertRows();
    return row + 1;
}

void ContactListModel::appendEntries(const QVector<ContactEntry>& entries)
{
    if (entries.isEmpty())
        return;
    const int first = count();
    beginInsertRows(QModelIndex(), first, first + int(entries.size()) - 1);
    m_entries += entries;
    endInsertRows();
}

void ContactListModel::setText(int position, const QString& text)
{
    if (!exists(position))
        return;
    m_entries[position - 1].text = text;
    changed(position);
}

void ContactListModel::markAllChecking()
{
    if (m_entries.isEmpty())
        return;
    for (ContactEntry& entry : m_entries) {
        entry.icon = ContactEntry::Checking;
        entry.smallIcon = ContactEntry::Checking;
        entry.text = Texts::Checking;
    }
    // One notification for the whole pass keeps a list of thousands quick.
    emit dataChanged(index(0), index(count() - 1));
}

void ContactListModel::setResult(int position, bool online)
{
    if (!exists(position))
        return;
    ContactEntry& entry = m_entries[position - 1];
    entry.icon = entry.smallIcon = online ? ContactEntry::Online : ContactEntry::Offline;
    entry.text = entry.remark;
    changed(position);
}

void ContactListModel::remove(int position)
{
    if (!exists(position))
        return;
    beginRemoveRows(QModelIndex(), position - 1, position - 1);
    m_entries.removeAt(position - 1);
    endRemoveRows();
}

void ContactListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

int ContactListModel::usableSelection(int selectedPosition) const
{
    if (!exists(selectedPosition) || at(selectedPosition).text.isEmpty())
        return 0;
    return selectedPosition;
}

void ContactListModel::setPictures(const QVector<QIcon>& pictures)
{
    m_pictures = pictures;
    if (!m_entries.isEmpty())
        emit dataChanged(index(0), index(count() - 1), {Qt::DecorationRole});
}

static QString stateDescription(qint16 icon)
{
    switch (icon) {
    case ContactEntry::Online:
        return Texts::Online;
    case ContactEntry::Checking:
        return Texts::Checking;
    default:
        return Texts::Offline;
    }
}

int ContactListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const ContactEntry& entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return entry.text;
    case Qt::DecorationRole:
        if (entry.icon >= 1 && entry.icon <= m_pictures.size())
            return m_pictures.at(entry.icon - 1);
        return {};
    case Qt::AccessibleDescriptionRole:
        return stateDescription(entry.icon);
    case NumberRole:
        return entry.number;
    case RemarkRole:
        return entry.remark;
    case IconRole:
        return entry.icon;
    case SmallIconRole:
        return entry.smallIcon;
    default:
        return {};
    }
}

bool ContactListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    // In-place editing changes the shown text only; the remark stays what is stored.
    if (!index.isValid() || role != Qt::EditRole || index.row() >= count())
        return false;
    setText(index.row() + 1, value.toString());
    return true;
}

Qt::ItemFlags ContactListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

void ContactListModel::changed(int position)
{
    const QModelIndex at = index(position - 1);
    emit dataChanged(at, at);
}
