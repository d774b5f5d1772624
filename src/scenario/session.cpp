#include "scenario/session.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "about/aboutform.h"
#include "controls/textbox.h"
#include "controls/userinput.h"

namespace scenario {
namespace {

std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// The character codes a person types for a text: one per character, so that a UTF-8 sequence
// reaches the key filter as one key. A byte that starts no valid sequence is typed as itself;
// a character beyond the 16-bit codes as "?".
std::vector<std::int16_t> keyCodes(std::string_view text) {
    std::vector<std::int16_t> codes;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        bool valid = length > 0 && i + length <= text.size();
        char32_t code = length <= 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) code = lead;
        codes.push_back(code <= 0x7FFF ? static_cast<std::int16_t>(code) : std::int16_t{'?'});
        i += valid ? length : 1;
    }
    return codes;
}

}  // namespace

Session::Session() : form_(desktop_, gate_) {
    form_.Form_Load();
    form_.show();
}

controls::Control* Session::find(const ControlRef& ref) {
    const controls::Window* window = form_.window(ref.window());
    return window != nullptr ? window->find(ref.name) : nullptr;
}

std::string Session::run(const Command& command) {
    if (isAction(command.verb)) {
        act(command);
        return {};
    }
    return check(command);
}

// An action on a control of the About window while it is closed does nothing, as a click on a
// window that is not there would.
void Session::act(const Command& command) {
    if (command.verb == Verb::Tick) {
        for (int i = 0; i < command.numbers.at(0); ++i) {
            if (form_.Timer1.enabled()) {
                controls::userTick(form_.Timer1);
            } else if (form_.Timer2.enabled()) {
                controls::userTick(form_.Timer2);
            }
        }
        return;
    }
    controls::Control* control = find(command.control);
    if (control == nullptr) return;
    const bool up = !command.numbers.empty() && command.numbers[0] != 0;
    switch (command.verb) {
        case Verb::Focus:
            controls::userFocus(*control);
            break;
        case Verb::Type: {
            auto& box = static_cast<controls::TextBox&>(*control);
            // The focus comes first even for an empty text; each key then goes to this box.
            controls::userFocus(box);
            for (const std::int16_t code : keyCodes(command.text)) controls::userType(box, code);
            break;
        }
        case Verb::Set:
            controls::userPaste(static_cast<controls::TextBox&>(*control), command.text);
            break;
        case Verb::Key:
            controls::userKeyDown(static_cast<controls::TextBox&>(*control),
                                  up ? controls::kKeyUp : controls::kKeyDown);
            break;
        case Verb::Spin:
            controls::userSpin(static_cast<controls::SpinButton&>(*control), up);
            break;
        case Verb::Click:
            controls::userClick(*control);
            break;
        case Verb::Hover:
            controls::userHover(*control);
            break;
        default:
            break;
    }
}

}  // namespace scenario
