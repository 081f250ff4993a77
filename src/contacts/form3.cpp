#include "contacts/form3.h"

#include "contacts/entrydialog.h"
#include "platform/windoweffects.h"
#include "ui_form3.h"

Form3::Form3(const QString& number, const QString& remark, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Form3>())
{
    m_ui->setupUi(this);
    setWindowIcon(QIcon());
    WindowEffects::centreOnScreen(this);
    m_ui->Text1->setText(number);
    m_ui->Text2->setText(remark);
    connect(m_ui->Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(m_ui->Command2, &QPushButton::clicked, this, &QDialog::reject);
}

Form3::~Form3() = default;

QString Form3::number() const
{
    return m_ui->Text1->text();
}
QString Form3::remark() const
{
    return m_ui->Text2->text();
}
bool Form3::refreshAfter() const
{
    return m_ui->Check1->isChecked();
}

void Form3::Command1_Click()
{
    if (EntryDialog::confirm(m_ui->Text1, m_ui->Text2, m_ui->Panel2))
        accept();
}
