#include "contacts/form2.h"

#include "contacts/entrydialog.h"
#include "platform/windoweffects.h"
#include "ui_form2.h"

Form2::Form2(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::Form2>())
{
    m_ui->setupUi(this);
    setWindowIcon(QIcon());              // the dialog carries no picture of its own
    WindowEffects::centreOnScreen(this); // on the screen, not over the main window
    connect(m_ui->Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(m_ui->Command2, &QPushButton::clicked, this, &QDialog::reject);
}

Form2::~Form2() = default;

QString Form2::number() const
{
    return m_ui->Text1->text();
}
QString Form2::remark() const
{
    return m_ui->Text2->text();
}
bool Form2::refreshAfter() const
{
    return m_ui->Check1->isChecked();
}

void Form2::Command1_Click()
{
    if (EntryDialog::confirm(m_ui->Text1, m_ui->Text2, m_ui->Panel2))
        accept();
}
