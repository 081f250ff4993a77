#include "about/aboutinfo.h"
#include "about/form4.h"
#include "config/addresses.h"
#include "fakes.h"
#include "programfolderfixture.h"
#include "ui_form4.h"

#include <QTextDocumentFragment>
#include <QtTest>

class Form4Test final : public QObject
{
    Q_OBJECT
private slots:
    void versionText_data();
    void versionText();
    void contents();
    void links_data();
    void links();
};

void Form4Test::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("this version") << 2 << 2 << 33 << "版本号：2.2.33";
    QTest::newRow("revision five") << 2 << 2 << 5 << "版本号：2.2.5";
}

void Form4Test::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    QCOMPARE(AboutInfo::versionText(major, minor, revision), text);
}

void Form4Test::contents()
{
    ProgramFolderFixture folder;
    FakeLauncher launcher;
    Form4 about(launcher);
    Ui::Form4* ui = about.ui();
    QCOMPARE(about.windowTitle(), QStringLiteral("关于程序"));
    QCOMPARE(about.size(), QSize(363, 373));
    QCOMPARE(ui->Label10->text(), QStringLiteral("版本号：2.2.33"));
    QCOMPARE(QTextDocumentFragment::fromHtml(ui->Label2->text()).toPlainText().trimmed(),
             QStringLiteral("本程序的设计初衷只是为了帮助您\n可以快速批量查询一些好友是否在线\n\n"
                            "请注意本程序不是万能程序\n即:不可查询隐身QQ,不可查询手机登陆QQ\n"
                            "所以如果不是您需要的,很抱歉!让您失望了!\n\n"
                            "功能都在右键菜单中,双击指定QQ可快速打开对话框"));
    QCOMPARE(ui->Label9->text(), QStringLiteral("在线"));
    QCOMPARE(ui->Label11->text(), QStringLiteral("离线或隐身"));
    QVERIFY(ui->Label1->text().startsWith(QStringLiteral("Zeph系列软件のLanternix\n\n")));
    QCOMPARE(ui->Label8->text(), Addresses::forum());
    QCOMPARE(ui->Label5->text(), QStringLiteral("QQ：") + AboutInfo::AuthorQQ);
    QCOMPARE(ui->Label6->text(), QStringLiteral("E-mail：") + AboutInfo::AuthorMail);
    // The pictures come from the image bundle in the program folder.
    QCOMPARE(ui->aicAlphaImage1->pixmap().size(), QSize(120, 120));
    QCOMPARE(ui->aicAlphaImage2->pixmap().size(), QSize(32, 33));
    QCOMPARE(ui->aicAlphaImage3->pixmap().size(), QSize(32, 32));
}

void Form4Test::links_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("command");
    QTest::newRow("QQ") << "Label5"
                        << "QQ交谈"
                        << "tencent://message/?uin=12345678"
                        << "";
    QTest::newRow("mail") << "Label6"
                          << "发送E-mail"
                          << "mailto:author@zeph-soft.example"
                          << "";
    QTest::newRow("forum") << "Label8"
                           << "访问ZEPH系列软件官方论坛"
                           << "" << Addresses::forumCommand();
}

void Form4Test::links()
{
    QFETCH(QString, label);
    QFETCH(QString, tooltip);
    QFETCH(QString, uri);
    QFETCH(QString, command);
    ProgramFolderFixture folder;
    FakeLauncher launcher;
    Form4 about(launcher);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* link = about.findChild<QLabel*>(label);
    QVERIFY(link);
    QCOMPARE(link->toolTip(), tooltip);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    const QString line =
        uri.isEmpty() ? QStringLiteral("command:%1:2").arg(command) : QStringLiteral("uri:") + uri;
    QCOMPARE(launcher.journal->lines, QStringList({line, line}));
    QVERIFY(about.isVisible()); // the box stays open
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
