// The transformer impedance field and its spin button, which steps the text, not the variable,
// and wraps around between 0.1 and 20.
#include <span>

#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

using namespace spins;

// The bounds are singles, compared with the single Z. The step count is a 16-bit integer: from
// 8191.875 on, where the quarters would not fit, a step down goes to the top of the cycle, as a
// step up wraps such values to 0.1. Between 0.1 and 0.2 there is no step at all.
constexpr Row kImpedanceDown[] = {
    {Holds::AtLeast, 8191.875F, to(20)},
    {Holds::AtLeast, 2.5F, nearest(0.25, -1)},
    {Holds::AtLeast, 0.2F, nearest(0.1, -1)},
    {Holds::AtMost, 0.1F, to(20)},
    {Holds::Always, 0, add(0)},
};

constexpr Row kImpedanceUp[] = {
    {Holds::AtLeast, 20, to(0.1F)},
    {Holds::AtLeast, 2, nearest(0.5, +1)},
    {Holds::AtLeast, 0, nearest(0.1, +1)},
    {Holds::Always, 0, to(0.1F)},
};

void stepImpedance(MainForm& form, std::span<const Row> table) {
    if (!calc::isNumeric(form.Imped.text())) return;
    const float z = static_cast<float>(stepped(table, calc::toSingle(form.Imped.text())));
    form.state.Impedance = z;
    form.Imped.setText(calc::generalText(z));
    focusWholeText(form.Form, form.Imped);
}

// Typed values are held to these when the field is left.
constexpr float kLowestImpedance = 0.01F;
constexpr float kHighestImpedance = 13;
constexpr float kDefaultImpedance = 1.5F;

}  // namespace

// Values are stored as typed, without bounds: "1" on the way to "13" must not be interrupted.
void MainForm::Imped_Change() {
    const std::string& text = Imped.text();
    if (text.empty() || text == ".") return;
    if (calc::isNumeric(text)) {
        state.Impedance = calc::toSingle(text);
        return;
    }
    state.Impedance = kDefaultImpedance;
    Imped.setText("1.5");
    focusWholeText(Form, Imped);
}

void MainForm::Imped_GotFocus() {
    if (Imped.text().empty()) {
        Imped.setSelection(0, 0);
    } else if (state.Impedance < 1) {
        // "0.5": the digits after "0.", ready for the next digit.
        Imped.setSelection(2, Imped.length() - 1);
    } else {
        Imped.selectAll();
    }
}

// Leaving the field holds a typed value to the usual range, but not one left selected whole
// as the program selected it (a spin step, or passing through): the spin's cycle goes up to 20.
void MainForm::Imped_LostFocus() {
    const bool untouched =
        Imped.length() > 0 && Imped.selStart() == 0 && Imped.selLength() == Imped.length();
    if (untouched) return;
    float held = state.Impedance;
    if (state.Impedance < kLowestImpedance) {
        held = kDefaultImpedance;
    } else if (state.Impedance > kHighestImpedance) {
        held = kHighestImpedance;
    } else {
        return;
    }
    msgBox(calc::kImpedanceMessage, controls::MessageStyle::Information, calc::kImpedanceTitle);
    state.Impedance = held;
    Imped.setText(calc::generalText(held));
    Imped.selectAll();
}

void MainForm::Imped_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    arrowKeys(KeyCode, &MainForm::ImpSpin_SpinDown, &MainForm::ImpSpin_SpinUp);
}

void MainForm::ImpSpin_SpinDown() {
    stepImpedance(*this, kImpedanceDown);
}

void MainForm::ImpSpin_SpinUp() {
    stepImpedance(*this, kImpedanceUp);
}
