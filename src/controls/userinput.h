// The one way in for what a person does. The Qt binding, the scenario runner and the fuzzer
// all call these, so that each action passes the window's event gate and the key preview
// exactly as it would on screen. Each returns false when the gate refused the event.
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

// What a person can do to a control. The one table of which controls accept which action, read by
// these functions, the focus rules, the Qt binding, the scenario runner's checks and the event
// fuzzer. Of the labels only links take the focus.
enum class Action { Focus, Type, Paste, KeyDown, Spin, Click, Hover };
bool accepts(const Control& control, Action action);

// A click or the Tab key moves the focus.
bool userFocus(Control& control);
// Focuses the box, then passes the character code through the key preview; what the preview
// lets through is typed: Backspace (8) deletes, a printable character is inserted.
bool userType(TextBox& box, std::int16_t keyAscii);
// A character typed while a button, an option or no control has the focus: only the key
// preview sees it, since there is nothing to edit.
bool userKeyPress(Window& window, std::int16_t keyAscii);
// The Delete key: no character is typed, so the key preview never sees it.
bool userDelete(TextBox& box);
// A key goes down in the focused box (Up 38, Down 40, ...).
bool userKeyDown(TextBox& box, std::int16_t keyCode);
// A paste replacing the whole text, bypassing the key preview.
bool userPaste(TextBox& box, std::string_view text);
// The clipboard pasted into the box over its selection, bypassing the key preview.
bool userPasteOverSelection(TextBox& box, std::string_view text);
// The caret or selection moved by the arrow keys or the mouse: no event.
bool userSelect(TextBox& box, int start, int length);
// The window dragged to a new place on the screen (twips): no event.
bool userMove(Window& window, int left, int top);
// A click on a command button, option button, label, frame or window background.
bool userClick(Control& control);
bool userSpin(SpinButton& spin, bool up);
bool userHover(Control& control);
// Skipped while another handler runs.
bool userTick(Timer& timer);

}  // namespace controls
