#include "controls/userinput.h"

namespace controls {
namespace {

bool acceptsInput(const Control& control) {
    return control.reachable() && control.window() != nullptr;
}

// A key or paste focuses its box as a click would, and edits only if the focus stays there.
template <class Edit>
bool inFocusedBox(TextBox& box, Edit&& edit) {
    if (!acceptsInput(box)) return false;
    return box.window()->gate().run([&] {
        box.window()->setFocus(box);
        if (box.window()->focused() == &box) edit();
    });
}

}  // namespace

bool accepts(const Control& control, Action action) {
    const Kind kind = control.kind();
    switch (action) {
        case Action::Focus:
            if (kind == Kind::Label) return static_cast<const Label&>(control).link();
            return kind == Kind::TextBox || kind == Kind::OptionButton ||
                   kind == Kind::CommandButton || kind == Kind::SpinButton;
        case Action::Type:
        case Action::Paste:
        case Action::KeyDown:
            return kind == Kind::TextBox;
        case Action::Spin:
            return kind == Kind::SpinButton;
        case Action::Click:
            return kind == Kind::CommandButton || kind == Kind::OptionButton ||
                   kind == Kind::Label || kind == Kind::Frame || kind == Kind::Window;
        case Action::Hover:
            return kind != Kind::Timer;
    }
    return false;
}

bool userFocus(Control& control) {
    if (!acceptsInput(control)) return false;
    return control.window()->gate().run([&] { control.window()->setFocus(control); });
}

bool userType(TextBox& box, std::int16_t keyAscii) {
    return inFocusedBox(box, [&] {
        Window& window = *box.window();
        std::int16_t code = keyAscii;
        if (window.onKeyPress) window.onKeyPress(code);
        if (code == 0 || window.gate().ended()) return;
        if (code == kBackspace) {
            box.backspace();
        } else if (code >= 32 && code < 127) {
            const char c = static_cast<char>(code);
            box.insertTyped(std::string_view(&c, 1));
        }
    });
}

bool userKeyPress(Window& window, std::int16_t keyAscii) {
    return window.gate().run([&] {
        std::int16_t code = keyAscii;
        if (window.onKeyPress) window.onKeyPress(code);
    });
}

bool userDelete(TextBox& box) {
    return inFocusedBox(box, [&] { box.deleteForward(); });
}

bool userKeyDown(TextBox& box, std::int16_t keyCode) {
    return inFocusedBox(box, [&] {
        std::int16_t code = keyCode;
        if (box.onKeyDown) box.onKeyDown(code, 0);
    });
}

bool userPaste(TextBox& box, std::string_view text) {
    if (box.window() == nullptr) return false;
    return box.window()->gate().run([&] { box.paste(text); });
}

bool userPasteOverSelection(TextBox& box, std::string_view text) {
    return inFocusedBox(box, [&] { box.pasteOverSelection(text); });
}

bool userSelect(TextBox& box, int start, int length) {
    if (box.window() == nullptr) return false;
    return box.window()->gate().run([&] { box.setSelection(start, length); });
}

bool userMove(Window& window, int left, int top) {
    return window.gate().run([&] { window.move(left, top); });
}

bool userClick(Control& control) {
    if (!accepts(control, Action::Click)) return false;
    if (control.kind() != Kind::Window && !acceptsInput(control)) return false;
    return control.window()->gate().run([&] {
        if (control.kind() == Kind::OptionButton)
            static_cast<OptionButton&>(control).setValue(true);
        if (control.onClick) control.onClick();
    });
}

bool userSpin(SpinButton& spin, bool up) {
    if (!acceptsInput(spin)) return false;
    return spin.window()->gate().run([&] {
        auto& handler = up ? spin.onSpinUp : spin.onSpinDown;
        if (handler) handler();
    });
}

bool userHover(Control& control) {
    if (!accepts(control, Action::Hover) || control.window() == nullptr) return false;
    return control.window()->gate().run([&] {
        if (control.onMouseMove) control.onMouseMove();
    });
}

bool userTick(Timer& timer) {
    if (timer.window() == nullptr || !timer.enabled()) return false;
    return timer.window()->gate().tick([&] {
        if (timer.onTimer) timer.onTimer();
    });
}

}  // namespace controls
