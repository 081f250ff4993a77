#include "gui/mainwindow/mainwindow.h"

#include "config/addresses.h"
#include "core/contacts/contactlistfile.h"
#include "gui/about/aboutdialog.h"
#include "gui/contacts/entrydialog.h"
#include "gui/mainwindow/clockpanel.h"
#include "platform/launcher.h"
#include "platform/messageboxes.h"
#include "platform/programend.h"
#include "platform/statusbrowser.h"
#include "platform/transfer.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QMenu>

MainWindow::MainWindow(Services& services, Equipment equipment, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::MainWindow>()), m_services(services),
      m_equipment(std::move(equipment)), m_menu(new QMenu(tr("菜单"), this)),
      m_refresh(m_list, *m_equipment.statusBrowser),
      m_farewell(services.messageBoxes,
                 m_equipment.listFile ? m_equipment.listFile->path() : QString()),
      m_exit(m_farewell, services.launcher, services.programEnd)
{
    m_ui->setupUi(this);
    // Minimise and close only: the window keeps its design's size.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    if (!m_equipment.windowIcon.isNull())
        setWindowIcon(m_equipment.windowIcon);
    m_list.setStatePictures(m_equipment.statePictures);
    m_list.setStateWords({tr("离线"), tr("在线"), tr("正在检测")});
    m_list.appendEntries(m_equipment.entries);
    m_equipment.entries.clear();
    m_ui->contactList->setModel(&m_list);
    new ClockPanel(m_ui->statusClock);

    m_menu->addActions(actions()); // the design's seventeen lines, in the design's order
    connect(m_ui->addEntryAction, &QAction::triggered, this, &MainWindow::addEntry);
    connect(m_ui->editEntryAction, &QAction::triggered, this, &MainWindow::editEntry);
    connect(m_ui->deleteEntryAction, &QAction::triggered, this, &MainWindow::deleteEntry);
    connect(m_ui->chatAction, &QAction::triggered, this, &MainWindow::chatWithSelected);
    connect(m_ui->refreshListAction, &QAction::triggered, this, &MainWindow::refreshList);
    connect(m_ui->clearListAction, &QAction::triggered, this, &MainWindow::clearList);
    connect(m_ui->aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_ui->forumAction, &QAction::triggered, this, &MainWindow::openForum);
    connect(m_ui->quitAction, &QAction::triggered, this, &MainWindow::quit);
    connect(m_ui->contactList, &ContactListView::menuRequested, this, &MainWindow::showMenu);
    connect(m_ui->contactList, &ContactListView::listDoubleClicked, this,
            &MainWindow::chatByDoubleClick);
    connect(m_ui->contactList, &ContactListView::enterPressed, this,
            &MainWindow::chatByDoubleClick);
    connect(m_ui->contactList, &ContactListView::deletePressed, this, &MainWindow::deleteEntry);

    connect(&m_refresh, &RefreshCycle::announced, this,
            [this] { showStatus(tr("执行刷新操作,请勿操作..")); });
    connect(&m_refresh, &RefreshCycle::finished, this,
            [this](int entries, int online, int offline) {
                showStatus(tr("列表刷新完毕,当前共有%1个QQ,在线:%2个,离线:%3个")
                               .arg(entries)
                               .arg(online)
                               .arg(offline));
            });
    connect(&m_refresh, &RefreshCycle::noEntries, this, [this] {
        const QString none = tr("当前没有QQ,请添加!");
        m_services.messageBoxes.tell(none);
        showStatus(none);
    });

    // One check, one second after the window is made; a single shot can never start a second
    // one while the first still waits for its answer or its box.
    m_updateTimer.setSingleShot(true);
    m_updateTimer.setInterval(1000);
    connect(&m_updateTimer, &QTimer::timeout, this, &MainWindow::checkForUpdate);
    m_updateTimer.start();
}

MainWindow::~MainWindow() = default;

void MainWindow::showStatus(const QString& text)
{
    m_ui->statusMessage->setText(text);
}

void MainWindow::checkForUpdate()
{
    const UpdateCheck::Verdict verdict = m_updateCheck.run(*m_equipment.transfer);
    switch (verdict.outcome) {
    case UpdateCheck::Outcome::Current:
        showStatus(tr("程序已加载完毕..."));
        m_ui->contactList->setEnabled(true); // from now on the menu and the chat can be reached
        m_ui->contactList->setFocus();       // by the keyboard too, without a click first
        return;
    case UpdateCheck::Outcome::Newer:
        showStatus(tr("程序已加载完毕..."));
        m_services.messageBoxes.tell(
            tr("发现最新版本![%1]\r\n \r\n确定后自动打开更新地址!").arg(verdict.answer));
        m_services.launcher.openWebAddress(Addresses::forum());
        m_services.programEnd.endNow();
        return;
    case UpdateCheck::Outcome::Failed:
        m_services.messageBoxes.tell(tr("检测更新失败!请您稍后再试"), BoxIcon::Exclamation);
        m_services.programEnd.endNow();
        return;
    }
}

void MainWindow::showMenu(const QPoint& at)
{
    // One menu at a time: a system may send the Menu key both as a key and as a menu request.
    if (m_ui->contactList->isEnabled() && !m_menu->isVisible())
        m_menu->exec(at);
}

int MainWindow::usableSelection(const QString& guard, bool alsoInStatus)
{
    const int row = m_list.usableSelection(m_ui->contactList->selectedRow());
    if (row < 0) {
        m_services.messageBoxes.tell(guard);
        if (alsoInStatus)
            showStatus(guard);
    }
    return row;
}

void MainWindow::chatWithSelected()
{
    chat(true);
}

void MainWindow::chatByDoubleClick()
{
    chat(false);
}

void MainWindow::chat(bool fromMenu)
{
    const int row = usableSelection(tr("请选择要交谈的QQ后再进行交谈!"), fromMenu);
    if (row >= 0)
        m_services.launcher.openChat(m_list.at(row).number);
}

void MainWindow::addEntry()
{
    if (m_list.count() >= ContactListFile::MaxEntries) {
        // One more could not be saved: the list file counts its entries in 16 bits.
        m_services.messageBoxes.tell(
            tr("QQ列表已满,最多只能保存%1个QQ!").arg(ContactListFile::MaxEntries));
        return;
    }
    QString number;
    bool refreshAfter = false;
    {
        EntryDialog dialog(EntryDialog::Mode::Add, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        number = dialog.number();
        refreshAfter = dialog.refreshAfter();
        m_list.append(ContactEntry::made(number, dialog.remark()));
    } // the dialog is gone before a refresh starts
    showStatus(refreshAfter ? tr("QQ:%1添加成功,正刷新列表,请勿操作...").arg(number)
                            : tr("QQ:%1添加成功,请刷新列表..").arg(number));
    if (refreshAfter)
        m_refresh.run(RefreshCycle::Announce::No);
}

void MainWindow::editEntry()
{
    const int row = usableSelection(tr("请选择要修改的QQ后再进行修改!"), true);
    if (row < 0)
        return;
    QString number;
    bool refreshAfter = false;
    {
        EntryDialog dialog(EntryDialog::Mode::Edit, this, m_list.at(row).number,
                           m_list.at(row).remark);
        if (dialog.exec() != QDialog::Accepted)
            return;
        number = dialog.number();
        refreshAfter = dialog.refreshAfter();
        // The changed entry moves to the end and starts over as a new one.
        m_list.remove(m_ui->contactList->selectedRow());
        m_list.append(ContactEntry::made(number, dialog.remark()));
    }
    showStatus(refreshAfter ? tr("QQ:%1修改成功,正刷新列表,请勿操作...").arg(number)
                            : tr("QQ:%1修改成功,请刷新列表..").arg(number));
    if (refreshAfter)
        m_refresh.run(RefreshCycle::Announce::No);
}

void MainWindow::deleteEntry()
{
    const int row = usableSelection(tr("请选择要删除的QQ后再进行删除!"), true);
    if (row < 0)
        return;
    const QString question = tr("确定需要删除 【%1】 这个QQ号吗?").arg(m_list.at(row).remark);
    if (m_services.messageBoxes.ask(question, BoxIcon::Information, BoxButtons::YesNo) !=
        BoxAnswer::Yes)
        return;
    m_list.remove(m_ui->contactList->selectedRow());
    showStatus(tr("指定QQ号码已删除.."));
}

void MainWindow::clearList()
{
    MessageBoxes& boxes = m_services.messageBoxes;
    if (m_list.count() == 0) {
        const QString nothing = tr("当前没有QQ!无需清空!");
        boxes.tell(nothing);
        showStatus(nothing);
        return;
    }
    const QString question = tr("当前共有%1个QQ,确定要全部清空吗").arg(m_list.count());
    if (boxes.ask(question, BoxIcon::Information, BoxButtons::YesNo) != BoxAnswer::Yes)
        return;
    m_list.clear();
    const QString done = tr("已全部清空!");
    boxes.tell(done);
    showStatus(done);
}

void MainWindow::refreshList()
{
    m_refresh.run(RefreshCycle::Announce::Yes);
}

void MainWindow::showAbout()
{
    AboutDialog about(m_services.launcher, this);
    about.exec();
}

void MainWindow::openForum()
{
    m_services.launcher.openWebAddress(Addresses::forum());
}

void MainWindow::quit()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every way of closing passes the farewell question; the window closes only by the end of
    // the program, so here it always stays.
    event->ignore();
    m_exit.leave([this] { return m_equipment.listFile->save(m_list); });
}
