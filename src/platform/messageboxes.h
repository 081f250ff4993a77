#pragma once

#include <QString>

// Modal message boxes, answered by the user in the program and by a script in tests.
class MessageBoxes
{
public:
    enum Style {
        Information = 64,
        InformationYesNo = 68,
        InformationYesNoCancel = 67,
        Exclamation = 48
    };
    enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~MessageBoxes() = default;
    // Shows text with the buttons and icon of style and returns the answer.
    virtual int show(const QString& text, int style, const QString& title) = 0;
};
