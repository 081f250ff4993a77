#include "gui/contacts/entrydialog.h"

#include "core/contacts/entryinput.h"
#include "gui/desktop/windoweffects.h"
#include "ui_entrydialog.h"

EntryDialog::EntryDialog(Mode mode, QWidget* parent, const QString& number, const QString& remark)
    : QDialog(parent), m_ui(std::make_unique<Ui::EntryDialog>())
{
    m_ui->setupUi(this);
    setWindowIcon(QIcon()); // the dialogs carry no picture of their own
    WindowEffects::centreOnScreen(this);
    connect(m_ui->okButton, &QPushButton::clicked, this, &EntryDialog::confirm);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    if (mode == Mode::Add) {
        // The design's tab order begins with the tick: typing does not go into the number box.
        m_ui->refreshAfterBox->setFocus();
        return;
    }
    setWindowTitle(tr("修改QQ"));
    m_ui->refreshAfterBox->setText(tr("修改后是否自动刷新QQ查询列表"));
    m_ui->numberEdit->setText(number);
    m_ui->remarkEdit->setText(remark);
    // Changing an entry goes from its number onwards.
    setTabOrder(m_ui->numberEdit, m_ui->remarkEdit);
    setTabOrder(m_ui->remarkEdit, m_ui->okButton);
    setTabOrder(m_ui->okButton, m_ui->cancelButton);
    setTabOrder(m_ui->cancelButton, m_ui->refreshAfterBox);
    m_ui->numberEdit->setFocus();
}

EntryDialog::~EntryDialog() = default;

QString EntryDialog::number() const
{
    return m_ui->numberEdit->text();
}

QString EntryDialog::remark() const
{
    return m_ui->remarkEdit->text();
}

bool EntryDialog::refreshAfter() const
{
    return m_ui->refreshAfterBox->isChecked();
}

void EntryDialog::confirm()
{
    switch (EntryInput::check(number(), remark())) {
    case EntryInput::Verdict::Incomplete:
        m_ui->statusMessage->setText(tr("请输入补全信息.."));
        m_ui->numberEdit->setFocus(); // the number box, even when only the remark is missing
        return;
    case EntryInput::Verdict::BadNumber:
        m_ui->statusMessage->setText(tr("您输入的QQ号码有误!"));
        m_ui->numberEdit->clear(); // the remark stays, the focus stays where it is
        return;
    case EntryInput::Verdict::Ok:
        accept();
        return;
    }
}
