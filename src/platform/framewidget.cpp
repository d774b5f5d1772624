#include "platform/framewidget.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "platform/textfit.h"

namespace platform {

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString caption = title();
    const QFont captionFont = fittedCaptionFont(*this, font(), caption, width());
    const QFontMetricsF metrics(captionFont, this);
    const int captionHeight = caption.isEmpty() ? 0 : static_cast<int>(std::ceil(metrics.height()));
    const int captionWidth = static_cast<int>(std::ceil(metrics.horizontalAdvance(caption)));
    // The caption stands a little in from the left edge, less when that would cut it off, and
    // the edge stops short of it on both sides.
    const int gap = captionHeight / 6;
    const int indent = std::clamp(width() - captionWidth - gap, 0, captionHeight / 2);
    const QRect captionRect(indent, 0, captionWidth, captionHeight);

    painter.save();
    if (captionHeight > 0) {
        painter.setClipRegion(QRegion(rect()).subtracted(captionRect.adjusted(-gap, 0, gap, 0)));
    }
    const QRect edge = rect().adjusted(0, captionHeight / 2, 0, 0);
    qDrawShadeRect(&painter, edge, palette(), true, 1);
    painter.restore();

    if (captionHeight > 0) {
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        painter.setFont(captionFont);
        painter.setPen(palette().color(group, QPalette::WindowText));
        painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    }
}

}  // namespace platform
