#pragma once

#include <QString>

// Modal message boxes, all with the program's title; answered by the user in the program and by
// a script in tests.
enum class BoxIcon { Information, Exclamation };
// YesNoDefaultNo is for a question whose Yes gives something up: Enter answers No.
enum class BoxButtons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
enum class BoxAnswer { Ok, Yes, No, Cancel };

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual BoxAnswer ask(const QString& text, BoxIcon icon, BoxButtons buttons) = 0;
    // A box with an OK button only.
    void tell(const QString& text, BoxIcon icon = BoxIcon::Information)
    {
        ask(text, icon, BoxButtons::Ok);
    }
};
