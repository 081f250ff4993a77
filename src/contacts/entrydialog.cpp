#include "contacts/entrydialog.h"

#include "config/texts.h"
#include "contacts/entryinput.h"

#include <QLabel>
#include <QLineEdit>

namespace EntryDialog {

bool confirm(QLineEdit* number, QLineEdit* remark, QLabel* messagePanel)
{
    switch (EntryInput::check(number->text(), remark->text())) {
    case EntryInput::Verdict::Incomplete:
        messagePanel->setText(Texts::IncompleteInput);
        number->setFocus(); // the number box, even when only the remark is missing
        return false;
    case EntryInput::Verdict::BadNumber:
        messagePanel->setText(Texts::BadNumber);
        number->clear(); // the remark stays, the focus stays where it is
        return false;
    case EntryInput::Verdict::Ok:
        break;
    }
    return true;
}

} // namespace EntryDialog
