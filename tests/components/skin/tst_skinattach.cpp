#include "skinattach.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// The program's own skin, as the module should hand it to the application.
QString skinText()
{
    QFile file(QStringLiteral(SKIN_FILE_PATH));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

double relativeLuminance(const QColor& color)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every colour a brush can show: a gradient shows all its stops somewhere.
QList<QColor> brushColors(const QBrush& brush)
{
    if (const QGradient* gradient = brush.gradient()) {
        QList<QColor> colors;
        for (const QGradientStop& stop : gradient->stops())
            colors.append(stop.second);
        return colors;
    }
    return {brush.color()};
}

// The five windows' kinds of controls, named and nested as in the program, so that the skin's
// selectors reach them as they reach the real windows.
struct Windows
{
    Windows()
    {
        main.setObjectName(QStringLiteral("Form1"));
        main.resize(641, 450);
        auto* label = new QLabel(QStringLiteral("提示"), &main);
        label->setObjectName(QStringLiteral("label"));
        auto* group = new QGroupBox(QStringLiteral("QQ名单："), &main);
        group->setObjectName(QStringLiteral("group"));
        group->setGeometry(8, 8, 300, 200);
        auto* list = new QListView(group);
        list->setObjectName(QStringLiteral("list"));
        list->setGeometry(8, 16, 280, 176);
        list->setViewMode(QListView::IconMode);
        list->setModel(&entries);
        list->setCurrentIndex(entries.index(1, 0));
        auto* bar = new QFrame(&main);
        bar->setObjectName(QStringLiteral("S1"));
        bar->setGeometry(0, 417, 641, 33);
        auto* panel = new QLabel(QStringLiteral("正在检测更新..."), bar);
        panel->setObjectName(QStringLiteral("panel"));
        panel->setGeometry(98, 2, 445, 31);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        auto* button = new QPushButton(QStringLiteral("确定"), &main);
        button->setObjectName(QStringLiteral("button"));
        button->setGeometry(320, 16, 81, 21);
        auto* edit = new QLineEdit(QStringLiteral("10001"), &main);
        edit->setObjectName(QStringLiteral("edit"));
        edit->setGeometry(320, 52, 145, 18);
        auto* check = new QCheckBox(QStringLiteral("添加后是否自动刷新QQ查询列表"), &main);
        check->setObjectName(QStringLiteral("check"));
        check->setGeometry(320, 88, 193, 17);

        about.setObjectName(QStringLiteral("Form4"));
        auto* link = new QLabel(QStringLiteral("QQ：10001"), &about);
        link->setObjectName(QStringLiteral("Label5"));

        menu.setObjectName(QStringLiteral("menu"));
        menu.addAction(QStringLiteral("添加QQ"));
        menu.addSeparator();
        menu.addAction(QStringLiteral("刷新列表"));

        box.setObjectName(QStringLiteral("box"));
        box.setText(QStringLiteral("确定要清空列表吗?"));
    }

    QWidget* find(const QString& name)
    {
        for (QWidget* top : {&main, static_cast<QWidget*>(&about), static_cast<QWidget*>(&menu),
                             static_cast<QWidget*>(&box)}) {
            if (top->objectName() == name)
                return top;
            if (auto* child = top->findChild<QWidget*>(name))
                return child;
        }
        return nullptr;
    }

    QStringListModel entries{
        {QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五")}};
    QWidget main;
    QDialog about;
    QMenu menu;
    QMessageBox box;
};

} // namespace

class TestSkinAttach final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void appliesSkinFile_data();
    void appliesSkinFile();
    void changesLookOfControls_data();
    void changesLookOfControls();
    void keepsTextReadable_data();
    void keepsTextReadable();
    void refusesUnusableFile_data();
    void refusesUnusableFile();

private:
    QString writeFile(const QString& relativePath, const QByteArray& bytes);

    QLibrary m_module;
    SkinAttach::Function m_attach = nullptr;
    QTemporaryDir m_dir;
};

void TestSkinAttach::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!skinText().isEmpty(), "the program's skin file is missing");
    m_module.setFileName(QStringLiteral(SKIN_MODULE_PATH));
    QVERIFY2(m_module.load(), qPrintable(m_module.errorString()));
    m_attach = reinterpret_cast<SkinAttach::Function>(m_module.resolve(SkinAttach::entryPoint));
    QVERIFY(m_attach);
}

void TestSkinAttach::init()
{
    qApp->setStyleSheet(QString());
}

QString TestSkinAttach::writeFile(const QString& relativePath, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestSkinAttach::appliesSkinFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expectedSheet");

    const QString skin = skinText();
    QTest::newRow("the program's skin") << QStringLiteral(SKIN_FILE_PATH) << skin;
    QTest::newRow("program folder with a Chinese name")
        << writeFile(QStringLiteral("我的 程序/skinh.she"), skin.toUtf8()) << skin;
    QTest::newRow("skin saved with a byte-order mark")
        << writeFile(QStringLiteral("bom.she"), "\xEF\xBB\xBF" + skin.toUtf8()) << skin;
    QTest::newRow("empty skin file")
        << writeFile(QStringLiteral("empty.she"), QByteArray()) << QString();
}

void TestSkinAttach::appliesSkinFile()
{
    QFETCH(QString, path);
    QFETCH(QString, expectedSheet);
    QVERIFY(!path.isEmpty());
    qApp->setStyleSheet(QStringLiteral("QLabel { color: #123456; }"));

    QCOMPARE(m_attach(path.toLocal8Bit().constData(), ""), int(SkinAttach::Applied));
    QCOMPARE(qApp->styleSheet(), expectedSheet);
}

void TestSkinAttach::changesLookOfControls_data()
{
    QTest::addColumn<QString>("widgetName");

    QTest::newRow("button") << QStringLiteral("button");
    QTest::newRow("text box") << QStringLiteral("edit");
    QTest::newRow("contact list") << QStringLiteral("list");
    QTest::newRow("frame with title") << QStringLiteral("group");
    QTest::newRow("status panel") << QStringLiteral("panel");
    QTest::newRow("main window") << QStringLiteral("Form1");
    QTest::newRow("pop-up menu") << QStringLiteral("menu");
    QTest::newRow("about box link") << QStringLiteral("Label5");
}

void TestSkinAttach::changesLookOfControls()
{
    QFETCH(QString, widgetName);
    Windows windows;
    QWidget* widget = windows.find(widgetName);
    QVERIFY(widget);
    if (widget->isWindow())
        widget->resize(widget->sizeHint().expandedTo(widget->size()));
    const QImage before = widget->grab().toImage();

    QCOMPARE(m_attach(SKIN_FILE_PATH, ""), int(SkinAttach::Applied));
    const QImage after = widget->grab().toImage();

    QVERIFY(!before.isNull() && !after.isNull());
    QVERIFY2(before != after, "the skin left this control looking as before");
}

void TestSkinAttach::keepsTextReadable_data()
{
    QTest::addColumn<QString>("widgetName");
    QTest::addColumn<int>("foreground");
    QTest::addColumn<int>("background");
    QTest::addColumn<bool>("onWindow"); // the text lies on its window's background
    QTest::addColumn<int>("group");

    const int active = QPalette::Active;
    const int disabled = QPalette::Disabled;
    const auto row = [](const char* tag, const char* name, QPalette::ColorRole fg,
                        QPalette::ColorRole bg, bool onWindow, int group) {
        QTest::newRow(tag) << QString::fromLatin1(name) << int(fg) << int(bg) << onWindow << group;
    };
    row("label on the main window", "label", QPalette::WindowText, QPalette::Window, true, active);
    row("frame title", "group", QPalette::WindowText, QPalette::Window, true, active);
    row("check box", "check", QPalette::WindowText, QPalette::Window, true, active);
    row("disabled check box", "check", QPalette::WindowText, QPalette::Window, true, disabled);
    row("button", "button", QPalette::ButtonText, QPalette::Button, false, active);
    row("disabled button", "button", QPalette::ButtonText, QPalette::Button, false, disabled);
    row("text box", "edit", QPalette::Text, QPalette::Base, false, active);
    row("disabled text box", "edit", QPalette::Text, QPalette::Base, false, disabled);
    row("selected text in a text box", "edit", QPalette::HighlightedText, QPalette::Highlight,
        false, active);
    row("contact list", "list", QPalette::Text, QPalette::Base, false, active);
    row("contact list before it is enabled", "list", QPalette::Text, QPalette::Base, false,
        disabled);
    row("selected contact", "list", QPalette::HighlightedText, QPalette::Highlight, false, active);
    row("status panel", "panel", QPalette::WindowText, QPalette::Window, false, active);
    row("pop-up menu", "menu", QPalette::WindowText, QPalette::Window, false, active);
    row("about box link", "Label5", QPalette::WindowText, QPalette::Window, true, active);
    row("message box text", "qt_msgbox_label", QPalette::WindowText, QPalette::Window, true,
        active);
}

void TestSkinAttach::keepsTextReadable()
{
    QFETCH(QString, widgetName);
    QFETCH(int, foreground);
    QFETCH(int, background);
    QFETCH(bool, onWindow);
    QFETCH(int, group);

    QCOMPARE(m_attach(SKIN_FILE_PATH, ""), int(SkinAttach::Applied));
    Windows windows;
    QWidget* widget = windows.find(widgetName);
    QVERIFY(widget);
    widget->window()->ensurePolished();
    for (QWidget* child : widget->window()->findChildren<QWidget*>())
        child->ensurePolished();

    const auto colorGroup = QPalette::ColorGroup(group);
    const QBrush text = widget->palette().brush(colorGroup, QPalette::ColorRole(foreground));
    const QWidget* ground = onWindow ? widget->window() : widget;
    const QBrush back = ground->palette().brush(colorGroup, QPalette::ColorRole(background));

    for (const QColor& fg : brushColors(text)) {
        for (const QColor& bg : brushColors(back)) {
            QVERIFY2(bg.alpha() == 255, qPrintable(bg.name(QColor::HexArgb)));
            const double ratio = contrastRatio(fg, bg);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: contrast %3")
                                                  .arg(fg.name(), bg.name())
                                                  .arg(ratio, 0, 'f', 2)));
        }
    }
}

void TestSkinAttach::refusesUnusableFile_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("noPath");
    QTest::addColumn<int>("expectedResult");

    QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("missing.she")).toLocal8Bit()
                                  << false << int(SkinAttach::NoFile);
    QTest::newRow("folder instead of a file")
        << m_dir.path().toLocal8Bit() << false << int(SkinAttach::NoFile);
    QTest::newRow("empty path") << QByteArray("") << false << int(SkinAttach::NoFile);
    QTest::newRow("no path at all") << QByteArray() << true << int(SkinAttach::NoFile);
    QTest::newRow("binary file") << writeFile(QStringLiteral("binary.she"),
                                              QByteArray("\xFF\xFE\x00\x80\xC3\x28", 6))
                                        .toLocal8Bit()
                                 << false << int(SkinAttach::NotText);

    const QString huge = m_dir.filePath(QStringLiteral("huge.she"));
    QFile hugeFile(huge);
    if (hugeFile.open(QIODevice::WriteOnly))
        hugeFile.resize(8 * 1024 * 1024);
    QTest::newRow("file far too large for a skin")
        << huge.toLocal8Bit() << false << int(SkinAttach::TooLarge);
}

void TestSkinAttach::refusesUnusableFile()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, noPath);
    QFETCH(int, expectedResult);
    const QString previous = QStringLiteral("QPushButton { color: #123456; }");
    qApp->setStyleSheet(previous);

    QCOMPARE(m_attach(noPath ? nullptr : path.constData(), ""), expectedResult);
    QCOMPARE(qApp->styleSheet(), previous);
}

QTEST_MAIN(TestSkinAttach)
#include "tst_skinattach.moc"
