// Sizes and positions of the model are twips (1/1440 inch); widgets are placed in pixels at the
// screen's logical resolution, 15 twips a pixel at 96 dots per inch.
#pragma once

#include <QPoint>
#include <QRect>

#include "controls/control.h"

namespace platform {

struct Dpi {
    double x = 96;
    double y = 96;
};

// The primary screen's logical resolution, or 96 when there is no screen.
Dpi screenDpi();

int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);

// A window's place and outer size: its size does not depend on where it stands.
QRect windowPixels(const controls::Rect& rect, Dpi dpi);

// The client area of a window of that outer size: the outer sizes were designed around a fixed
// frame of 4 pixels a side and a title bar of 23 pixels at 96 dots per inch. Whatever frame the
// window manager draws, the client keeps this size, scaled with the screen.
controls::Rect clientTwips(const controls::Rect& outer);

// A control's rectangle relative to its container, given the container's absolute origin in
// twips. Each edge is rounded on its own in window coordinates, so that controls that touch or
// line up in twips, in one frame or in two, still do in pixels.
QRect childPixels(const controls::Rect& rect, QPoint containerOriginTwips, Dpi dpi);

}  // namespace platform
