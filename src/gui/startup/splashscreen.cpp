#include "gui/startup/splashscreen.h"

#include "core/startup/runtimefiles.h"
#include "gui/desktop/windoweffects.h"
#include "platform/programfolder.h"
#include "ui_splashscreen.h"

#include <QMouseEvent>

namespace {
constexpr int TickMs = 50;
constexpr int CornerSize = 50; // the corner ellipse, in pixels
} // namespace

SplashScreen::SplashScreen(HandOver showMainWindow, const QString& picture, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::SplashScreen>()),
      m_showMainWindow(std::move(showMainWindow))
{
    m_ui->setupUi(this);
    if (!picture.isEmpty())
        m_ui->splashPicture->setPixmap(QPixmap(picture));
    for (QTimer* timer : {&m_fadeInTimer, &m_fadeOutTimer}) {
        timer->setInterval(TickMs);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_fadeInTimer, &QTimer::timeout, this, &SplashScreen::fadeInStep);
    connect(&m_fadeOutTimer, &QTimer::timeout, this, &SplashScreen::fadeOutStep);
    // Invisible until the first fade step; the files are written before anything shows.
    WindowEffects::prepareLayered(this);
    WindowEffects::centreOnScreen(this);
    RuntimeFiles::deploy(ProgramFolder::path());
    m_fadeInTimer.start();
}

SplashScreen::~SplashScreen() = default;

void SplashScreen::roundCorners()
{
    // Made anew from the window's current size each time it is activated.
    const QSize outer = frameGeometry().size();
    WindowEffects::setRegion(this, WindowEffects::roundRectRegion(outer.width(), outer.height(),
                                                                  CornerSize, CornerSize));
}

void SplashScreen::fadeInStep()
{
    const SplashFade::Tick tick = m_fade.fadeInTick();
    WindowEffects::setOpacity(this, tick.opacity);
    if (tick.timerStops)
        m_fadeInTimer.stop();
}

void SplashScreen::fadeOutStep()
{
    const SplashFade::Tick tick = m_fade.fadeOutTick();
    WindowEffects::setOpacity(this, tick.opacity);
    if (!tick.timerStops)
        return;
    m_fadeOutTimer.stop();
    // The main window loads and shows while the splash, fully transparent, is still there.
    if (m_showMainWindow)
        m_showMainWindow();
    close();
    deleteLater();
}

void SplashScreen::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        roundCorners();
}

void SplashScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Without a window manager the splash may never become active; it is rounded all the same.
    roundCorners();
}

void SplashScreen::mouseReleaseEvent(QMouseEvent* event)
{
    // A click stops the fade-in where it is and starts the fade-out; a second one changes nothing.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        !m_fadeOutTimer.isActive()) {
        m_fadeInTimer.stop();
        m_fadeOutTimer.start();
    }
    QWidget::mouseReleaseEvent(event);
}
