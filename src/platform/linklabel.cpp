#include "platform/linklabel.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace platform {

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    const int width = std::min(contentsRect().width(), fontMetrics().horizontalAdvance(text()) + 4);
    option.rect = QStyle::alignedRect(layoutDirection(), alignment(),
                                      QSize(width, fontMetrics().height() + 2), contentsRect());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace platform
