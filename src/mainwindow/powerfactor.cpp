// Power factor field and its spin button. The spins leave the range test to Factor_Change,
// which their write runs.
#include <string>

#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

constexpr float kLowest = 0.01F;  // the single nearest to 0.01, so a typed 0.01 is in range
constexpr float kHighest = 1;
constexpr float kFallback = 0.85F;

// The "1" whole, else the digits of "0.dd", so that typing replaces just them.
void selectDigits(controls::TextBox& box, bool one) {
    box.setSelection(one ? 0 : 2, one ? 1 : 2);
}

// 100 x pf +/- 1 in double from the exact single, to the nearest hundredth, halves to even.
float stepped(float pf, int direction) {
    return static_cast<float>(
        spins::apply(spins::hundredths(direction, spins::Count::HalfEven), pf));
}

}  // namespace

void MainForm::Factor_Change() {
    const std::string text = Factor.text();
    if (text == ".") return;
    if (calc::isNumeric(text)) {
        state.PowerFactor = calc::toSingle(text);
    } else {
        if (text.empty()) return;
        state.PowerFactor = kFallback;
        Factor.setText("0.85");  // the nested run accepts it
    }
    if (state.PowerFactor >= kLowest && state.PowerFactor <= kHighest) {
        if (state.PowerFactor == kHighest) {
            Form.setFocus(Factor);
            selectDigits(Factor, true);
            VA.setCaption("VA");
        } else {
            VA.setCaption(" W");
        }
    } else {
        msgBox(calc::kPowerFactorMessage, controls::MessageStyle::Information);
        state.PowerFactor = kFallback;
        Factor.setText("0.85");  // the nested run sets the unit to " W"
        Form.setFocus(Factor);
        selectDigits(Factor, false);
    }
}

void MainForm::Factor_GotFocus() {
    selectDigits(Factor, state.PowerFactor == kHighest);
}

void MainForm::Factor_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    arrowKeys(KeyCode, &MainForm::PFS_SpinDown, &MainForm::PFS_SpinUp);
}

void MainForm::PFS_SpinDown() {
    // Below the range the 0 written is refused by Factor_Change with its message.
    state.PowerFactor = state.PowerFactor > kLowest ? stepped(state.PowerFactor, -1) : 0;
    Factor.setText(calc::generalText(state.PowerFactor));
    Form.setFocus(Factor);
    selectDigits(Factor, false);
}

void MainForm::PFS_SpinUp() {
    const bool below = state.PowerFactor < kHighest;
    state.PowerFactor = below ? stepped(state.PowerFactor, +1) : kHighest;
    Factor.setText(below ? calc::generalText(state.PowerFactor) : "1");
    Form.setFocus(Factor);
    selectDigits(Factor, !below);
}
