// Runs the scenario actions in the input and after each checks what must hold whatever a person
// does: every handler returned, quantities finite, no "nan", "inf", infinity or stray exponent
// shown, only the calculator's own message boxes, no tick inside a handler or under a box.
// An odd first byte also lets `set` paste any text; `repeat N` runs the last action N more times.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <unordered_map>

#include "calc/messages.h"
#include "calc/state.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "scenario/controlcheck.h"
#include "scenario/parser.h"
#include "scenario/session.h"

namespace {

using controls::MessageStyle;

constexpr int kMaxActions = 2000;
constexpr int kMaxRepeat = 400;
constexpr int kMaxTicksPerLine = 8;

[[noreturn]] void violated(std::string_view what, std::string_view detail) {
    std::cerr << "event fuzzer: invariant violated: " << what << ": " << detail << std::endl;
    std::abort();
}

// Only the calculator's own boxes, each with its own title and icon.
bool known(const scenario::Message& m) {
    const auto style = static_cast<MessageStyle>(m.style);
    if (m.text == calc::kRangeMessage || m.text == calc::kRangeMessageAlt)
        return (m.title == calc::kAppTitle || m.title == calc::kOutOfRangeTitle) &&
               style == MessageStyle::Exclamation;
    return style == MessageStyle::Information &&
           ((m.text == calc::kPowerFactorMessage && m.title == calc::kAppTitle) ||
            (m.text == calc::kImpedanceMessage && m.title == calc::kImpedanceTitle));
}

// An exponent, too, only a pasted text may hold (and Label6 its own).
bool showsNoNumber(std::string text, bool exponentAllowed) {
    const bool exponent = !exponentAllowed && text.find("E+") != std::string::npos;
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return exponent || text.find("nan") != std::string::npos ||
           text.find("inf") != std::string::npos;
}

// Whether the named control takes the action; checking builds a window, so once per line.
bool fits(std::string_view line, const scenario::Command& command) {
    static std::unordered_map<std::string, bool> checked;
    if (checked.size() > 100'000) checked.clear();
    const auto [it, isNew] = checked.try_emplace(std::string(line), false);
    if (isNew) it->second = scenario::checkControls({command}).empty();
    return it->second;
}

class Run {
  public:
    explicit Run(bool pasting) : pasting_(pasting) {
        MainForm& form = session_.form();
        controls::EventGate& gate = form.Form.gate();
        for (controls::Timer* timer : {&form.Timer1, &form.Timer2}) {
            timer->onTimer = [&gate, tick = std::move(timer->onTimer)] {
                if (gate.depth() != 1) violated("a tick ran inside another handler", "");
                tick();
            };
        }
        // A modal box: timers fire on screen meanwhile, and the gate must turn them away.
        session_.desktop().whileOpen = [&form](const scenario::Message& message) {
            controls::Timer& running = form.Timer1.enabled() ? form.Timer1 : form.Timer2;
            if (controls::userTick(running))
                violated("a tick ran under a message box", message.text);
        };
    }

    void runLine(std::string_view line, int number) {
        int times = 1;
        if (line.starts_with("repeat ")) {
            std::from_chars(line.data() + 7, line.data() + line.size(), times);
            line = last_;
        }
        scenario::LineResult parsed = scenario::parseLine(line, number);
        scenario::Command& command = parsed.command;
        if (!parsed.isCommand || !scenario::isAction(command.verb)) return;
        if (command.verb == scenario::Verb::Set && !pasting_) return;
        if (command.verb == scenario::Verb::Tick) {
            command.numbers.at(0) = std::min(command.numbers.at(0), kMaxTicksPerLine);
        } else if (!fits(line, command)) {
            return;
        }
        last_ = line;
        for (int i = 0; i < std::min(times, kMaxRepeat) && !exhausted(); ++i, ++actions_) {
            session_.run(command);
            check();
        }
    }

    bool exhausted() const { return actions_ >= kMaxActions; }

  private:
    void check() {
        MainForm& form = session_.form();
        if (form.Form.gate().depth() != 0) violated("a handler did not return", "");
        calc::forEachVariable(form.state, [](std::string_view name, auto* value) {
            if (!std::isfinite(static_cast<double>(*value)))
                violated("a quantity is not finite", name);
        });
        for (const controls::Label* label :
             {&form.A1, &form.A2, &form.A2M, &form.Fault, &form.Label6, &form.Wzor}) {
            const std::string& text = label->caption();
            if (showsNoNumber(text, label == &form.Label6) ||
                text.find("179,769,313,486,23") != std::string::npos)
                violated("shows no number", label->name() + " " + text);
        }
        for (const controls::TextBox* box :
             {&form.V, &form.A, &form.W, &form.Factor, &form.V2, &form.Imped})
            if (!pasting_ && showsNoNumber(box->text(), false))
                violated("shows no number", box->name() + " " + box->text());
        const auto& messages = session_.desktop().messages;
        for (; seen_ < messages.size(); ++seen_)
            if (!known(messages[seen_]))
                violated("a message box the calculator never shows", messages[seen_].text);
    }

    scenario::Session session_;
    bool pasting_;
    int actions_ = 0;
    std::size_t seen_ = 0;
    std::string last_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Run run((data[0] & 1) != 0);
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (int number = 1; !text.empty() && !run.exhausted(); ++number) {
        const std::size_t end = text.find('\n');
        run.runLine(text.substr(0, end), number);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return 0;
}
