// A single-line text box that behaves as a native one does towards its handlers: a different
// text raises the change event before the write returns, the same text raises nothing, and a
// program write leaves the caret at 0. Positions and lengths count characters, not bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/control.h"

namespace controls {

class TextBox : public Control {
  public:
    TextBox(std::string name, Control* container, Rect geometry, std::string text, int maxLength);

    const std::string& text() const { return text_; }
    // A program write: no length limit applies, and a different text raises the change event.
    void setText(std::string text);
    int length() const;  // in characters

    // 0 means no limit; only typed characters are held to it.
    int maxLength() const { return maxLength_; }

    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    // The caret moves to start (cut at the end of the text) and the selection is dropped.
    void setSelStart(int start);
    void setSelection(int start, int length);
    void selectAll() { setSelection(0, length()); }

    // User edits; each returns whether the text changed (the change event has then run).
    bool insertTyped(std::string_view characters);  // replaces the selection, within maxLength
    bool backspace();
    bool deleteForward();
    bool paste(std::string_view text);  // replaces everything, no length limit
    // A paste from the clipboard: its first line replaces the selection, cut to the room the
    // maximum length leaves, and the caret follows it.
    bool pasteOverSelection(std::string_view text);

    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(std::int16_t& keyCode, std::int16_t shift)> onKeyDown;

  private:
    // Replaces the text and places the caret, then raises the change event if it differs.
    bool edit(std::string text, int caret);

    std::string text_;
    int maxLength_;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace controls
