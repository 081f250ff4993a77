#include "mainwindow/form1.h"

#include "about/form4.h"
#include "config/addresses.h"
#include "config/texts.h"
#include "contacts/contactlistfile.h"
#include "contacts/form2.h"
#include "contacts/form3.h"
#include "contacts/profilestore.h"
#include "mainwindow/clockpanel.h"
#include "platform/launcher.h"
#include "platform/media.h"
#include "platform/messageboxes.h"
#include "platform/modules.h"
#include "platform/programfolder.h"
#include "platform/transfer.h"
#include "startup/runtimefiles.h"
#include "ui_form1.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>

Form1::Form1(Services& services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::Form1>()), m_services(services),
      WebBrowser1(services.launcher), menu(new QMenu(QStringLiteral("菜单"), this)),
      m_refresh(m_list, WebBr, services.messageBoxes,
                [this](const QString& text) { setStatusText(text); }),
      m_update(services.messageBoxes, services.launcher, services.programEnd),
      m_exit(services.messageBoxes, services.launcher, services.programEnd)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_ui->ListView1->setModel(&m_list);
    new ClockPanel(m_ui->Panel3);

    menu->setObjectName(QStringLiteral("menu"));
    menu->addActions(actions()); // the design's seventeen lines, in the design's order
    connect(m_ui->tjqq, &QAction::triggered, this, &Form1::tjqq_Click);
    connect(m_ui->xg, &QAction::triggered, this, &Form1::xg_Click);
    connect(m_ui->scqq, &QAction::triggered, this, &Form1::scqq_Click);
    connect(m_ui->qqjt, &QAction::triggered, this, &Form1::qqjt_Click);
    connect(m_ui->sx, &QAction::triggered, this, &Form1::sx_Click);
    connect(m_ui->qk, &QAction::triggered, this, &Form1::qk_Click);
    connect(m_ui->cxsm, &QAction::triggered, this, &Form1::cxsm_Click);
    connect(m_ui->fw, &QAction::triggered, this, &Form1::fw_Click);
    connect(m_ui->tx, &QAction::triggered, this, &Form1::tx_Click);
    connect(m_ui->ListView1, &ContactListView::rightButtonPressed, this,
            &Form1::ListView1_MouseDown);
    connect(m_ui->ListView1, &ContactListView::listDoubleClicked, this, &Form1::ListView1_DblClick);

    // The update check's first tick comes one second after the window is created.
    Timer2.setInterval(1000);
    connect(&Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    Timer2.start();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    loadSkin();
    loadPictures();
    m_services.media.playOnce(ProgramFolder::file(RuntimeFiles::Music), 50);
    IniEnv1 = std::make_unique<ProfileStore>(ProgramFolder::file(RuntimeFiles::ProfileModule));
    ContactListFile::load(*IniEnv1, ProgramFolder::file(ContactListFile::FileName), m_list);
}

void Form1::loadSkin()
{
    using AttachEx = int (*)(const char*, const char*);
    Module skin(ProgramFolder::file(RuntimeFiles::SkinModule));
    if (const auto attach = skin.resolve<AttachEx>("SkinH_AttachEx")) {
        // The skin file alone is addressed with a forward slash.
        const QByteArray sheet =
            (ProgramFolder::path() + QStringLiteral("/skinh.she")).toLocal8Bit();
        attach(sheet.constData(), "");
    }
}

void Form1::loadPictures()
{
    if (!registerBundle(ProgramFolder::file(RuntimeFiles::ControlsBundle),
                        QStringLiteral("/mscomctl")))
        return; // no bundle, no pictures: the list still works
    QVector<QIcon> pictures;
    for (const char* name : {"offline", "online", "checking"}) {
        const QPixmap picture(QStringLiteral(":/mscomctl/icons/%1.png").arg(QLatin1String(name)));
        QIcon icon(picture);
        icon.addPixmap(picture, QIcon::Disabled); // the disabled list still shows true colours
        pictures.append(icon);
    }
    m_list.setPictures(pictures);
    setWindowIcon(QIcon(QStringLiteral(":/mscomctl/icons/window.png")));
}

void Form1::sxlb()
{
    m_refresh.run(false);
}

void Form1::setStatusText(const QString& text)
{
    m_ui->Panel2->setText(text);
}

QString Form1::statusText() const
{
    return m_ui->Panel2->text();
}

void Form1::Timer2_Timer()
{
    if (!Inet1)
        Inet1 = std::make_unique<ModuleTransfer>(ProgramFolder::file(RuntimeFiles::TransferModule));
    m_update.run(
        *Inet1, [this](const QString& text) { setStatusText(text); },
        [this] {
            m_ui->ListView1->setEnabled(true);
            Timer2.stop();
        });
}

void Form1::ListView1_MouseDown()
{
    if (m_ui->ListView1->isEnabled())
        menu->exec(QCursor::pos());
}

void Form1::ListView1_DblClick()
{
    chat(false);
}

void Form1::qqjt_Click()
{
    chat(true);
}

int Form1::guardedSelection(const QString& guardText, bool alsoInStatus)
{
    const int position = m_list.usableSelection(m_ui->ListView1->selectedPosition());
    if (position == 0) {
        m_services.messageBoxes.show(guardText, MessageBoxes::Information, Texts::BoxTitle);
        if (alsoInStatus)
            setStatusText(guardText);
    }
    return position;
}

void Form1::chat(bool fromMenu)
{
    const int position = guardedSelection(Texts::ChatGuard, fromMenu);
    if (position == 0)
        return;
    WebBrowser1.Silent = true;
    WebBrowser1.Navigate(Addresses::chatUri(m_list.at(position).number));
}

void Form1::tjqq_Click()
{
    QString number;
    bool refreshAfter = false;
    {
        Form2 dialog(this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        number = dialog.number();
        refreshAfter = dialog.refreshAfter();
        m_list.append(number, dialog.remark());
    } // the dialog is gone before a refresh starts
    reportStored(number, QStringLiteral("添加成功"), refreshAfter);
}

void Form1::xg_Click()
{
    const int selected = guardedSelection(Texts::EditGuard, true);
    if (selected == 0)
        return;
    QString number;
    bool refreshAfter = false;
    {
        Form3 dialog(m_list.at(selected).number, m_list.at(selected).remark, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        number = dialog.number();
        refreshAfter = dialog.refreshAfter();
        // The edited entry moves to the end and starts over as new.
        m_list.remove(m_ui->ListView1->selectedPosition());
        m_list.append(number, dialog.remark());
    }
    reportStored(number, QStringLiteral("修改成功"), refreshAfter);
}

void Form1::reportStored(const QString& number, const QString& done, bool refreshAfter)
{
    if (refreshAfter) {
        setStatusText(QStringLiteral("QQ:") + number + done +
                      QStringLiteral(",正刷新列表,请勿操作..."));
        sxlb();
    } else {
        setStatusText(QStringLiteral("QQ:") + number + done + QStringLiteral(",请刷新列表.."));
    }
}

void Form1::scqq_Click()
{
    const int selected = guardedSelection(Texts::DeleteGuard, true);
    if (selected == 0)
        return;
    const QString question = QStringLiteral("确定需要删除 【") + m_list.at(selected).remark +
                             QStringLiteral("】 这个QQ号吗?");
    if (m_services.messageBoxes.show(question, MessageBoxes::InformationYesNo, Texts::BoxTitle) !=
        MessageBoxes::Yes)
        return;
    m_list.remove(m_ui->ListView1->selectedPosition());
    setStatusText(QStringLiteral("指定QQ号码已删除.."));
}

void Form1::qk_Click()
{
    MessageBoxes& boxes = m_services.messageBoxes;
    if (m_list.count() == 0) {
        const QString nothing = QStringLiteral("当前没有QQ!无需清空!");
        boxes.show(nothing, MessageBoxes::Information, Texts::BoxTitle);
        setStatusText(nothing);
        return;
    }
    const QString question = QStringLiteral("当前共有%1个QQ,确定要全部清空吗").arg(m_list.count());
    if (boxes.show(question, MessageBoxes::InformationYesNo, Texts::BoxTitle) != MessageBoxes::Yes)
        return;
    m_list.clear();
    const QString done = QStringLiteral("已全部清空!");
    boxes.show(done, MessageBoxes::Information, Texts::BoxTitle);
    setStatusText(done);
}

void Form1::sx_Click()
{
    m_refresh.run(true);
}

void Form1::cxsm_Click()
{
    Form4 about(m_services.launcher, this);
    about.exec();
}

void Form1::fw_Click()
{
    m_services.launcher.runCommand(Addresses::forumCommand(), Addresses::MinimizedFocus);
}

void Form1::tx_Click()
{
    close();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (m_exit.queryUnload([this] { save(); }))
        event->ignore();
    else
        event->accept();
}

void Form1::save()
{
    if (IniEnv1)
        ContactListFile::save(*IniEnv1, m_list);
}
