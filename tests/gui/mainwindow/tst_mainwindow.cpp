// The main window and its dialogs as a user meets them: the system faked, the list file real.

#include "fakes.h"
#include "folders.h"
#include "gui/about/aboutdialog.h"
#include "gui/contacts/entrydialog.h"
#include "gui/desktop/translation.h"
#include "gui/mainwindow/contactlistview.h"
#include "gui/mainwindow/mainwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(QList<BoxAnswer>)

namespace {
const QByteArray ThreeEntries("[MEUserData]\r\nIncout=3\r\n[1]\r\nImis1=10001\r\nImis2=\xBC\xD7\r\n"
                              "[2]\r\nImis1=10002\r\nImis2=\r\n[3]\r\nImis1=10003\r\nImis2=\xB1\xFB"
                              "\r\n"); // 甲, nothing, 丙
const QString Farewell = QStringLiteral("box:感谢您对阿澄、对Zeph系列的软件的支持!\r \r"
                                        "是否退出并到论坛可以下载更多Zeph系列原创免费软件?");

QString heard(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// One main window over a list file of its own, after the update check it starts with.
struct Rig
{
    QTemporaryDir folder;
    QString listPath = folder.filePath(ContactListFile::FileName);
    FakeSystem system;
    FakeStatusBrowser* browser = new FakeStatusBrowser;
    FakeTransfer* transfer = new FakeTransfer;
    std::unique_ptr<MainWindow> window;
    QTimer menus;

    explicit Rig(const QString& version = "V2.2", int delayMs = 0,
                 const QByteArray& file = ThreeEntries)
    {
        writeFile(listPath, file);
        transfer->answer = version;
        transfer->delayMs = delayMs;
        MainWindow::Equipment equipment;
        equipment.listFile = std::make_unique<ContactListFile>(
            std::make_unique<ProfileStore>(PROFILE_MODULE), listPath);
        equipment.entries = equipment.listFile->load();
        equipment.transfer.reset(transfer);
        equipment.statusBrowser.reset(browser);
        window = std::make_unique<MainWindow>(system.services, std::move(equipment));
        window->show();
        // A menu that opens is noted with where it opened, over which entry or at the list's
        // corner, and closed again.
        QObject::connect(&menus, &QTimer::timeout, [this] {
            QWidget* menu = QApplication::activePopupWidget();
            const QPoint at = menu ? list()->viewport()->mapFromGlobal(menu->pos()) : QPoint();
            if (menu && menu->close())
                system.journal << "menu:" + (at.isNull()
                                                 ? "corner"
                                                 : QString::number(list()->indexAt(at).row()));
        });
        menus.start(10);
        // The update check one second after the window opens; a slow one is left running.
        (void)QTest::qWaitFor([this] { return transfer->answered > 0; }, 1500);
    }
    template <typename Widget> Widget* find(const char* name) const
    {
        return window->findChild<Widget*>(name);
    }
    ContactListView* list() const { return find<ContactListView>("contactList"); }
    QString status() const { return find<QLabel>("statusMessage")->text(); }
    QStringList entries() const
    {
        QStringList shown;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            shown << list()->model()->index(row, 0).data().toString();
        return shown;
    }
};

// Fills the entry dialog as soon as it is open, then presses 确定.
void whenDialogOpens(const QStringList& input)
{
    QTimer::singleShot(0, [input] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        dialog->findChild<QLineEdit*>("numberEdit")->setText(input.value(0));
        dialog->findChild<QLineEdit*>("remarkEdit")->setText(input.value(1));
        dialog->findChild<QCheckBox*>("refreshAfterBox")->setChecked(input.value(2) == "tick");
        dialog->findChild<QPushButton*>("okButton")->click();
    });
}
} // namespace

class TstMainWindow final : public QObject
{
    Q_OBJECT
private slots:
    void updateCheck_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<bool>("listEnabled");
        QTest::newRow("current") << "V2.2" << QStringList() << true;
        QTest::newRow("newer")
            << "V3"
            << QStringList{"box:发现最新版本![V3]\r\n \r\n确定后自动打开更新地址!",
                           "web:" + Addresses::forum(), "end:now"}
            << false;
        QTest::newRow("no answer")
            << "" << QStringList{"box:!检测更新失败!请您稍后再试", "end:now"} << false;
    }
    void updateCheck()
    {
        QFETCH(QString, version);
        QFETCH(QStringList, journal);
        QFETCH(bool, listEnabled);
        Rig rig(version, 1500); // longer than a second: still only one check
        QTRY_COMPARE_WITH_TIMEOUT(rig.transfer->answered, 1, 3000);
        QTest::qWait(1200);
        QCOMPARE(rig.transfer->fetches, 1);
        QCOMPARE(rig.system.journal, journal);
        QCOMPARE(rig.list()->isEnabled(), listEnabled);
        QCOMPARE(rig.window->focusWidget() == rig.list(), listEnabled); // keys reach it at once
        QCOMPARE(rig.status(), version.isEmpty() ? "正在检测更新..." : "程序已加载完毕...");
    }

    void commands_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<BoxAnswer>>("answers");
        QTest::addColumn<QStringList>("dialog"); // number, remark, "tick" to refresh afterwards
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("entries");
        const QString loaded = "程序已加载完毕...";
        const QString chatGuard = "请选择要交谈的QQ后再进行交谈!";
        const QString deleteGuard = "请选择要删除的QQ后再进行删除!";
        const QStringList three{"甲", "", "丙"};
        const QList<BoxAnswer> none;
        QTest::newRow("chat, nothing selected")
            << "chatAction" << -1 << none << QStringList() << QStringList{"box:" + chatGuard}
            << chatGuard << three;
        QTest::newRow("chat by double-click, entry without text")
            << "double-click" << 1 << none << QStringList() << QStringList{"box:" + chatGuard}
            << loaded << three;
        QTest::newRow("keys, nothing selected: menus at the corner, Delete and Enter do nothing")
            << "key:Shift+F10 key:Menu key:Del key:Return" << -1 << none << QStringList()
            << QStringList{"menu:corner", "menu:corner"} << loaded << three;
        QTest::newRow("chat by Enter, delete, No")
            << "key:Return deleteEntryAction" << 0 << QList{BoxAnswer::No} << QStringList()
            << QStringList{"chat:10001", "box:确定需要删除 【甲】 这个QQ号吗?"} << loaded << three;
        QTest::newRow("Menu key at the entry, chat, delete by key")
            << "key:Menu chatAction key:Del" << 2 << QList{BoxAnswer::Yes} << QStringList()
            << QStringList{"menu:2", "chat:10003", "box:确定需要删除 【丙】 这个QQ号吗?"}
            << "指定QQ号码已删除.." << QStringList{"甲", ""};
        QTest::newRow("edit moves the entry to the end")
            << "editEntryAction" << 0 << none << QStringList{"10009", "乙"} << QStringList()
            << "QQ:10009修改成功,请刷新列表.." << QStringList{"", "丙", "乙"};
        // What the user no longer sees selected does not count as selected.
        QTest::newRow("delete, then delete again")
            << "addEntryAction deleteEntryAction deleteEntryAction" << 2 << QList{BoxAnswer::Yes}
            << QStringList{"10004", "丁"}
            << QStringList{"box:确定需要删除 【丙】 这个QQ号吗?", "box:" + deleteGuard}
            << deleteGuard << QStringList{"甲", "", "丁"};
        QTest::newRow("add to a full list") // with a dialog to fill, should one open
            << "fill addEntryAction" << -1 << none << QStringList{"10004", "丁"}
            << QStringList{"box:QQ列表已满,最多只能保存32767个QQ!"} << loaded
            << three + QStringList(ContactListFile::MaxEntries - 3, "x");
        QTest::newRow("add, then refresh")
            << "addEntryAction" << -1 << none << QStringList{"10004", "丁", "tick"} << QStringList()
            << "列表刷新完毕,当前共有4个QQ,在线:1个,离线:3个" << QStringList{"甲", "", "丙", "丁"};
        QTest::newRow("clear") << "clearListAction" << -1 << QList{BoxAnswer::Yes} << QStringList()
                               << QStringList{"box:当前共有3个QQ,确定要全部清空吗",
                                              "box:已全部清空!"}
                               << "已全部清空!" << QStringList();
    }
    void commands()
    {
        QFETCH(QString, action);
        QFETCH(int, selected);
        QFETCH(QList<BoxAnswer>, answers);
        QFETCH(QStringList, dialog);
        QFETCH(QStringList, journal);
        QFETCH(QString, status);
        QFETCH(QStringList, entries);
        Rig rig;
        rig.browser->setOnline({"10004"});
        rig.system.answers.append(answers);
        if (!dialog.isEmpty())
            whenDialogOpens(dialog);
        const QModelIndex entry = rig.list()->model()->index(selected, 0);
        rig.list()->setCurrentIndex(entry);
        auto* list = static_cast<ContactListModel*>(rig.list()->model());
        for (const QString& step : action.split(' ')) {
            if (step.startsWith("key:"))
                QTest::keySequence(rig.list(), QKeySequence(step.mid(4)));
            else if (step == "double-click")
                QTest::mouseDClick(rig.list()->viewport(), Qt::LeftButton, {},
                                   rig.list()->visualRect(entry).center());
            else if (step == "fill") // the largest list the file can hold
                list->appendEntries(
                    {ContactListFile::MaxEntries - 3, ContactEntry::made("9", "x")});
            else
                rig.find<QAction>(qPrintable(step))->trigger();
        }
        QCOMPARE(rig.system.journal, journal);
        QCOMPARE(rig.status(), status);
        QCOMPARE(rig.entries(), entries);
        QCOMPARE(readFile(rig.listPath), ThreeEntries); // only leaving writes the list file
    }

    // Every close asks; Yes and No save and end every copy, Cancel keeps everything. Where a save
    // fails and changes would be lost, the user gives them up or stays to free the folder.
    void farewell_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<QList<BoxAnswer>>("answers");
        QTest::addColumn<QString>("folder"); // the entry first deleted unless "unchanged"
        QTest::addColumn<QStringList>("journal");
        const QString end = "end:every-copy";
        const QString giveUp = "box:!QQ列表未能保存!\r\n位置：LIST\r\n原因：所在文件夹不允许写入"
                               "\r\n是否放弃本次修改并退出程序?";
        QTest::newRow("menu, Yes") << false << QList{BoxAnswer::Yes} << ""
                                   << QStringList{Farewell, "web:" + Addresses::forum(), end};
        QTest::newRow("close box, No")
            << true << QList{BoxAnswer::No} << "" << QStringList{Farewell, end};
        QTest::newRow("menu, Cancel")
            << false << QList{BoxAnswer::Cancel} << "" << QStringList{Farewell};
        QTest::newRow("read-only folder, No, 否 stays")
            << false << QList{BoxAnswer::No, BoxAnswer::No} << "read-only"
            << QStringList{Farewell, giveUp};
        QTest::newRow("read-only folder, No, 是 ends unsaved")
            << false << QList{BoxAnswer::No, BoxAnswer::Yes} << "read-only"
            << QStringList{Farewell, giveUp, end};
        QTest::newRow("read-only folder, nothing changed, No")
            << false << QList{BoxAnswer::No} << "read-only, unchanged"
            << QStringList{Farewell, end};
    }
    void farewell()
    {
        QFETCH(bool, byCloseBox);
        QFETCH(QList<BoxAnswer>, answers);
        QFETCH(QString, folder);
        QFETCH(QStringList, journal);
        const bool unchanged = folder.endsWith("unchanged");
        // Saved, this count would read "3": the file would change, the list does not.
        Rig rig("V2.2", 0,
                unchanged ? QByteArray(ThreeEntries).replace("t=3", "t=03") : ThreeEntries);
        rig.list()->setCurrentIndex(rig.list()->model()->index(0, 0));
        if (!unchanged) {
            rig.system.answers << BoxAnswer::Yes;
            rig.find<QAction>("deleteEntryAction")->trigger();
        }
        rig.system.answers.append(answers);
        rig.system.journal.clear();
        std::optional<MountedFolder> mount;
        if (!folder.isEmpty() &&
            !mount.emplace(rig.folder.path(), MountedFolder::ReadOnly).isReady())
            QSKIP("mounting needs root");
        byCloseBox ? void(rig.window->close()) : rig.find<QAction>("quitAction")->trigger();

        QCOMPARE(rig.system.journal, journal.replaceInStrings("LIST", rig.listPath));
        const bool ended = journal.last() == "end:every-copy";
        QCOMPARE(
            readFile(rig.listPath).startsWith("[MEUserData]\r\nIncout=2\r\n[1]\r\nImis1=10002"),
            ended && folder.isEmpty());
        if (!ended && !folder.isEmpty()) { // the user frees the folder and leaves again
            mount.reset();
            rig.system.answers << BoxAnswer::No;
            rig.window->close();
            QCOMPARE(rig.system.journal.last(), QStringLiteral("end:every-copy"));
            QCOMPARE(entriesIn(rig.listPath), QStringList({"10002|", "10003|丙"}));
        }
    }

    // What a user reads, and a screen reader says, is in the user's script: Traditional for a
    // language of Taiwan, Hong Kong or Macau (the first Chinese language decides), else the
    // program's own Simplified. Qt's own words (a text box's menu) follow the same script.
    void wording_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QStringList>("texts");
        const QStringList simplified =
            ("Zeph系列软件のLanternix【Aurel】|列表刷新完毕,当前共有3个QQ,"
             "在线:1个,离线:2个|" +
             Farewell + "|您输入的QQ号码有误!|好友备注：|撤消(&U)")
                .split('|');
        const QStringList traditional =
            QString(
                "Zeph系列軟體のLanternix【Aurel】|清單重新整理完畢,目前共有3個QQ,線上:1個,離線:2個|"
                "box:感謝您對阿澄、對Zeph系列的軟體的支持!\r \r是否結束程式並到論壇下載更多Zeph系列"
                "原創免費軟體?|您輸入的QQ號碼有誤!|好友備註：|復原(&U)")
                .split('|');
        QTest::newRow("zh-CN") << QStringList{"zh-CN"} << simplified;
        QTest::newRow("en-US, C") << QStringList{"en-US", "C"} << simplified;
        QTest::newRow("zh-SG, then zh-TW") << QStringList{"zh-SG", "zh-TW"} << simplified;
        QTest::newRow("zh-TW") << QStringList{"zh-TW", "zh-Hant-TW"} << traditional;
        QTest::newRow("zh-HK") << QStringList{"zh-HK"} << traditional;
        QTest::newRow("zh-MO") << QStringList{"zh-MO"} << traditional;
        QTest::newRow("en-GB, then zh-TW") << QStringList{"en-GB", "zh-TW"} << traditional;
    }
    void wording()
    {
        QFETCH(QStringList, languages);
        QFETCH(QStringList, texts);
        const Translation translation(Translation::scriptFor(languages));
        QVERIFY(!QPixmap(translation.splashPicture()).isNull());
        Rig rig;
        rig.browser->setOnline({"10001"});
        rig.find<QAction>("refreshListAction")->trigger();
        rig.find<QAction>("quitAction")->trigger(); // answered Cancel
        EntryDialog add(EntryDialog::Mode::Add);
        add.findChild<QLineEdit*>("numberEdit")->setText("1234");
        add.findChild<QLineEdit*>("remarkEdit")->setText("甲");
        add.findChild<QPushButton*>("okButton")->click();
        const std::unique_ptr<QMenu> menu(
            add.findChild<QLineEdit*>("numberEdit")->createStandardContextMenu());
        QCOMPARE(QStringList({heard(rig.window.get()), heard(rig.find<QLabel>("statusMessage")),
                              rig.system.journal.value(0),
                              heard(add.findChild<QLabel*>("statusMessage")),
                              heard(add.findChild<QLineEdit*>("remarkEdit")),
                              menu->actions().value(0)->text().section('\t', 0, 0)}),
                 texts);
    }

    // The add dialog opens on its tick, the edit dialog in its number box, the about box on its
    // button; each has room for every text it shows.
    void opening()
    {
        FakeSystem system;
        EntryDialog add(EntryDialog::Mode::Add), edit(EntryDialog::Mode::Edit, nullptr, "1", "甲");
        AboutDialog about(system);
        for (auto [dialog, focus] : {std::pair<QDialog*, QString>{&add, "refreshAfterBox"},
                                     {&edit, "numberEdit"},
                                     {&about, "okButton"}}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QCOMPARE(dialog->focusWidget()->objectName(), focus);
            for (const QWidget* text : dialog->findChildren<QWidget*>())
                if (qobject_cast<const QLabel*>(text) || qobject_cast<const QCheckBox*>(text))
                    QVERIFY2(text->sizeHint().boundedTo(text->size()) == text->sizeHint(),
                             qPrintable(text->objectName()));
        }
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
