#pragma once

// The main window wires the program together and keeps its handlers thin:
//   list      ContactListModel (contacts/) shown by ContactListView; read from and written to
//             QQlist.cfg through ContactListFile and the profile store module
//   status    RefreshCycle (status/) drives the hidden StatusBrowser WebBr and waits with Timeout
//   update    UpdateCheck (update/) through the transfer module, once, one second after start
//   leaving   ExitSequence asks the farewell question, saves, ends every copy
//   system    message boxes, launcher, program end and music come in as Services (platform/)

#include <QTimer>
#include <QWidget>
#include <memory>

#include "contacts/contactlistmodel.h"
#include "mainwindow/exitsequence.h"
#include "mainwindow/services.h"
#include "platform/chatbrowser.h"
#include "platform/statusbrowser.h"
#include "status/refreshcycle.h"
#include "update/updatecheck.h"

class ModuleTransfer;
class ProfileStore;
class QMenu;
namespace Ui {
class Form1;
}

class Form1 final : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Skin, icons, music and the list file; the window is shown by whoever loads it.
    void Form_Load();

    // Refresh without a status text of its own (the dialogs have written theirs).
    void sxlb();

    void setStatusText(const QString& text);
    QString statusText() const;

    ContactListModel& list() { return m_list; }
    RefreshCycle& refresh() { return m_refresh; }
    StatusBrowser& statusBrowser() { return WebBr; }
    UpdateCheck& updateCheck() { return m_update; }
    bool updateTimerActive() const { return Timer2.isActive(); }
    QMenu* popupMenu() const { return menu; }
    Ui::Form1* ui() const { return m_ui.get(); }

    // Handlers, public so that tests can drive them as the user would.
    void Timer2_Timer();
    void ListView1_MouseDown();
    void ListView1_DblClick();
    void tjqq_Click();
    void xg_Click();
    void scqq_Click();
    void qqjt_Click();
    void sx_Click();
    void qk_Click();
    void cxsm_Click();
    void fw_Click();
    void tx_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadSkin();
    void loadPictures();
    void chat(bool fromMenu);
    // The selected entry's position, or 0 after the guard's message for an unusable selection.
    int guardedSelection(const QString& guardText, bool alsoInStatus);
    void save();
    // The dialogs' result in the status bar, then the refresh the user ticked.
    void reportStored(const QString& number, const QString& done, bool refreshAfter);

    std::unique_ptr<Ui::Form1> m_ui;
    Services& m_services;
    ContactListModel m_list;
    StatusBrowser WebBr;
    ChatBrowser WebBrowser1;
    QTimer Timer2;
    QMenu* menu;
    std::unique_ptr<ProfileStore> IniEnv1;
    std::unique_ptr<ModuleTransfer> Inet1;
    RefreshCycle m_refresh;
    UpdateCheck m_update;
    ExitSequence m_exit;
};
