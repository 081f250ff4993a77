#include "gui/mainwindow/clockpanel.h"

#include <QLabel>
#include <QTime>

ClockPanel::ClockPanel(QLabel* panel) : QObject(panel), m_panel(panel)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ClockPanel::update);
    update();
}

QString ClockPanel::text(const QTime& time)
{
    return time.toString(QStringLiteral("H:mm"));
}

void ClockPanel::update()
{
    const QTime now = QTime::currentTime();
    m_panel->setText(text(now));
    // Next wake-up just after the minute turns.
    const int toNextMinute = 60000 - (now.second() * 1000 + now.msec()) + 20;
    m_timer.start(toNextMinute);
}
