#include "gui/desktop/windoweffects.h"

#include "platform/windowsystem.h"

#include <QGuiApplication>
#include <QLayout>
#include <QPainterPath>
#include <QPolygon>
#include <QScreen>
#include <QWidget>

namespace WindowEffects {

void prepareLayered(QWidget* window)
{
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setOpacity(window, 0);
}

void setOpacity(QWidget* window, int alpha)
{
    // Window systems without opacity (the offscreen one) show the window as it is.
    static const bool supported = QGuiApplication::platformName() != QLatin1String("offscreen") &&
                                  QGuiApplication::platformName() != QLatin1String("minimal");
    if (!supported)
        return;
    window->setWindowOpacity(qBound(0, alpha, 255) / 255.0);
    // Shown now, not with whatever event comes next: a fade step waits for no pointer motion.
    WindowSystem::flush();
}

QRegion roundRectRegion(int width, int height, int cornerWidth, int cornerHeight)
{
    if (width <= 0 || height <= 0)
        return {};
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width, height), cornerWidth / 2.0, cornerHeight / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

void setRegion(QWidget* window, const QRegion& region)
{
    window->setMask(region);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    // The size the window's layout gives it, before it first shows.
    if (QLayout* layout = window->layout())
        layout->activate();
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace WindowEffects
