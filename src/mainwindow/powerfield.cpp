// The power field. Entering it makes the current the derived quantity, so the tick never
// overwrites a power being typed; leaving it rounds the power to the digits it is shown with.
#include <string>

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"

namespace {

const char* tidyPowerMask(double x) {
    if (x < 10) return "#,###.###";
    if (x < 100) return "#,###.#";
    return "#,###";
}

}  // namespace

void MainForm::W_Change() {
    const std::string text = W.text();
    // Accepted while typing; they change nothing.
    if (text == "." || text.empty()) return;
    if (calc::isNumeric(text)) {
        state.Power = calc::toDouble(text);
    } else {
        // A stray character clears the field; the power keeps its last accepted value.
        W.setText("");
        W_GotFocus();
    }
    if (state.Power >= calc::kPowerLimit) {
        msgBox(calc::kRangeMessageAlt, controls::MessageStyle::Exclamation, calc::kOutOfRangeTitle);
        state.Power = calc::kPowerCap;
        // Each write runs W_Change again, which reads the cap back without a message.
        W.setText(calc::generalText(state.Power));
        W.setText(calc::format(state.Power, "###,###,###,###"));
    }
}

void MainForm::W_GotFocus() {
    W.selectAll();
    derive(calc::Quantity::Current);
}

void MainForm::W_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    arrowKeys(KeyCode, &MainForm::PS_SpinDown, &MainForm::PS_SpinUp);
}

void MainForm::W_LostFocus() {
    const std::string text = W.text();
    // The leading number decides only whether to tidy: "1,500" counts as 1 here, not 0.
    if (calc::leadingNumber(text) == 0) return;
    state.Power = calc::toDouble(text);
    W.setText(calc::format(state.Power, tidyPowerMask(state.Power)));
}
