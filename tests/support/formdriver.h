#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal window as soon as it is open, the way a user answers a dialog that the
// code under test opens and waits for.
inline void whenModalOpens(std::function<void(QWidget*)> act, int attempts = 200)
{
    QTimer::singleShot(10, qApp, [act = std::move(act), attempts]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (attempts > 0)
                whenModalOpens(std::move(act), attempts - 1);
            return;
        }
        act(modal);
    });
}
