#pragma once

#include "contacts/entrydialog.h"

#include <memory>

namespace Ui {
class Form2;
}

// "添加QQ": collects a number and a remark; the main window stores them.
class Form2 final : public EntryDialog
{
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    Ui::Form2* ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::Form2> m_ui;
};
