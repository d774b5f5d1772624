// Every spin button's table, at the rows where its ladders and ranges end or differ from the
// others; the walks through the middle rows are the scenario files'.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "calc/numbers.h"
#include "fieldsfixture.h"
#include "mainwindow/spinsteps.h"

namespace {

constexpr bool kUp = true;
constexpr bool kDown = false;
constexpr bool kWide = true;  // the transformer window

struct Case {
    const char* box;
    int phases;
    bool wide;
    const char* from;
    bool up;
    const char* shown;
    int messages = 0;
    const char* impedance = nullptr;  // the impedance a rating sets, from 9
};

const Case kCases[] = {
    {"V", 1, false, "12", kDown, "11"},
    {"V", 1, false, "13", kDown, "12"},
    {"V", 1, false, "6", kUp, "12"},
    {"V", 1, false, "30000", kUp, "27,600"},
    {"V", 1, false, "27600", kDown, "15,935"},
    {"V", 3, false, "277", kDown, "240"},
    {"V", 3, false, "120", kDown, "208"},
    {"V", 3, false, "0.5", kDown, "1"},
    {"V2", 1, false, "6", kDown, "5"},
    {"V2", 1, false, "7", kDown, "6"},
    {"V2", 1, false, "12", kDown, "6"},
    {"V2", 1, false, "0.5", kUp, "1"},
    {"V2", 1, false, "11", kUp, "12"},
    {"V2", 1, false, "12", kUp, "24"},
    {"V2", 3, false, "100", kDown, "208"},
    {"V2", 3, false, "277", kDown, "240"},
    {"V2", 3, false, "27601", kDown, "26,601"},
    {"V2", 3, false, "90000", kUp, "27,600"},
    {"A", 3, false, "0.0001", kDown, "9E-05"},
    {"A", 3, false, "1234", kDown, "1,134"},
    {"A", 3, false, "0.99", kUp, "1.00"},
    {"A", 3, false, "12.5", kUp, "20"},
    {"A", 3, false, "500000000", kUp, "100,000,000", 1},
    {"W", 3, false, "20000000", kUp, "20,000,500"},
    {"W", 3, false, "999,999,999,999", kDown, "989,999,999,999"},
    {"W", 1, kWide, "10000", kUp, "15,000", 0, "1.5"},
    {"W", 1, kWide, "100000", kUp, "167,500", 0, "2.5"},
    {"W", 1, kWide, "840000", kDown, "833,000", 0, "3.5"},
    {"W", 1, kWide, "840001", kDown, "750,000", 0, "9"},
    {"W", 3, kWide, "3001", kDown, "3,000", 0, "1.5"},
    {"W", 3, kWide, "3000000", kUp, "3,750,000", 0, "5"},
    {"W", 3, kWide, "7505000", kDown, "7,500,000", 0, "5"},
    {"Factor", 3, false, "0.01", kDown, "0.85", 1},
    {"Factor", 3, false, "0.375", kDown, "0.36"},
    {"Factor", 3, false, "0.375", kUp, "0.38"},
    {"Factor", 3, false, "0.99", kUp, "1"},
    {"Imped", 3, false, "2.5", kDown, "2.25"},
    {"Imped", 3, false, "2.25", kDown, "2.1"},
    {"Imped", 3, false, "0.2", kDown, "0.1"},
    {"Imped", 3, false, "0.15", kDown, "0.15"},
    {"Imped", 3, false, "8191", kDown, "8190.75"},
    {"Imped", 3, false, "8192", kDown, "20"},
    {"Imped", 3, false, "2.3", kUp, "3"},
    {"Imped", 3, false, "19.5", kUp, "20"},
    {"Imped", 3, false, "-1", kUp, "0.1"},
};

controls::SpinButton& spinOf(MainForm& m, const controls::TextBox& box) {
    const std::pair<const controls::TextBox*, controls::SpinButton*> pairs[] = {
        {&m.V, &m.VS},       {&m.A, &m.AS},   {&m.W, &m.PS},
        {&m.Factor, &m.PFS}, {&m.V2, &m.V2S}, {&m.Imped, &m.ImpSpin}};
    for (const auto& [field, spin] : pairs) {
        if (field == &box) return *spin;
    }
    throw std::logic_error("no spin button");
}

TEST(SpinButtons, StepTheirFieldByItsTable) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.from + (c.up ? " up" : " down"));
        StartedForm f;
        if (c.phases == 1) controls::userClick(f.form.SPh);
        if (c.wide) f.form.Form.setWidth(8160);
        f.paste(f.form.Imped, "9");
        auto& box = static_cast<controls::TextBox&>(*f.form.Form.find(c.box));
        f.paste(box, c.from);
        controls::userSpin(spinOf(f.form, box), c.up);
        EXPECT_EQ(box.text(), c.shown);
        EXPECT_EQ(f.form.Form.focused(), &box);
        EXPECT_EQ(f.desktop.messages.size(), static_cast<std::size_t>(c.messages));
        if (&box != &f.form.Imped) {
            EXPECT_EQ(f.form.Imped.text(), c.impedance ? c.impedance : "9");
        }
    }
}

TEST(SpinSteps, PowersOfTenAreTheNearestDoubles) {
    const struct {
        int exponent;
        double expected;
    } cases[] = {{0, 1},
                 {-1, 0.1},
                 {22, 1e22},
                 {23, 1e23},
                 {-23, 1e-23},
                 {308, 1e308},
                 {-323, 1e-323},
                 {309, std::numeric_limits<double>::max()},
                 {INT_MAX, std::numeric_limits<double>::max()},
                 {-324, 0},
                 {INT_MIN, 0}};
    for (const auto& c : cases) EXPECT_EQ(spins::powerOfTen(c.exponent), c.expected) << c.exponent;
}

// The last fractional step of either button decides where a step down to zero lands.
TEST(SpinDecimals, IsSharedBetweenCurrentAndPower) {
    StartedForm f;
    f.paste(f.form.A, "0.25");
    controls::userSpin(f.form.AS, kUp);
    EXPECT_EQ(f.form.state.SpinDecimals, 2);
    f.paste(f.form.W, "0.1");
    controls::userSpin(f.form.PS, kDown);
    EXPECT_EQ(f.form.W.text(), "0.009");
}

// Texts far longer than a person types must still step to finite values.
TEST(PowerSpin, LongPastedTextsStayFinite) {
    const std::string zeros(400, '0');
    for (const std::string& typed :
         {"5000000." + zeros, "0." + zeros + "1", std::string("-1E+300")}) {
        for (const bool up : {kUp, kDown}) {
            StartedForm f;
            f.paste(f.form.W, typed);
            controls::userSpin(f.form.PS, up);
            controls::userSpin(f.form.PS, up);
            EXPECT_TRUE(std::isfinite(calc::toDouble(f.form.W.text()))) << f.form.W.text();
        }
    }
}

}  // namespace
