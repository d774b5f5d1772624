// A top-level window of the model: its controls, its focus and its key preview.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/eventgate.h"

namespace controls {

class Window : public Control {
  public:
    Window(std::string name, std::string caption, Rect geometry, EventGate& gate);

    EventGate& gate() const { return gate_; }

    const std::vector<Control*>& controls() const { return controls_; }  // in creation order
    Control* find(std::string_view name) const;
    std::vector<Control*> tabOrder() const;  // the controls that take the focus

    // Outer size and position in twips; the mode of the main window is its width.
    int width() const { return geometry().width; }
    int height() const { return geometry().height; }
    void setWidth(int width) { setGeometry({geometry().left, geometry().top, width, height()}); }
    void setHeight(int height) { setGeometry({geometry().left, geometry().top, width(), height}); }
    void move(int left, int top) { setGeometry({left, top, width(), height()}); }

    bool shown() const { return shown_; }
    // The model and the desktop learn of it together.
    void show(Desktop& desktop);
    void unload(Desktop& desktop);

    Control* focused() const { return focused_; }
    // The lost-focus handler of the holder runs first, then the got-focus handler of the new
    // one; nothing happens when the control already has the focus or cannot take it.
    void setFocus(Control& control);
    // Without events: its holder was disabled or hidden.
    void dropFocus(Control& control);

    void setObserver(Observer* observer) { observer_ = observer; }
    Observer* observer() const { return observer_; }

    // The key preview sees every typed character first and may set it to 0 to discard it.
    std::function<void(std::int16_t& keyAscii)> onKeyPress;

  private:
    friend class Control;
    void setShown(bool shown) { notified(shown_, shown, Property::Shown); }
    void registerControl(Control* control) { controls_.push_back(control); }

    EventGate& gate_;
    std::vector<Control*> controls_;
    Control* focused_ = nullptr;
    Observer* observer_ = nullptr;
    bool shown_ = false;
};

}  // namespace controls
