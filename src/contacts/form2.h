#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Form2;
}

// "添加QQ": collects a number and a remark; the main window stores them.
class Form2 final : public QDialog
{
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    QString number() const;
    QString remark() const;
    bool refreshAfter() const;

    Ui::Form2* ui() const { return m_ui.get(); }

private:
    void Command1_Click();

    std::unique_ptr<Ui::Form2> m_ui;
};
