#include "gui/mainwindow/contactlistview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {
// The selection shows only while the list has the focus.
class FocusedSelectionDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem shown(option);
        const auto* view = qobject_cast<const QWidget*>(parent());
        if (view && !view->hasFocus())
            shown.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, shown, index);
    }
};
} // namespace

ContactListView::ContactListView(QWidget* parent) : QListView(parent)
{
    setItemDelegate(new FocusedSelectionDelegate(this));
}

int ContactListView::selectedRow() const
{
    const QModelIndexList selected =
        selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ContactListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                  const QList<int>& roles)
{
    QListView::dataChanged(topLeft, bottomRight, roles);
    // An entry whose text got shorter ("正在检测" back to its remark) must not leave the wider
    // old text behind: the view only repaints the entry's new, smaller area.
    viewport()->update();
}

void ContactListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    QListView::rowsAboutToBeRemoved(parent, start, end);
    // The view would move the selection on to a neighbour, which shows nothing of it while the
    // list lacks the focus: the next delete or edit would work on an entry nobody chose.
    selectionModel()->clear();
}

void ContactListView::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        emit menuRequested(event->globalPosition().toPoint());
}

void ContactListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit listDoubleClicked();
}

void ContactListView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool selected = selectedRow() >= 0;
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier))
        emit menuRequested(keyboardMenuPosition());
    else if (selected && (key == Qt::Key_Return || key == Qt::Key_Enter))
        emit enterPressed();
    else if (selected && key == Qt::Key_Delete)
        emit deletePressed();
    else
        return QListView::keyPressEvent(event);
    event->accept();
}

void ContactListView::contextMenuEvent(QContextMenuEvent* event)
{
    // A right-button menu has opened on the press already.
    if (event->reason() == QContextMenuEvent::Mouse)
        return QListView::contextMenuEvent(event);
    emit menuRequested(keyboardMenuPosition());
    event->accept();
}

QPoint ContactListView::keyboardMenuPosition() const
{
    const int row = selectedRow();
    if (row < 0)
        return viewport()->mapToGlobal(QPoint(0, 0));
    return viewport()->mapToGlobal(visualRect(model()->index(row, 0)).center());
}
