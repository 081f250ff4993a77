#include "gui/about/aboutdialog.h"

#include "config/addresses.h"
#include "config/buildconfig.h"
#include "gui/desktop/windoweffects.h"
#include "platform/launcher.h"
#include "ui_aboutdialog.h"

#include <QMouseEvent>

namespace {
// The author's own number and address, as the design's link labels show them.
const QString AuthorQQ = QStringLiteral("12345678");
const QString AuthorMail = QStringLiteral("author@zeph-soft.example");
} // namespace

AboutDialog::AboutDialog(Launcher& launcher, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AboutDialog>()), m_launcher(launcher)
{
    m_ui->setupUi(this);
    WindowEffects::centreOnScreen(this);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget* link : {m_ui->qqLink, m_ui->mailLink, m_ui->forumLink})
        link->installEventFilter(this);

    // The pictures come from the image bundle registered at start; without it there are none.
    m_ui->logoPicture->setPixmap(QPixmap(QStringLiteral(":/image/about/logo.png")));
    m_ui->onlinePicture->setPixmap(QPixmap(QStringLiteral(":/image/about/online.png")));
    m_ui->offlinePicture->setPixmap(QPixmap(QStringLiteral(":/image/about/offline.png")));
    m_ui->versionLabel->setText(tr("版本号：%1.%2.%3")
                                    .arg(BuildConfig::VersionMajor)
                                    .arg(BuildConfig::VersionMinor)
                                    .arg(BuildConfig::VersionRevision));
    // The forum's address depends on the build: the same one the menu and the update check open.
    m_ui->forumLink->setText(Addresses::forum());
}

AboutDialog::~AboutDialog() = default;

bool AboutDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        openLink(watched);
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::openLink(QObject* link)
{
    // The box stays open after each link.
    if (link == m_ui->qqLink)
        m_launcher.openChat(AuthorQQ);
    else if (link == m_ui->mailLink)
        m_launcher.openMail(AuthorMail);
    else if (link == m_ui->forumLink)
        m_launcher.openWebAddress(Addresses::forum());
}
