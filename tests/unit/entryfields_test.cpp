#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "calc/messages.h"
#include "fieldsfixture.h"

namespace {

struct VoltageCase {
    const char* pasted;
    double voltage;
    const char* shownV;
    const char* shownW;
    bool timer1;
    int messages;
};

TEST(VoltageField, ChangeTakesTheVoltageOrResetsThePower) {
    const VoltageCase cases[] = {
        {"480", 480, "480", "", true, 0},
        {"13,800", 13800, "13,800", "", true, 0},
        {"999999", 999999, "999999", "", true, 0},
        {"1000000", 999999, "999,999", "", true, 1},
        {"1E6", 999999, "999,999", "", true, 1},
        {"", 0, "", "0", false, 0},
        {".", 0, ".", "0", false, 0},
        {"12a", 0, "12a", "0", false, 0},
    };
    for (const VoltageCase& c : cases) {
        SCOPED_TRACE(c.pasted);
        StartedForm f;
        f.paste(f.form.V, c.pasted);
        EXPECT_EQ(f.form.state.Voltage, c.voltage);
        EXPECT_EQ(f.form.V.text(), c.shownV);
        EXPECT_EQ(f.form.W.text(), c.shownW);
        EXPECT_EQ(f.form.Timer1.enabled(), c.timer1);
        EXPECT_FALSE(f.form.Timer2.enabled());
        ASSERT_EQ(f.desktop.messages.size(), static_cast<std::size_t>(c.messages));
        for (const scenario::Message& m : f.desktop.messages) {
            EXPECT_EQ(m.text, calc::kRangeMessage);
            EXPECT_EQ(m.title, "Quellora");
            EXPECT_EQ(m.style, 48);
        }
    }
}

TEST(CurrentField, ChangeKeepsThePercentageOfCurrent) {
    const struct {
        const char* pasted;
        double current;
        const char* shownA1;
        bool powerCleared;
    } cases[] = {
        {"0.25", 0.25, "0.3125", false},
        {"0.8", 0.8, "1.00", false},
        {"79.9", 79.9, "99.88", false},
        {"80", 80, "100", false},
        {"1234", 1234, "1,543", false},
        {"", 0, "0.", true},
        {".", 0, "0.", true},
        {"x", 0, "0.", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        StartedForm f;
        f.paste(f.form.A, c.pasted);
        EXPECT_EQ(f.form.state.Current, c.current);
        EXPECT_EQ(f.form.A1.caption(), c.shownA1);
        EXPECT_EQ(f.form.state.Power, c.powerCleared ? 0 : 2958);
        EXPECT_EQ(f.form.W.text(), c.powerCleared ? "0" : "");
        EXPECT_TRUE(f.powerMode());  // the current field never switches by its text
    }
}

TEST(CurrentField, FocusSelectsTheDigitsAfterTheLeadingZeroBelowOneAmpere) {
    const struct {
        const char* text;
        int start;
        int length;
    } cases[] = {
        {"0.25", 2, 2}, {"0.5", 2, 1}, {"0.", 2, 0}, {"0", 1, 0}, {"", 0, 0}, {"10", 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        StartedForm f;
        controls::userFocus(f.form.W);
        f.paste(f.form.A, c.text);
        controls::userFocus(f.form.A);
        EXPECT_EQ(f.form.A.selStart(), c.start);
        EXPECT_EQ(f.form.A.selLength(), c.length);
        EXPECT_TRUE(f.powerMode());
    }
}

// Every digit of the value, so that two states compare equal only when they are.
std::string exact(double x) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, x).ptr;
    return std::string(digits, end);
}

// Everything a person can see or the tick reads, to compare two ways of doing the same thing.
std::string snapshot(StartedForm& f) {
    MainForm& m = f.form;
    std::string s;
    for (const controls::TextBox* box : {&m.V, &m.A, &m.W, &m.Factor, &m.V2, &m.Imped}) {
        s += box->name() + "=" + box->text() + " [" + std::to_string(box->selStart()) + "," +
             std::to_string(box->selLength()) + "] ";
    }
    s += "VA=" + m.VA.caption() + " A1=" + m.A1.caption();
    s += " U=" + exact(m.state.Voltage) + " I=" + exact(m.state.Current) +
         " P=" + exact(m.state.Power) + " PF=" + exact(m.state.PowerFactor) +
         " U2=" + exact(m.state.SecondaryVoltage) + " Z=" + exact(m.state.Impedance);
    s += " timers=" + std::to_string(m.Timer1.enabled()) + std::to_string(m.Timer2.enabled());
    s += " focus=" + (m.Form.focused() != nullptr ? m.Form.focused()->name() : "none");
    s += " messages=" + std::to_string(f.desktop.messages.size());
    return s;
}

TEST(ArrowKeys, ActExactlyAsTheSpinButtonBesideTheField) {
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
    }
}

TEST(ArrowKeys, OtherKeysDoNothingAndNoKeyIsConsumed) {
    StartedForm f;
    const std::string before = snapshot(f);
    for (std::int16_t key : {std::int16_t{37}, std::int16_t{39}, std::int16_t{13}}) {
        f.form.V_KeyDown(key, 0);
        f.form.A_KeyDown(key, 0);
        f.form.W_KeyDown(key, 0);
        f.form.Factor_KeyDown(key, 0);
        f.form.V2_KeyDown(key, 0);
        f.form.Imped_KeyDown(key, 0);
    }
    EXPECT_EQ(snapshot(f), before);
    for (std::int16_t key : {controls::kKeyUp, controls::kKeyDown}) {
        const std::int16_t pressed = key;
        f.form.V_KeyDown(key, 0);
        f.form.A_KeyDown(key, 0);
        f.form.W_KeyDown(key, 0);
        f.form.Factor_KeyDown(key, 0);
        f.form.V2_KeyDown(key, 0);
        f.form.Imped_KeyDown(key, 0);
        EXPECT_EQ(key, pressed);
    }
}

}  // namespace
