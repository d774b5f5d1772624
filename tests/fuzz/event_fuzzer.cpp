// Drives the main window and the About window with whatever a person might do, in the scenario
// grammar, and after every action checks what must hold whatever they did: finite quantities,
// no "nan" or "inf" on screen, no exponent where only masks write, only the calculator's own
// message boxes, one About window at most, and no tick inside another handler.
//
// Input: the first byte chooses the mode, the rest is scenario text. An even first byte is a
// person at the keyboard and mouse; an odd one also lets `set` paste any text into any box,
// which the real window refuses, so that odd texts reach the handlers too. Every action line
// runs, expectations and lines that cannot be used are skipped. Three lines outside the grammar:
// `select CONTROL START LENGTH` moves the caret or selection, `delete CONTROL` presses Delete,
// and `repeat N` runs the last action N times more, so that a few bytes can type a number of
// three hundred digits or walk a spin button to the end of its ladder. To replay an input as a
// scenario file, drop its first byte and write out the repeats.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "about/aboutform.h"
#include "calc/messages.h"
#include "calc/state.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "scenario/controlcheck.h"
#include "scenario/lexer.h"
#include "scenario/parser.h"
#include "scenario/session.h"

namespace {

using controls::Kind;

// Enough for every scenario file and a few long repeats; more only repeats what fewer reach.
constexpr int kMaxActionsPerInput = 2000;
constexpr int kMaxRepeat = 400;
// Ticks are cheap but repetitive: a few in a row show whatever the next one would.
constexpr int kMaxTicksPerLine = 8;

struct Tally {
    unsigned long long inputs = 0;
    unsigned long long actions = 0;
};
Tally tally;

void printTally() {
    const std::string line =
        "event fuzzer: " + scenario::wholeNumber(static_cast<long long>(tally.actions)) +
        " actions in " + scenario::wholeNumber(static_cast<long long>(tally.inputs)) + " inputs\n";
    std::fputs(line.c_str(), stderr);
    // Several processes (libFuzzer's -fork) add their counts to one file.
    if (const char* path = std::getenv("QUELLORA_EVENT_FUZZ_TALLY")) {
        if (std::FILE* file = std::fopen(path, "a")) {
            const std::string counts =
                scenario::wholeNumber(static_cast<long long>(tally.actions)) + ' ' +
                scenario::wholeNumber(static_cast<long long>(tally.inputs)) + '\n';
            std::fputs(counts.c_str(), file);
            std::fclose(file);
        }
    }
}

[[noreturn]] void violated(std::string_view what, std::string_view detail = {}) {
    const std::string line = "event fuzzer: invariant violated: " + std::string(what) +
                             (detail.empty() ? "" : ": " + std::string(detail)) + '\n';
    std::fputs(line.c_str(), stderr);
    std::abort();
}

struct AllowedMessage {
    std::string_view text;
    std::string_view title;
    controls::MessageStyle style;
};

// Every box the calculator shows, with the title and icon it shows it with.
constexpr AllowedMessage kAllowedMessages[] = {
    {calc::kRangeMessage, calc::kAppTitle, controls::MessageStyle::Exclamation},
    {calc::kRangeMessage, calc::kOutOfRangeTitle, controls::MessageStyle::Exclamation},
    {calc::kRangeMessageAlt, calc::kAppTitle, controls::MessageStyle::Exclamation},
    {calc::kRangeMessageAlt, calc::kOutOfRangeTitle, controls::MessageStyle::Exclamation},
    {calc::kPowerFactorMessage, calc::kAppTitle, controls::MessageStyle::Information},
    {calc::kImpedanceMessage, calc::kImpedanceTitle, controls::MessageStyle::Information},
};

bool allowed(const scenario::Message& message) {
    return std::any_of(std::begin(kAllowedMessages), std::end(kAllowedMessages),
                       [&](const AllowedMessage& a) {
                           return a.text == message.text && a.title == message.title &&
                                  static_cast<int>(a.style) == message.style;
                       });
}

bool containsNoCase(std::string_view text, std::string_view word) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [&](char a, char b) { return lower(a) == b; }) != text.end();
}

bool showsNotANumber(std::string_view text) {
    return containsNoCase(text, "nan") || containsNoCase(text, "inf");
}

// What an infinity becomes on its way to the screen: the largest double, 1.79769313486232E+308
// at 15 digits, which no typed number comes near. In a box a person types into, only the forms
// no one can type count: grouped by "," or with an exponent.
bool showsLargestDouble(std::string_view text, bool typedInto) {
    return text.find("179,769,313,486,23") != std::string_view::npos ||
           text.find("1.79769313486232E+308") != std::string_view::npos ||
           (!typedInto && (text.find("17976931348623") != std::string_view::npos ||
                           text.find("1.79769313486") != std::string_view::npos));
}

bool hasExponent(std::string_view text, bool negativeAllowed) {
    return text.find("E+") != std::string_view::npos ||
           (!negativeAllowed && text.find("E-") != std::string_view::npos);
}

// The kinds a person can aim each action at, as the input layer and the scenario runner accept
// them.
bool applies(scenario::Verb verb, Kind kind) {
    if (verb == scenario::Verb::Tick) return true;
    const auto action = scenario::actionOf(verb);
    return action && controls::accepts(kind, *action);
}

int smallNumber(std::string_view word) {
    int value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc{} || result.ptr != word.data() + word.size()) return 0;
    return std::clamp(value, -2, 1000);
}

class Run {
  public:
    explicit Run(bool pasting) : pasting_(pasting) {
        MainForm& form = session_.form();
        controls::EventGate& gate = form.Form.gate();
        for (controls::Timer* timer : {&form.Timer1, &form.Timer2}) {
            timer->onTimer = [&gate, tick = std::move(timer->onTimer)] {
                if (gate.depth() != 1) violated("a tick ran inside another handler");
                tick();
            };
        }
        // A modal box: timers fire on screen meanwhile, and the gate must turn them away.
        session_.desktop().whileOpen = [&form, &gate](const scenario::Message& message) {
            if (gate.depth() == 0) violated("a message box outside any handler", message.text);
            controls::Timer& running = form.Timer1.enabled() ? form.Timer1 : form.Timer2;
            if (controls::userTick(running)) violated("a tick ran under a message box");
        };
    }

    void runLine(std::string_view line, int lineNumber) {
        if (const int times = repeatCount(line); times > 0) {
            for (int i = 0; i < times && !exhausted() && !lastAction_.empty(); ++i) {
                runAction(lastAction_, lineNumber);
            }
            return;
        }
        if (runAction(line, lineNumber)) lastAction_ = line;
    }

    bool exhausted() const { return actions_ >= kMaxActionsPerInput; }

  private:
    static int repeatCount(std::string_view line) {
        const scenario::Tokens tokens = scenario::tokenize(line);
        const std::vector<scenario::Token>& t = tokens.tokens;
        if (!tokens.error.empty() || t.size() != 2 || t[0].quoted || t[0].text != "repeat") {
            return 0;
        }
        return std::clamp(smallNumber(t[1].text), 0, kMaxRepeat);
    }

    // Returns whether the line was an action that could run.
    bool runAction(std::string_view line, int lineNumber) {
        if (runExtra(line)) return true;
        scenario::LineResult parsed = scenario::parseLine(line, lineNumber);
        if (!parsed.isCommand || !scenario::isAction(parsed.command.verb)) return false;
        scenario::Command& command = parsed.command;
        if (command.verb == scenario::Verb::Set && !pasting_) return false;
        int count = 1;
        if (command.verb == scenario::Verb::Tick) {
            command.numbers.at(0) = std::min(command.numbers.at(0), kMaxTicksPerLine);
            count = command.numbers[0];
        } else {
            const controls::Control* control = find(command.control);
            if (control == nullptr || !applies(command.verb, control->kind())) return false;
        }
        session_.run(command);
        if (command.verb == scenario::Verb::Set) {
            pasted_[textBox(command.control.name)] = command.text;
        }
        countAndCheck(count);
        return true;
    }

    // The About window's controls exist only while it is open.
    const controls::Control* find(const scenario::ControlRef& ref) {
        if (!ref.about) return session_.form().Form.find(ref.name);
        const AboutForm* about = session_.form().about();
        return about != nullptr ? about->Form.find(ref.name) : nullptr;
    }

    controls::TextBox* textBox(std::string_view name) {
        controls::Control* control = session_.form().Form.find(name);
        if (control == nullptr || control->kind() != Kind::TextBox) return nullptr;
        return static_cast<controls::TextBox*>(control);
    }

    // The caret moved by mouse or arrow keys (which focus the box first), and the Delete key.
    bool runExtra(std::string_view line) {
        const scenario::Tokens tokens = scenario::tokenize(line);
        const std::vector<scenario::Token>& t = tokens.tokens;
        if (!tokens.error.empty() || t.empty() || t[0].quoted) return false;
        if (t[0].text == "select" && t.size() == 4) {
            controls::TextBox* box = textBox(t[1].text);
            if (box == nullptr) return false;
            if (controls::userFocus(*box) && box->window()->focused() == box) {
                controls::userSelect(*box, smallNumber(t[2].text), smallNumber(t[3].text));
            }
        } else if (t[0].text == "delete" && t.size() == 2) {
            controls::TextBox* box = textBox(t[1].text);
            if (box == nullptr) return false;
            controls::userDelete(*box);
        } else {
            return false;
        }
        countAndCheck(1);
        return true;
    }

    void countAndCheck(int count) {
        actions_ += count;
        tally.actions += static_cast<unsigned long long>(count);
        check();
    }

    void check() {
        MainForm& form = session_.form();
        if (form.Form.gate().depth() != 0) violated("a handler did not return");
        calc::forEachVariable(form.state, [](std::string_view name, calc::VariableRef ref) {
            if (auto* d = std::get_if<double*>(&ref); d != nullptr && !std::isfinite(**d)) {
                violated("a quantity is not finite", name);
            }
            if (auto* f = std::get_if<float*>(&ref); f != nullptr && !std::isfinite(**f)) {
                violated("a quantity is not finite", name);
            }
        });
        checkTexts(form);
        checkMessages();
        checkAboutWindows(form);
    }

    void checkTexts(MainForm& form) {
        for (const controls::TextBox* box :
             {&form.V, &form.A, &form.W, &form.Factor, &form.V2, &form.Imped}) {
            // A pasted "inf" is the person's own text; the box may have cleaned it of invalid
            // characters, and the handlers leave unusable texts as they stand.
            const auto put = pasted_.find(box);
            if (put != pasted_.end() && showsNotANumber(put->second)) continue;
            if (showsNotANumber(box->text())) violated("shows not a number", box->name());
        }
        for (const controls::Label* label :
             {&form.A1, &form.A2, &form.A2M, &form.Fault, &form.Label6, &form.Wzor}) {
            if (showsNotANumber(label->caption())) violated("shows not a number", label->name());
        }
        if (pasting_) return;
        // Only masks write these; the general text of a tiny voltage or current (a phase
        // switch, the current spin's smallest step) is written as "9E-07" by design.
        struct Shown {
            const std::string& text;
            const std::string& name;
            bool tinyAllowed;
            bool typedInto;
        };
        const Shown shown[] = {
            {form.V.text(), form.V.name(), true, true},
            {form.A.text(), form.A.name(), true, true},
            {form.V2.text(), form.V2.name(), true, true},
            {form.W.text(), form.W.name(), false, true},
            {form.Factor.text(), form.Factor.name(), false, true},
            {form.A1.caption(), form.A1.name(), false, false},
            {form.A2.caption(), form.A2.name(), false, false},
            {form.A2M.caption(), form.A2M.name(), false, false},
            {form.Fault.caption(), form.Fault.name(), false, false},
        };
        for (const Shown& s : shown) {
            if (hasExponent(s.text, s.tinyAllowed))
                violated("shows an exponent", s.name + " " + s.text);
            if (showsLargestDouble(s.text, s.typedInto))
                violated("shows an infinity as a number", s.name + " " + s.text);
        }
        if (showsLargestDouble(form.Imped.text(), true) ||
            showsLargestDouble(form.Label6.caption(), false)) {
            violated("shows an infinity as a number", "Imped or Label6");
        }
    }

    void checkMessages() {
        const std::vector<scenario::Message>& messages = session_.desktop().messages;
        for (; messagesSeen_ < messages.size(); ++messagesSeen_) {
            const scenario::Message& m = messages[messagesSeen_];
            if (!allowed(m))
                violated("a message box the calculator never shows", m.text + " / " + m.title);
        }
    }

    // The windows shown and unloaded since the last check, in that order: one action never
    // opens and closes the same About window.
    void checkAboutWindows(MainForm& form) {
        const scenario::RecordingDesktop& desktop = session_.desktop();
        for (; shownSeen_ < desktop.shownWindows.size(); ++shownSeen_) {
            controls::Window* window = desktop.shownWindows[shownSeen_];
            if (window != &form.Form &&
                std::find(openAbout_.begin(), openAbout_.end(), window) == openAbout_.end()) {
                openAbout_.push_back(window);
            }
        }
        for (; unloadedSeen_ < desktop.unloadedWindows.size(); ++unloadedSeen_) {
            std::erase(openAbout_, desktop.unloadedWindows[unloadedSeen_]);
        }
        if (openAbout_.size() > 1) violated("more than one About window");
        const AboutForm* about = form.about();
        const bool consistent =
            about == nullptr
                ? openAbout_.empty()
                : openAbout_.size() == 1 && openAbout_[0] == &about->Form && about->Form.shown();
        if (!consistent)
            violated("the About window on screen is not the one the main window holds");
    }

    scenario::Session session_;
    bool pasting_;
    int actions_ = 0;
    std::map<const controls::TextBox*, std::string> pasted_;
    std::size_t messagesSeen_ = 0;
    std::size_t shownSeen_ = 0;
    std::size_t unloadedSeen_ = 0;
    std::vector<controls::Window*> openAbout_;
    std::string lastAction_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::atexit(printTally);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    ++tally.inputs;
    Run run((data[0] & 1) != 0);
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    int lineNumber = 0;
    while (!text.empty() && !run.exhausted()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        run.runLine(line, ++lineNumber);
    }
    return 0;
}
