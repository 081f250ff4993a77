#pragma once

#include <QObject>
#include <QTimer>

class QLabel;

// Keeps a status panel showing the time of day, waking once a minute, not once a second.
class ClockPanel final : public QObject
{
    Q_OBJECT
public:
    explicit ClockPanel(QLabel* panel);
    static QString text(const QTime& time);

private:
    void update();

    QLabel* m_panel;
    QTimer m_timer;
};
