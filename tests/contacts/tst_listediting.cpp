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

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// Adding, editing, deleting and clearing entries as a user does it: through the pop-up menu's
// commands and the two dialogs, with message boxes answered by script.
class ListEditingTest final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void inputCheck_data();
    void inputCheck();
    void dialogsOpenFresh();
    void add_data();
    void add();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void edit();
    void editGuard_data();
    void editGuard();
    void deleteEntry_data();
    void deleteEntry();
    void clearList_data();
    void clearList();
    void deleteOnlyEntryThenClear();
    void editingDuringARunningRefresh_data();
    void editingDuringARunningRefresh();

private:
    void open(const QStringList& remarks);
    QStringList remarks() const;
    QByteArray listFile() const;

    ProgramFolderFixture* m_folder = nullptr;
    FakeServices* m_fakes = nullptr;
    Form1* m_form = nullptr;
    StandinServer* m_server = nullptr;
};

void ListEditingTest::init()
{
    m_folder = new ProgramFolderFixture;
    m_fakes = new FakeServices;
    m_server = new StandinServer;
    QVERIFY(m_server->listen());
}

void ListEditingTest::cleanup()
{
    delete m_form;
    m_form = nullptr;
    delete m_server;
    delete m_fakes;
    delete m_folder;
}

void ListEditingTest::open(const QStringList& entries)
{
    m_form = new Form1(m_fakes->services);
    m_form->Form_Load();
    m_form->refresh().setHosts(m_server->host(), m_server->host());
    for (int i = 0; i < entries.size(); ++i)
        m_form->list().append(QString::number(10001 + i), entries.at(i));
    m_form->ui()->ListView1->setEnabled(true);
    m_form->show();
}

QStringList ListEditingTest::remarks() const
{
    QStringList result;
    for (int position = 1; position <= m_form->list().count(); ++position)
        result << m_form->list().at(position).remark;
    return result;
}

QByteArray ListEditingTest::listFile() const
{
    QFile file(m_folder->file(QStringLiteral("QQlist.cfg")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void ListEditingTest::inputCheck_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("numberAfter");
    QTest::addColumn<bool>("focusOnNumber");

    const QString incomplete = QStringLiteral("请输入补全信息..");
    const QString bad = QStringLiteral("您输入的QQ号码有误!");
    for (const bool edit : {false, true}) {
        const char* dialog = edit ? "edit: " : "add: ";
        auto row = [&](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(QString::fromLatin1(dialog) + QLatin1String(name)));
        };
        row("empty number") << edit << ""
                            << "同学" << incomplete << "" << true;
        row("empty remark") << edit << "12345"
                            << "" << incomplete << "12345" << true;
        row("both empty") << edit << ""
                          << "" << incomplete << "" << true;
        row("4 characters") << edit << "1234"
                            << "同学" << bad << "" << false;
        row("5 characters") << edit << "12345"
                            << "同学"
                            << ""
                            << "12345" << false;
        row("11 characters") << edit << "12345678901"
                             << "同学"
                             << ""
                             << "12345678901" << false;
        row("12 characters") << edit << "123456789012"
                             << "同学" << bad << "" << false;
        row("abcde") << edit << "abcde"
                     << "同学" << bad << "" << false;
        row("1234a") << edit << "1234a"
                     << "同学" << bad << "" << false;
        row("12345.6") << edit << "12345.6"
                       << "同学"
                       << ""
                       << "12345.6" << false;
        row("-12345") << edit << "-12345"
                      << "同学"
                      << ""
                      << "-12345" << false;
        row("blank before") << edit << " 12345"
                            << "同学"
                            << ""
                            << " 12345" << false;
    }
}

void ListEditingTest::inputCheck()
{
    QFETCH(bool, edit);
    QFETCH(QString, number);
    QFETCH(QString, remark);
    QFETCH(QString, message);
    QFETCH(QString, numberAfter);
    QFETCH(bool, focusOnNumber);

    Form2 add;
    Form3 change(QStringLiteral("99999"), QStringLiteral("旧"));
    QDialog* dialog = edit ? static_cast<QDialog*>(&change) : &add;
    auto* Text1 = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* Text2 = dialog->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* Panel2 = dialog->findChild<QLabel*>(QStringLiteral("Panel2"));
    auto* Command1 = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    Text1->setText(number);
    Text2->setText(remark);
    Command1->setFocus();
    QTest::mouseClick(Command1, Qt::LeftButton);

    const bool accepted = message.isEmpty();
    QCOMPARE(dialog->result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog->isVisible(), !accepted);
    QCOMPARE(Panel2->text(), accepted ? QStringLiteral("请补全信息..") : message);
    QCOMPARE(Text1->text(), numberAfter);
    QCOMPARE(Text2->text(), remark); // the remark is always kept
    if (!accepted)
        QCOMPARE(dialog->focusWidget() == Text1, focusOnNumber);
}

static QWidget* nextTabStop(QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

void ListEditingTest::dialogsOpenFresh()
{
    Form2 add;
    QCOMPARE(add.windowTitle(), QStringLiteral("添加QQ"));
    QVERIFY(add.ui()->Text1->text().isEmpty());
    QVERIFY(add.ui()->Text2->text().isEmpty());
    QVERIFY(!add.ui()->Check1->isChecked());
    QCOMPARE(add.ui()->Check1->text(), QStringLiteral("添加后是否自动刷新QQ查询列表"));
    QCOMPARE(add.ui()->Panel2->text(), QStringLiteral("请补全信息.."));
    QVERIFY(add.ui()->Command1->isDefault()); // Enter presses 确定
    QCOMPARE(add.size(), QSize(338, 170));
    // Tab order: the check box takes the focus first in the add dialog, the number box in the edit
    // one.
    QCOMPARE(nextTabStop(add.ui()->Check1), static_cast<QWidget*>(add.ui()->Command2));
    QCOMPARE(nextTabStop(add.ui()->Text2), static_cast<QWidget*>(add.ui()->Text1));
    Form3 change(QStringLiteral("12345"), QStringLiteral("同学"));
    QCOMPARE(change.windowTitle(), QStringLiteral("修改QQ"));
    QCOMPARE(change.size(), QSize(337, 171));
    QCOMPARE(change.ui()->Check1->text(), QStringLiteral("修改后是否自动刷新QQ查询列表"));
    QCOMPARE(nextTabStop(change.ui()->Text1), static_cast<QWidget*>(change.ui()->Text2));
    QCOMPARE(nextTabStop(change.ui()->Command2), static_cast<QWidget*>(change.ui()->Check1));
}

void ListEditingTest::add_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::newRow("without refresh") << false;
    QTest::newRow("with refresh") << true;
}

void ListEditingTest::add()
{
    QFETCH(bool, ticked);
    open({QStringLiteral("甲")});
    m_server->setOnline({QStringLiteral("12345")});
    const QByteArray fileBefore = listFile();
    bool dialogGoneAtRequest = true;
    connect(m_server, &StandinServer::requestArrived, this,
            [&] { dialogGoneAtRequest &= QApplication::activeModalWidget() == nullptr; });
    whenModalOpens([&](QWidget* dialog) {
        auto* add = qobject_cast<Form2*>(dialog);
        QVERIFY(add);
        add->ui()->Text1->setText(QStringLiteral("12345"));
        add->ui()->Text2->setText(QStringLiteral("同学"));
        add->ui()->Check1->setChecked(ticked);
        QTest::keyClick(add->ui()->Text2, Qt::Key_Return); // Enter presses 确定
    });
    m_form->ui()->tjqq->trigger();
    QCOMPARE(m_form->list().count(), 2);
    const ContactEntry& added = m_form->list().at(2);
    QCOMPARE(added.number, QStringLiteral("12345"));
    QCOMPARE(added.remark, QStringLiteral("同学"));
    QVERIFY(m_fakes->boxes.shown.isEmpty());
    QCOMPARE(listFile(), fileBefore);
    if (ticked) {
        QVERIFY(dialogGoneAtRequest);
        int statusRequests = 0;
        for (const StandinServer::Request& request : m_server->requests())
            statusRequests += request.target.startsWith(QLatin1String("/pa?"));
        QCOMPARE(statusRequests, 2); // every entry, the new one included
        QCOMPARE(added.icon, qint16(ContactEntry::Online));
        QCOMPARE(m_form->statusText(),
                 QStringLiteral("列表刷新完毕,当前共有2个QQ,在线:1个,离线:1个"));
    } else {
        QCOMPARE(added.icon, qint16(1));
        QCOMPARE(added.smallIcon, qint16(2));
        QCOMPARE(m_form->statusText(), QStringLiteral("QQ:12345添加成功,请刷新列表.."));
        QVERIFY(m_server->requests().isEmpty());
    }
}

void ListEditingTest::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("add, 放弃") << false << false;
    QTest::newRow("add, close box") << false << true;
    QTest::newRow("edit, 放弃") << true << false;
    QTest::newRow("edit, close box") << true << true;
}

void ListEditingTest::cancelChangesNothing()
{
    QFETCH(bool, edit);
    QFETCH(bool, byCloseBox);
    open({QStringLiteral("甲"), QStringLiteral("乙")});
    m_form->ui()->ListView1->selectPosition(1);
    m_form->list().setResult(1, true);
    m_form->setStatusText(QStringLiteral("之前"));
    whenModalOpens([&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("1234"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        if (byCloseBox)
            dialog->close();
        else
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command2")),
                              Qt::LeftButton);
    });
    edit ? m_form->xg_Click() : m_form->tjqq_Click();
    QCOMPARE(remarks(), QStringList({"甲", "乙"}));
    QCOMPARE(m_form->list().at(1).icon, qint16(ContactEntry::Online));
    QCOMPARE(m_form->statusText(), QStringLiteral("之前"));
}

void ListEditingTest::edit()
{
    open({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    m_form->list().setResult(1, true);
    m_form->list().setText(1,
                           QStringLiteral("正在检测")); // shown text is never taken as the remark
    m_form->ui()->ListView1->selectPosition(1);
    QString shownNumber;
    QString shownRemark;
    whenModalOpens([&](QWidget* dialog) {
        auto* change = qobject_cast<Form3*>(dialog);
        QVERIFY(change);
        shownNumber = change->ui()->Text1->text();
        shownRemark = change->ui()->Text2->text();
        change->ui()->Text1->setText(QStringLiteral("10002")); // the number of another entry
        QTest::mouseClick(change->ui()->Command1, Qt::LeftButton);
    });
    m_form->ui()->xg->trigger();
    QCOMPARE(shownNumber, QStringLiteral("10001"));
    QCOMPARE(shownRemark, QStringLiteral("甲"));
    QCOMPARE(remarks(), QStringList({"乙", "丙", "甲"})); // moved to the end
    const ContactEntry& moved = m_form->list().at(3);
    QCOMPARE(moved.number, QStringLiteral("10002"));
    QCOMPARE(moved.text, QStringLiteral("甲"));
    QCOMPARE(moved.icon, qint16(1));
    QCOMPARE(moved.smallIcon, qint16(2));
    QCOMPARE(m_form->list().at(1).number, QStringLiteral("10002")); // duplicates are kept
    QCOMPARE(m_form->statusText(), QStringLiteral("QQ:10002修改成功,请刷新列表.."));
}

void ListEditingTest::editGuard_data()
{
    QTest::addColumn<int>("select");
    QTest::newRow("nothing selected") << 0;
    QTest::newRow("entry with empty text") << 2;
}

void ListEditingTest::editGuard()
{
    QFETCH(int, select);
    open({QStringLiteral("甲"), QStringLiteral("乙")});
    m_form->list().setText(2, QString()); // as after renaming it in place to nothing
    m_form->ui()->ListView1->selectPosition(select);
    for (QAction* action : {m_form->ui()->xg, m_form->ui()->scqq}) {
        m_fakes->boxes.shown.clear();
        action->trigger();
        const QString guard = action == m_form->ui()->xg
                                  ? QStringLiteral("请选择要修改的QQ后再进行修改!")
                                  : QStringLiteral("请选择要删除的QQ后再进行删除!");
        QCOMPARE(m_fakes->boxes.shown.size(), 1);
        QCOMPARE(m_fakes->boxes.shown.first().text, guard);
        QCOMPARE(m_fakes->boxes.shown.first().style, 64);
        QCOMPARE(m_form->statusText(), guard);
    }
    QCOMPARE(m_form->list().count(), 2);
}

void ListEditingTest::deleteEntry_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << 6;
    QTest::newRow("no") << 7;
}

void ListEditingTest::deleteEntry()
{
    QFETCH(int, answer);
    open({QStringLiteral("甲"), QStringLiteral("同学"), QStringLiteral("丙")});
    const QByteArray fileBefore = listFile();
    m_form->ui()->ListView1->selectPosition(2);
    m_form->setStatusText(QStringLiteral("之前"));
    m_fakes->boxes.answers.enqueue(answer);
    m_form->ui()->scqq->trigger();
    QCOMPARE(m_fakes->boxes.shown.size(), 1);
    QCOMPARE(m_fakes->boxes.shown.first().text,
             QStringLiteral("确定需要删除 【同学】 这个QQ号吗?"));
    QCOMPARE(m_fakes->boxes.shown.first().style, 68);
    if (answer == 6) {
        QCOMPARE(remarks(), QStringList({"甲", "丙"}));
        QCOMPARE(m_form->statusText(), QStringLiteral("指定QQ号码已删除.."));
    } else {
        QCOMPARE(remarks(), QStringList({"甲", "同学", "丙"}));
        QCOMPARE(m_form->statusText(), QStringLiteral("之前"));
    }
    QCOMPARE(listFile(), fileBefore);
}

void ListEditingTest::clearList_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("answer");
    QTest::newRow("three, yes") << 3 << 6;
    QTest::newRow("three, no") << 3 << 7;
    QTest::newRow("one, yes") << 1 << 6;
}

void ListEditingTest::clearList()
{
    QFETCH(int, entries);
    QFETCH(int, answer);
    open(QStringList({"甲", "乙", "丙"}).mid(0, entries));
    m_form->setStatusText(QStringLiteral("之前"));
    m_fakes->boxes.answers.enqueue(answer);
    m_form->ui()->qk->trigger();
    QCOMPARE(m_fakes->boxes.shown.first().text,
             QStringLiteral("当前共有%1个QQ,确定要全部清空吗").arg(entries));
    QCOMPARE(m_fakes->boxes.shown.first().style, 68);
    if (answer == 6) {
        QCOMPARE(m_form->list().count(), 0);
        QCOMPARE(m_fakes->boxes.shown.size(), 2);
        QCOMPARE(m_fakes->boxes.shown.last().text, QStringLiteral("已全部清空!"));
        QCOMPARE(m_fakes->boxes.shown.last().style, 64);
        QCOMPARE(m_form->statusText(), QStringLiteral("已全部清空!"));
    } else {
        QCOMPARE(m_form->list().count(), entries);
        QCOMPARE(m_fakes->boxes.shown.size(), 1);
        QCOMPARE(m_form->statusText(), QStringLiteral("之前"));
    }
}

void ListEditingTest::deleteOnlyEntryThenClear()
{
    open({QStringLiteral("甲")});
    m_form->ui()->ListView1->selectPosition(1);
    m_fakes->boxes.answers.enqueue(6);
    m_form->scqq_Click();
    QCOMPARE(m_form->list().count(), 0);
    m_form->qk_Click();
    QCOMPARE(m_fakes->boxes.shown.last().text, QStringLiteral("当前没有QQ!无需清空!"));
    QCOMPARE(m_form->statusText(), QStringLiteral("当前没有QQ!无需清空!"));
    m_form->sx_Click();
    QCOMPARE(m_form->statusText(), QStringLiteral("当前没有QQ,请添加!"));
}

void ListEditingTest::editingDuringARunningRefresh_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("add with refresh") << "add";
    QTest::newRow("edit") << "edit";
    QTest::newRow("delete") << "delete";
    QTest::newRow("clear") << "clear";
}

void ListEditingTest::editingDuringARunningRefresh()
{
    QFETCH(QString, command);
    open({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"), QStringLiteral("丁")});
    m_server->setDelay(150);
    m_fakes->boxes.answers << 6 << 6;
    bool started = false;
    connect(m_server, &StandinServer::requestArrived, this, [&] {
        if (started)
            return;
        started = true;
        QTimer::singleShot(0, this, [&] {
            m_form->ui()->ListView1->selectPosition(2);
            if (command == QLatin1String("add") || command == QLatin1String("edit")) {
                whenModalOpens([&](QWidget* dialog) {
                    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))
                        ->setText(QStringLiteral("77777"));
                    dialog->findChild<QLineEdit*>(QStringLiteral("Text2"))
                        ->setText(QStringLiteral("新"));
                    dialog->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
                    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                                      Qt::LeftButton);
                });
                command == QLatin1String("add") ? m_form->tjqq_Click() : m_form->xg_Click();
            } else if (command == QLatin1String("delete")) {
                m_form->scqq_Click();
            } else {
                m_form->qk_Click();
            }
        });
    });
    QElapsedTimer clock;
    clock.start();
    m_form->sx_Click();
    QVERIFY(started);
    QVERIFY2(clock.elapsed() < 15000, "no refresh waited for ever");
    for (int position = 1; position <= m_form->list().count(); ++position)
        QVERIFY(m_form->list().at(position).icon != ContactEntry::Checking);
    if (command == QLatin1String("clear"))
        QCOMPARE(m_form->list().count(), 0);
    else
        QVERIFY(m_form->statusText().startsWith(QStringLiteral("列表刷新完毕")));
}

QTEST_MAIN(ListEditingTest)
#include "tst_listediting.moc"
