#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calc/messages.h"
#include "calc/numbers.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"
#include "scenario/recordingdesktop.h"

namespace {

enum class Phase { Three, Single };
enum class Window { Compact, Transformer };

// A started main window, its phase and width chosen before the first spin.
struct SpinForm {
    explicit SpinForm(Phase phase = Phase::Three, Window window = Window::Compact) {
        form.Form_Load();
        form.show();
        if (phase == Phase::Single) controls::userClick(form.SPh);
        if (window == Window::Transformer) form.Form.setWidth(8160);
    }
    void paste(controls::TextBox& box, std::string_view text) { controls::userPaste(box, text); }
    void spin(controls::SpinButton& spin, bool up) { controls::userSpin(spin, up); }
    // The message boxes shown so far, as "title: text".
    std::vector<std::string> messages() const {
        std::vector<std::string> shown;
        for (const scenario::Message& m : desktop.messages)
            shown.push_back(m.title + ": " + m.text);
        return shown;
    }

    scenario::RecordingDesktop desktop;
    controls::EventGate gate;
    MainForm form{desktop, gate};
};

constexpr bool kUp = true;
constexpr bool kDown = false;

std::string outOfRange(std::string_view text) {
    return std::string(calc::kOutOfRangeTitle) + ": " + std::string(text);
}
std::string quellora(std::string_view text) {
    return std::string(calc::kAppTitle) + ": " + std::string(text);
}

TEST(SpinSteps, PowersOfTenAreTheNearestDoubles) {
    const struct {
        int exponent;
        double expected;
    } cases[] = {
        {0, 1},         {-1, 0.1},      {-6, 1e-6},   {-9, 1e-9},   {2, 100},     {16, 1e16},
        {22, 1e22},     {23, 1e23},     {-23, 1e-23}, {-22, 1e-22}, {300, 1e300}, {308, 1e308},
        {-308, 1e-308}, {-323, 1e-323}, {-324, 0},    {INT_MIN, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exponent);
        EXPECT_EQ(spins::powerOfTen(c.exponent), c.expected);
    }
    EXPECT_EQ(spins::powerOfTen(309), std::numeric_limits<double>::max());
    EXPECT_EQ(spins::powerOfTen(INT_MAX), std::numeric_limits<double>::max());
}

TEST(VoltageSpin, StepsAlongTheStandardVoltagesOfThePhase) {
    const struct {
        Phase phase;
        const char* typed;
        bool up;
        const char* shown;
    } cases[] = {
        {Phase::Single, "120", kUp, "208"},
        {Phase::Single, "277", kUp, "347"},
        {Phase::Single, "480", kDown, "347"},
        {Phase::Single, "120", kDown, "24"},
        {Phase::Single, "12", kDown, "11"},
        {Phase::Single, "13", kDown, "12"},
        {Phase::Single, "5", kUp, "6"},
        {Phase::Single, "6", kUp, "12"},
        {Phase::Single, "-3", kUp, "1"},
        {Phase::Single, "0.5", kDown, "1"},
        {Phase::Single, "30000", kDown, "29,900"},
        {Phase::Single, "30000", kUp, "27,600"},
        {Phase::Single, "15935", kUp, "27,600"},
        {Phase::Single, "27600", kDown, "15,935"},
        {Phase::Three, "277", kDown, "240"},
        {Phase::Three, "240", kUp, "277"},
        {Phase::Three, "277", kUp, "480"},
        {Phase::Three, "120", kDown, "208"},
        {Phase::Three, "120", kUp, "208"},
        {Phase::Three, "0.5", kDown, "1"},
        {Phase::Three, "13800", kUp, "27,600"},
        {Phase::Three, "27600", kDown, "13,800"},
        // Above the three-phase ladder a step down lands on its top rung.
        {Phase::Three, "30000", kDown, "27,600"},
        {Phase::Three, "999999", kDown, "27,600"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.up ? " up" : " down"));
        SpinForm f(c.phase);
        f.paste(f.form.V, c.typed);
        f.spin(f.form.VS, c.up);
        EXPECT_EQ(f.form.V.text(), c.shown);
        EXPECT_EQ(f.form.state.Voltage, calc::toDouble(c.shown));
        EXPECT_EQ(f.form.Form.focused(), &f.form.V);
        EXPECT_EQ(f.form.V.selStart(), 0);
        EXPECT_EQ(f.form.V.selLength(), f.form.V.length());
        EXPECT_TRUE(f.desktop.messages.empty());
    }
}

TEST(CurrentSpin, StepsGrowWithTheCurrentAndFollowTheLastDecimalShown) {
    const struct {
        const char* typed;
        bool up;
        const char* shown;
        int spinDecimals;  // from 0 at start
    } cases[] = {
        {"1", kDown, "0.90", 0},
        {"0.90", kDown, "0.89", 2},
        {"0.1", kDown, "0.09", 1},
        {"0.09", kDown, "0.08", 2},
        {".5", kDown, "0.4", 0},
        {".1", kDown, "0.09", 0},
        {"0.0001", kDown, "9E-05", 4},
        {"1.25", kDown, "0.20", 0},
        {"1.75", kDown, "0.80", 0},
        {"15", kDown, "10", 0},
        {"10", kDown, "9.00", 0},
        {"101", kDown, "50", 0},
        {"100", kDown, "95", 0},
        {"1000", kDown, "950", 0},
        {"1234", kDown, "1,134", 0},
        {"0.99", kUp, "1.00", 2},
        {"0.9", kUp, "1.00", 1},
        {"0.25", kUp, "0.26", 2},
        {"1.25", kUp, "2.20", 0},
        {"12", kUp, "15", 0},
        {"12.5", kUp, "20", 0},
        {"17.5", kUp, "20", 0},
        {"149", kUp, "150", 0},
        {"150", kUp, "200", 0},
        {"1000", kUp, "1,100", 0},
        {"", kUp, "100", -2},
        {"99999950", kUp, "100,000,000", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.up ? " up" : " down"));
        SpinForm f;
        controls::userFocus(f.form.W);  // current mode, focus away from A
        f.paste(f.form.A, c.typed);
        f.spin(f.form.AS, c.up);
        EXPECT_EQ(f.form.A.text(), c.shown);
        EXPECT_EQ(f.form.state.Current, calc::toDouble(c.shown));
        EXPECT_EQ(f.form.state.SpinDecimals, c.spinDecimals);
        EXPECT_EQ(f.form.Form.focused(), &f.form.A);
        EXPECT_EQ(f.form.A.selStart(), 0);
        EXPECT_EQ(f.form.A.selLength(), f.form.A.length());
        EXPECT_TRUE(f.form.Timer1.enabled());
        EXPECT_FALSE(f.form.Timer2.enabled());
        EXPECT_TRUE(f.desktop.messages.empty());
    }
}

TEST(CurrentSpin, LimitsShowTheirMessageAndHoldTheCurrent) {
    const struct {
        const char* typed;
        bool up;
        const char* shown;
        const char* message;
    } cases[] = {
        {"0", kDown, "1E-09", calc::kRangeMessage.data()},
        {"", kDown, "1E-09", calc::kRangeMessage.data()},
        {"-5", kDown, "1E-09", calc::kRangeMessage.data()},
        {"0.000000001", kDown, "1E-09", calc::kRangeMessage.data()},
        {"100,000,000", kUp, "100,000,000", calc::kRangeMessageAlt.data()},
        {"500000000", kUp, "100,000,000", calc::kRangeMessageAlt.data()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.up ? " up" : " down"));
        SpinForm f;
        f.paste(f.form.A, c.typed);
        f.spin(f.form.AS, c.up);
        EXPECT_EQ(f.form.A.text(), c.shown);
        EXPECT_EQ(f.messages(), std::vector<std::string>{outOfRange(c.message)});
        EXPECT_EQ(f.desktop.messages.front().style, 48);
    }
}

TEST(PowerSpin, OrdinaryStepsByMagnitudeAndByTheCharactersShown) {
    const struct {
        const char* typed;
        bool up;
        const char* shown;
    } cases[] = {
        {"", kDown, "0.8"},
        {"", kUp, "2"},
        {"0.5", kDown, "0.4"},
        {"0.5", kUp, "0.500001"},
        {"0.25", kDown, "0.249999"},
        {"0.1", kDown, "0.9"},
        {"2", kDown, "1"},
        {"1", kDown, "0.9"},
        {"1.5", kDown, "1"},
        {"16", kDown, "10"},
        {"15.9", kDown, "15"},
        {"101", kDown, "50"},
        {"1001", kDown, "500"},
        {"10", kUp, "15"},
        {"12", kUp, "15"},
        {"13", kUp, "20"},
        {"12.5", kUp, "20"},
        {"17.5", kUp, "20"},
        {"1,500,000", kDown, "1,400,000"},
        {"1500000", kDown, "1,499,000"},
        {"20000000", kUp, "20,000,500"},
        {"2,958", kUp, "3,500"},
        {"7500000", kUp, "7,505,000"},
        {"999,999,999,999", kDown, "989,999,999,999"},
        // In the compact window the transformer ratings play no part.
        {"25000", kDown, "20,000"},
        {"10000", kDown, "9,500"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.up ? " up" : " down"));
        SpinForm f;
        f.paste(f.form.W, c.typed);
        f.spin(f.form.PS, c.up);
        EXPECT_EQ(f.form.W.text(), c.shown);
        EXPECT_EQ(f.form.Form.focused(), &f.form.W);
        EXPECT_EQ(f.form.W.selStart(), 0);
        EXPECT_EQ(f.form.W.selLength(), f.form.W.length());
        EXPECT_FALSE(f.form.Timer1.enabled());
        EXPECT_TRUE(f.form.Timer2.enabled());
        // The way down leaves the power to the next current tick; the way up reads it back.
        EXPECT_EQ(f.form.state.Power, c.up ? calc::toDouble(c.shown) : 0);
        EXPECT_TRUE(f.desktop.messages.empty());
    }
}

TEST(PowerSpin, TransformerRatingsSetTheirMinimumImpedance) {
    const struct {
        Phase phase;
        const char* typed;
        bool up;
        const char* shown;
        const char* impedance;  // "9" when the ordinary rule stepped
    } cases[] = {
        {Phase::Single, "25,000", kDown, "10,000", "1.5"},
        {Phase::Single, "10000", kUp, "15,000", "1.5"},
        {Phase::Single, "50000", kUp, "75,000", "2"},
        {Phase::Single, "100000", kUp, "167,500", "2.5"},
        {Phase::Single, "3000", kDown, "1,000", "1.5"},
        {Phase::Single, "1000", kUp, "3,000", "1.5"},
        {Phase::Single, "1000.5", kDown, "950", "9"},
        {Phase::Single, "833000", kUp, "840,000", "9"},
        {Phase::Single, "840000", kDown, "833,000", "3.5"},
        {Phase::Single, "840001", kDown, "750,000", "9"},
        {Phase::Three, "2958", kUp, "3,500", "9"},
        {Phase::Three, "3500", kUp, "6,000", "1.5"},
        {Phase::Three, "3001", kDown, "3,000", "1.5"},
        {Phase::Three, "2600000", kUp, "3,000,000", "4.5"},
        {Phase::Three, "3000000", kUp, "3,750,000", "5"},
        {Phase::Three, "7500000", kUp, "7,505,000", "9"},
        {Phase::Three, "7505000", kDown, "7,500,000", "5"},
        {Phase::Three, "200,000", kDown, "150,000", "1.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.up ? " up" : " down"));
        SpinForm f(c.phase, Window::Transformer);
        f.paste(f.form.Imped, "9");
        f.paste(f.form.W, c.typed);
        f.spin(f.form.PS, c.up);
        EXPECT_EQ(f.form.W.text(), c.shown);
        EXPECT_EQ(f.form.Imped.text(), c.impedance);
        EXPECT_EQ(f.form.state.Impedance, calc::toSingle(c.impedance));
    }
}

TEST(PowerSpin, LimitsAndUnreadableTexts) {
    SpinForm up;
    up.paste(up.form.W, "1000000000");
    up.spin(up.form.PS, kUp);
    EXPECT_EQ(up.form.W.text(), "999,999,999,999");
    EXPECT_EQ(up.messages(), std::vector<std::string>{quellora(calc::kRangeMessageAlt)});
    EXPECT_FALSE(up.form.Timer1.enabled());
    EXPECT_TRUE(up.form.Timer2.enabled());

    SpinForm down;
    down.paste(down.form.W, "-5");
    down.spin(down.form.PS, kDown);
    EXPECT_EQ(down.form.W.text(), "0.");
    EXPECT_EQ(down.messages(), std::vector<std::string>{quellora(calc::kRangeMessage)});

    // A lone "." is not stepped: the way down still switches to current mode and clears Power.
    SpinForm dot;
    dot.paste(dot.form.W, ".");
    dot.form.state.Power = 7;
    dot.spin(dot.form.PS, kUp);
    EXPECT_EQ(dot.form.state.Power, 7);
    EXPECT_TRUE(dot.form.Timer1.enabled());
    dot.spin(dot.form.PS, kDown);
    EXPECT_EQ(dot.form.W.text(), ".");
    EXPECT_EQ(dot.form.state.Power, 0);
    EXPECT_TRUE(dot.form.Timer2.enabled());
    EXPECT_TRUE(dot.desktop.messages.empty());
}

// The last fractional step of either button decides where a step down to zero lands.
TEST(SpinDecimals, IsSharedBetweenCurrentAndPower) {
    SpinForm f;
    f.paste(f.form.W, "0.5");
    f.spin(f.form.PS, kUp);
    EXPECT_EQ(f.form.state.SpinDecimals, 6);
    f.paste(f.form.W, "0.1");
    f.spin(f.form.PS, kDown);
    EXPECT_EQ(f.form.W.text(), "0.0000009");

    f.paste(f.form.A, "0.25");
    f.spin(f.form.AS, kUp);
    EXPECT_EQ(f.form.state.SpinDecimals, 2);
    f.paste(f.form.W, "0.1");
    f.spin(f.form.PS, kDown);
    EXPECT_EQ(f.form.W.text(), "0.009");
}

// Texts far longer than a person types must still step to finite values.
TEST(PowerSpin, LongPastedTextsStayFinite) {
    const std::string zeros(400, '0');
    const struct {
        std::string typed;
        bool up;
    } cases[] = {
        {"5000000." + zeros, kDown}, {"5000000000." + zeros, kDown},
        {"0." + zeros + "1", kDown}, {"-1E+300", kUp},
        {"-1E+300", kDown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 12));
        SpinForm f;
        f.paste(f.form.W, c.typed);
        f.spin(f.form.PS, c.up);
        f.spin(f.form.PS, c.up);
        EXPECT_EQ(f.form.W.text().find_first_of("infa"), std::string::npos) << f.form.W.text();
        EXPECT_TRUE(std::isfinite(calc::toDouble(f.form.W.text())));
    }
}

}  // namespace
