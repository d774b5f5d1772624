// The figures a tick shows, from the quantities it starts with; the main window's ticks only
// write them in order. Built with nothing but the calculation core and its numbers.
#include <gtest/gtest.h>

#include <string>

#include "calc/formulas.h"
#include "calc/numbers.h"

namespace {

using calc::Phase;
using calc::Quantity;
using enum calc::Phase;
using enum calc::Quantity;

struct Case {
    Phase phase;
    Quantity derived;
    double u;
    double given;  // I when the power is derived, P when the current is
    float pf;
    double v2;  // 0: the compact window, whose secondary current stays 10
    float z;
    const char* shown;  // the derived quantity; after an overflow the other one, capped to match
    bool out;
    const char* a2;
    const char* a2m;
    int flag;  // the secondary overflow flag after the step, from 0
    const char* fault;
    const char* label6;
};

// Power mask below 1 and from 1; current masks at 1 and 100; overflow of both modes, and with
// no voltage to divide by;
// secondary current exactly 1, far above the limit, and beyond the double range; no impedance.
constexpr Case kCases[] = {
    {Three, Power, 208, 10, 1, 0, 1.5F, "3,603", false, "", "", 0, "706", "666"},
    {Single, Power, 1, 0.5, 0.85F, 0, 1.5F, "0.4250000119", false, "", "", 0, "1,040", "1000"},
    {Neither, Power, 208, 10, 1, 0, 1.5F, "0.", false, "", "", 0, "0", ""},
    {Three, Power, 208, 10, 1, 120, 1.5F, "3,603", false, "17.33", "21.67", 0, "1,224", "1154"},
    {Single, Power, 208, 10, 1, 120, 1.5F, "2,080", false, "17.33", "21.67", 0, "1,802", "1732"},
    {Single, Power, 120, 1, 1, 120, 0, "120", false, "1.00", "1.25", 0, "0", "0"},
    {Single, Power, 60, 1, 1, 120, 3, "60", false, "0.5", "0.625", 0, "27", "25"},
    {Single, Power, 1e-300, 1e10, 1, 0, 1.5F, "99,999,999", true, "", "", 0, "1,040", "1000"},
    {Three, Power, 208, 1e10, 0.5F, 0, 1.5F, "5,551,444,919", true, "", "", 0, "706", "666"},
    {Single, Power, 1, 1e10, 1, 0, 1.5F, "999,999,999,998", true, "", "", 0, "1,040", "1000"},
    {Single, Power, 0, 1e10, 1, 0, 1.5F, "10,000,000,000", true, "", "", 0, "1,040", "1000"},
    {Three, Current, 208, 3603, 1, 0, 1.5F, "10.00", false, "", "", 0, "706", "666"},
    {Single, Current, 100, 50, 1, 0, 1.5F, "0.5", false, "", "", 0, "1,040", "1000"},
    {Single, Current, 0, 50, 1, 0, 1.5F, "10.00", false, "", "", 0, "1,040", "1000"},
    {Single, Current, 100, 999999999999, 0.5F, 0, 1.5F, "4,999,999,949", true, "", "", 0, "1,040",
     "1000"},
    {Single, Power, 1, 99999999, 1, 1e-4, 0, "99,999,999", false, "999,999,990,000",
     "1,249,999,987,500", 1, "0", "0"},
    {Single, Power, 1, 99999999, 1, 1e-310, 0, "99,999,999", false, "", "", 1, "0", "0"},
};

TEST(Formulas, ShowWhatATickMustShow) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.shown) + " / " + c.a2 + " / " + c.fault);
        double current = c.derived == Quantity::Power ? c.given : 10;
        std::string shown;
        bool out = false;
        if (c.derived == Quantity::Power) {
            const auto p = calc::derivePower(c.phase, c.u, current, c.pf);
            const double power = p ? p->value : 0;
            out = calc::powerOutOfRange(current, power);
            shown = out ? calc::format(calc::currentAtPowerCap(c.phase, c.u, c.pf, current),
                                       "#,###,###,###")
                        : calc::format(power, calc::powerMask(power));
        } else {
            const auto i = calc::deriveCurrent(c.phase, c.given, c.u, c.pf);
            current = i ? i->value : current;
            out = calc::currentOutOfRange(current);
            shown = out ? calc::format(calc::powerAtCurrentCap(c.phase, c.u, c.pf, c.given),
                                       "###,###,###,###")
                        : calc::format(current, calc::currentMask(current));
        }
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(out, c.out);
        double secondary = 10;
        std::string a2;
        std::string a2m;
        double percent = 0;
        if (c.v2 > 0) {
            const auto side = calc::secondarySide(current, c.u, c.v2, 1.25F);
            percent = side ? side->percent : 1e308;
            if (side) {
                secondary = side->current;
                a2 = calc::format(secondary, calc::currentMask(secondary));
                a2m = calc::format(side->percent, calc::currentMask(secondary));
            }
        }
        EXPECT_EQ(a2, c.a2);
        EXPECT_EQ(a2m, c.a2m);
        EXPECT_EQ(calc::secondaryOverflow(percent, 0), c.flag);
        const auto fault = calc::shortCircuit(c.phase, c.z, secondary);
        EXPECT_EQ(fault ? calc::format(fault->estimate, "#,##0") : "0", c.fault);
        EXPECT_EQ(fault ? calc::generalText(fault->withoutMotors) : "", c.label6);
    }
    // The table starts every flag at 0; once raised it stays at the limit itself.
    EXPECT_EQ(calc::secondaryOverflow(9'999'999'999, 1), 1);
}

}  // namespace
