#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/startup/splashfade.h"

namespace Ui {
class SplashScreen;
}

// The first window: writes the runtime files into the program folder, rounds its corners, fades
// in, waits for a click without limit, fades out and then hands over to the main window.
class SplashScreen final : public QWidget
{
    Q_OBJECT
public:
    using HandOver = std::function<void()>;

    // picture: the splash picture in the user's script; without one the design's stands.
    explicit SplashScreen(HandOver showMainWindow, const QString& picture = QString(),
                          QWidget* parent = nullptr);
    ~SplashScreen() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void roundCorners();
    void fadeInStep();
    void fadeOutStep();

    std::unique_ptr<Ui::SplashScreen> m_ui;
    HandOver m_showMainWindow;
    SplashFade m_fade;
    QTimer m_fadeInTimer;
    QTimer m_fadeOutTimer;
};
