#include "scenario/controlcheck.h"

#include <optional>
#include <span>
#include <string>

#include "about/aboutform.h"
#include "controls/eventgate.h"
#include "mainwindow/mainform.h"
#include "scenario/recordingdesktop.h"

namespace scenario {
namespace {

using controls::Kind;

std::string_view kindName(Kind kind) {
    switch (kind) {
        case Kind::Window:
            return "a window";
        case Kind::Frame:
            return "a frame";
        case Kind::Label:
            return "a label";
        case Kind::TextBox:
            return "a text box";
        case Kind::CommandButton:
            return "a command button";
        case Kind::OptionButton:
            return "an option button";
        case Kind::SpinButton:
            return "a spin button";
        case Kind::Timer:
            return "a timer";
    }
    return "a control";
}

// The kinds of control a command applies to: those accepting its action, or those listed; no
// action and no kinds: every kind.
struct Applies {
    std::span<const Kind> kinds;
    std::string_view what;
    std::optional<controls::Action> action = std::nullopt;

    bool fits(const controls::Control& control) const {
        if (action) return controls::accepts(control, *action);
        const Kind kind = control.kind();
        bool listed = kinds.empty();
        for (const Kind k : kinds) listed = listed || k == kind;
        return listed;
    }
};

// The commands that are a person's actions, as written in a script.
struct VerbAction {
    Verb verb;
    controls::Action action;
    std::string_view name;
};

constexpr VerbAction kVerbActions[] = {
    {Verb::Focus, controls::Action::Focus, "focus"},
    {Verb::Type, controls::Action::Type, "type"},
    {Verb::Set, controls::Action::Paste, "set"},
    {Verb::Key, controls::Action::KeyDown, "key"},
    {Verb::Spin, controls::Action::Spin, "spin"},
    {Verb::Click, controls::Action::Click, "click"},
    {Verb::Hover, controls::Action::Hover, "hover"},
};

constexpr Kind kTextBox[] = {Kind::TextBox};
constexpr Kind kCaptioned[] = {Kind::Label, Kind::Frame, Kind::CommandButton, Kind::OptionButton,
                               Kind::Window};
constexpr Kind kOptionButton[] = {Kind::OptionButton};

// Nothing for the commands that name no control.
std::optional<Applies> appliesTo(const Command& command) {
    for (const VerbAction& v : kVerbActions) {
        if (v.verb == command.verb) return Applies{{}, v.name, v.action};
    }
    switch (command.verb) {
        case Verb::ExpectFocus:
            if (command.control.name.empty()) return std::nullopt;
            return Applies{{}, "expect focus"};
        case Verb::ExpectProperty:
            switch (command.property) {
                case Property::Text:
                    return Applies{kTextBox, ".text"};
                case Property::Selection:
                    return Applies{kTextBox, ".selection"};
                case Property::Caption:
                    return Applies{kCaptioned, ".caption"};
                case Property::Value:
                    return Applies{kOptionButton, ".value"};
                default:
                    return Applies{{}, "expect"};
            }
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<controls::Action> actionOf(Verb verb) {
    for (const VerbAction& v : kVerbActions) {
        if (v.verb == verb) return v.action;
    }
    return std::nullopt;
}

std::vector<Problem> checkControls(const std::vector<Command>& commands) {
    RecordingDesktop desktop;
    controls::EventGate gate;
    MainForm form(desktop, gate);
    // The About window is created only when it opens; a spare one tells which names it has.
    AboutForm about(desktop, gate, form.Form);

    std::vector<Problem> problems;
    for (const Command& command : commands) {
        const std::optional<Applies> applies = appliesTo(command);
        if (!applies) continue;
        const ControlRef& ref = command.control;
        const controls::Control* control =
            ref.about ? about.Form.find(ref.name) : form.Form.find(ref.name);
        const std::string written = (ref.about ? "About." : "") + ref.name;
        if (control == nullptr) {
            problems.push_back({command.line, "unknown control " + written});
            continue;
        }
        if (!applies->fits(*control)) {
            problems.push_back({command.line, std::string(applies->what) + " does not apply to " +
                                                  written + ", " +
                                                  std::string(kindName(control->kind()))});
        }
    }
    return problems;
}

}  // namespace scenario
