#include "contacts/form2.h"

#include "ui_form2.h"

Form2::Form2(QWidget* parent) : EntryDialog(parent), m_ui(std::make_unique<Ui::Form2>())
{
    m_ui->setupUi(this);
    attach(m_ui->Text1, m_ui->Text2, m_ui->Check1, m_ui->Panel2, m_ui->Command1, m_ui->Command2);
    m_ui->Check1->setFocus(); // first in the tab order: typing does not go into the number box
}

Form2::~Form2() = default;
