// The current spin button: from one ampere by amounts that grow with the current, below it by
// one unit of the last decimal place shown, so that a step changes the digit the user reads
// last. Stepping the current makes the power the derived quantity again.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

using namespace spins;

constexpr double kSmallest = 0.000000001;

// From one ampere up; the way down keeps tenths up to 15, the way up only up to 10.
constexpr Row kDownFromOne[] = {
    {Holds::Is, 1, to(0.9)},
    {Holds::Below, 15, tenths(-1, Count::HalfEven)},
    {Holds::AtMost, 100, multiples(5, -1, Count::HalfEven)},
    {Holds::AtMost, 1'000, multiples(50, -1, Count::HalfEven)},
    {Holds::Always, 0, multiples(100, -1, Count::Exact)},
};

constexpr Row kUpFromOne[] = {
    {Holds::Below, 10, tenths(+1, Count::HalfEven)},
    {Holds::Below, 100, multiples(5, +1, Count::HalfEven)},
    {Holds::Below, 1'000, multiples(50, +1, Count::WholePart)},
    {Holds::Always, 0, multiples(100, +1, Count::WholePart)},
};

// The decimal places of a text "0.ddd": its length less "0.".
std::int16_t decimalsShown(const controls::TextBox& box) {
    return static_cast<std::int16_t>(
        std::clamp(box.length() - 2, -2, int{std::numeric_limits<std::int16_t>::max()}));
}

const char* mask(double current) {
    return current < 10 ? "Fixed" : "###,###,###";
}

}  // namespace

void MainForm::AS_SpinDown() {
    derive(calc::Quantity::Power);
    double& current = state.Current;
    if (current >= 1) {
        current = stepped(kDownFromOne, current);
        A.setText(calc::format(current, mask(current)));
        focusWholeText(Form, A);
        return;
    }
    int decimalsAtZero = state.SpinDecimals;
    if (current <= kSmallest) {
        msgBox(calc::kRangeMessage, controls::MessageStyle::Exclamation, calc::kOutOfRangeTitle);
        current = kSmallest;
    } else if (A.length() == 2) {
        // ".1" steps to 0.09 as "0.1" does, whichever fractional step ran last.
        current = current - 0.1;
        decimalsAtZero = 1;
    } else {
        state.SpinDecimals = decimalsShown(A);
        current = current - powerOfTen(-state.SpinDecimals);
        decimalsAtZero = state.SpinDecimals;
    }
    // Zero is not a current: the step goes on to nine units of the next decimal place.
    if (current == 0) current = 9 * powerOfTen(-(decimalsAtZero + 1));
    A.setText(calc::format(current, "General number"));
    focusWholeText(Form, A);
}

void MainForm::AS_SpinUp() {
    derive(calc::Quantity::Power);
    if (state.Current >= calc::kCurrentLimit) {
        msgBox(calc::kRangeMessageAlt, controls::MessageStyle::Exclamation, calc::kOutOfRangeTitle);
        // A_Change reads it back, and the step below takes 99,999,999 up to the limit itself.
        A.setText("99999999");
    }
    double& current = state.Current;
    const bool fraction = current < 1;
    if (fraction) {
        state.SpinDecimals = decimalsShown(A);
        current = current + powerOfTen(-state.SpinDecimals);
    } else {
        current = stepped(kUpFromOne, current);
    }
    A.setText(calc::format(current, fraction && current != 1 ? "General number" : mask(current)));
    focusWholeText(Form, A);
}
