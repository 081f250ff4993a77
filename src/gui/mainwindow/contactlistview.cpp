#include "gui/mainwindow/contactlistview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTextLayout>

namespace {
// The text in at most two lines of the width; when it needs more, the second ends with "…".
QString twoLines(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere); // long words too
    layout.setTextOption(wrapping);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid() && lines.size() < 2;
         line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), lines.isEmpty() ? line.textLength() : -1);
    }
    layout.endLayout();
    if (lines.size() == 2)
        lines[1] = QFontMetrics(font).elidedText(lines[1], Qt::ElideRight, width);
    return lines.join(QChar::LineSeparator);
}

// An entry as the list draws it: the selection shows only while the list has the focus, and the
// remark beneath the picture takes two lines at most (a third would be cut through its glyphs at
// the bottom of the entry's cell).
class EntryDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // Broken into lines here, in the width the style leaves the text in a cell, so that the
        // style only draws them.
        const auto* view = static_cast<const QListView*>(parent());
        QStyleOptionViewItem cell(*option);
        cell.rect = QRect(QPoint(), view->gridSize());
        const QStyle* style = view->style();
        const int width = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view).width() -
                          2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, option, view) + 1);
        option->text = twoLines(option->text, option->font, width);
        option->features &= ~QStyleOptionViewItem::WrapText;
    }
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
    setItemDelegate(new EntryDelegate(this));
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
