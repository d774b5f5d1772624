#include "controls/textbox.h"

#include <algorithm>

namespace controls {

TextBox::TextBox(std::string name, Control* container, Rect geometry, std::string text,
                 int maxLength)
    : Control(Kind::TextBox, std::move(name), container, geometry),
      text_(utf8::sanitize(text)),
      maxLength_(maxLength) {}

bool TextBox::edit(std::string text, int caret) {
    if (text == text_) return false;
    text_ = std::move(text);
    selStart_ = std::clamp(caret, 0, length());
    selLength_ = 0;
    notify(Property::Text);
    if (onChange) onChange();
    return true;
}

void TextBox::setSelection(int start, int length) {
    const int size = this->length();
    const int newStart = std::clamp(start, 0, size);
    const int newLength = std::clamp(length, 0, size - newStart);
    if (newStart == selStart_ && newLength == selLength_) return;
    selStart_ = newStart;
    selLength_ = newLength;
    notify(Property::Selection);
}

std::string TextBox::spliced(int from, int to, std::string_view with) const {
    std::string next = text_.substr(0, utf8::offset(text_, from));
    return next.append(with).append(text_.substr(utf8::offset(text_, to)));
}

bool TextBox::insertTyped(std::string_view characters) {
    const std::string typed = utf8::sanitize(characters);
    const int typedLength = utf8::length(typed);
    if (maxLength_ > 0 && length() - selLength_ + typedLength > maxLength_) return false;
    return edit(spliced(selStart_, selStart_ + selLength_, typed), selStart_ + typedLength);
}

bool TextBox::backspace() {
    if (selLength_ == 0 && selStart_ == 0) return false;
    const int from = selLength_ > 0 ? selStart_ : selStart_ - 1;
    return edit(spliced(from, selStart_ + selLength_, ""), from);
}

bool TextBox::deleteForward() {
    if (selLength_ == 0 && selStart_ >= length()) return false;
    return edit(spliced(selStart_, selStart_ + std::max(selLength_, 1), ""), selStart_);
}

bool TextBox::paste(std::string_view text) {
    std::string next = utf8::sanitize(text);
    const int end = utf8::length(next);
    return edit(std::move(next), end);
}

bool TextBox::pasteOverSelection(std::string_view text) {
    std::string clip = utf8::sanitize(text.substr(0, text.find_first_of("\r\n")));
    int clipLength = utf8::length(clip);
    if (maxLength_ > 0) {
        clipLength = std::clamp(maxLength_ - (length() - selLength_), 0, clipLength);
        clip.resize(utf8::offset(clip, clipLength));
    }
    return edit(spliced(selStart_, selStart_ + selLength_, clip), selStart_ + clipLength);
}

}  // namespace controls
