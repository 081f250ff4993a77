#pragma once

#include <QListView>

// The contact list's icon view: reports a right-button press (on the press, not the release)
// and a double-click anywhere over the list, and the keys that do the same from the keyboard: the
// Menu key and Shift+F10 ask for the menu, Enter on a selected entry stands for a double-click,
// Delete on one for the menu's delete. After entries are removed nothing is selected until the
// user selects an entry.
class ContactListView final : public QListView
{
    Q_OBJECT
public:
    explicit ContactListView(QWidget* parent = nullptr);

    // The selected entry's row, -1 when none is selected.
    int selectedRow() const;

signals:
    // Where the menu opens, on the screen: at the pointer for a press, else at the selected entry,
    // or at the list's corner when none is selected.
    void menuRequested(const QPoint& at);
    void listDoubleClicked();
    void enterPressed();
    void deletePressed();

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The menu key as some systems deliver it: as a request for a menu, not as a key.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPoint keyboardMenuPosition() const;
};
