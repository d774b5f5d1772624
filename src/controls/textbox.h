// A single-line text box that behaves as a native one does towards its handlers: a different
// text raises the change event before the write returns, the same text raises nothing, and a
// program write leaves the caret at 0. Positions and lengths count characters, not bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/control.h"
#include "controls/utf8.h"

namespace controls {

class TextBox : public Control {
  public:
    TextBox(std::string name, Control* container, Rect geometry, std::string text, int maxLength);

    const std::string& text() const { return text_; }
    // A program write: no length limit.
    void setText(std::string text) { edit(utf8::sanitize(text), 0); }
    int length() const { return utf8::length(text_); }

    // 0 means no limit; only typed characters are held to it.
    int maxLength() const { return maxLength_; }

    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int start) { setSelection(start, 0); }
    void setSelection(int start, int length);
    void selectAll() { setSelection(0, length()); }

    // User edits; each returns whether the text changed (and the change event ran).
    bool insertTyped(std::string_view characters);  // replaces the selection
    bool backspace();
    bool deleteForward();
    bool paste(std::string_view text);  // replaces everything, no length limit
    // The clipboard's first line replaces the selection, cut to the room maxLength leaves.
    bool pasteOverSelection(std::string_view text);

    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(std::int16_t& keyCode, std::int16_t shift)> onKeyDown;

  private:
    bool edit(std::string text, int caret);
    std::string spliced(int from, int to, std::string_view with) const;

    std::string text_;
    int maxLength_;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace controls
