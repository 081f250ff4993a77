#pragma once

#include <QRegion>

class QWidget;

// What the splash needs of the window system: no frame, no taskbar entry, opacity, a region.
namespace WindowEffects {
// Frameless, without sizing frame and taskbar entry; fully transparent until the first setOpacity.
void prepareLayered(QWidget* window);
// alpha 0 (invisible) … 255 (opaque); without a compositor it has no visible effect.
void setOpacity(QWidget* window, int alpha);
// A rectangle 0,0,width,height with corner ellipses cornerWidth × cornerHeight.
QRegion roundRectRegion(int width, int height, int cornerWidth, int cornerHeight);
void setRegion(QWidget* window, const QRegion& region);
// Places a window of its current size in the middle of its screen's work area.
void centreOnScreen(QWidget* window);
} // namespace WindowEffects
