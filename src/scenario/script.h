// A scenario file as commands: what a person does (actions) and what the windows must then show
// (expectations). The parser fills these in; the session runs them against a fresh main window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// A control of the main window, or of the About window when `about` is set ("About.Label2").
// The window itself is named "Form" in both.
struct ControlRef {
    bool about = false;
    std::string name;
    // The name the session looks the window up by.
    std::string_view window() const { return about ? "AboutForm" : "MainForm"; }
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

enum class Verb {
    // Actions.
    Tick,
    Focus,
    Type,
    Set,
    Key,
    Spin,
    Click,
    Hover,
    // Expectations.
    ExpectProperty,
    ExpectFocus,
    ExpectTimers,
    ExpectWindow,
    ExpectVar,
    ExpectMessage,
    ExpectNoMessage,
    ExpectBeeps,
    ExpectOpened,
    ExpectAbout,
    ExpectEnded,
};

enum class Property { Text, Caption, Enabled, Visible, TabStop, Value, Selection, Color };

struct Command {
    int line = 0;
    Verb verb = Verb::Tick;
    // Actions on a control, `expect CONTROL.property`, `expect focus` (an empty name: none).
    ControlRef control;
    Property property = Property::Text;
    // The TEXT of type, set, text, caption and opened; the message text; the variable name.
    std::string text;
    // The message title; the NUMBER of `expect var` as written.
    std::string detail;
    // tick N, beeps N, message style: one; key/spin up, booleans, on/off, open: 1 or 0;
    // selection, window size and timers: two; colour: three.
    std::vector<int> numbers;
};

inline bool isAction(Verb verb) {
    return verb < Verb::ExpectProperty;
}

}  // namespace scenario
