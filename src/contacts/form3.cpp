#include "contacts/form3.h"

#include "ui_form3.h"

Form3::Form3(const QString& number, const QString& remark, QWidget* parent)
    : EntryDialog(parent), m_ui(std::make_unique<Ui::Form3>())
{
    m_ui->setupUi(this);
    attach(m_ui->Text1, m_ui->Text2, m_ui->Check1, m_ui->Panel2, m_ui->Command1, m_ui->Command2);
    m_ui->Text1->setText(number);
    m_ui->Text2->setText(remark);
    m_ui->Text1->setFocus();
}

Form3::~Form3() = default;
