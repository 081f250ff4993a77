#include "about/form4.h"

#include "about/aboutinfo.h"
#include "config/addresses.h"
#include "platform/launcher.h"
#include "platform/modules.h"
#include "platform/programfolder.h"
#include "platform/windoweffects.h"
#include "startup/runtimefiles.h"
#include "ui_form4.h"

#include <QFile>
#include <QMouseEvent>

namespace {
// The about box's pictures come from the image bundle in the program folder; once registered
// they stay for the rest of the run. Without the bundle the box shows no pictures.
void loadImageBundle()
{
    static bool registered = false;
    if (!registered)
        registered = registerBundle(ProgramFolder::file(RuntimeFiles::ImageBundle),
                                    QStringLiteral("/image"));
}
} // namespace

Form4::Form4(Launcher& launcher, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Form4>()), m_launcher(launcher),
      WebBrowser1(launcher)
{
    m_ui->setupUi(this);
    WindowEffects::centreOnScreen(this);
    connect(m_ui->Command1, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget* link : {m_ui->Label5, m_ui->Label6, m_ui->Label8})
        link->installEventFilter(this);
    Form_Load();
}

Form4::~Form4() = default;

void Form4::Form_Load()
{
    loadImageBundle();
    m_ui->aicAlphaImage1->setPixmap(QPixmap(QStringLiteral(":/image/about/logo.png")));
    m_ui->aicAlphaImage2->setPixmap(QPixmap(QStringLiteral(":/image/about/online.png")));
    m_ui->aicAlphaImage3->setPixmap(QPixmap(QStringLiteral(":/image/about/offline.png")));
    m_ui->Label10->setText(AboutInfo::versionText());
    m_ui->Label10->adjustSize();
    // The forum's address depends on the build, so the label takes it from the same constant
    // as every other place that opens the forum.
    m_ui->Label8->setText(Addresses::forum());
    m_ui->Label8->adjustSize();
}

void Form4::Label5_Click()
{
    WebBrowser1.Silent = true;
    WebBrowser1.Navigate(AboutInfo::chatAddress());
}

void Form4::Label6_Click()
{
    WebBrowser1.Silent = true;
    WebBrowser1.Navigate(AboutInfo::mailAddress());
}

void Form4::Label8_Click()
{
    m_launcher.runCommand(Addresses::forumCommand(), Addresses::MinimizedFocus);
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_ui->Label5)
            Label5_Click();
        else if (watched == m_ui->Label6)
            Label6_Click();
        else if (watched == m_ui->Label8)
            Label8_Click();
    }
    return QDialog::eventFilter(watched, event);
}
