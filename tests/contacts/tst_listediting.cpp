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

#include <QtTest>

// Adding, editing, deleting and clearing entries through the menu commands and the two dialogs.
class ListEditingTest final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void inputCheck_data();
    void inputCheck();
    void add_data();
    void add();
    void edit();
    void guards_data();
    void guards();
    void deleteAndClear_data();
    void deleteAndClear();

private:
    void open(const QStringList& remarks);
    QStringList remarks() const;

    ProgramFolderFixture* m_folder = nullptr;
    FakeServices* m_fakes = nullptr;
    StandinServer* m_server = nullptr;
    Form1* m_form = nullptr;
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

void ListEditingTest::inputCheck_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("numberAfter");
    const QString incomplete = QStringLiteral("请输入补全信息..");
    const QString bad = QStringLiteral("您输入的QQ号码有误!");
    for (const bool edit : {false, true}) {
        const QString dialog = edit ? QStringLiteral("edit: ") : QStringLiteral("add: ");
        auto row = [&](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(dialog + QLatin1String(name))) << edit;
        };
        row("empty number") << ""
                            << "同学" << incomplete << "";
        row("empty remark") << "12345"
                            << "" << incomplete << "12345";
        row("4 characters") << "1234"
                            << "同学" << bad << "";
        row("11 characters") << "12345678901"
                             << "同学"
                             << ""
                             << "12345678901";
        row("12 characters") << "123456789012"
                             << "同学" << bad << "";
        row("abcde") << "abcde"
                     << "同学" << bad << "";
        row("12345.6") << "12345.6"
                       << "同学"
                       << ""
                       << "12345.6";
        row("-12345") << "-12345"
                      << "同学"
                      << ""
                      << "-12345";
    }
}

void ListEditingTest::inputCheck()
{
    QFETCH(bool, edit);
    QFETCH(QString, number);
    QFETCH(QString, remark);
    QFETCH(QString, message);
    QFETCH(QString, numberAfter);
    Form2 add;
    Form3 change(QStringLiteral("99999"), QStringLiteral("旧"));
    EntryDialog* dialog = edit ? static_cast<EntryDialog*>(&change) : &add;
    auto* Text1 = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* Command1 = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    Text1->setText(number);
    dialog->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(remark);
    Command1->setFocus();
    QTest::mouseClick(Command1, Qt::LeftButton);

    QCOMPARE(dialog->isVisible(), !message.isEmpty());
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Panel2"))->text(),
             message.isEmpty() ? QStringLiteral("请补全信息..") : message);
    QCOMPARE(Text1->text(), numberAfter);
    QCOMPARE(dialog->remark(), remark); // the remark is always kept
    if (!message.isEmpty())             // only a missing entry sends the focus to the number box
        QCOMPARE(dialog->focusWidget() == Text1, message.startsWith(QStringLiteral("请输入")));
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
    bool dialogGoneAtRequest = true;
    connect(m_server, &StandinServer::requestArrived, this,
            [&] { dialogGoneAtRequest &= QApplication::activeModalWidget() == nullptr; });
    whenModalOpens([&](QWidget* dialog) {
        auto* add = qobject_cast<Form2*>(dialog);
        add->ui()->Text1->setText(QStringLiteral("12345"));
        add->ui()->Text2->setText(QStringLiteral("同学"));
        add->ui()->Check1->setChecked(ticked);
        QTest::keyClick(add->ui()->Text2, Qt::Key_Return); // Enter presses 确定
    });
    m_form->ui()->tjqq->trigger();
    QCOMPARE(remarks(), QStringList({"甲", "同学"}));
    const ContactEntry& added = m_form->list().at(2);
    QCOMPARE(added.number, QStringLiteral("12345"));
    QVERIFY(m_fakes->boxes.shown.isEmpty());
    QCOMPARE(QFileInfo(m_folder->file(QStringLiteral("QQlist.cfg"))).size(), 0);
    if (ticked) {
        QVERIFY(dialogGoneAtRequest);
        QCOMPARE(added.icon, qint16(ContactEntry::Online)); // the new entry was checked too
        QCOMPARE(m_form->statusText(),
                 QStringLiteral("列表刷新完毕,当前共有2个QQ,在线:1个,离线:1个"));
    } else {
        QCOMPARE(added.icon, qint16(1));
        QCOMPARE(added.smallIcon, qint16(2));
        QCOMPARE(m_form->statusText(), QStringLiteral("QQ:12345添加成功,请刷新列表.."));
        QVERIFY(m_server->requests().isEmpty());
    }
}

void ListEditingTest::edit()
{
    open({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    m_form->list().setResult(1, true);
    m_form->list().setText(1,
                           QStringLiteral("正在检测")); // the shown text never becomes the remark
    m_form->ui()->ListView1->selectPosition(1);
    QString shown;
    whenModalOpens([&](QWidget* dialog) {
        auto* change = qobject_cast<Form3*>(dialog);
        shown = change->number() + QLatin1Char('/') + change->remark();
        change->ui()->Text1->setText(QStringLiteral("10002")); // another entry's number
        QTest::mouseClick(change->ui()->Command1, Qt::LeftButton);
    });
    m_form->ui()->xg->trigger();
    QCOMPARE(shown, QStringLiteral("10001/甲"));
    QCOMPARE(remarks(), QStringList({"乙", "丙", "甲"})); // moved to the end
    const ContactEntry& moved = m_form->list().at(3);
    QCOMPARE(moved.number, QStringLiteral("10002"));
    QCOMPARE(moved.icon, qint16(1));
    QCOMPARE(moved.smallIcon, qint16(2));
    QCOMPARE(m_form->statusText(), QStringLiteral("QQ:10002修改成功,请刷新列表.."));
}

void ListEditingTest::guards_data()
{
    QTest::addColumn<int>("select");
    QTest::newRow("nothing selected") << 0;
    QTest::newRow("entry with empty text") << 2;
}

void ListEditingTest::guards()
{
    QFETCH(int, select);
    open({QStringLiteral("甲"), QStringLiteral("乙")});
    m_form->list().setText(2, QString()); // as after renaming it in place to nothing
    m_form->ui()->ListView1->selectPosition(select);
    const QList<QPair<QAction*, QString>> commands = {
        {m_form->ui()->xg, QStringLiteral("请选择要修改的QQ后再进行修改!")},
        {m_form->ui()->scqq, QStringLiteral("请选择要删除的QQ后再进行删除!")}};
    for (const auto& [action, guard] : commands) {
        m_fakes->boxes.shown.clear();
        action->trigger();
        QCOMPARE(m_fakes->boxes.shown.size(), 1);
        QCOMPARE(m_fakes->boxes.shown.first().text, guard);
        QCOMPARE(m_fakes->boxes.shown.first().style, 64);
        QCOMPARE(m_form->statusText(), guard);
    }
    QCOMPARE(m_form->list().count(), 2);
}

void ListEditingTest::deleteAndClear_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("remarksAfter");
    QTest::addColumn<QString>("status");
    const QString askDelete = QStringLiteral("确定需要删除 【乙】 这个QQ号吗?");
    QTest::newRow("delete, yes") << "scqq" << 3 << 6 << QStringList{askDelete}
                                 << QStringList{"甲", "丙"} << "指定QQ号码已删除..";
    QTest::newRow("delete, no") << "scqq" << 3 << 7 << QStringList{askDelete}
                                << QStringList{"甲", "乙", "丙"} << "之前";
    QTest::newRow("clear, yes") << "qk" << 3 << 6
                                << QStringList{"当前共有3个QQ,确定要全部清空吗", "已全部清空!"}
                                << QStringList() << "已全部清空!";
    QTest::newRow("clear, no") << "qk" << 1 << 7 << QStringList{"当前共有1个QQ,确定要全部清空吗"}
                               << QStringList{"甲"} << "之前";
    QTest::newRow("clear, empty list") << "qk" << 0 << 6 << QStringList{"当前没有QQ!无需清空!"}
                                       << QStringList() << "当前没有QQ!无需清空!";
}

void ListEditingTest::deleteAndClear()
{
    QFETCH(QString, command);
    QFETCH(int, entries);
    QFETCH(int, answer);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, remarksAfter);
    QFETCH(QString, status);
    open(QStringList({"甲", "乙", "丙"}).mid(0, entries));
    m_form->ui()->ListView1->selectPosition(2);
    m_form->setStatusText(QStringLiteral("之前"));
    m_fakes->boxes.answers << answer;
    m_form->findChild<QAction*>(command)->trigger();
    QStringList shown;
    for (const ShownBox& box : m_fakes->boxes.shown)
        shown << box.text;
    QCOMPARE(shown, boxes);
    QCOMPARE(remarks(), remarksAfter);
    QCOMPARE(m_form->statusText(), status);
    QCOMPARE(QFileInfo(m_folder->file(QStringLiteral("QQlist.cfg"))).size(), 0); // not saved yet
}

QTEST_MAIN(ListEditingTest)
#include "tst_listediting.moc"
