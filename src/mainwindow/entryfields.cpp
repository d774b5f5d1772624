// Voltage and current fields. What a person types stays as typed, unless the voltage is out of
// range; only V is tidied when left. Clearing either field clears the power.
#include <string>

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"

namespace {

constexpr double kVoltageLimit = 1'000'000;
constexpr double kVoltageCap = 999'999;

// A person leaves "" and "." while typing; the numeric test refuses both already, but the reset
// they cause is deliberate.
bool holdsNumber(const std::string& text) {
    return !text.empty() && text != "." && calc::isNumeric(text);
}

}  // namespace

void MainForm::V_Change() {
    const std::string text = V.text();
    if (!holdsNumber(text)) {
        state.Voltage = 0;
        W.setText("0");  // W_Change takes the power to 0
        Timer1.setEnabled(false);
        return;
    }
    state.Voltage = calc::toDouble(text);
    derive(calc::Quantity::Power);
    if (state.Voltage >= kVoltageLimit) {
        msgBox(calc::kRangeMessage, controls::MessageStyle::Exclamation);
        state.Voltage = kVoltageCap;
        // Runs V_Change again, which accepts the cap and changes nothing more.
        V.setText("999,999");
    }
}

void MainForm::V_GotFocus() {
    V.selectAll();
    derive(calc::Quantity::Power);
}

void MainForm::V_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    arrowKeys(KeyCode, &MainForm::VS_SpinDown, &MainForm::VS_SpinUp);
}

void MainForm::V_LostFocus() {
    V.setText(calc::format(state.Voltage, state.Voltage < 1 ? "##,###.00" : "###,###"));
}

void MainForm::A_Change() {
    const std::string text = A.text();
    if (holdsNumber(text)) {
        state.Current = calc::toDouble(text);
    } else {
        state.Current = 0;
        state.Power = 0;
        W.setText("0");
    }
    state.PercentCurrent = static_cast<double>(state.CurrentPercent) * state.Current;
    A1.setCaption(calc::format(state.PercentCurrent, calc::currentMask(state.PercentCurrent)));
}

void MainForm::A_GotFocus() {
    // Below one ampere only the digits after "0." are selected, so typing replaces just them.
    A.setSelection(state.Current < 1 ? 2 : 0, A.length());
    derive(calc::Quantity::Power);
}

void MainForm::A_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    arrowKeys(KeyCode, &MainForm::AS_SpinDown, &MainForm::AS_SpinUp);
}
