#pragma once

#include <QListView>

// The contact list's icon view: reports a right-button press (on the press, not the release)
// and a double-click anywhere over the list.
class ContactListView final : public QListView
{
    Q_OBJECT
public:
    explicit ContactListView(QWidget* parent = nullptr);

    // The selected entry's row, -1 when none is selected.
    int selectedRow() const;

signals:
    void rightButtonPressed();
    void listDoubleClicked();

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
