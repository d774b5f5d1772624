// A text that does not fit the place the layout gives its control is drawn a little smaller, in
// the same family, rather than cut off or the control moved or widened: fonts and their hinting
// differ from desktop to desktop and from scale to scale, and a number must never lose a digit.
#pragma once

#include <QFont>
#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The design font, made smaller in quarter points until fits() holds (at most down to 60 %).
QFont shrunkToFit(const QFont& design, const std::function<bool(const QFont&)>& fits);

// The design font of a line edit, label, button or option, shrunk until its present text fits
// the room its frame and margins leave inside its present size.
QFont fittedFont(const QWidget& widget, const QFont& design);

// The font of a frame's caption in a frame that wide; gap is left free on both sides of it.
QFont fittedCaptionFont(const QWidget& frame, const QFont& design, const QString& caption,
                        int width);

}  // namespace platform
