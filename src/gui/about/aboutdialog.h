#pragma once

#include <QDialog>
#include <memory>

class Launcher;
namespace Ui {
class AboutDialog;
}

// "关于程序": what the program does and cannot do, its version, the legend of the list's two
// pictures, and three links to the maker: a QQ chat, a mail and the forum.
class AboutDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(Launcher& launcher, QWidget* parent = nullptr);
    ~AboutDialog() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openLink(QObject* link);

    std::unique_ptr<Ui::AboutDialog> m_ui;
    Launcher& m_launcher;
};
