// Splits one scenario line into words and quoted texts, and writes a text back the same way for
// the runner's messages, so that a failure can be pasted into a scenario file unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scenario {

struct Token {
    bool quoted = false;  // a TEXT in double quotes, its escapes resolved
    std::string text;
    friend bool operator==(const Token&, const Token&) = default;
};

struct Tokens {
    std::vector<Token> tokens;
    std::string error;  // empty when the line could be split
};

// Blanks (space or tab) separate words; a trailing carriage return is dropped. A line that is
// blank or starts with "#" gives no tokens.
Tokens tokenize(std::string_view line);

// The text in double quotes with \n \r \t \b \" and \\ escaped.
std::string quote(std::string_view text);
// A whole number as a word, whatever the locale.
std::string wholeNumber(long long value);

}  // namespace scenario
