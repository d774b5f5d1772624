// The context menus a person opens with the right button, the Menu key or Shift+F10: an entry
// field offers Cut, Copy, Paste, Delete and Select All, each done through the model, so that a
// paste runs the field's change handler once and passes no key filter; a result label offers
// Copy. There is no Undo: the model keeps no history of a text.
#pragma once

#include <QPoint>
#include <functional>

class QLabel;
class QLineEdit;

namespace controls {
class TextBox;
}

namespace platform {

// Runs the menu modally at the global position; alive() tells whether the model is still
// there once it has closed.
void runEditMenu(QLineEdit& edit, controls::TextBox& box, QPoint position,
                 const std::function<bool()>& alive);
// Copies the selected text, or all of it when nothing is selected.
void runLabelMenu(QLabel& label, QPoint position);

}  // namespace platform
