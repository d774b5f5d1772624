// The toolkit-free model of the controls, which a binding mirrors through the window's observer.
// A setter either notifies a change, and only a change, so that an idle recalculation repaints
// nothing, or belongs to the design and throws once the window is shown: no binding repaints it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace controls {

class Window;

// Positions and sizes in twips (1/1440 inch); a child's position is relative to its container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

struct Font {
    std::string family = "Arial";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

enum class Kind { Window, Frame, Label, TextBox, CommandButton, OptionButton, SpinButton, Timer };

enum class Align { Left, Center, Right };

// Colours of the desktop's theme.
enum class SystemColor { None, WindowText, Window, Highlight, Menu };

// What changed, so that a binding rewrites only that.
enum class Property {
    Text,
    Caption,
    Selection,
    Enabled,
    Visible,
    TabStop,
    ForeColor,
    Geometry,
    Value,
    Focus,
    Shown,
    AccessibleName,
    AccessibleDescription,
};

class Control;

class Observer {
  public:
    virtual ~Observer() = default;
    virtual void changed(Control& control, Property property) = 0;
};

class Control {
  public:
    // Registers with the window that holds it, directly or through frames.
    Control(Kind kind, std::string name, Control* container, Rect geometry,
            std::string caption = {});
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Control* container() const { return container_; }
    Window* window() const { return window_; }

    const Rect& geometry() const { return geometry_; }
    void setGeometry(const Rect& geometry) { notified(geometry_, geometry, Property::Geometry); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { setReachable(enabled_, enabled, Property::Enabled); }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { setReachable(visible_, visible, Property::Visible); }
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool tabStop) { notified(tabStop_, tabStop, Property::TabStop); }
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int index) { designed(tabIndex_, index); }
    // Enabled and visible up to the window, as a person's actions and the focus require.
    bool reachable() const;

    Rgb foreColor() const { return foreColor_; }
    void setForeColor(Rgb color) { notified(foreColor_, color, Property::ForeColor); }
    SystemColor foreSystemColor() const { return foreSystem_; }
    SystemColor backSystemColor() const { return backSystem_; }
    void setSystemColors(SystemColor fore, SystemColor back);

    const Font& font() const { return font_; }
    void setFont(Font font) { designed(font_, std::move(font)); }
    Align alignment() const { return alignment_; }
    void setAlignment(Align alignment) { designed(alignment_, alignment); }

    // Shared by labels, buttons, frames, options and windows.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) {
        notified(caption_, std::move(caption), Property::Caption);
    }

    // What a screen reader says; an empty name leaves the control named by its caption.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name) {
        notified(accessibleName_, std::move(name), Property::AccessibleName);
    }
    const std::string& accessibleDescription() const { return accessibleDescription_; }
    void setAccessibleDescription(std::string description) {
        notified(accessibleDescription_, std::move(description), Property::AccessibleDescription);
    }

    std::function<void()> onClick;
    std::function<void()> onMouseMove;

  protected:
    void notify(Property property);
    void beforeShown() const;  // throws once the window is shown
    template <class T>
    void designed(T& property, T value) {
        beforeShown();
        property = std::move(value);
    }
    template <class T>
    void notified(T& property, T value, Property which) {
        if (property == value) return;
        property = std::move(value);
        notify(which);
    }
    void attachWindow(Window* window) { window_ = window; }

  private:
    // As notified(), but a control no longer reachable drops the focus before the notice.
    void setReachable(bool& flag, bool value, Property which);

    Kind kind_;
    std::string name_;
    Control* container_;
    Window* window_ = nullptr;
    Rect geometry_;
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_ = true;
    int tabIndex_ = 0;
    Rgb foreColor_ = kBlack;
    SystemColor foreSystem_ = SystemColor::None;
    SystemColor backSystem_ = SystemColor::None;
    Font font_;
    Align alignment_ = Align::Left;
    std::string caption_;
    std::string accessibleName_;
    std::string accessibleDescription_;
};

// The controls made from a name, a container, a place and a caption.
template <Kind kKind>
class Captioned : public Control {
  public:
    Captioned(std::string name, Control* container, Rect geometry, std::string caption)
        : Control(kKind, std::move(name), container, geometry, std::move(caption)) {}
};

class Label : public Captioned<Kind::Label> {
  public:
    using Captioned::Captioned;
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap) { designed(wordWrap_, wrap); }
    // A note whose new captions a screen reader speaks without being asked.
    bool live() const { return live_; }
    void setLive(bool live) { designed(live_, live); }
    bool selectable() const { return selectable_; }
    void setSelectable(bool selectable) { designed(selectable_, selectable); }
    // An address that takes the focus like a button and opens from the keyboard as on a click.
    bool link() const { return link_; }
    void setLink(bool link) { designed(link_, link); }

  private:
    bool wordWrap_ = false;
    bool live_ = false;
    bool selectable_ = false;
    bool link_ = false;
};

class Frame : public Captioned<Kind::Frame> {
  public:
    using Captioned::Captioned;
};

class CommandButton : public Captioned<Kind::CommandButton> {
  public:
    using Captioned::Captioned;
    // The button the Escape key presses, wherever the focus is in its window.
    bool cancel() const { return cancel_; }
    void setCancel(bool cancel) { designed(cancel_, cancel); }

  private:
    bool cancel_ = false;
};

// The options of one container exclude each other.
class OptionButton : public Captioned<Kind::OptionButton> {
  public:
    using Captioned::Captioned;
    bool value() const { return value_; }
    void setValue(bool value);

  private:
    bool value_ = false;
};

// A pair of arrow buttons without a value of its own.
class SpinButton : public Control {
  public:
    SpinButton(std::string name, Control* container, Rect geometry)
        : Control(Kind::SpinButton, std::move(name), container, geometry) {}
    std::function<void()> onSpinUp;
    std::function<void()> onSpinDown;

    // The accessible names of the two arrows ("Step system voltage up").
    const std::string& upName() const { return upName_; }
    const std::string& downName() const { return downName_; }
    void setArrowNames(std::string up, std::string down);

  private:
    std::string upName_;
    std::string downName_;
};

class Timer : public Control {
  public:
    Timer(std::string name, Control* container, int intervalMs, bool enabled);
    int interval() const { return interval_; }
    std::function<void()> onTimer;

  private:
    int interval_;
};

}  // namespace controls
