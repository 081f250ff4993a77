#pragma once

#include "contacts/entrydialog.h"

#include <memory>

namespace Ui {
class Form3;
}

// "修改QQ": shows an entry's number and remark for change; the main window stores the result.
class Form3 final : public EntryDialog
{
    Q_OBJECT
public:
    Form3(const QString& number, const QString& remark, QWidget* parent = nullptr);
    ~Form3() override;

    Ui::Form3* ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::Form3> m_ui;
};
