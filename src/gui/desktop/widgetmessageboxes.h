#pragma once

#include "platform/messageboxes.h"

// Message boxes as a Chinese Windows system shows them, whatever the system's language. However
// long the text, the box fits on the screen: a long text scrolls inside it.
class WidgetMessageBoxes final : public MessageBoxes
{
public:
    BoxAnswer ask(const QString& text, BoxIcon icon, BoxButtons buttons) override;
};
