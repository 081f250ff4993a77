#pragma once

#include "platform/messageboxes.h"

// Message boxes as a Chinese Windows system shows them, whatever the system's language.
class WidgetMessageBoxes final : public MessageBoxes
{
public:
    int show(const QString& text, int style, const QString& title) override;

    // Line breaks as the box shows them: CR LF and CR alone each start a new line.
    static QString displayText(const QString& text);
};
