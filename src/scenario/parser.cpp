#include "scenario/parser.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>
#include <variant>

#include "calc/state.h"
#include "scenario/lexer.h"

namespace scenario {
namespace {

// More ticks than any scenario needs; a typo such as "tick 1000000000" would otherwise hang.
constexpr int kMaxTicks = 1'000'000;
constexpr int kMaxCount = std::numeric_limits<int>::max();

struct PropertyName {
    std::string_view word;
    Property property;
};

constexpr PropertyName kProperties[] = {
    {"text", Property::Text},           {"caption", Property::Caption},
    {"enabled", Property::Enabled},     {"visible", Property::Visible},
    {"tabstop", Property::TabStop},     {"value", Property::Value},
    {"selection", Property::Selection}, {"color", Property::Color},
};

std::string_view propertyWord(Property property) {
    for (const PropertyName& entry : kProperties) {
        if (entry.property == property) return entry.word;
    }
    return "?";
}

// A failed parse carries its reason; the parsing functions below stop at the first one.
class LineParser {
  public:
    LineParser(std::vector<Token> tokens, int lineNumber) : tokens_(std::move(tokens)) {
        command_.line = lineNumber;
    }

    LineResult parse() {
        const std::string verb = word("a command");
        if (failed()) return result();
        if (verb == "tick") {
            command_.verb = Verb::Tick;
            command_.numbers = {atEnd() ? 1 : integer("the number of ticks", 0, kMaxTicks)};
        } else if (verb == "focus" || verb == "click" || verb == "hover") {
            command_.verb = verb == "focus"   ? Verb::Focus
                            : verb == "click" ? Verb::Click
                                              : Verb::Hover;
            command_.control = control(word("a control"));
        } else if (verb == "type" || verb == "set") {
            command_.verb = verb == "type" ? Verb::Type : Verb::Set;
            command_.control = control(word("a control"));
            command_.text = text("the text to " + verb);
        } else if (verb == "key" || verb == "spin") {
            command_.verb = verb == "key" ? Verb::Key : Verb::Spin;
            command_.control = control(word("a control"));
            command_.numbers = {choice("up", "down")};
        } else if (verb == "expect") {
            expectation();
        } else {
            fail("unknown command " + quote(verb));
        }
        if (!failed() && !atEnd()) fail("more than the command takes: " + describeToken(next()));
        return result();
    }

  private:
    void expectation() {
        const std::string subject = word("what to expect");
        if (failed()) return;
        if (subject == "focus") {
            command_.verb = Verb::ExpectFocus;
            const std::string name = word("a control or none");
            if (name != "none") command_.control = control(name);
        } else if (subject == "timers") {
            command_.verb = Verb::ExpectTimers;
            const int timer1 = choice("on", "off");
            command_.numbers = {timer1, choice("on", "off")};
        } else if (subject == "window") {
            command_.verb = Verb::ExpectWindow;
            const int width = integer("the window width", 0, kMaxCount);
            command_.numbers = {width, integer("the window height", 0, kMaxCount)};
        } else if (subject == "var") {
            command_.verb = Verb::ExpectVar;
            command_.text = word("a variable name");
            command_.detail = word("a number");
            if (!failed()) checkVariable();
        } else if (subject == "message") {
            command_.verb = Verb::ExpectMessage;
            command_.text = text("the message text");
            command_.detail = text("the message title");
            command_.numbers = {integer("the message style", 0, kMaxCount)};
        } else if (subject == "no-message") {
            command_.verb = Verb::ExpectNoMessage;
        } else if (subject == "beeps") {
            command_.verb = Verb::ExpectBeeps;
            command_.numbers = {integer("the number of beeps", 0, kMaxCount)};
        } else if (subject == "opened") {
            command_.verb = Verb::ExpectOpened;
            command_.text = text("the address");
        } else if (subject == "about") {
            command_.verb = Verb::ExpectAbout;
            command_.numbers = {choice("open", "closed")};
        } else if (subject == "ended") {
            command_.verb = Verb::ExpectEnded;
        } else {
            propertyExpectation(subject);
        }
    }

    void propertyExpectation(const std::string& subject) {
        command_.verb = Verb::ExpectProperty;
        const std::size_t dot = subject.rfind('.');
        if (dot == std::string::npos) {
            fail("unknown expectation " + quote(subject) + " (a property is written CONTROL.NAME)");
            return;
        }
        const std::string_view name = std::string_view(subject).substr(dot + 1);
        bool known = false;
        for (const PropertyName& entry : kProperties) {
            if (entry.word == name) {
                command_.property = entry.property;
                known = true;
            }
        }
        if (!known) {
            fail("unknown property " + quote(name));
            return;
        }
        command_.control = control(subject.substr(0, dot));
        switch (command_.property) {
            case Property::Text:
            case Property::Caption:
                command_.text = text("the expected " + std::string(name));
                break;
            case Property::Enabled:
            case Property::Visible:
            case Property::TabStop:
            case Property::Value:
                command_.numbers = {choice("true", "false")};
                break;
            case Property::Selection: {
                const int start = integer("the selection start", 0, kMaxCount);
                command_.numbers = {start, integer("the selection length", 0, kMaxCount)};
                break;
            }
            case Property::Color: {
                const int red = integer("red", 0, 255);
                const int green = integer("green", 0, 255);
                command_.numbers = {red, green, integer("blue", 0, 255)};
                break;
            }
        }
    }

    // The number is read as the variable's own type when the expectation runs; here it must be
    // a plain decimal, and a whole number within range for the 16-bit variables.
    void checkVariable() {
        calc::CalcState probe;
        const calc::VariableRef ref = calc::findVariable(probe, command_.text);
        if (std::holds_alternative<std::monostate>(ref)) {
            fail("unknown variable " + quote(command_.text));
        } else if (std::holds_alternative<std::int16_t*>(ref)) {
            int value = 0;
            if (!readInt(command_.detail, value) ||
                value < std::numeric_limits<std::int16_t>::min() ||
                value > std::numeric_limits<std::int16_t>::max()) {
                fail(command_.text + " is a 16-bit whole number; " + quote(command_.detail) +
                     " is not one");
            }
        } else if (!isDecimal(command_.detail)) {
            fail(quote(command_.detail) + " is not a decimal number");
        }
    }

    static bool readInt(std::string_view word, int& value) {
        const char* end = word.data() + word.size();
        const auto [ptr, ec] = std::from_chars(word.data(), end, value);
        return ec == std::errc() && ptr == end && !word.empty();
    }

    // Optional sign, digits with an optional point (a digit on at least one side), optional
    // exponent.
    static bool isDecimal(std::string_view word) {
        std::size_t i = 0;
        auto digits = [&] {
            const std::size_t from = i;
            while (i < word.size() && word[i] >= '0' && word[i] <= '9') ++i;
            return i - from;
        };
        if (i < word.size() && (word[i] == '-' || word[i] == '+')) ++i;
        std::size_t mantissa = digits();
        if (i < word.size() && word[i] == '.') {
            ++i;
            mantissa += digits();
        }
        if (mantissa == 0) return false;
        if (i < word.size() && (word[i] == 'e' || word[i] == 'E')) {
            ++i;
            if (i < word.size() && (word[i] == '-' || word[i] == '+')) ++i;
            if (digits() == 0) return false;
        }
        return i == word.size();
    }

    ControlRef control(const std::string& word) {
        ControlRef ref;
        if (failed()) return ref;
        constexpr std::string_view kAbout = "About.";
        if (word.starts_with(kAbout)) {
            ref.about = true;
            ref.name = word.substr(kAbout.size());
        } else {
            ref.name = word;
        }
        if (ref.name.empty()) fail("a control name is missing");
        return ref;
    }

    std::string word(const std::string& what) {
        if (failed()) return {};
        if (atEnd()) {
            fail(what + " is missing");
            return {};
        }
        const Token& token = next();
        if (token.quoted) {
            fail(what + " is written without quotes, not as " + quote(token.text));
            return {};
        }
        ++position_;
        return token.text;
    }

    std::string text(const std::string& what) {
        if (failed()) return {};
        if (atEnd()) {
            fail(what + " is missing");
            return {};
        }
        const Token& token = next();
        if (!token.quoted) {
            fail(what + " is written in double quotes, not as " + token.text);
            return {};
        }
        ++position_;
        return token.text;
    }

    int integer(const std::string& what, int min, int max) {
        const std::string written = word(what);
        if (failed()) return 0;
        int value = 0;
        if (!readInt(written, value) || value < min || value > max) {
            fail(what + " must be a whole number from " + wholeNumber(min) + " to " +
                 wholeNumber(max) + ", not " + written);
        }
        return value;
    }

    // 1 for the first word, 0 for the second.
    int choice(std::string_view first, std::string_view second) {
        const std::string written = word(std::string(first) + " or " + std::string(second));
        if (failed()) return 0;
        if (written == first) return 1;
        if (written != second) {
            fail("expected " + std::string(first) + " or " + std::string(second) + ", not " +
                 written);
        }
        return 0;
    }

    static std::string describeToken(const Token& token) {
        return token.quoted ? quote(token.text) : token.text;
    }

    bool atEnd() const { return position_ >= tokens_.size(); }
    const Token& next() const { return tokens_[position_]; }
    bool failed() const { return !error_.empty(); }
    void fail(std::string reason) {
        if (error_.empty()) error_ = std::move(reason);
    }

    LineResult result() const {
        LineResult out;
        out.isCommand = !failed();
        if (failed()) {
            out.error = error_;
        } else {
            out.command = command_;
        }
        return out;
    }

    std::vector<Token> tokens_;
    std::size_t position_ = 0;
    Command command_;
    std::string error_;
};

std::string controlWord(const ControlRef& ref) {
    return (ref.about ? "About." : "") + ref.name;
}

std::string flag(const Command& command, std::string_view yes, std::string_view no) {
    return std::string(!command.numbers.empty() && command.numbers[0] != 0 ? yes : no);
}

std::string numbersFrom(const Command& command, std::size_t first) {
    std::string out;
    for (std::size_t i = first; i < command.numbers.size(); ++i) {
        if (!out.empty()) out += ' ';
        out += wholeNumber(command.numbers[i]);
    }
    return out;
}

}  // namespace

LineResult parseLine(std::string_view line, int lineNumber) {
    Tokens tokens = tokenize(line);
    LineResult result;
    if (!tokens.error.empty()) {
        result.error = std::move(tokens.error);
        return result;
    }
    if (tokens.tokens.empty()) return result;
    return LineParser(std::move(tokens.tokens), lineNumber).parse();
}

ParsedScript parseScript(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

    ParsedScript script;
    bool ended = false;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);

        LineResult parsed = parseLine(line, lineNumber);
        if (!parsed.error.empty()) {
            script.problems.push_back({lineNumber, std::move(parsed.error)});
        } else if (parsed.isCommand) {
            if (ended && isAction(parsed.command.verb)) {
                script.problems.push_back(
                    {lineNumber, "only expectations may follow \"expect ended\""});
            }
            ended = ended || parsed.command.verb == Verb::ExpectEnded;
            script.commands.push_back(std::move(parsed.command));
        }
    }
    return script;
}

std::string describe(const Command& command) {
    const std::string control = controlWord(command.control);
    switch (command.verb) {
        case Verb::Tick:
            return "tick " + numbersFrom(command, 0);
        case Verb::Focus:
            return "focus " + control;
        case Verb::Type:
            return "type " + control + " " + quote(command.text);
        case Verb::Set:
            return "set " + control + " " + quote(command.text);
        case Verb::Key:
            return "key " + control + " " + flag(command, "up", "down");
        case Verb::Spin:
            return "spin " + control + " " + flag(command, "up", "down");
        case Verb::Click:
            return "click " + control;
        case Verb::Hover:
            return "hover " + control;
        case Verb::ExpectProperty: {
            std::string out =
                "expect " + control + "." + std::string(propertyWord(command.property));
            switch (command.property) {
                case Property::Text:
                case Property::Caption:
                    return out + " " + quote(command.text);
                case Property::Selection:
                case Property::Color:
                    return out + " " + numbersFrom(command, 0);
                default:
                    return out + " " + flag(command, "true", "false");
            }
        }
        case Verb::ExpectFocus:
            return "expect focus " + (command.control.name.empty() ? std::string("none") : control);
        case Verb::ExpectTimers: {
            const bool timer1 = command.numbers.size() == 2 && command.numbers[0] != 0;
            const bool timer2 = command.numbers.size() == 2 && command.numbers[1] != 0;
            return std::string("expect timers ") + (timer1 ? "on" : "off") + " " +
                   (timer2 ? "on" : "off");
        }
        case Verb::ExpectWindow:
            return "expect window " + numbersFrom(command, 0);
        case Verb::ExpectVar:
            return "expect var " + command.text + " " + command.detail;
        case Verb::ExpectMessage:
            return "expect message " + quote(command.text) + " " + quote(command.detail) + " " +
                   numbersFrom(command, 0);
        case Verb::ExpectNoMessage:
            return "expect no-message";
        case Verb::ExpectBeeps:
            return "expect beeps " + numbersFrom(command, 0);
        case Verb::ExpectOpened:
            return "expect opened " + quote(command.text);
        case Verb::ExpectAbout:
            return "expect about " + flag(command, "open", "closed");
        case Verb::ExpectEnded:
            return "expect ended";
    }
    return {};
}

}  // namespace scenario
