// The transformer impedance field and its spin button. The spin works on the text, not on the
// variable, and wraps around between 0.1 and 20; the ticks read Impedance for the short-circuit
// estimate.
#include <algorithm>
#include <span>

#include "calc/messages.h"
#include "calc/numbers.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"

namespace {

// The first column of a step table. Bounds are singles, compared with the single Z.
struct Condition {
    enum class Kind { AtLeast, AtMost, Within, Always };
    Kind kind;
    float low;
    float high;

    bool holds(float z) const {
        switch (kind) {
            case Kind::AtLeast:
                return z >= low;
            case Kind::AtMost:
                return z <= high;
            case Kind::Within:
                return low <= z && z < high;
            case Kind::Always:
                return true;
        }
        return true;
    }
};

constexpr Condition atLeast(float low) {
    return {Condition::Kind::AtLeast, low, 0};
}
constexpr Condition atMost(float high) {
    return {Condition::Kind::AtMost, 0, high};
}
constexpr Condition within(float low, float below) {
    return {Condition::Kind::Within, low, below};
}
constexpr Condition otherwise() {
    return {Condition::Kind::Always, 0, 0};
}

// The second column: (nearest(Z / grid) + by) x grid, a fixed value, or Z as it is.
struct Step {
    enum class Kind { Counted, Fixed, Unchanged };
    Kind kind;
    double grid;
    int by;
    float value;
};

constexpr Step counted(double grid, int by) {
    return {Step::Kind::Counted, grid, by, 0};
}
constexpr Step wrapTo(float value) {
    return {Step::Kind::Fixed, 0, 0, value};
}
constexpr Step unchanged() {
    return {Step::Kind::Unchanged, 0, 0, 0};
}

struct Row {
    Condition when;
    Step step;
};

// Down steps are quarters from 2.5 on; between 0.1 and 0.2 the field has no step at all.
constexpr Row kImpedanceDown[] = {
    {atLeast(2.5F), counted(0.25, -1)},
    {atLeast(0.2F), counted(0.1, -1)},
    {atMost(0.1F), wrapTo(20)},
    {otherwise(), unchanged()},
};

// Up steps are halves from 2 on, so going up from 2 passes 2.5, 3, 3.5, ...
constexpr Row kImpedanceUp[] = {
    {within(2, 20), counted(0.5, +1)},
    {within(0, 2), counted(0.1, +1)},
    {otherwise(), wrapTo(0.1F)},
};

constexpr float kSpinTop = 20;
// The step count is a 16-bit integer; a typed value whose count would not fit (8191.875 and
// above in quarters) goes down to the top of the spin's cycle instead, one click back into the
// usual range, where the up arrow wraps such values to 0.1 as well.
constexpr double kCountLimit = 32767.5;

float apply(const Step& step, float z) {
    switch (step.kind) {
        case Step::Kind::Counted: {
            const double count = z / step.grid;
            if (count >= kCountLimit) return kSpinTop;
            const int n = calc::roundToInt16(count) + step.by;
            return static_cast<float>(n * step.grid);
        }
        case Step::Kind::Fixed:
            return step.value;
        case Step::Kind::Unchanged:
            return z;
    }
    return z;
}

float stepped(std::span<const Row> table, float z) {
    const auto row =
        std::find_if(table.begin(), table.end(), [z](const Row& r) { return r.when.holds(z); });
    return row == table.end() ? z : apply(row->step, z);
}

void stepImpedance(MainForm& form, std::span<const Row> table) {
    if (!calc::isNumeric(form.Imped.text())) return;
    const float z = stepped(table, calc::toSingle(form.Imped.text()));
    form.state.Impedance = z;
    form.Imped.setText(calc::generalText(z));
    form.Form.setFocus(form.Imped);
    form.Imped.setSelection(0, form.Imped.length());
}

// Typed values outside these are held to them when the field is left (see Imped_LostFocus).
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
    Imped.setText(calc::generalText(state.Impedance));
    Form.setFocus(Imped);
    Imped.setSelection(0, Imped.length());
}

void MainForm::Imped_GotFocus() {
    if (Imped.text().empty()) {
        Imped.setSelection(0, 0);  // nothing to select, whatever the impedance
    } else if (state.Impedance < 1) {
        // "0.5": the digits after the leading zero and the point, ready for the next digit.
        Imped.setSelection(2, Imped.length() - 1);
    } else {
        Imped.setSelection(0, Imped.length());
    }
}

// Leaving the field holds a typed value to the usual range. A value the person left untouched
// since the program selected it whole (a spin step, or just passing through) is not held: the
// spin's own cycle goes up to 20.
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
    Imped.setSelection(0, Imped.length());
}

void MainForm::Imped_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    if (KeyCode == controls::kKeyDown) {
        ImpSpin_SpinDown();
    } else if (KeyCode == controls::kKeyUp) {
        ImpSpin_SpinUp();
    }
}

void MainForm::ImpSpin_SpinDown() {
    stepImpedance(*this, kImpedanceDown);
}

void MainForm::ImpSpin_SpinUp() {
    stepImpedance(*this, kImpedanceUp);
}
