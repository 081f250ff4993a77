#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class EntryDialog;
}

// "添加QQ" and "修改QQ": collects a number, a remark and whether to refresh the list afterwards.
// OK runs the input check and shows a refusal in the dialog's own status bar; the main window
// stores what the dialog hands back.
class EntryDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    // An edit starts from the entry's number and remark; an add from empty boxes.
    EntryDialog(Mode mode, QWidget* parent = nullptr, const QString& number = {},
                const QString& remark = {});
    ~EntryDialog() override;

    QString number() const;
    QString remark() const;
    bool refreshAfter() const;

private:
    void confirm();

    std::unique_ptr<Ui::EntryDialog> m_ui;
};
