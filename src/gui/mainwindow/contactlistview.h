#pragma once

#include <QListView>

// The contact list's icon view: reports a right-button press (on the press, not the release)
// and a double-click anywhere over the list. After entries are removed nothing is selected until
// the user selects an entry.
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
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
