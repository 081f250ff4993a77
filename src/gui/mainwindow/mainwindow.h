#pragma once

// The main window shows the contact list and turns what the subsystems decide into boxes, status
// texts and the program's end; its handlers stay thin. Where each behaviour lives (core/ holds
// facts and no widgets, gui/ the windows that word them, platform/ the seam):
//   start      gui/startup/SplashScreen writes the runtime files (core/startup), fades and hands
//              over; app/ProgramAssembly attaches the skin, registers the picture bundles, starts
//              the tune, reads the list and then opens this window with what it made
//   list       core/contacts/ContactListModel, drawn by gui/mainwindow/ContactListView; QQlist.cfg
//              is read and written by core/contacts/ContactListFile through the store module
//              (ProfileStore)
//   editing    the menu's add, edit, delete and clear are here; ContactListView asks for the
//              menu (right button, Menu key, Shift+F10), a delete and a chat; the input is
//              collected by gui/contacts/EntryDialog and checked by core/contacts/EntryInput
//   status     core/status/RefreshCycle asks a platform/StatusBrowser for one number after the
//              other, waiting with core/status/waitResponsively, and reports the summary
//   update     core/update/UpdateCheck reads the version through a platform/Transfer one second
//              after the window opens; this window shows its outcome
//   leaving    core/exit/ExitSequence: the farewell question, the save, the end of every copy;
//              gui/mainwindow/FarewellQuestions words its questions
//   about      gui/about/AboutDialog; chat, mail and forum go through platform/Launcher
//   words      every text is written in gui/ through tr(); gui/desktop/Translation picks
//              Simplified or Traditional Chinese at start
//   system     message boxes, launcher, program end and music come in as Services: the
//              interfaces in platform/, each system's half in platform/linux/ or
//              platform/windows/, the widget-based ones in gui/desktop/

#include <QIcon>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <memory>

#include "core/contacts/contactlistmodel.h"
#include "core/exit/exitsequence.h"
#include "core/status/refreshcycle.h"
#include "core/update/updatecheck.h"
#include "gui/mainwindow/farewellquestions.h"
#include "gui/mainwindow/services.h"

class ContactListFile;
class QMenu;
class StatusBrowser;
class Transfer;
namespace Ui {
class MainWindow;
}

class MainWindow final : public QWidget
{
    Q_OBJECT
public:
    // What the window works with, made ready before it opens.
    struct Equipment
    {
        QVector<ContactEntry> entries;             // the stored list
        QVector<QIcon> statePictures;              // offline, online, checking; may be empty
        QIcon windowIcon;                          // may be null
        std::unique_ptr<ContactListFile> listFile; // where the list goes when the user leaves
        std::unique_ptr<Transfer> transfer;        // reads the version text
        std::unique_ptr<StatusBrowser> statusBrowser;
    };

    MainWindow(Services& services, Equipment equipment, QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void checkForUpdate();
    void showMenu(const QPoint& at);
    void addEntry();
    void editEntry();
    void deleteEntry();
    void chatWithSelected();
    void chatByDoubleClick();
    void refreshList();
    void clearList();
    void showAbout();
    void openForum();
    void quit();

    void showStatus(const QString& text);
    // The selected entry's row, or -1 after the guard's box (and, from the menu, status text).
    int usableSelection(const QString& guard, bool alsoInStatus);
    void chat(bool fromMenu);

    std::unique_ptr<Ui::MainWindow> m_ui;
    Services& m_services;
    Equipment m_equipment;
    ContactListModel m_list;
    QMenu* m_menu;
    QTimer m_updateTimer;
    RefreshCycle m_refresh;
    UpdateCheck m_updateCheck;
    FarewellQuestions m_farewell;
    ExitSequence m_exit;
};
