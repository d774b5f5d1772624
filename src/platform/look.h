// How the model's fonts, colours, alignments and captions look in Qt.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <optional>
#include <string_view>

#include "controls/control.h"

namespace platform {

// "Arial" resolves through fontconfig to a metric-compatible face (Liberation Sans or Nimbus
// Sans); "MS Sans Serif", a bitmap face of the same widths, takes the same road.
QFont qtFont(const controls::Font& font);

// Captions keep the top edge, as a label's text starts at its top.
Qt::Alignment qtAlignment(controls::Align align);

// The text colour: a system colour when the control follows the theme, its own colour when it
// has one, and nothing for the default black, which stays the theme's text colour so that a
// dark theme keeps its texts readable.
std::optional<QColor> foreground(const controls::Control& control, const QPalette& palette);
// A background only for controls that follow the theme's background.
std::optional<QColor> background(const controls::Control& control, const QPalette& palette);

// Captions break lines on a line feed; a carriage return before it adds nothing.
QString captionText(std::string_view caption);

}  // namespace platform
