#include "platform/look.h"

namespace platform {
namespace {

QColor systemColor(controls::SystemColor color, const QPalette& palette) {
    switch (color) {
        case controls::SystemColor::WindowText:
            return palette.color(QPalette::Active, QPalette::WindowText);
        case controls::SystemColor::Window:
            return palette.color(QPalette::Active, QPalette::Window);
        case controls::SystemColor::Highlight:
            return palette.color(QPalette::Active, QPalette::Highlight);
        case controls::SystemColor::Menu:
            return palette.color(QPalette::Active, QPalette::Button);
        case controls::SystemColor::None:
            break;
    }
    return palette.color(QPalette::Active, QPalette::WindowText);
}

}  // namespace

QFont qtFont(const controls::Font& font) {
    QFont result;
    const std::string_view family = font.family;
    result.setFamilies(
        {family == "MS Sans Serif"
             ? QStringLiteral("Arial")
             : QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()))});
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setUnderline(font.underline);
    return result;
}

Qt::Alignment qtAlignment(controls::Align align) {
    switch (align) {
        case controls::Align::Center:
            return Qt::AlignHCenter | Qt::AlignTop;
        case controls::Align::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case controls::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

std::optional<QColor> foreground(const controls::Control& control, const QPalette& palette) {
    if (control.foreSystemColor() != controls::SystemColor::None) {
        return systemColor(control.foreSystemColor(), palette);
    }
    const controls::Rgb rgb = control.foreColor();
    if (rgb == controls::kBlack) return std::nullopt;
    return QColor(rgb.r, rgb.g, rgb.b);
}

std::optional<QColor> background(const controls::Control& control, const QPalette& palette) {
    if (control.backSystemColor() == controls::SystemColor::None) return std::nullopt;
    return systemColor(control.backSystemColor(), palette);
}

QString captionText(std::string_view caption) {
    QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace platform
