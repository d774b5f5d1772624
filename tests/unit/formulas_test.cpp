// The figures a tick shows, from the quantities it starts with; the main window's ticks only
// write them in order. Built with nothing but the calculation core and its numbers.
#include <gtest/gtest.h>

#include <string>

#include "calc/formulas.h"
#include "calc/numbers.h"

namespace {

using enum calc::Phase;
using enum calc::Quantity;

struct Case {
    calc::Phase phase;
    calc::Quantity derived;
    double u;
    double given;  // I when the power is derived, P when the current is
    float pf;
    float z;
    const char* shown;  // the derived quantity; after an overflow the other one, capped to match
    bool out;
    const char* fault;  // from the compact window's secondary current, which stays 10
    const char* label6;
};

// Overflow in both modes and phases, with no voltage or so little that the cap leaves the double
// range; both small masks; no impedance. The transformer's side is the scenario files'.
constexpr Case kCases[] = {
    {Single, Power, 1, 0.5, 0.85F, 1.5F, "0.4250000119", false, "1,040", "1000"},
    {Single, Power, 1e-300, 1e10, 1, 1.5F, "99,999,999", true, "1,040", "1000"},
    {Three, Power, 208, 1e10, 0.5F, 1.5F, "5,551,444,919", true, "706", "666"},
    {Single, Power, 1, 1e10, 1, 1.5F, "999,999,999,998", true, "1,040", "1000"},
    {Single, Power, 0, 1e10, 1, 1.5F, "10,000,000,000", true, "1,040", "1000"},
    {Single, Current, 100, 50, 1, 1.5F, "0.5", false, "1,040", "1000"},
    {Single, Current, 0, 50, 1, 1.5F, "10.00", false, "1,040", "1000"},
    {Single, Current, 100, 999999999999, 0.5F, 1.5F, "4,999,999,949", true, "1,040", "1000"},
    {Single, Power, 120, 1, 1, 0, "120", false, "0", "0"},
};

TEST(Formulas, ShowWhatATickMustShow) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.shown);
        std::string shown;
        bool out = false;
        if (c.derived == Power) {
            const auto p = calc::derivePower(c.phase, c.u, c.given, c.pf);
            const double power = p ? p->value : 0;
            out = calc::powerOutOfRange(c.given, power);
            shown = out ? calc::format(calc::currentAtPowerCap(c.phase, c.u, c.pf, c.given),
                                       "#,###,###,###")
                        : calc::format(power, calc::powerMask(power));
        } else {
            const auto i = calc::deriveCurrent(c.phase, c.given, c.u, c.pf);
            const double current = i ? i->value : 10;
            out = calc::currentOutOfRange(current);
            shown = out ? calc::format(calc::powerAtCurrentCap(c.phase, c.u, c.pf, c.given),
                                       "###,###,###,###")
                        : calc::format(current, calc::currentMask(current));
        }
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(out, c.out);
        const auto fault = calc::shortCircuit(c.phase, c.z, 10);
        EXPECT_EQ(fault ? calc::format(fault->estimate, "#,##0") : "0", c.fault);
        EXPECT_EQ(fault ? calc::generalText(fault->withoutMotors) : "", c.label6);
    }
    // Once raised, the secondary overflow flag stays up at the limit itself.
    EXPECT_EQ(calc::secondaryOverflow(9'999'999'999, 1), 1);
}

}  // namespace
