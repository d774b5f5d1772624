#include "scenario/lexer.h"

#include <charconv>

namespace scenario {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The character an escape stands for, or 0 for an escape the grammar does not know.
char unescaped(char c) {
    switch (c) {
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'b':
            return '\b';
        case '"':
            return '"';
        case '\\':
            return '\\';
        default:
            return 0;
    }
}

}  // namespace

Tokens tokenize(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    Tokens result;
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i])) ++i;
    if (i < line.size() && line[i] == '#') return result;

    while (i < line.size()) {
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    token.text += c;
                    continue;
                }
                if (i == line.size()) break;
                const char escape = line[i++];
                const char value = unescaped(escape);
                if (value == 0) {
                    result.error = std::string("unknown escape \\") + escape + " in a text";
                    return result;
                }
                token.text += value;
            }
            if (!closed) {
                result.error = "text without its closing quote";
                return result;
            }
            if (i < line.size() && !isBlank(line[i])) {
                result.error = "a blank must follow the closing quote of a text";
                return result;
            }
        } else {
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"') {
                    result.error = "a quote inside a word; a text starts after a blank";
                    return result;
                }
                token.text += line[i++];
            }
        }
        result.tokens.push_back(std::move(token));
        while (i < line.size() && isBlank(line[i])) ++i;
    }
    return result;
}

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    out += '"';
    return out;
}

std::string wholeNumber(long long value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

}  // namespace scenario
