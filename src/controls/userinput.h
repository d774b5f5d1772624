// The one way in for what a person does, shared by the Qt binding, the scenario runner and the
// fuzzer so that each action passes the event gate and the key preview as it would on screen.
// Each returns false when the event was refused.
#pragma once

#include <cstdint>
#include <string_view>

#include "controls/control.h"
#include "controls/textbox.h"
#include "controls/window.h"

namespace controls {

inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyDown = 40;
inline constexpr std::int16_t kBackspace = 8;

// Which controls accept which action: the one table for everything acting for a person.
enum class Action { Focus, Type, Paste, KeyDown, Spin, Click, Hover };
bool accepts(const Control& control, Action action);

bool userFocus(Control& control);  // a click or the Tab key
// Focuses the box; what the key preview lets through is typed (Backspace deletes).
bool userType(TextBox& box, std::int16_t keyAscii);
// Typed with no box focused: only the key preview sees it.
bool userKeyPress(Window& window, std::int16_t keyAscii);
// The Delete key types no character, so the key preview never sees it.
bool userDelete(TextBox& box);
bool userKeyDown(TextBox& box, std::int16_t keyCode);
// Pastes bypass the key preview; this one replaces the whole text.
bool userPaste(TextBox& box, std::string_view text);
bool userPasteOverSelection(TextBox& box, std::string_view text);
// The caret moved, or the window dragged: no event.
bool userSelect(TextBox& box, int start, int length);
bool userMove(Window& window, int left, int top);
bool userClick(Control& control);
bool userSpin(SpinButton& spin, bool up);
bool userHover(Control& control);
bool userTick(Timer& timer);  // skipped while another handler runs

}  // namespace controls
