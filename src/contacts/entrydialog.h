#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the add and the edit dialog share: the number and remark boxes, the refresh tick, and the
// OK step that runs the input check and shows a failure in the dialog's own message panel.
class EntryDialog : public QDialog
{
    Q_OBJECT
public:
    QString number() const;
    QString remark() const;
    bool refreshAfter() const;

protected:
    explicit EntryDialog(QWidget* parent);
    // Called by the dialog once its design is set up.
    void attach(QLineEdit* number, QLineEdit* remark, QCheckBox* refresh, QLabel* messagePanel,
                QPushButton* ok, QPushButton* cancel);

private:
    void Command1_Click();

    QLineEdit* m_number = nullptr;
    QLineEdit* m_remark = nullptr;
    QCheckBox* m_refresh = nullptr;
    QLabel* m_messagePanel = nullptr;
};
