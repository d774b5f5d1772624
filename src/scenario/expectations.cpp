// The expectations of a scenario: each compares one thing the windows show, the desktop recorded
// or the state record holds, and on a mismatch describes what it found in the words of the
// grammar, so that "expected ... got ..." reads as two scenario lines side by side.
#include <charconv>
#include <cstdint>
#include <string>
#include <variant>

#include "about/aboutform.h"
#include "calc/numbers.h"
#include "calc/state.h"
#include "controls/textbox.h"
#include "scenario/lexer.h"
#include "scenario/session.h"

namespace scenario {
namespace {

constexpr std::string_view kAboutClosed = "About window closed";

std::string truth(bool value) {
    return value ? "true" : "false";
}

std::string onOff(bool value) {
    return value ? "on" : "off";
}

// The shortest text that reads back as the same value, so that two values that differ never
// print alike.
template <class Float>
std::string exactText(Float value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string messageText(const Message& message) {
    return quote(message.text) + " " + quote(message.title) + " " + wholeNumber(message.style);
}

std::string controlName(const controls::Control* control, bool about) {
    if (control == nullptr) return "none";
    return (about ? "About." : "") + control->name();
}

}  // namespace

std::string Session::check(const Command& command) {
    const std::vector<int>& n = command.numbers;
    switch (command.verb) {
        case Verb::ExpectProperty:
            return checkProperty(command);
        case Verb::ExpectFocus:
            return checkFocus(command);
        case Verb::ExpectTimers: {
            const bool timer1 = form_.Timer1.enabled();
            const bool timer2 = form_.Timer2.enabled();
            if (timer1 == (n.at(0) != 0) && timer2 == (n.at(1) != 0)) return {};
            return onOff(timer1) + " " + onOff(timer2);
        }
        case Verb::ExpectWindow: {
            const int width = form_.Form.width();
            const int height = form_.Form.height();
            if (width == n.at(0) && height == n.at(1)) return {};
            return wholeNumber(width) + " " + wholeNumber(height);
        }
        case Verb::ExpectVar:
            return checkVariable(command);
        case Verb::ExpectMessage:
            return checkMessage(command);
        case Verb::ExpectNoMessage:
            return checkNoMessage();
        case Verb::ExpectBeeps:
            return desktop_.beeps == n.at(0) ? std::string() : wholeNumber(desktop_.beeps);
        case Verb::ExpectOpened:
            return checkOpened(command);
        case Verb::ExpectAbout: {
            const bool open = form_.about() != nullptr;
            if (open == (n.at(0) != 0)) return {};
            return open ? "open" : "closed";
        }
        case Verb::ExpectEnded:
            return desktop_.ended ? std::string() : "running";
        default:
            return {};
    }
}

std::string Session::checkProperty(const Command& command) {
    const controls::Control* control = find(command.control);
    if (control == nullptr) return std::string(kAboutClosed);
    const std::vector<int>& n = command.numbers;
    switch (command.property) {
        case Property::Text: {
            const std::string& text = static_cast<const controls::TextBox*>(control)->text();
            return text == command.text ? std::string() : quote(text);
        }
        case Property::Caption:
            return control->caption() == command.text ? std::string() : quote(control->caption());
        case Property::Enabled:
            return control->enabled() == (n.at(0) != 0) ? std::string() : truth(control->enabled());
        case Property::Visible:
            return control->visible() == (n.at(0) != 0) ? std::string() : truth(control->visible());
        case Property::TabStop:
            return control->tabStop() == (n.at(0) != 0) ? std::string() : truth(control->tabStop());
        case Property::Value: {
            const bool value = static_cast<const controls::OptionButton*>(control)->value();
            return value == (n.at(0) != 0) ? std::string() : truth(value);
        }
        case Property::Selection: {
            const auto* box = static_cast<const controls::TextBox*>(control);
            if (box->selStart() == n.at(0) && box->selLength() == n.at(1)) return {};
            return wholeNumber(box->selStart()) + " " + wholeNumber(box->selLength());
        }
        case Property::Color: {
            const controls::Rgb color = control->foreColor();
            if (color == controls::Rgb{static_cast<std::uint8_t>(n.at(0)),
                                       static_cast<std::uint8_t>(n.at(1)),
                                       static_cast<std::uint8_t>(n.at(2))}) {
                return {};
            }
            return wholeNumber(color.r) + " " + wholeNumber(color.g) + " " + wholeNumber(color.b);
        }
    }
    return {};
}

// The focus of the window the control belongs to; "none" asks about the main window.
std::string Session::checkFocus(const Command& command) {
    const ControlRef& ref = command.control;
    const controls::Window* window = form_.window(ref.window());
    if (window == nullptr) return std::string(kAboutClosed);
    const controls::Control* focused = window->focused();
    const controls::Control* wanted = ref.name.empty() ? nullptr : find(ref);
    return focused == wanted ? std::string() : controlName(focused, ref.about);
}

// The number is rounded to the variable's own type once, by the calculator's own conversions,
// and then compared exactly.
std::string Session::checkVariable(const Command& command) {
    const calc::VariableRef ref = calc::findVariable(form_.state, command.text);
    const std::string& number = command.detail;
    if (const auto* d = std::get_if<double*>(&ref)) {
        return **d == calc::toDouble(number) ? std::string() : exactText(**d);
    }
    if (const auto* f = std::get_if<float*>(&ref)) {
        return **f == calc::toSingle(number) ? std::string() : exactText(**f);
    }
    if (const auto* i = std::get_if<std::int16_t*>(&ref)) {
        int expected = 0;
        std::from_chars(number.data(), number.data() + number.size(), expected);
        return **i == expected ? std::string() : wholeNumber(**i);
    }
    return "no such variable";
}

// The oldest unmatched box is matched by this expectation whether or not it agrees, so that one
// wrong text does not shift every later expectation onto the wrong box.
std::string Session::checkMessage(const Command& command) {
    if (matchedMessages_ >= desktop_.messages.size()) return "no message";
    const Message& message = desktop_.messages[matchedMessages_++];
    const bool same = message.text == command.text && message.title == command.detail &&
                      message.style == command.numbers.at(0);
    return same ? std::string() : messageText(message);
}

std::string Session::checkNoMessage() const {
    const std::size_t unmatched = desktop_.messages.size() - matchedMessages_;
    if (unmatched == 0) return {};
    std::string got = "message " + messageText(desktop_.messages[matchedMessages_]);
    if (unmatched > 1)
        got += " and " + wholeNumber(static_cast<long long>(unmatched - 1)) + " more";
    return got;
}

std::string Session::checkOpened(const Command& command) {
    if (matchedAddresses_ >= desktop_.opened.size()) return "no address";
    const std::string& address = desktop_.opened[matchedAddresses_++];
    return address == command.text ? std::string() : quote(address);
}

}  // namespace scenario
