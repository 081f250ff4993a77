#include "startup/form5.h"

#include "platform/programfolder.h"
#include "platform/windoweffects.h"
#include "startup/runtimefiles.h"
#include "ui_form5.h"

#include <QMouseEvent>

Form5::Form5(HandOver showMainWindow, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::Form5>()),
      m_showMainWindow(std::move(showMainWindow))
{
    m_ui->setupUi(this);
    Timer1.setInterval(50);
    Timer2.setInterval(50);
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer2.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &Form5::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Form5::Timer2_Timer);
    Form_Load();
    Timer1.start();
}

Form5::~Form5() = default;

void Form5::Form_Load()
{
    WindowEffects::prepareLayered(this);
    WindowEffects::centreOnScreen(this);
    RuntimeFiles::deploy(ProgramFolder::path());
}

void Form5::RoundWindow(int cornerWidth, int cornerHeight)
{
    // The outer size as the window system measures it, through twips as the design counts.
    const double perPixel = WindowEffects::twipsPerPixel(this);
    const QSize outer = frameGeometry().size();
    const int width = WindowEffects::twipsToPixels(outer.width() * perPixel, perPixel);
    const int height = WindowEffects::twipsToPixels(outer.height() * perPixel, perPixel);
    m_region = WindowEffects::roundRectRegion(width, height, cornerWidth, cornerHeight);
    WindowEffects::setRegion(this, m_region);
}

void Form5::Form_Activate()
{
    RoundWindow(50, 50);
}

void Form5::Form_Click()
{
    Timer1.stop();
    Timer2.start();
}

void Form5::Timer1_Timer()
{
    const SplashFade::Tick tick = m_fade.fadeInTick();
    showOpacity(tick.opacity);
    if (tick.timerStops)
        Timer1.stop();
}

void Form5::Timer2_Timer()
{
    const SplashFade::Tick tick = m_fade.fadeOutTick();
    showOpacity(tick.opacity);
    if (!tick.timerStops)
        return;
    Timer2.stop();
    // The main window loads and shows while the splash, fully transparent, is still there.
    if (m_showMainWindow)
        m_showMainWindow();
    close();
    deleteLater();
}

void Form5::showOpacity(int alpha)
{
    m_opacity = alpha;
    WindowEffects::setOpacity(this, alpha);
}

void Form5::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Form5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Without a window manager the splash may never become active; it is rounded all the same.
    Form_Activate();
}

void Form5::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
    QWidget::mouseReleaseEvent(event);
}
