// One widget for each kind of control, set up for everything that is not a property of the
// model. The properties themselves (captions, texts, geometry, colours, ...) are written by the
// binding, so that building and updating share one path.
#pragma once

#include <QWidget>
#include <memory>

#include "controls/control.h"

namespace platform {

// The top-level widget of a model window: fixed size, no maximise button.
std::unique_ptr<QWidget> createWindowWidget(const controls::Window& window);

// The widget of a control under its container's widget; null for a timer, which has none.
QWidget* createControlWidget(const controls::Control& control, QWidget* parent);

}  // namespace platform
