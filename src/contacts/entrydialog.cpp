#include "contacts/entrydialog.h"

#include "config/texts.h"
#include "contacts/entryinput.h"
#include "platform/windoweffects.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

EntryDialog::EntryDialog(QWidget* parent) : QDialog(parent) {}

void EntryDialog::attach(QLineEdit* number, QLineEdit* remark, QCheckBox* refresh,
                         QLabel* messagePanel, QPushButton* ok, QPushButton* cancel)
{
    m_number = number;
    m_remark = remark;
    m_refresh = refresh;
    m_messagePanel = messagePanel;
    setWindowIcon(QIcon());              // the dialogs carry no picture of their own
    WindowEffects::centreOnScreen(this); // on the screen, not over the main window
    connect(ok, &QPushButton::clicked, this, &EntryDialog::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString EntryDialog::number() const
{
    return m_number->text();
}
QString EntryDialog::remark() const
{
    return m_remark->text();
}
bool EntryDialog::refreshAfter() const
{
    return m_refresh->isChecked();
}

void EntryDialog::Command1_Click()
{
    switch (EntryInput::check(number(), remark())) {
    case EntryInput::Verdict::Incomplete:
        m_messagePanel->setText(Texts::IncompleteInput);
        m_number->setFocus(); // the number box, even when only the remark is missing
        return;
    case EntryInput::Verdict::BadNumber:
        m_messagePanel->setText(Texts::BadNumber);
        m_number->clear(); // the remark stays, the focus stays where it is
        return;
    case EntryInput::Verdict::Ok:
        accept();
        return;
    }
}
