// What a person does to the widgets of one window, fed into the model through userinput.h and
// nowhere else: keys typed into line edits (through an application-wide filter, as the model's
// key preview sees every key first), focus moves made by a click or Tab, clicks, spin arrows,
// pointer moves and timer ticks. Every other road by which Qt would edit a text is closed here.
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <memory>

class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QWidget;

namespace controls {
class Control;
class TextBox;
}  // namespace controls

namespace platform {

class WindowBinding;

class InputRouter : public QObject {
  public:
    explicit InputRouter(WindowBinding& binding);
    ~InputRouter() override;
    InputRouter(const InputRouter&) = delete;
    InputRouter& operator=(const InputRouter&) = delete;

    // Stops listening; the binding is detaching from its model.
    void stop();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectControls();
    bool keyPress(QLineEdit* edit, controls::TextBox& box, QKeyEvent* event);
    bool keyPressElsewhere(QWidget* widget, controls::Control* control, QKeyEvent* event);
    // Escape presses the window's cancel button, if it has one.
    bool cancelKey(QKeyEvent* event);
    // An arrow on an option selects and clicks the next or previous option of its frame.
    bool optionArrow(controls::Control& option, int key);
    bool contextMenu(QWidget* widget, QPoint globalPosition);
    bool lineEditMouse(QLineEdit* edit, controls::TextBox& box, QMouseEvent* event);
    void hover(QWidget* watched, QMouseEvent* event);
    bool backgroundClick(QWidget* watched, QMouseEvent* event);
    bool topLevelEvent(QEvent* event);
    void focusChanged(QWidget* now);
    // The caret or selection a line edit has just moved, copied into the model.
    void copySelection(QLineEdit* edit, controls::TextBox& box);
    // After an event has run: the line edit shows the model's selection, Qt the model's focus.
    void settle(controls::TextBox* box);
    // The widget under the pointer that takes the mouse: a disabled control leaves the pointer
    // to its container.
    QWidget* pointerOwner(QPointF globalPosition) const;
    controls::Control* controlAt(QWidget* widget) const;
    bool alive() const;

    WindowBinding& binding_;
    QWidget* pressed_ = nullptr;  // a label, frame or background waiting for its release
    // The line edit that the press under way gave the focus to: the press keeps the selection
    // its focus handler made, unless the mouse drags on to select.
    QPointer<QLineEdit> clickFocused_;
    std::unique_ptr<QMouseEvent> heldPress_;
    QMetaObject::Connection focusConnection_;
    bool listening_ = false;
};

}  // namespace platform
