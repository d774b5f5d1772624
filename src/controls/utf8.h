// Text boxes count characters as a person sees them; texts are held as UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace controls::utf8 {

// Replaces every byte that is not part of a well-formed sequence with U+FFFD.
std::string sanitize(std::string_view text);
int length(std::string_view text);  // of well-formed text
// Of the character at index, or the end of the text.
std::size_t offset(std::string_view text, int index);

}  // namespace controls::utf8
