#include "controls/control.h"

#include <stdexcept>

#include "controls/window.h"

namespace controls {

Control::Control(Kind kind, std::string name, Control* container, Rect geometry,
                 std::string caption)
    : kind_(kind), name_(std::move(name)), container_(container), geometry_(geometry) {
    // A window registers with itself (see Window's constructor).
    if (container != nullptr && container->window() != nullptr) {
        window_ = container->window();
        window_->registerControl(this);
    }
    setCaption(std::move(caption));
}

bool Control::reachable() const {
    for (const Control* c = this; c != nullptr; c = c->container()) {
        if (!c->enabled() || !c->visible()) return false;
    }
    return true;
}

void Control::beforeShown() const {
    if (window_ != nullptr && window_->shown()) {
        throw std::logic_error(name_ + ": a design-time property set after the window was shown");
    }
}

void Control::notify(Property property) {
    if (window_ != nullptr && window_->observer() != nullptr) {
        window_->observer()->changed(*this, property);
    }
}

void Control::setReachable(bool& flag, bool value, Property which) {
    if (value == flag) return;
    flag = value;
    if (!value && window_ != nullptr) window_->dropFocus(*this);
    notify(which);
}

void Control::setSystemColors(SystemColor fore, SystemColor back) {
    beforeShown();
    foreSystem_ = fore;
    backSystem_ = back;
}

void OptionButton::setValue(bool value) {
    if (value && window() != nullptr) {
        for (Control* other : window()->controls()) {
            if (other != this && other->kind() == Kind::OptionButton &&
                other->container() == container()) {
                static_cast<OptionButton*>(other)->setValue(false);
            }
        }
    }
    notified(value_, value, Property::Value);
}

void SpinButton::setArrowNames(std::string up, std::string down) {
    beforeShown();
    upName_ = std::move(up);
    downName_ = std::move(down);
}

Timer::Timer(std::string name, Control* container, int intervalMs, bool enabled)
    : Control(Kind::Timer, std::move(name), container, Rect{}), interval_(intervalMs) {
    setEnabled(enabled);
    setVisible(false);
    setTabStop(false);
}

}  // namespace controls
