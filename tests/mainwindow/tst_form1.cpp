#include "config/addresses.h"
#include "contacts/form2.h"
#include "fakeservices.h"
#include "formdriver.h"
#include "mainwindow/contactlistview.h"
#include "mainwindow/form1.h"
#include "programfolderfixture.h"
#include "standinserver.h"
#include "ui_form1.h"
#include "ui_form2.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>

namespace {
QByteArray gb(const QString& text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

void writeList(const QString& path, const QList<QPair<QString, QString>>& entries)
{
    QByteArray bytes = "[MEUserData]\r\nIncout=" + QByteArray::number(entries.size()) + "\r\n";
    for (int i = 0; i < entries.size(); ++i)
        bytes += "[" + QByteArray::number(i + 1) + "]\r\nImis1=" + gb(entries[i].first) +
                 "\r\nImis2=" + gb(entries[i].second) + "\r\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
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
    void windowDesign_data();
    void windowDesign();
    void popupMenuLines();
    void loadShowsStoredEntries();
    void loadWithoutListFileCreatesItEmpty();
    void currentVersionEnablesTheList();
    void beforeTheCheckTheListDoesNotReact();
    void rightButtonOpensTheMenu_data();
    void rightButtonOpensTheMenu();
    void chatGuard_data();
    void chatGuard();
    void chatAddress_data();
    void chatAddress();
    void farewell_data();
    void farewell();
    void everyCloseAsksTheSameQuestion_data();
    void everyCloseAsksTheSameQuestion();
    void forumAndAbout();
    void refreshFromTheMenu();

private:
    Form1* makeWindow(const QList<QPair<QString, QString>>& entries = {});
    void enable() { m_form->ui()->ListView1->setEnabled(true); }

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

Form1* Form1Test::makeWindow(const QList<QPair<QString, QString>>& entries)
{
    if (!entries.isEmpty())
        writeList(m_folder->file(QStringLiteral("QQlist.cfg")), entries);
    m_form = new Form1(m_fakes->services);
    m_form->Form_Load();
    m_form->show();
    return m_form;
}

void Form1Test::windowDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("frame") << "Frame1" << QRect(8, 8, 625, 401) << "QQ名单：" << true;
    QTest::newRow("list") << "ListView1" << QRect(8, 16, 609, 377) << "" << false;
    QTest::newRow("status bar") << "S1" << QRect(0, 417, 641, 33) << "" << true;
    QTest::newRow("panel 1") << "Panel1" << QRect() << "提示：" << true;
    QTest::newRow("panel 2") << "Panel2" << QRect() << "正在检测更新..." << true;
}

void Form1Test::windowDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    makeWindow();
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Zeph系列软件のLanternix【Aurel】"));
    QCOMPARE(m_form->size(), QSize(641, 450));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize()); // no resizing
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QWidget* control = m_form->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    if (geometry.isValid())
        QCOMPARE(control->geometry(), geometry);
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        QCOMPARE(frame->title(), caption);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->width(), name == QLatin1String("Panel2") ? 445 : 96);
    }
    QCOMPARE(control->isEnabled(), enabled);
    QVERIFY2(!control->accessibleName().isEmpty(), "every control has an accessible name");
}

void Form1Test::popupMenuLines()
{
    makeWindow();
    const QList<QAction*> lines = m_form->popupMenu()->actions();
    QStringList captions;
    QStringList names;
    for (QAction* line : lines) {
        captions << (line->isSeparator() ? QStringLiteral("-") : line->text());
        names << line->objectName();
    }
    QCOMPARE(captions,
             QStringList({"添加QQ", "-", "修改QQ", "-", "删除QQ", "-", "QQ交谈", "-", "刷新列表",
                          "-", "清空列表", "-", "关于程序", "-", "访问官网", "-", "退出程序"}));
    QCOMPARE(names, QStringList({"tjqq", "x1", "xg", "x6", "scqq", "x2", "qqjt", "x10", "sx", "x3",
                                 "qk", "x7", "cxsm", "x8", "fw", "x4", "tx"}));
    QCOMPARE(m_form->popupMenu()->objectName(), QStringLiteral("menu"));
}

void Form1Test::loadShowsStoredEntries()
{
    makeWindow({{"123456", "同学"}, {"654321", "同事"}, {"123456", "重复"}});
    const ContactListModel& list = m_form->list();
    QCOMPARE(list.count(), 3);
    const QStringList texts = {"同学", "同事", "重复"};
    for (int position = 1; position <= 3; ++position) {
        QCOMPARE(list.at(position).text, texts.at(position - 1));
        QCOMPARE(list.at(position).remark, texts.at(position - 1));
        QCOMPARE(list.at(position).icon, qint16(1));
        QCOMPARE(list.at(position).smallIcon, qint16(2));
        const QModelIndex index = list.index(position - 1);
        QVERIFY2(!list.data(index, Qt::DecorationRole).value<QIcon>().isNull(),
                 "the pictures come from the common-controls bundle");
        QCOMPARE(list.data(index, Qt::AccessibleDescriptionRole).toString(),
                 QStringLiteral("离线"));
    }
    QCOMPARE(list.at(3).number, QStringLiteral("123456"));
    QVERIFY(!m_form->ui()->ListView1->isEnabled());
    QCOMPARE(m_form->statusText(), QStringLiteral("正在检测更新..."));
    QCOMPARE(m_fakes->media.played, QStringList(m_folder->file(QStringLiteral("zeph.mp3"))));
    QCOMPARE(m_fakes->media.volume, 50);
    QVERIFY2(!qApp->styleSheet().isEmpty(), "the skin is applied");
    QVERIFY(!m_form->windowIcon().isNull());
    QVERIFY(m_fakes->boxes.shown.isEmpty());
    QVERIFY(m_fakes->launcher.commands.isEmpty());
}

void Form1Test::loadWithoutListFileCreatesItEmpty()
{
    makeWindow();
    const QFileInfo file(m_folder->file(QStringLiteral("QQlist.cfg")));
    QVERIFY(file.exists());
    QCOMPARE(file.size(), 0);
    QCOMPARE(m_form->list().count(), 0);
}

void Form1Test::currentVersionEnablesTheList()
{
    StandinServer server;
    QVERIFY(server.listen());
    makeWindow({{"12345", "甲"}});
    m_form->updateCheck().setVersionAddress(server.versionAddress());
    QVERIFY(m_form->updateTimerActive());
    QTRY_VERIFY_WITH_TIMEOUT(m_form->ui()->ListView1->isEnabled(), 5000);
    QCOMPARE(m_form->statusText(), QStringLiteral("程序已加载完毕..."));
    QVERIFY(!m_form->updateTimerActive());
    QCOMPARE(server.requests().size(), 1);
    QVERIFY(m_fakes->journal.lines.isEmpty());
}

void Form1Test::beforeTheCheckTheListDoesNotReact()
{
    makeWindow({{"12345", "甲"}});
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QWidget* viewport = m_form->ui()->ListView1->viewport();
    const QPoint onEntry = m_form->ui()->ListView1->visualRect(m_form->list().index(0)).center();
    QTest::mousePress(viewport, Qt::RightButton, {}, onEntry);
    QTest::mouseRelease(viewport, Qt::RightButton, {}, onEntry);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, onEntry);
    QVERIFY(!m_form->popupMenu()->isVisible());
    QVERIFY(m_fakes->boxes.shown.isEmpty());
    QVERIFY(m_fakes->launcher.uris.isEmpty());
}

void Form1Test::rightButtonOpensTheMenu_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right") << Qt::RightButton << true;
    QTest::newRow("left") << Qt::LeftButton << false;
    QTest::newRow("middle") << Qt::MiddleButton << false;
}

void Form1Test::rightButtonOpensTheMenu()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);
    makeWindow({{"12345", "甲"}});
    enable();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    bool seen = false;
    QTimer::singleShot(50, this, [&] {
        seen = m_form->popupMenu()->isVisible();
        m_form->popupMenu()->close();
    });
    // The menu opens on the press itself; the release is not needed for it.
    QTest::mousePress(m_form->ui()->ListView1->viewport(), button, {}, QPoint(300, 300));
    QTest::qWait(100);
    QCOMPARE(seen, opens);
}

void Form1Test::chatGuard_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("selectEntryWithEmptyText");
    QTest::newRow("double-click, nothing selected") << false << false;
    QTest::newRow("menu, nothing selected") << true << false;
    QTest::newRow("double-click, empty text") << false << true;
    QTest::newRow("menu, empty text") << true << true;
}

void Form1Test::chatGuard()
{
    QFETCH(bool, fromMenu);
    QFETCH(bool, selectEntryWithEmptyText);
    makeWindow({{"12345", "甲"}, {"54321", ""}});
    enable();
    if (selectEntryWithEmptyText)
        m_form->ui()->ListView1->selectPosition(2);
    m_form->setStatusText(QStringLiteral("之前"));
    fromMenu ? m_form->qqjt_Click() : m_form->ListView1_DblClick();
    QCOMPARE(m_fakes->boxes.shown.size(), 1);
    QCOMPARE(m_fakes->boxes.shown.first().text, QStringLiteral("请选择要交谈的QQ后再进行交谈!"));
    QCOMPARE(m_fakes->boxes.shown.first().style, 64);
    QCOMPARE(m_form->statusText(),
             fromMenu ? QStringLiteral("请选择要交谈的QQ后再进行交谈!") : QStringLiteral("之前"));
    QVERIFY(m_fakes->launcher.uris.isEmpty());
}

void Form1Test::chatAddress_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("12345 by double-click") << "12345" << false;
    QTest::newRow("12345 from the menu") << "12345" << true;
    QTest::newRow("12 34 unchanged") << "12 34" << true;
}

void Form1Test::chatAddress()
{
    QFETCH(QString, number);
    QFETCH(bool, fromMenu);
    makeWindow({{number, "甲"}});
    enable();
    m_form->ui()->ListView1->selectPosition(1);
    m_form->setStatusText(QStringLiteral("之前"));
    fromMenu ? m_form->qqjt_Click() : m_form->ListView1_DblClick();
    QCOMPARE(m_fakes->launcher.uris,
             QStringList(QStringLiteral("tencent://message/?uin=") + number));
    QVERIFY(m_fakes->boxes.shown.isEmpty());
    QCOMPARE(m_form->statusText(), QStringLiteral("之前"));
}

void Form1Test::farewell_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("afterQuestion");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("staysOpen");
    const QString forum =
        QStringLiteral("command:") + Addresses::forumCommand() + QStringLiteral(":2");
    QTest::newRow("yes") << 6 << QStringList({forum, "end:every-copy"}) << true << false;
    QTest::newRow("no") << 7 << QStringList({"end:every-copy"}) << true << false;
    QTest::newRow("cancel") << 2 << QStringList() << false << true;
}

void Form1Test::farewell()
{
    QFETCH(int, answer);
    QFETCH(QStringList, afterQuestion);
    QFETCH(bool, saved);
    QFETCH(bool, staysOpen);
    makeWindow({{"123456", "同学"}});
    const QString listFile = m_folder->file(QStringLiteral("QQlist.cfg"));
    const QByteArray before = read(listFile);
    m_form->list().append(QStringLiteral("654321"), QStringLiteral("同事"));
    // What the file holds at the moment the program asks to end shows the order of the steps.
    QByteArray atEnd;
    m_fakes->boxes.answers.enqueue(answer);
    m_form->tx_Click();
    atEnd = read(listFile);

    QCOMPARE(m_fakes->boxes.shown.size(), 1);
    QCOMPARE(m_fakes->boxes.shown.first().style, 67);
    QCOMPARE(m_fakes->boxes.shown.first().text,
             QStringLiteral("感谢您对阿澄、对Zeph系列的软件的支持!\r "
                            "\r是否退出并到论坛可以下载更多Zeph系列原创免费软件?"));
    QCOMPARE(m_fakes->journal.lines.mid(1), afterQuestion);
    QCOMPARE(m_form->isVisible(), staysOpen);
    if (saved) {
        QCOMPARE(atEnd, QByteArray("[MEUserData]\r\nIncout=2\r\n[1]\r\nImis1=123456\r\nImis2=") +
                            gb("同学") + "\r\n[2]\r\nImis1=654321\r\nImis2=" + gb("同事") + "\r\n");
    } else {
        QCOMPARE(atEnd, before);
    }
}

void Form1Test::everyCloseAsksTheSameQuestion_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("close box") << "close";
    QTest::newRow("menu entry") << "tx";
    QTest::newRow("session end") << "all";
}

void Form1Test::everyCloseAsksTheSameQuestion()
{
    QFETCH(QString, path);
    makeWindow();
    if (path == QLatin1String("close"))
        m_form->close();
    else if (path == QLatin1String("tx"))
        m_form->ui()->tx->trigger();
    else
        QApplication::closeAllWindows();
    QCOMPARE(m_fakes->boxes.shown.size(), 1);
    QCOMPARE(m_fakes->boxes.shown.first().style, 67);
    QVERIFY(m_form->isVisible()); // the fake answered Cancel
    QCOMPARE(m_fakes->end.everyCopy, 0);
}

void Form1Test::forumAndAbout()
{
    makeWindow();
    enable();
    m_form->ui()->fw->trigger();
    m_form->ui()->fw->trigger();
    QCOMPARE(m_fakes->launcher.commands.size(), 2); // every choice starts the command again
    QCOMPARE(m_fakes->launcher.commands.first(), qMakePair(Addresses::forumCommand(), 2));
    QCOMPARE(m_form->statusText(), QStringLiteral("正在检测更新..."));

    bool mainWindowBlocked = false;
    whenModalOpens([&](QWidget* about) {
        QCOMPARE(about->windowTitle(), QStringLiteral("关于程序"));
        mainWindowBlocked = !m_form->isActiveWindow() && QApplication::activeModalWidget() == about;
        about->close();
    });
    m_form->cxsm_Click();
    QVERIFY(mainWindowBlocked);
}

void Form1Test::refreshFromTheMenu()
{
    StandinServer server;
    QVERIFY(server.listen());
    server.setOnline({QStringLiteral("20002")});
    makeWindow({{"10001", "甲"}, {"20002", "乙"}});
    m_form->refresh().setHosts(server.host(), server.host());
    enable();
    m_form->ui()->sx->trigger();
    QCOMPARE(m_form->statusText(), QStringLiteral("列表刷新完毕,当前共有2个QQ,在线:1个,离线:1个"));
    QCOMPARE(m_form->list().data(m_form->list().index(1), Qt::AccessibleDescriptionRole).toString(),
             QStringLiteral("在线"));
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
