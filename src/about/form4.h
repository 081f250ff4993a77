#pragma once

#include <QDialog>
#include <memory>

#include "platform/chatbrowser.h"

class Launcher;
namespace Ui {
class Form4;
}

// "关于程序": what the program does and cannot do, its version, and three links to the maker.
class Form4 final : public QDialog
{
    Q_OBJECT
public:
    explicit Form4(Launcher& launcher, QWidget* parent = nullptr);
    ~Form4() override;

    Ui::Form4* ui() const { return m_ui.get(); }

    void Label5_Click();
    void Label6_Click();
    void Label8_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();

    std::unique_ptr<Ui::Form4> m_ui;
    Launcher& m_launcher;
    ChatBrowser WebBrowser1;
};
