#include "about/form4.h"
#include "config/addresses.h"
#include "contacts/form2.h"
#include "contacts/form3.h"
#include "fakeservices.h"
#include "formdriver.h"
#include "mainwindow/form1.h"
#include "programfolderfixture.h"
#include "standinserver.h"
#include "ui_form1.h"
#include "ui_form2.h"
#include "ui_form3.h"
#include "ui_form4.h"

#include <QAccessible>

#include <QFile>
#include <QMenu>
#include <QtTest>

namespace {
QByteArray gb(const QString& text)
{
    return QStringEncoder("GB18030").encode(text);
}

QByteArray listFile(const QList<QPair<QString, QString>>& entries)
{
    QByteArray bytes = "[MEUserData]\r\nIncout=" + QByteArray::number(entries.size()) + "\r\n";
    for (int i = 0; i < entries.size(); ++i)
        bytes += "[" + QByteArray::number(i + 1) + "]\r\nImis1=" + gb(entries[i].first) +
                 "\r\nImis2=" + gb(entries[i].second) + "\r\n";
    return bytes;
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The main window as the user meets it, with message boxes, launcher and program end faked.
class Form1Test final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void design();
    void loadShowsStoredEntries();
    void currentVersionEnablesTheList();
    void mouseOverTheList_data();
    void mouseOverTheList();
    void chat_data();
    void chat();
    void farewell_data();
    void farewell();
    void forumAndAbout();
    void heardAsShown();
    void firstFocus();

private:
    void makeWindow(const QList<QPair<QString, QString>>& entries = {});
    QString listPath() const { return m_folder->file(QStringLiteral("QQlist.cfg")); }

    ProgramFolderFixture* m_folder = nullptr;
    FakeServices* m_fakes = nullptr;
    Form1* m_form = nullptr;
};

void Form1Test::init()
{
    m_folder = new ProgramFolderFixture;
    m_fakes = new FakeServices;
}

void Form1Test::cleanup()
{
    delete m_form;
    m_form = nullptr;
    delete m_fakes;
    delete m_folder;
}

void Form1Test::makeWindow(const QList<QPair<QString, QString>>& entries)
{
    if (!entries.isEmpty()) {
        QFile file(listPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(listFile(entries));
    }
    m_form = new Form1(m_fakes->services);
    m_form->Form_Load();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void Form1Test::design()
{
    makeWindow();
    Ui::Form1* ui = m_form->ui();
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Zeph系列软件のLanternix【Aurel】"));
    QCOMPARE(m_form->size(), QSize(641, 450));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize()); // cannot be resized
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(ui->Frame1->title(), QStringLiteral("QQ名单："));
    QCOMPARE(ui->ListView1->geometry(), QRect(8, 16, 609, 377));
    QCOMPARE(ui->S1->geometry(), QRect(0, 417, 641, 33));
    QCOMPARE(ui->Panel2->width(), 445);
    QCOMPARE(ui->Panel1->text() + ui->Panel2->text(), QStringLiteral("提示：正在检测更新..."));
    QStringList lines;
    for (QAction* line : m_form->popupMenu()->actions())
        lines << (line->isSeparator() ? QStringLiteral("-") : line->text());
    QCOMPARE(lines,
             QStringList({"添加QQ", "-", "修改QQ", "-", "删除QQ", "-", "QQ交谈", "-", "刷新列表",
                          "-", "清空列表", "-", "关于程序", "-", "访问官网", "-", "退出程序"}));
}

void Form1Test::loadShowsStoredEntries()
{
    makeWindow({{"123456", "同学"}, {"654321", "同事"}, {"123456", "重复"}});
    const ContactListModel& list = m_form->list();
    QCOMPARE(list.count(), 3);
    for (int position = 1; position <= 3; ++position) {
        const ContactEntry& entry = list.at(position);
        QCOMPARE(entry.text, QStringList({"同学", "同事", "重复"}).at(position - 1));
        QCOMPARE(entry.text, entry.remark);
        QCOMPARE(entry.icon, qint16(1));
        QCOMPARE(entry.smallIcon, qint16(2));
        const QModelIndex index = list.index(position - 1);
        QVERIFY(!list.data(index, Qt::DecorationRole).value<QIcon>().isNull()); // from the bundle
        QCOMPARE(list.data(index, Qt::AccessibleDescriptionRole).toString(),
                 QStringLiteral("离线"));
    }
    QVERIFY(!m_form->ui()->ListView1->isEnabled());
    QCOMPARE(m_fakes->media.played, QStringList(m_folder->file(QStringLiteral("zeph.mp3"))));
    QCOMPARE(m_fakes->media.volume, 50);
    QVERIFY2(!qApp->styleSheet().isEmpty(), "the skin is applied");
    QVERIFY(m_fakes->journal.lines.isEmpty());
}

void Form1Test::currentVersionEnablesTheList()
{
    StandinServer server;
    QVERIFY(server.listen());
    makeWindow();
    QCOMPARE(QFileInfo(listPath()).size(), 0); // created empty when missing
    m_form->updateCheck().setVersionAddress(server.versionAddress());
    QTRY_VERIFY_WITH_TIMEOUT(m_form->ui()->ListView1->isEnabled(), 5000);
    QCOMPARE(m_form->statusText(), QStringLiteral("程序已加载完毕..."));
    QVERIFY(!m_form->updateTimerActive());
    QCOMPARE(server.requests().size(), 1);
}

void Form1Test::mouseOverTheList_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("menuOpens");
    QTest::newRow("right") << true << Qt::RightButton << true;
    QTest::newRow("left") << true << Qt::LeftButton << false;
    QTest::newRow("middle") << true << Qt::MiddleButton << false;
    QTest::newRow("right, before the update check") << false << Qt::RightButton << false;
}

void Form1Test::mouseOverTheList()
{
    QFETCH(bool, enabled);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, menuOpens);
    makeWindow({{"12345", "甲"}});
    m_form->ui()->ListView1->setEnabled(enabled);
    bool seen = false;
    QTimer::singleShot(50, this, [&] {
        seen = m_form->popupMenu()->isVisible();
        m_form->popupMenu()->close();
    });
    // The menu opens on the press itself.
    QWidget* viewport = m_form->ui()->ListView1->viewport();
    const QPoint onEntry = m_form->ui()->ListView1->visualRect(m_form->list().index(0)).center();
    QTest::mousePress(viewport, button, {}, onEntry);
    QTest::qWait(100);
    QCOMPARE(seen, menuOpens);
    if (!enabled) { // a double-click does nothing either
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, onEntry);
        QVERIFY(m_fakes->journal.lines.isEmpty());
    }
}

void Form1Test::chat_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<int>("select");
    QTest::addColumn<QStringList>("journal");
    QTest::addColumn<QString>("status");
    const QString guard = QStringLiteral("请选择要交谈的QQ后再进行交谈!");
    QTest::newRow("double-click, nothing selected")
        << false << 0 << QStringList("box:" + guard) << "之前";
    QTest::newRow("menu, nothing selected") << true << 0 << QStringList("box:" + guard) << guard;
    QTest::newRow("menu, empty text") << true << 2 << QStringList("box:" + guard) << guard;
    QTest::newRow("double-click") << false << 1 << QStringList("uri:tencent://message/?uin=12345")
                                  << "之前";
    QTest::newRow("menu, number with a blank")
        << true << 3 << QStringList("uri:tencent://message/?uin=12 34") << "之前";
}

void Form1Test::chat()
{
    QFETCH(bool, fromMenu);
    QFETCH(int, select);
    QFETCH(QStringList, journal);
    QFETCH(QString, status);
    makeWindow({{"12345", "甲"}, {"54321", ""}, {"12 34", "乙"}});
    m_form->ui()->ListView1->setEnabled(true);
    m_form->ui()->ListView1->selectPosition(select);
    m_form->setStatusText(QStringLiteral("之前"));
    fromMenu ? m_form->qqjt_Click() : m_form->ListView1_DblClick();
    QCOMPARE(m_fakes->journal.lines, journal);
    QCOMPARE(m_form->statusText(), status);
}

void Form1Test::farewell_data()
{
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("afterQuestion");
    const QString forum =
        QStringLiteral("command:") + Addresses::forumCommand() + QStringLiteral(":2");
    QTest::newRow("menu, yes") << "tx" << 6 << QStringList({forum, "end:every-copy"});
    QTest::newRow("menu, no") << "tx" << 7 << QStringList("end:every-copy");
    QTest::newRow("menu, cancel") << "tx" << 2 << QStringList();
    QTest::newRow("close box, no") << "close" << 7 << QStringList("end:every-copy");
    QTest::newRow("session end, cancel") << "all" << 2 << QStringList();
}

void Form1Test::farewell()
{
    QFETCH(QString, closeBy);
    QFETCH(int, answer);
    QFETCH(QStringList, afterQuestion);
    makeWindow({{"123456", "同学"}});
    const QByteArray before = read(listPath());
    m_form->list().append(QStringLiteral("654321"), QStringLiteral("同事"));
    m_fakes->boxes.answers << answer;
    if (closeBy == QLatin1String("tx"))
        m_form->ui()->tx->trigger();
    else if (closeBy == QLatin1String("close"))
        m_form->close();
    else
        QApplication::closeAllWindows();

    QCOMPARE(m_fakes->boxes.shown.size(), 1);
    QCOMPARE(m_fakes->boxes.shown.first().style, 67);
    QCOMPARE(m_fakes->boxes.shown.first().text,
             QStringLiteral("感谢您对阿澄、对Zeph系列的软件的支持!\r \r"
                            "是否退出并到论坛可以下载更多Zeph系列原创免费软件?"));
    QCOMPARE(m_fakes->journal.lines.mid(1), afterQuestion);
    const bool staysOpen = afterQuestion.isEmpty();
    QCOMPARE(m_form->isVisible(), staysOpen);
    // The file is written before the end is asked for, and only then.
    QCOMPARE(read(listPath()),
             staysOpen ? before : listFile({{"123456", "同学"}, {"654321", "同事"}}));
}

void Form1Test::forumAndAbout()
{
    makeWindow();
    m_form->ui()->ListView1->setEnabled(true);
    m_form->ui()->fw->trigger();
    m_form->ui()->fw->trigger(); // every choice starts the command again
    const QString forum =
        QStringLiteral("command:") + Addresses::forumCommand() + QStringLiteral(":2");
    QCOMPARE(m_fakes->journal.lines, QStringList({forum, forum}));
    QString aboutTitle;
    whenModalOpens([&](QWidget* about) {
        aboutTitle = about->windowTitle();
        about->close();
    });
    m_form->cxsm_Click(); // returns only when the modal box is closed
    QCOMPARE(aboutTitle, QStringLiteral("关于程序"));
}

namespace {
QString heard(QObject* object, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what) : QStringLiteral("(none)");
}
} // namespace

// A screen reader hears what a sighted user reads: the refresh summary, a dialog's refusal, the
// about box's version line and the captions of the windows.
void Form1Test::heardAsShown()
{
    StandinServer server;
    QVERIFY(server.listen());
    server.setOnline({"10001"});
    makeWindow({{"10001", "同学"}});
    QCOMPARE(heard(m_form), m_form->windowTitle());
    m_form->refresh().setHosts(server.host(), server.host());
    m_form->sx_Click();
    const QString summary = QStringLiteral("列表刷新完毕,当前共有1个QQ,在线:1个,离线:0个");
    QCOMPARE(m_form->statusText(), summary);
    QCOMPARE(heard(m_form->ui()->Panel2), summary);

    Form2 add;
    add.ui()->Text1->setText(QStringLiteral("1234"));
    add.ui()->Text2->setText(QStringLiteral("甲"));
    add.ui()->Command1->click();
    QCOMPARE(heard(add.ui()->Panel2), QStringLiteral("您输入的QQ号码有误!"));
    QCOMPARE(heard(add.ui()->Text2), QStringLiteral("好友备注："));
    QCOMPARE(heard(&add), QStringLiteral("添加QQ"));

    Form4 about(m_fakes->launcher);
    QCOMPARE(heard(about.ui()->Label10), QStringLiteral("版本号：2.2.33"));
    QCOMPARE(heard(&about), QStringLiteral("关于程序"));
}

void Form1Test::firstFocus()
{
    Form2 add;
    add.show();
    QVERIFY(QTest::qWaitForWindowActive(&add));
    QCOMPARE(add.focusWidget(), add.ui()->Check1);
    Form3 edit(QStringLiteral("12345"), QStringLiteral("甲"));
    edit.show();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    QCOMPARE(edit.focusWidget(), edit.ui()->Text1);
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
