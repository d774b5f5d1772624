#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {

Dpi screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return Dpi{};
    const double x = screen->logicalDotsPerInchX();
    const double y = screen->logicalDotsPerInchY();
    return Dpi{x > 0 ? x : 96, y > 0 ? y : 96};
}

int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

int pixelsToTwips(int pixels, double dpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * 1440.0 / dpi));
}

QRect windowPixels(const controls::Rect& rect, Dpi dpi) {
    return QRect(twipsToPixels(rect.left, dpi.x), twipsToPixels(rect.top, dpi.y),
                 twipsToPixels(rect.width, dpi.x), twipsToPixels(rect.height, dpi.y));
}

controls::Rect clientTwips(const controls::Rect& outer) {
    constexpr int kTwipsPerPixel = 15;
    constexpr int kSide = 4 * kTwipsPerPixel;
    constexpr int kTitleBar = 23 * kTwipsPerPixel;
    return controls::Rect{outer.left, outer.top, outer.width - 2 * kSide,
                          outer.height - kTitleBar - kSide};
}

QRect childPixels(const controls::Rect& rect, QPoint containerOriginTwips, Dpi dpi) {
    const int originX = containerOriginTwips.x();
    const int originY = containerOriginTwips.y();
    const int left = twipsToPixels(originX + rect.left, dpi.x);
    const int top = twipsToPixels(originY + rect.top, dpi.y);
    const int right = twipsToPixels(originX + rect.left + rect.width, dpi.x);
    const int bottom = twipsToPixels(originY + rect.top + rect.height, dpi.y);
    const int baseX = twipsToPixels(originX, dpi.x);
    const int baseY = twipsToPixels(originY, dpi.y);
    return QRect(left - baseX, top - baseY, right - left, bottom - top);
}

}  // namespace platform
