#include "platform/textfit.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <cmath>

namespace platform {
namespace {

double widestLine(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0;
    for (const QString& line : text.split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// The room for the text inside the widget, as its style lays it out; negative for a widget
// that is not fitted.
double textRoom(const QWidget& widget) {
    const QStyle* style = widget.style();
    if (qobject_cast<const QLineEdit*>(&widget) != nullptr) {
        // The frame, the line edit's own margin of 2 on each side, and the caret at the end.
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget);
        return widget.width() - 2 * frame - 4 - 2;
    }
    if (qobject_cast<const QRadioButton*>(&widget) != nullptr) {
        return widget.width() -
               style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &widget) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &widget) - 1;
    }
    if (qobject_cast<const QPushButton*>(&widget) != nullptr) {
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget);
        return widget.width() - 2 * frame - 2;
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->contentsRect().width() - std::max(label->indent(), 0);
    }
    return -1;
}

QString shownText(const QWidget& widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    return {};
}

}  // namespace

QFont shrunkToFit(const QFont& design, const std::function<bool(const QFont&)>& fits) {
    QFont font = design;
    const double smallest = design.pointSizeF() * 0.6;
    while (!fits(font) && font.pointSizeF() - 0.25 >= smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

QFont fittedFont(const QWidget& widget, const QFont& design) {
    const double room = textRoom(widget);
    const QString text = shownText(widget);
    if (room < 0 || text.isEmpty()) return design;
    // A wrapping text grows downwards to fit instead.
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->wordWrap()) {
        return design;
    }
    return shrunkToFit(design, [&](const QFont& font) {
        return std::ceil(widestLine(QFontMetricsF(font, &widget), text)) <= room;
    });
}

QFont fittedCaptionFont(const QWidget& frame, const QFont& design, const QString& caption,
                        int width) {
    return shrunkToFit(design, [&](const QFont& font) {
        const QFontMetricsF metrics(font, &frame);
        const double gap = std::floor(std::ceil(metrics.height()) / 6);
        return std::ceil(metrics.horizontalAdvance(caption)) + 2 * gap <= width;
    });
}

}  // namespace platform
