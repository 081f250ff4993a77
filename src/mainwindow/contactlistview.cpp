#include "mainwindow/contactlistview.h"

#include <QMouseEvent>

int ContactListView::selectedPosition() const
{
    const QModelIndexList selected =
        selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? 0 : selected.first().row() + 1;
}

void ContactListView::selectPosition(int position)
{
    if (!model() || !selectionModel())
        return;
    const QModelIndex index = model()->index(position - 1, 0);
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clearSelection();
}

void ContactListView::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightButtonPressed();
}

void ContactListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit listDoubleClicked();
}
