#pragma once

class QLabel;
class QLineEdit;

// The OK step the add and the edit dialog share: runs the input check on the two boxes and
// shows a failure in the dialog's own message panel. True when the entry may be stored.
namespace EntryDialog {
bool confirm(QLineEdit* number, QLineEdit* remark, QLabel* messagePanel);
}
