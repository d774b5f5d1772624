// The entry fields: what a pasted or typed text leaves in the state record and on screen, what
// their focus handlers select, and their arrow keys; and the order of a tick's writes.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "fieldsfixture.h"

namespace {

constexpr bool kTypedAndLeft = true;

struct Case {
    const char* box;
    const char* text;
    bool typedAndLeft;  // else pasted, the field keeping the focus it had
    const char* shown;
    const char* variable;
    double value;
    int messages = 0;
    const char* other = nullptr;  // a control the change writes as well, and what it shows
    const char* otherShows = nullptr;
};

const Case kCases[] = {
    {"V", "13,800", false, "13,800", "Voltage", 13800},
    {"V", "1E6", false, "999,999", "Voltage", 999999, 1},
    {"V", "12a", false, "12a", "Voltage", 0, 0, "W", "0"},
    {"A", "0.8", false, "0.8", "Current", 0.8, 0, "A1", "1.00"},
    {"A", "79.9", false, "79.9", "Current", 79.9, 0, "A1", "99.88"},
    {"A", "1234", false, "1234", "Current", 1234, 0, "A1", "1,543"},
    {"A", "x", false, "x", "Power", 0, 0, "A1", "0."},
    {"W", "1000000000000", false, "999,999,999,999", "Power", 999999999999, 1},
    {"W", "1,500", kTypedAndLeft, "1,500", "Power", 1500},
    {"W", "1.23456", kTypedAndLeft, "1.235", "Power", 1.235},
    {"W", "12.25", kTypedAndLeft, "12.3", "Power", 12.3},
    {"Factor", "0.01", false, "0.01", "PowerFactor", 0.01F, 0, "VA", " W"},
    {"Factor", "1.01", false, "0.85", "PowerFactor", 0.85F, 1},
    {"Factor", "abc", false, "0.85", "PowerFactor", 0.85F},
    {"Factor", ".", false, ".", "PowerFactor", 1, 0, "VA", "VA"},
    {"V2", "12a", false, "120", "SecondaryVoltage", 120},
    {"V2", "", false, "", "SecondaryVoltage", 208, 0, "A2", "0"},
    {"V2", "609999.9", false, "609999.9", "SecondaryVoltage", 609999.9},
    {"V2", "1E9", false, "600000", "SecondaryVoltage", 600000, 1},
    {"Imped", "4a", false, "1.5", "Impedance", 1.5F},
    {"Imped", "25", false, "25", "Impedance", 25},
    {"Imped", "0.01", kTypedAndLeft, "0.01", "Impedance", 0.01F},
    {"Imped", "13.5", kTypedAndLeft, "13", "Impedance", 13, 1},
    {"Imped", ".001", kTypedAndLeft, "1.5", "Impedance", 1.5F, 1},
    {"Imped", "0\b", kTypedAndLeft, "1.5", "Impedance", 1.5F, 1},
};

double valueOf(calc::CalcState& state, const char* name) {
    return std::visit(
        [](auto p) -> double {
            if constexpr (std::is_pointer_v<decltype(p)>) {
                return static_cast<double>(*p);
            } else {
                return -1;
            }
        },
        calc::findVariable(state, name));
}

TEST(EntryFields, TakeClampOrResetWhatIsEntered) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.text);
        StartedForm f;
        auto& box = static_cast<controls::TextBox&>(*f.form.Form.find(c.box));
        if (c.typedAndLeft) {
            f.type(box, c.text);
            f.leave();
        } else {
            f.paste(box, c.text);
        }
        EXPECT_EQ(box.text(), c.shown);
        EXPECT_EQ(valueOf(f.form.state, c.variable), c.value);
        EXPECT_EQ(f.desktop.messages.size(), static_cast<std::size_t>(c.messages));
        if (c.other != nullptr) {
            const controls::Control& other = *f.form.Form.find(c.other);
            const auto* otherBox = dynamic_cast<const controls::TextBox*>(&other);
            EXPECT_EQ(otherBox != nullptr ? otherBox->text() : other.caption(), c.otherShows);
        }
    }
}

// From current mode: V, A and V2 derive the power again; the power factor and the impedance
// switch nothing.
TEST(EntryFields, FocusSelectsWhatTypingShouldReplace) {
    const struct {
        const char* box;
        const char* text;
        int start;
        int length;
        bool powerMode;
    } cases[] = {
        {"A", "0.25", 2, 2, true},      {"A", "", 0, 0, true},
        {"A", "10", 0, 2, true},        {"V", "480", 0, 3, true},
        {"V2", "480", 0, 3, true},      {"Factor", "1", 0, 1, false},
        {"Factor", "0.5", 2, 1, false}, {"Factor", ".5", 2, 0, false},
        {"Imped", "0.5", 2, 1, false},  {"Imped", "4.25", 0, 4, false},
        {"Imped", "", 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.text);
        StartedForm f;
        auto& box = static_cast<controls::TextBox&>(*f.form.Form.find(c.box));
        f.paste(box, c.text);
        controls::userFocus(f.form.W);
        controls::userFocus(box);
        EXPECT_EQ(box.selStart(), c.start);
        EXPECT_EQ(box.selLength(), c.length);
        EXPECT_EQ(f.powerMode(), c.powerMode);
    }
}

// Everything a person can see or the tick reads, to compare two ways of doing the same thing.
std::string snapshot(StartedForm& f) {
    MainForm& m = f.form;
    std::string s;
    for (const controls::TextBox* box : {&m.V, &m.A, &m.W, &m.Factor, &m.V2, &m.Imped}) {
        s += box->text() + "[" + std::to_string(box->selStart()) + "," +
             std::to_string(box->selLength()) + "] ";
    }
    for (const char* name : {"Voltage", "Current", "Power", "PowerFactor", "SecondaryVoltage",
                             "Impedance", "SpinDecimals"}) {
        s += std::to_string(valueOf(m.state, name)) + " ";
    }
    s += m.VA.caption() + m.A1.caption() + (f.powerMode() ? " P" : " I");
    s += (m.Form.focused() != nullptr ? m.Form.focused()->name() : "none");
    return s + std::to_string(f.desktop.messages.size());
}

TEST(ArrowKeys, ActExactlyAsTheSpinButtonBesideTheFieldAndOtherKeysNot) {
    const struct {
        controls::TextBox MainForm::*box;
        controls::SpinButton MainForm::*spin;
    } fields[] = {
        {&MainForm::V, &MainForm::VS},   {&MainForm::A, &MainForm::AS},
        {&MainForm::W, &MainForm::PS},   {&MainForm::Factor, &MainForm::PFS},
        {&MainForm::V2, &MainForm::V2S}, {&MainForm::Imped, &MainForm::ImpSpin},
    };
    for (const auto& field : fields) {
        for (const bool up : {true, false}) {
            StartedForm byKey;
            StartedForm bySpin;
            SCOPED_TRACE((byKey.form.*field.box).name() + (up ? " up" : " down"));
            controls::userKeyDown(byKey.form.*field.box,
                                  up ? controls::kKeyUp : controls::kKeyDown);
            controls::userFocus(bySpin.form.*field.box);
            controls::userSpin(bySpin.form.*field.spin, up);
            EXPECT_EQ(snapshot(byKey), snapshot(bySpin));
        }
        StartedForm byOther;
        StartedForm untouched;
        controls::userFocus(byOther.form.*field.box);
        controls::userFocus(untouched.form.*field.box);
        for (const std::int16_t key : {37, 39, 13})
            controls::userKeyDown(byOther.form.*field.box, key);
        EXPECT_EQ(snapshot(byOther), snapshot(untouched));
    }
}

// A window resized by hand: the button counts 6500 itself as the transformer window.
TEST(TransformerButton, ThresholdIsInclusiveForTheButton) {
    for (const auto& [width, after] : {std::pair{6499, 8160}, {6500, 4790}, {6501, 4790}}) {
        StartedForm f;
        f.form.Form.setWidth(width);
        controls::userClick(f.form.Trbutton);
        EXPECT_EQ(f.form.Form.width(), after) << width;
    }
}

// The power tick checks the secondary percentage before showing it, the current tick after;
// either way one message, red figures, and black again once below the limit.
TEST(Ticks, ReportASecondaryOverflowOnceInEitherMode) {
    for (const bool currentMode : {false, true}) {
        SCOPED_TRACE(currentMode ? "current tick" : "power tick");
        StartedForm f;
        controls::userClick(f.form.Trbutton);
        f.paste(f.form.V2, "0.000000000001");
        if (currentMode) f.type(f.form.W, "999999");
        controls::Timer& timer = currentMode ? f.form.Timer2 : f.form.Timer1;
        controls::userTick(timer);
        controls::userTick(timer);
        EXPECT_EQ(f.form.state.SecondaryOverflow, 1);
        EXPECT_EQ(f.form.A2M.foreColor(), controls::kRed);
        EXPECT_EQ(f.desktop.messages.size(), 1U);
        f.paste(f.form.V2, "480");
        controls::userTick(timer);
        EXPECT_EQ(f.form.state.SecondaryOverflow, 0);
        EXPECT_EQ(f.form.A2.foreColor(), controls::kBlack);
    }
}

}  // namespace
