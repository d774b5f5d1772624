#include "platform/inputrouter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "controls/userinput.h"
#include "platform/contextmenu.h"
#include "platform/spinwidget.h"
#include "platform/textindex.h"
#include "platform/windowbinding.h"

namespace platform {

using controls::Kind;

namespace {

// Keys left to Qt: Tab moves the focus, which reaches the model as a person's move, and the
// modifiers type nothing.
bool passesUntouched(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
    }
}

bool isArrow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool isReturn(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The Menu key, or Shift+F10 as on other desktops.
bool opensMenu(const QKeyEvent& event) {
    return event.key() == Qt::Key_Menu ||
           (event.key() == Qt::Key_F10 && event.modifiers().testFlag(Qt::ShiftModifier));
}

bool movesCaret(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

// The character codes a key types, as the key preview receives them. A person's Ctrl+V
// arrives as "\x16", a synthetic one as "v" with the Control modifier: both type code 22, so
// that the clipboard shortcuts beep like any other refused key. Ctrl+Backspace types 127.
std::vector<std::int16_t> typedCodes(const QKeyEvent& event, Qt::KeyboardModifiers modifiers) {
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const int key = event.key();
    if (key == Qt::Key_Backspace) return {static_cast<std::int16_t>(control ? 127 : 8)};
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return {static_cast<std::int16_t>(key & 0x1f)};
    }
    std::vector<std::int16_t> codes;
    const QString text = event.text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size()) ++i;
        // With Control held only control characters are typed (Ctrl+digit types nothing).
        if (control && unit >= 32) continue;
        // A character outside the 8-bit range reaches the preview as "?".
        codes.push_back(static_cast<std::int16_t>(unit <= 0xff ? unit : u'?'));
    }
    return codes;
}

// A result label selects its text with the mouse itself.
bool selectsText(const controls::Control& control) {
    return control.kind() == Kind::Label &&
           static_cast<const controls::Label&>(control).selectable();
}

}  // namespace

InputRouter::InputRouter(WindowBinding& binding) : binding_(binding) {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr) return;
    application->installEventFilter(this);
    focusConnection_ = connect(application, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { focusChanged(now); });
    listening_ = true;
    connectControls();
}

InputRouter::~InputRouter() {
    stop();
}

void InputRouter::stop() {
    if (!listening_) return;
    listening_ = false;
    pressed_ = nullptr;
    heldPress_.reset();
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(this);
    }
    disconnect(focusConnection_);
}

bool InputRouter::alive() const {
    return listening_ && binding_.window() != nullptr;
}

void InputRouter::connectControls() {
    for (controls::Control* control : binding_.window()->controls()) {
        QWidget* widget = binding_.widgetOf(*control);
        switch (control->kind()) {
            case Kind::CommandButton:
                connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                        [this, control] {
                            if (!alive()) return;
                            controls::userClick(*control);
                            settle(nullptr);
                        });
                break;
            case Kind::OptionButton:
                // Qt would toggle the mark itself; the model's value is shown again instead.
                connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                        [this, control] {
                            if (!alive()) return;
                            controls::userClick(*control);
                            if (!alive()) return;
                            binding_.showValue(static_cast<controls::OptionButton&>(*control));
                            settle(nullptr);
                        });
                break;
            case Kind::SpinButton: {
                auto* spin = static_cast<SpinWidget*>(widget);
                auto& model = static_cast<controls::SpinButton&>(*control);
                for (const bool up : {true, false}) {
                    connect(up ? spin->upButton() : spin->downButton(), &QAbstractButton::clicked,
                            this, [this, &model, up] {
                                if (!alive()) return;
                                controls::userSpin(model, up);
                                settle(nullptr);
                            });
                }
                break;
            }
            case Kind::Timer:
                connect(binding_.timerOf(*control), &QTimer::timeout, this, [this, control] {
                    if (alive()) controls::userTick(static_cast<controls::Timer&>(*control));
                });
                break;
            case Kind::TextBox:
                // A road to the text this router failed to close: the model's text stands.
                connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                        [this, control] {
                            if (alive()) binding_.changed(*control, controls::Property::Text);
                        });
                break;
            case Kind::Window:
            case Kind::Frame:
            case Kind::Label:
                break;
        }
    }
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    if (!listening_ || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::KeyPress: {
            if (widget != QApplication::focusWidget()) return false;
            if (widget->window() != binding_.topLevel()) return false;
            if (cancelKey(static_cast<QKeyEvent*>(event))) return true;
            auto* edit = qobject_cast<QLineEdit*>(widget);
            controls::Control* control = binding_.controlOf(widget);
            if (edit == nullptr || control == nullptr || control->kind() != Kind::TextBox) {
                return keyPressElsewhere(widget, control, static_cast<QKeyEvent*>(event));
            }
            return keyPress(edit, static_cast<controls::TextBox&>(*control),
                            static_cast<QKeyEvent*>(event));
        }
        case QEvent::InputMethod:
            return qobject_cast<QLineEdit*>(widget) != nullptr &&
                   binding_.controlOf(widget) != nullptr;
        case QEvent::ContextMenu:
            return contextMenu(widget, static_cast<QContextMenuEvent*>(event)->globalPos());
        case QEvent::FocusIn:
            // A click focuses before the press reaches the line edit.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
                clickFocused_ = qobject_cast<QLineEdit*>(widget);
            }
            return false;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            if (widget->window() != binding_.topLevel()) return false;
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (event->type() == QEvent::MouseMove) hover(widget, mouse);
            if (!alive()) return false;
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                controls::Control* control = binding_.controlOf(edit);
                if (control == nullptr || control->kind() != Kind::TextBox) return false;
                return lineEditMouse(edit, static_cast<controls::TextBox&>(*control), mouse);
            }
            return backgroundClick(widget, mouse);
        }
        case QEvent::Close:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            if (widget != binding_.topLevel()) return false;
            return topLevelEvent(event);
        default:
            return false;
    }
}

// A button, an option or the bare window has the focus: the key preview still sees every typed
// character and beeps at what it refuses; the key itself goes on to Qt, so Space and Enter
// still press a focused button.
bool InputRouter::keyPressElsewhere(QWidget* widget, controls::Control* control, QKeyEvent* event) {
    if (control == nullptr && widget != binding_.topLevel()) return false;
    if (control != nullptr && control->kind() == Kind::OptionButton && isArrow(event->key()) &&
        event->modifiers() == Qt::NoModifier) {
        return optionArrow(*control, event->key());
    }
    if (passesUntouched(event->key()) || event->key() == Qt::Key_Up ||
        event->key() == Qt::Key_Down || event->key() == Qt::Key_Delete ||
        movesCaret(event->key())) {
        return false;
    }
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (modifiers.testAnyFlags(Qt::AltModifier | Qt::MetaModifier)) return false;
    for (const std::int16_t code : typedCodes(*event, modifiers)) {
        if (!alive()) return true;
        controls::userKeyPress(*binding_.window(), code);
    }
    if (!alive()) return true;
    // Return presses a focused button, and Return or Space opens a focused address, as a click.
    const bool link = control != nullptr && control->kind() == Kind::Label;
    const bool button = control != nullptr && control->kind() == Kind::CommandButton;
    if (modifiers == Qt::NoModifier &&
        ((button && isReturn(event->key())) ||
         (link && (isReturn(event->key()) || event->key() == Qt::Key_Space)))) {
        controls::userClick(*control);
        settle(nullptr);
        return true;
    }
    return false;
}

bool InputRouter::cancelKey(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier || !alive()) {
        return false;
    }
    for (controls::Control* control : binding_.window()->controls()) {
        if (control->kind() == Kind::CommandButton &&
            static_cast<controls::CommandButton*>(control)->cancel()) {
            controls::userClick(*control);
            settle(nullptr);
            return true;
        }
    }
    return false;
}

bool InputRouter::optionArrow(controls::Control& option, int key) {
    std::vector<controls::Control*> group;
    for (controls::Control* control : binding_.window()->tabOrder()) {
        if (control->kind() == Kind::OptionButton && control->container() == option.container()) {
            group.push_back(control);
        }
    }
    const auto at = std::find(group.begin(), group.end(), &option);
    if (group.size() < 2 || at == group.end()) return true;
    // Round the frame, as in any group of options.
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const auto index = static_cast<std::size_t>(at - group.begin());
    controls::Control* next = group[(index + (forward ? 1 : group.size() - 1)) % group.size()];
    controls::userFocus(*next);
    if (alive()) controls::userClick(*next);
    if (alive()) binding_.showValue(static_cast<controls::OptionButton&>(*next));
    settle(nullptr);
    return true;
}

bool InputRouter::contextMenu(QWidget* widget, QPoint globalPosition) {
    if (!alive()) return false;
    controls::Control* control = binding_.controlOf(widget);
    if (control == nullptr) return false;
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && control->kind() == Kind::TextBox) {
        auto& box = static_cast<controls::TextBox&>(*control);
        runEditMenu(*edit, box, globalPosition, [this] { return alive(); });
        if (alive() && binding_.controlOf(edit) == &box) settle(&box);
        return true;
    }
    if (control->kind() == Kind::Label && static_cast<controls::Label*>(control)->selectable()) {
        runLabelMenu(*static_cast<QLabel*>(widget), globalPosition);
        return true;
    }
    return false;
}

bool InputRouter::keyPress(QLineEdit* edit, controls::TextBox& box, QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (passesUntouched(key)) return false;
    if (opensMenu(*event)) {
        const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        return contextMenu(edit, edit->mapToGlobal(caret.bottomLeft()));
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        controls::userKeyDown(box, key == Qt::Key_Up ? controls::kKeyUp : controls::kKeyDown);
        settle(&box);
        return true;
    }
    if (movesCaret(key)) {
        // The line edit moves the caret itself; the model learns where it went.
        static_cast<QObject*>(edit)->event(event);
        if (alive()) copySelection(edit, box);
        return true;
    }
    if (key == Qt::Key_Delete) {
        // Shift+Delete would cut and Ctrl+Delete delete a word behind the model's back.
        if (modifiers == Qt::NoModifier) {
            controls::userDelete(box);
            settle(&box);
        }
        return true;
    }
    // Ctrl+Insert copies, which changes nothing; Shift+Insert would paste.
    if (key == Qt::Key_Insert) return modifiers != Qt::ControlModifier;
    // No character is typed while Alt is held.
    if (modifiers.testAnyFlags(Qt::AltModifier | Qt::MetaModifier)) return true;
    for (const std::int16_t code : typedCodes(*event, modifiers)) {
        if (!alive()) return true;
        controls::userType(box, code);
    }
    settle(&box);
    return true;
}

bool InputRouter::lineEditMouse(QLineEdit* edit, controls::TextBox& box, QMouseEvent* event) {
    // The middle button pastes the X11 selection.
    if (event->button() == Qt::MiddleButton || event->buttons().testFlag(Qt::MiddleButton)) {
        return true;
    }
    if (event->type() == QEvent::MouseMove && event->buttons() == Qt::NoButton) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const bool focusing = clickFocused_ == edit;
        clickFocused_ = nullptr;
        heldPress_.reset();
        if (focusing && event->button() == Qt::LeftButton) {
            // The press that gave the focus keeps the focus handler's selection, as Tab does.
            heldPress_.reset(static_cast<QMouseEvent*>(event->clone()));
            return true;
        }
    } else if (heldPress_ != nullptr) {
        if (event->type() == QEvent::MouseMove &&
            (event->position() - heldPress_->position()).manhattanLength() <
                QApplication::startDragDistance()) {
            return true;
        }
        const std::unique_ptr<QMouseEvent> press = std::move(heldPress_);
        if (event->type() == QEvent::MouseButtonRelease) return true;
        // The mouse drags on: it selects from where it was pressed.
        static_cast<QObject*>(edit)->event(press.get());
    }
    static_cast<QObject*>(edit)->event(event);
    if (alive() && edit->hasFocus()) copySelection(edit, box);
    return true;
}

void InputRouter::hover(QWidget* watched, QMouseEvent* event) {
    // Each move passes the widget under the pointer and then its parents: only the widget
    // that owns the place passes it on, so a frame hears only moves over itself.
    if (pointerOwner(event->globalPosition()) != watched) return;
    if (controls::Control* control = controlAt(watched)) controls::userHover(*control);
}

bool InputRouter::backgroundClick(QWidget* watched, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            if (pointerOwner(event->globalPosition()) != watched) return false;
            const controls::Control* control = binding_.controlOf(watched);
            if (control == nullptr) return false;
            if (control->kind() != Kind::Label && control->kind() != Kind::Frame &&
                control->kind() != Kind::Window) {
                return false;
            }
            pressed_ = watched;
            event->accept();
            return !selectsText(*control);
        }
        case QEvent::MouseButtonDblClick:
            // The second press of a double click is no click of its own.
            pressed_ = nullptr;
            return false;
        case QEvent::MouseButtonRelease: {
            if (watched != pressed_) return false;
            pressed_ = nullptr;
            controls::Control* control = binding_.controlOf(watched);
            const bool selectable = control != nullptr && selectsText(*control);
            if (control != nullptr && pointerOwner(event->globalPosition()) == watched) {
                controls::userClick(*control);
            }
            return !selectable;
        }
        default:
            return false;
    }
}

bool InputRouter::topLevelEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::Close:
            // The window goes only when the model unloads it or ends the program.
            event->ignore();
            binding_.requestClose();
            return true;
        case QEvent::Move: {
            binding_.fitWindow(false);
            QWidget* top = binding_.topLevel();
            controls::Window* window = binding_.window();
            if (window == nullptr || binding_.mirroring() || !top->isVisible()) return false;
            // Only a move that the model's position does not explain: rounding twips to
            // pixels and back must not creep the window.
            const Dpi dpi = binding_.dpi();
            if (top->pos() != windowPixels(window->geometry(), dpi).topLeft()) {
                controls::userMove(*window, pixelsToTwips(top->pos().x(), dpi.x),
                                   pixelsToTwips(top->pos().y(), dpi.y));
            }
            return false;
        }
        default:
            binding_.fitWindow(false);
            return false;
    }
}

void InputRouter::focusChanged(QWidget* now) {
    // A null focus is the window going inactive, not a move.
    if (!alive() || now == nullptr || binding_.mirroring()) return;
    controls::Control* control = binding_.controlOf(now);
    if (control == nullptr) return;
    // Qt gives the focus back on its own when a handler's message box closes: no person did.
    if (binding_.window()->gate().busy()) return;
    controls::userFocus(*control);
    settle(control->kind() == Kind::TextBox ? static_cast<controls::TextBox*>(control) : nullptr);
}

void InputRouter::copySelection(QLineEdit* edit, controls::TextBox& box) {
    const QString text = edit->text();
    const bool selected = edit->hasSelectedText();
    const int from = selected ? edit->selectionStart() : edit->cursorPosition();
    const int to = selected ? from + edit->selectionLength() : from;
    const int start = characterIndex(text, from);
    const int length = characterIndex(text, to) - start;
    if (start == box.selStart() && length == box.selLength()) return;
    controls::userSelect(box, start, length);
}

void InputRouter::settle(controls::TextBox* box) {
    if (!alive()) return;
    if (box != nullptr) binding_.showSelection(*box);
    binding_.showFocus();
}

QWidget* InputRouter::pointerOwner(QPointF globalPosition) const {
    QWidget* top = binding_.topLevel();
    const QPoint local = top->mapFromGlobal(globalPosition).toPoint();
    if (!top->rect().contains(local)) return nullptr;
    QWidget* owner = top->childAt(local);
    if (owner == nullptr) return top;
    while (owner != top && !owner->isEnabled()) owner = owner->parentWidget();
    return owner;
}

controls::Control* InputRouter::controlAt(QWidget* widget) const {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (controls::Control* control = binding_.controlOf(w)) return control;
        if (w == binding_.topLevel()) break;
    }
    return nullptr;
}

}  // namespace platform
