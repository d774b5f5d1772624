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

// The kinds of control a command applies to; no kinds: every kind.
struct Applies {
    std::span<const Kind> kinds;
    std::string_view what;
};

constexpr Kind kTextBox[] = {Kind::TextBox};
constexpr Kind kFocusable[] = {Kind::TextBox, Kind::OptionButton, Kind::CommandButton,
                               Kind::SpinButton};
constexpr Kind kClickable[] = {Kind::CommandButton, Kind::OptionButton, Kind::Label, Kind::Frame,
                               Kind::Window};
constexpr Kind kPointable[] = {Kind::Window,    Kind::Frame,         Kind::Label,
                               Kind::TextBox,   Kind::CommandButton, Kind::OptionButton,
                               Kind::SpinButton};
constexpr Kind kCaptioned[] = {Kind::Label, Kind::Frame, Kind::CommandButton, Kind::OptionButton,
                               Kind::Window};
constexpr Kind kSpinButton[] = {Kind::SpinButton};
constexpr Kind kOptionButton[] = {Kind::OptionButton};

// Nothing for the commands that name no control.
std::optional<Applies> appliesTo(const Command& command) {
    switch (command.verb) {
        case Verb::Focus:
            return Applies{kFocusable, "focus"};
        case Verb::Type:
            return Applies{kTextBox, "type"};
        case Verb::Set:
            return Applies{kTextBox, "set"};
        case Verb::Key:
            return Applies{kTextBox, "key"};
        case Verb::Spin:
            return Applies{kSpinButton, "spin"};
        case Verb::Click:
            return Applies{kClickable, "click"};
        case Verb::Hover:
            return Applies{kPointable, "hover"};
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
        if (applies->kinds.empty()) continue;
        bool fits = false;
        for (const Kind kind : applies->kinds) fits = fits || kind == control->kind();
        if (!fits) {
            problems.push_back({command.line, std::string(applies->what) + " does not apply to " +
                                                  written + ", " +
                                                  std::string(kindName(control->kind()))});
        }
    }
    return problems;
}

}  // namespace scenario
