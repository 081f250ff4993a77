#pragma once

#include "platform/messageboxes.h"

#include <QCoreApplication>

// Message boxes as a Chinese Windows system shows them, whatever the system's language. However
// long the text, the box fits on the screen: a long text scrolls inside it.
class WidgetMessageBoxes final : public MessageBoxes
{
    Q_DECLARE_TR_FUNCTIONS(WidgetMessageBoxes)
public:
    BoxAnswer ask(const QString& text, BoxIcon icon, BoxButtons buttons) override;
};
