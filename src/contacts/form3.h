#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Form3;
}

// "修改QQ": shows an entry's number and remark for change; the main window stores the result.
class Form3 final : public QDialog
{
    Q_OBJECT
public:
    Form3(const QString& number, const QString& remark, QWidget* parent = nullptr);
    ~Form3() override;

    QString number() const;
    QString remark() const;
    bool refreshAfter() const;

    Ui::Form3* ui() const { return m_ui.get(); }

private:
    void Command1_Click();

    std::unique_ptr<Ui::Form3> m_ui;
};
