// Phase options. A click converts a standard primary or secondary voltage into its counterpart
// of the other phase system and keeps any other; it does not remember the previous phase.
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/standards.h"

namespace {

using spins::kStandardVoltages;

double converted(double volts, bool toSinglePhase) {
    for (const spins::StandardVoltage& v : kStandardVoltages) {
        if (v.lineToNeutral == 0) continue;
        if (volts == (toSinglePhase ? v.volts : v.lineToNeutral)) {
            return toSinglePhase ? v.lineToNeutral : v.volts;
        }
    }
    return volts;
}

// The impedance follows the phase too: exactly 2 % becomes 1.6 % for single phase, and three
// phase takes at most 1.5 %; every other value is kept.
constexpr float kThreePhaseTypical = 2;
constexpr float kSinglePhaseOfTypical = 1.6F;
constexpr float kThreePhaseCeiling = 1.5F;

}  // namespace

// A V that changes returns to power mode, so the next tick applies the new relation. The focus
// stays put: on the option, it would run the edited field's lost-focus handler and rewrite it.
void MainForm::SPh_Click() {
    state.Voltage = converted(state.Voltage, true);
    state.SecondaryVoltage = converted(state.SecondaryVoltage, true);
    if (state.Impedance == kThreePhaseTypical) {
        state.Impedance = kSinglePhaseOfTypical;
        Imped.setText("1.6");
    }
    V.setText(calc::generalText(state.Voltage));
    V2.setText(calc::generalText(state.SecondaryVoltage));
}

void MainForm::TPh_Click() {
    state.Voltage = converted(state.Voltage, false);
    state.SecondaryVoltage = converted(state.SecondaryVoltage, false);
    if (state.Impedance > kThreePhaseCeiling) {
        state.Impedance = kThreePhaseCeiling;
        Imped.setText("1.5");
    }
    V.setText(calc::generalText(state.Voltage));
    V2.setText(calc::generalText(state.SecondaryVoltage));
}
