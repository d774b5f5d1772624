// Power factor field and its spin button. The power factor is a single held in 0.01 to 1; an
// unusable or out-of-range entry falls back to 0.85. The spins step by hundredths and
// leave the range test to Factor_Change, which their write runs.
#include <string>

#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

constexpr float kLowest = 0.01F;  // the single nearest to 0.01, so a typed 0.01 is in range
constexpr float kHighest = 1;
constexpr float kFallback = 0.85F;

// The two decimal digits of "0.dd", so that typing replaces just them.
constexpr int kDecimalsStart = 2;
constexpr int kDecimalsLength = 2;

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
            // The "1" is selected so that the next key typed replaces it.
            Form.setFocus(Factor);
            Factor.setSelection(0, 1);
            VA.setCaption("VA");
        } else {
            VA.setCaption(" W");
        }
    } else {
        msgBox(calc::kPowerFactorMessage, controls::MessageStyle::Information);
        state.PowerFactor = kFallback;
        Factor.setText("0.85");  // the nested run sets the unit to " W"
        Form.setFocus(Factor);
        Factor.setSelection(kDecimalsStart, kDecimalsLength);
    }
}

void MainForm::Factor_GotFocus() {
    if (state.PowerFactor == kHighest) {
        Factor.setSelection(0, 1);
    } else {
        Factor.setSelection(kDecimalsStart, kDecimalsLength);
    }
}

void MainForm::Factor_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    arrowKeys(KeyCode, &MainForm::PFS_SpinDown, &MainForm::PFS_SpinUp);
}

void MainForm::PFS_SpinDown() {
    // Below the range the 0 written is refused by Factor_Change with its message.
    state.PowerFactor = state.PowerFactor > kLowest ? stepped(state.PowerFactor, -1) : 0;
    Factor.setText(calc::generalText(state.PowerFactor));
    Form.setFocus(Factor);
    Factor.setSelection(kDecimalsStart, kDecimalsLength);
}

// At the top the "1" is selected whole, as typing it would leave it.
void MainForm::PFS_SpinUp() {
    const bool below = state.PowerFactor < kHighest;
    state.PowerFactor = below ? stepped(state.PowerFactor, +1) : kHighest;
    Factor.setText(below ? calc::generalText(state.PowerFactor) : "1");
    Form.setFocus(Factor);
    Factor.setSelection(below ? kDecimalsStart : 0, below ? kDecimalsLength : 1);
}
