#include "skinattach.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

QString skinText()
{
    QFile file(QStringLiteral(SKIN_FILE_PATH));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// WCAG contrast of two opaque colours.
double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every colour a brush can show: a gradient shows all its stops somewhere.
QList<QColor> brushColors(const QBrush& brush)
{
    QList<QColor> colors{brush.color()};
    if (const QGradient* gradient = brush.gradient()) {
        colors.clear();
        for (const QGradientStop& stop : gradient->stops())
            colors.append(stop.second);
    }
    return colors;
}

// The main window's kinds of controls, named and nested as in the program, so that the skin's
// selectors reach them as they reach the real window.
struct MainWindow
{
    MainWindow()
    {
        window.setObjectName(QStringLiteral("Form1"));
        window.resize(641, 450);
        const auto place = [this](QWidget* widget, const char* name, QRect geometry) {
            widget->setObjectName(QString::fromLatin1(name));
            widget->setGeometry(geometry);
        };
        place(new QLabel(QStringLiteral("提示"), &window), "label", {320, 120, 100, 20});
        auto* group = new QGroupBox(QStringLiteral("QQ名单："), &window);
        place(group, "group", {8, 8, 300, 200});
        auto* list = new QListView(group);
        place(list, "list", {8, 16, 280, 176});
        list->setViewMode(QListView::IconMode);
        list->setModel(&entries);
        list->setCurrentIndex(entries.index(1, 0));
        auto* bar = new QFrame(&window);
        place(bar, "S1", {0, 417, 641, 33});
        auto* panel = new QLabel(QStringLiteral("正在检测更新..."), bar);
        place(panel, "panel", {98, 2, 445, 31});
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        place(new QPushButton(QStringLiteral("确定"), &window), "button", {320, 16, 81, 21});
        place(new QLineEdit(QStringLiteral("10001"), &window), "edit", {320, 52, 145, 18});
        place(new QCheckBox(QStringLiteral("添加后是否自动刷新QQ查询列表"), &window), "check",
              {320, 88, 193, 17});
    }

    QWidget* find(const QString& name)
    {
        return name == window.objectName() ? &window : window.findChild<QWidget*>(name);
    }

    QStringListModel entries{{QStringLiteral("张三"), QStringLiteral("李四")}};
    QWidget window;
};

} // namespace

class TestSkinAttach final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void appliesSkinFile_data();
    void appliesSkinFile();
    void changesLookOfControls_data();
    void changesLookOfControls();
    void keepsTextReadable_data();
    void keepsTextReadable();
    void refusesUnusableFile_data();
    void refusesUnusableFile();

private:
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

void TestSkinAttach::appliesSkinFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("the program's skin") << QStringLiteral(SKIN_FILE_PATH);
    const QString chinese = m_dir.filePath(QStringLiteral("我的 程序.she"));
    QVERIFY(QFile::copy(QStringLiteral(SKIN_FILE_PATH), chinese));
    QTest::newRow("folder with a Chinese name") << chinese;
}

void TestSkinAttach::appliesSkinFile()
{
    QFETCH(QString, path);
    qApp->setStyleSheet(QStringLiteral("QLabel { color: #123456; }"));
    QCOMPARE(m_attach(path.toLocal8Bit().constData(), ""), int(SkinAttach::Applied));
    QCOMPARE(qApp->styleSheet(), skinText());
}

void TestSkinAttach::changesLookOfControls_data()
{
    QTest::addColumn<QString>("widgetName");
    QTest::newRow("button") << QStringLiteral("button");
    QTest::newRow("contact list") << QStringLiteral("list");
    QTest::newRow("main window") << QStringLiteral("Form1");
}

void TestSkinAttach::changesLookOfControls()
{
    QFETCH(QString, widgetName);
    qApp->setStyleSheet(QString());
    MainWindow window;
    QWidget* widget = window.find(widgetName);
    QVERIFY(widget);
    const QImage before = widget->grab().toImage();
    QCOMPARE(m_attach(SKIN_FILE_PATH, ""), int(SkinAttach::Applied));
    QVERIFY2(widget->grab().toImage() != before, "the skin left this control looking as before");
}

void TestSkinAttach::keepsTextReadable_data()
{
    QTest::addColumn<QString>("widgetName");
    QTest::addColumn<int>("foreground");
    QTest::addColumn<int>("background");
    QTest::addColumn<bool>("onWindow"); // the text lies on its window's background
    QTest::addColumn<int>("group");

    const auto row = [](const char* tag, const char* name, QPalette::ColorRole fg,
                        QPalette::ColorRole bg, bool onWindow, QPalette::ColorGroup group) {
        QTest::newRow(tag) << QString::fromLatin1(name) << int(fg) << int(bg) << onWindow
                           << int(group);
    };
    using P = QPalette;
    row("label", "label", P::WindowText, P::Window, true, P::Active);
    row("frame title", "group", P::WindowText, P::Window, true, P::Active);
    row("disabled check box", "check", P::WindowText, P::Window, true, P::Disabled);
    row("button", "button", P::ButtonText, P::Button, false, P::Active);
    row("text box", "edit", P::Text, P::Base, false, P::Active);
    row("contact list before it is enabled", "list", P::Text, P::Base, false, P::Disabled);
    row("selected contact", "list", P::HighlightedText, P::Highlight, false, P::Active);
    row("status panel", "panel", P::WindowText, P::Window, false, P::Active);
}

void TestSkinAttach::keepsTextReadable()
{
    QFETCH(QString, widgetName);
    QFETCH(int, foreground);
    QFETCH(int, background);
    QFETCH(bool, onWindow);
    QFETCH(int, group);

    QCOMPARE(m_attach(SKIN_FILE_PATH, ""), int(SkinAttach::Applied));
    MainWindow window;
    QWidget* widget = window.find(widgetName);
    QVERIFY(widget);
    window.window.ensurePolished();
    for (QWidget* child : window.window.findChildren<QWidget*>())
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
    QTest::addColumn<QString>("path"); // null: a null pointer
    QTest::addColumn<int>("expectedResult");

    const QString binary = m_dir.filePath(QStringLiteral("binary.she"));
    const QString huge = m_dir.filePath(QStringLiteral("huge.she"));
    QFile binaryFile(binary), hugeFile(huge);
    QVERIFY(binaryFile.open(QIODevice::WriteOnly));
    binaryFile.write(QByteArray("\xFF\xFE\x00\x80\xC3\x28", 6));
    QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(8 * 1024 * 1024));

    QTest::newRow("missing file") << m_dir.filePath("missing.she") << int(SkinAttach::NoFile);
    QTest::newRow("no path at all") << QString() << int(SkinAttach::NoFile);
    QTest::newRow("binary file") << binary << int(SkinAttach::NotText);
    QTest::newRow("far too large for a skin") << huge << int(SkinAttach::TooLarge);
}

void TestSkinAttach::refusesUnusableFile()
{
    QFETCH(QString, path);
    QFETCH(int, expectedResult);
    const QString previous = QStringLiteral("QPushButton { color: #123456; }");
    qApp->setStyleSheet(previous);
    const QByteArray local = path.toLocal8Bit();
    QCOMPARE(m_attach(path.isNull() ? nullptr : local.constData(), ""), expectedResult);
    QCOMPARE(qApp->styleSheet(), previous);
}

QTEST_MAIN(TestSkinAttach)
#include "tst_skinattach.moc"
