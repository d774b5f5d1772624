#include "controls/utf8.h"

namespace controls::utf8 {
namespace {

// Length of the well-formed sequence at the start of text, or 0.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t need = 0;
    unsigned char lo = 0x80;
    unsigned char hi = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        if (lead == 0xE0) lo = 0xA0;  // no overlong forms
        if (lead == 0xED) hi = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        if (lead == 0xF0) lo = 0x90;
        if (lead == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (text.size() <= need) return 0;
    for (std::size_t i = 1; i <= need; ++i) {
        const unsigned char c = byte(i);
        if (c < (i == 1 ? lo : 0x80) || c > (i == 1 ? hi : 0xBF)) return 0;
    }
    return need + 1;
}

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string sanitize(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t n = sequenceLength(text);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, n));
            text.remove_prefix(n);
        }
    }
    return out;
}

int length(std::string_view text) {
    int count = 0;
    for (char c : text) {
        if (!isContinuation(c)) ++count;
    }
    return count;
}

std::size_t offset(std::string_view text, int index) {
    std::size_t i = 0;
    for (int seen = 0; i < text.size(); ++i) {
        if (!isContinuation(text[i])) {
            if (seen == index) return i;
            ++seen;
        }
    }
    return text.size();
}

}  // namespace controls::utf8
