// The voltage spin button steps along the standard voltages of the selected phase, bringing
// values off the ladder onto it; below 12 V (single phase) and above the top it moves by single
// volts or hundreds instead.
#include <span>

#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

using namespace spins;

// Above the ladder a three-phase step down lands on its top, a single-phase one by hundreds.
constexpr Row kSinglePhaseDown[] = {
    {Holds::AtMost, 1, to(1)},
    {Holds::AtMost, 12, add(-1)},
    {Holds::AtMost, 27'600, standard(1, -1)},
    {Holds::Always, 0, add(-100)},
};

constexpr Row kThreePhaseDown[] = {
    {Holds::AtMost, 1, to(1)},
    {Holds::Always, 0, standard(3, -1)},
};

// Below 6 V single volts; from above the top, a step up also lands on 27,600.
constexpr Row kSinglePhaseUp[] = {
    {Holds::AtLeast, 6, standard(1, +1)},
    {Holds::AtLeast, 0, add(1)},
    {Holds::Always, 0, to(1)},
};

}  // namespace

void MainForm::VS_SpinDown() {
    state.Voltage = stepped(ofPhase(TPh.value(), kThreePhaseDown, kSinglePhaseDown), state.Voltage);
    V.setText(calc::format(state.Voltage, "###,###"));
    focusWholeText(Form, V);
}

void MainForm::VS_SpinUp() {
    state.Voltage = stepped(ofPhase(TPh.value(), kThreePhaseUp, kSinglePhaseUp), state.Voltage);
    V.setText(calc::format(state.Voltage, "##,###"));
    focusWholeText(Form, V);
}
