#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "startup/splashfade.h"

namespace Ui {
class Form5;
}

// The start-up window: writes the runtime files, fades in, waits for a click without limit,
// fades out and hands over to the main window.
class Form5 final : public QWidget
{
    Q_OBJECT
public:
    using HandOver = std::function<void()>;

    explicit Form5(HandOver showMainWindow, QWidget* parent = nullptr);
    ~Form5() override;

    void Form_Load();
    void Form_Activate();
    void Form_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    int opacity() const { return m_opacity; }
    const QRegion& roundedRegion() const { return m_region; }
    bool fadingIn() const { return Timer1.isActive(); }
    bool fadingOut() const { return Timer2.isActive(); }

    // The region for a window of the given outer size: corners of 50 × 50 pixels.
    void RoundWindow(int cornerWidth, int cornerHeight);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showOpacity(int alpha);

    std::unique_ptr<Ui::Form5> m_ui;
    HandOver m_showMainWindow;
    SplashFade m_fade;
    QTimer Timer1;
    QTimer Timer2;
    QRegion m_region;
    int m_opacity = 0;
};
