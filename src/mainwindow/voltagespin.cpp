// The voltage spin button steps along the standard system voltages of the selected phase rather
// than by a fixed amount. Values off the ladder are brought onto it; below 12 V (single phase)
// and above the top of the ladder it moves by single volts or hundreds instead.
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

using spins::add;
using spins::Holds;
using spins::Row;
using spins::to;

// U is the voltage before the step; the first row that holds gives the next one.
constexpr Row kSinglePhaseDown[] = {
    {Holds::AtMost, 1, to(1)},           {Holds::AtMost, 12, add(-1)},
    {Holds::AtMost, 24, to(12)},         {Holds::AtMost, 120, to(24)},
    {Holds::AtMost, 208, to(120)},       {Holds::AtMost, 240, to(208)},
    {Holds::AtMost, 277, to(240)},       {Holds::AtMost, 347, to(277)},
    {Holds::AtMost, 480, to(347)},       {Holds::AtMost, 600, to(480)},
    {Holds::AtMost, 2'400, to(600)},     {Holds::AtMost, 4'160, to(2'400)},
    {Holds::AtMost, 7'967, to(4'160)},   {Holds::AtMost, 13'800, to(7'967)},
    {Holds::AtMost, 15'935, to(13'800)}, {Holds::AtMost, 27'600, to(15'935)},
    {Holds::Always, 0, add(-100)},
};

// 277 is a three-phase voltage only on the way up: from 277 down comes 240. Above the ladder a
// step down lands on its top, 27,600, the next standard voltage below, as every other row does.
constexpr Row kThreePhaseDown[] = {
    {Holds::AtMost, 1, to(1)},           {Holds::AtMost, 240, to(208)},
    {Holds::AtMost, 480, to(240)},       {Holds::AtMost, 600, to(480)},
    {Holds::AtMost, 4'160, to(600)},     {Holds::AtMost, 13'800, to(4'160)},
    {Holds::AtMost, 27'600, to(13'800)}, {Holds::Always, 0, to(27'600)},
};

// From above the top, a step up also lands on 27,600.
constexpr Row kSinglePhaseUp[] = {
    {Holds::AtLeast, 15'935, to(27'600)},
    {Holds::AtLeast, 13'800, to(15'935)},
    {Holds::AtLeast, 7'967, to(13'800)},
    {Holds::AtLeast, 4'160, to(7'967)},
    {Holds::AtLeast, 2'400, to(4'160)},
    {Holds::AtLeast, 600, to(2'400)},
    {Holds::AtLeast, 480, to(600)},
    {Holds::AtLeast, 347, to(480)},
    {Holds::AtLeast, 277, to(347)},
    {Holds::AtLeast, 240, to(277)},
    {Holds::AtLeast, 208, to(240)},
    {Holds::AtLeast, 120, to(208)},
    {Holds::AtLeast, 24, to(120)},
    {Holds::AtLeast, 12, to(24)},
    {Holds::AtLeast, 6, to(12)},
    {Holds::AtLeast, 0, add(1)},
    {Holds::Always, 0, to(1)},
};

constexpr Row kThreePhaseUp[] = {
    {Holds::AtLeast, 13'800, to(27'600)}, {Holds::AtLeast, 4'160, to(13'800)},
    {Holds::AtLeast, 600, to(4'160)},     {Holds::AtLeast, 480, to(600)},
    {Holds::AtLeast, 277, to(480)},       {Holds::AtLeast, 240, to(277)},
    {Holds::AtLeast, 208, to(240)},       {Holds::Always, 0, to(208)},
};

// Every table ends in a row that always holds.
double stepped(std::span<const Row> threePhase, std::span<const Row> singlePhase, bool isThree,
               double volts) {
    const std::span<const Row> ladder = isThree ? threePhase : singlePhase;
    return spins::apply(spins::firstHolding(ladder, volts)->rule, volts, 0);
}

}  // namespace

// V_Change reads the written text back, so the voltage kept is the one shown (whole volts) and
// the power follows it again.
void MainForm::VS_SpinDown() {
    state.Voltage = stepped(kThreePhaseDown, kSinglePhaseDown, TPh.value(), state.Voltage);
    V.setText(calc::format(state.Voltage, "###,###"));
    spins::focusWholeText(Form, V);
}

void MainForm::VS_SpinUp() {
    state.Voltage = stepped(kThreePhaseUp, kSinglePhaseUp, TPh.value(), state.Voltage);
    V.setText(calc::format(state.Voltage, "##,###"));
    spins::focusWholeText(Form, V);
}
