#include "controls/window.h"

#include <algorithm>

#include "controls/textbox.h"
#include "controls/userinput.h"

namespace controls {

Window::Window(std::string name, std::string caption, Rect geometry, EventGate& gate)
    : Control(Kind::Window, std::move(name), nullptr, geometry, std::move(caption)), gate_(gate) {
    attachWindow(this);
}

Control* Window::find(std::string_view name) const {
    if (name == this->name()) return const_cast<Window*>(this);
    for (Control* control : controls_) {
        if (control->name() == name) return control;
    }
    return nullptr;
}

std::vector<Control*> Window::tabOrder() const {
    std::vector<Control*> order;
    for (Control* control : controls_) {
        if (accepts(*control, Action::Focus)) order.push_back(control);
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->tabIndex() < b->tabIndex();
    });
    return order;
}

void Window::show(Desktop& desktop) {
    setShown(true);
    desktop.showWindow(*this);
}

void Window::unload(Desktop& desktop) {
    setShown(false);
    desktop.unloadWindow(*this);
}

void Window::setFocus(Control& control) {
    if (&control == focused_ || control.window() != this || !accepts(control, Action::Focus) ||
        !control.reachable()) {
        return;
    }
    Control* previous = focused_;
    focused_ = &control;
    notify(Property::Focus);
    if (previous != nullptr && previous->kind() == Kind::TextBox) {
        auto& box = static_cast<TextBox&>(*previous);
        if (box.onLostFocus) box.onLostFocus();
    }
    // A lost-focus handler that moved the focus on has already run the next got-focus.
    if (focused_ != &control) return;
    if (control.kind() == Kind::TextBox) {
        auto& box = static_cast<TextBox&>(control);
        if (box.onGotFocus) box.onGotFocus();
    }
}

void Window::dropFocus(Control& control) {
    if (focused_ != &control) return;
    focused_ = nullptr;
    notify(Property::Focus);
}

}  // namespace controls
