// Transformer mode and the secondary voltage. The mode is nothing but the window's width: the
// ticks compute the secondary side while the window is wide enough to show it.
#include <limits>
#include <span>
#include <string_view>

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"

namespace {

struct WindowMode {
    int width;
    int height;
    std::string_view voltageCaption;
    std::string_view currentCaption;
    bool secondaryInTabOrder;  // V2 lies outside the compact window, so Tab must skip it there
};

constexpr WindowMode kCompact{4790, 3732, "System Voltage (U)", "Current (I)", false};
constexpr WindowMode kTransformer{8160, 5432, "Primary Voltage (U)", "Primary Current (I)", true};

// One rung of a secondary voltage ladder: either a standard voltage or a step from the value.
struct Step {
    double amount;
    bool relative;
    double from(double x) const { return relative ? x + amount : amount; }
};

constexpr Step to(double voltage) {
    return {voltage, false};
}
constexpr Step by(double difference) {
    return {difference, true};
}

// Down ladders take the first rung with x <= limit, up ladders the first with x < limit.
struct Rung {
    double limit;
    Step step;
};

constexpr double kOtherwise = std::numeric_limits<double>::infinity();

// 277 is a rung going up but not coming down: 240 steps up to 277, and 277 down to 240.
constexpr Rung kThreePhaseDown[] = {
    {1, to(1)},      {240, to(208)},    {480, to(240)},     {600, to(480)},
    {4160, to(600)}, {13800, to(4160)}, {27600, to(13800)}, {kOtherwise, by(-1000)},
};

constexpr Rung kThreePhaseUp[] = {
    {208, to(208)}, {240, to(240)},   {277, to(277)},     {480, to(480)},
    {600, to(600)}, {4160, to(4160)}, {13800, to(13800)}, {kOtherwise, to(27600)},
};

// Going up, 6 is not a rung: single volts up to 12, then straight on to 24.
constexpr Rung kSinglePhaseDown[] = {
    {1, to(1)},         {6, by(-1)},        {12, to(6)},
    {24, to(12)},       {120, to(24)},      {208, to(120)},
    {240, to(208)},     {277, to(240)},     {347, to(277)},
    {480, to(347)},     {600, to(480)},     {2400, to(600)},
    {4160, to(2400)},   {7967, to(4160)},   {13800, to(7967)},
    {15935, to(13800)}, {27600, to(15935)}, {kOtherwise, by(-100)},
};

constexpr Rung kSinglePhaseUp[] = {
    {1, to(1)},       {12, by(1)},        {24, to(24)},       {120, to(120)},
    {208, to(208)},   {240, to(240)},     {277, to(277)},     {347, to(347)},
    {480, to(480)},   {600, to(600)},     {2400, to(2400)},   {4160, to(4160)},
    {7967, to(7967)}, {13800, to(13800)}, {15935, to(15935)}, {kOtherwise, to(27600)},
};

struct Ladders {
    std::span<const Rung> down;
    std::span<const Rung> up;
};

constexpr Ladders kThreePhase{kThreePhaseDown, kThreePhaseUp};
constexpr Ladders kSinglePhase{kSinglePhaseDown, kSinglePhaseUp};

double stepDown(std::span<const Rung> ladder, double x) {
    for (const Rung& rung : ladder) {
        if (x <= rung.limit) return rung.step.from(x);
    }
    return ladder.back().step.from(x);
}

double stepUp(std::span<const Rung> ladder, double x) {
    for (const Rung& rung : ladder) {
        if (x < rung.limit) return rung.step.from(x);
    }
    return ladder.back().step.from(x);
}

// The value stays as shown: the write runs V2_Change, which reads the grouped text back.
void showSteppedVoltage(MainForm& form, double voltage) {
    form.state.SecondaryVoltage = voltage;
    form.V2.setText(calc::format(voltage, "#,###"));
    form.Form.setFocus(form.V2);
    form.V2.setSelection(0, form.V2.length());
}

}  // namespace

void MainForm::Trbutton_Click() {
    // The button counts the threshold itself as the transformer window, where the ticks and the
    // power spin need a width above it; neither size the button sets lies at 6500, so the two
    // disagree only for a window resized to exactly that width, and each keeps its own test.
    const bool transformerOn = Form.width() >= calc::kTransformerWidth;
    const WindowMode& mode = transformerOn ? kCompact : kTransformer;
    Form.setWidth(mode.width);
    Form.setHeight(mode.height);
    if (transformerOn) {
        // The ticks disable and hide these while the secondary side is computed.
        Factor.setEnabled(true);
        PFS.setVisible(true);
    }
    Frame3D1.setCaption(std::string(mode.voltageCaption));
    Frame3D2.setCaption(std::string(mode.currentCaption));
    V2.setTabStop(mode.secondaryInTabOrder);
    centre();
}

void MainForm::V2_Change() {
    const std::string& text = V2.text();
    if (text.empty() || text == ".") {
        // Nothing to divide by yet; the voltage last taken stays for the next tick.
        state.SecondaryCurrent = 0;
        A2.setCaption("0");
        A2M.setCaption("0");
        return;
    }
    if (calc::isNumeric(text)) {
        state.SecondaryVoltage = calc::toDouble(text);
    } else {
        state.SecondaryVoltage = 120;
        V2.setText("120");
    }
    if (state.SecondaryVoltage >= 610000) {
        msgBox(calc::kRangeMessage, controls::MessageStyle::Exclamation);
        V2.setText("600000");
    }
}

void MainForm::V2_GotFocus() {
    V2.setSelection(0, V2.length());
    // Editing the secondary voltage derives the power, as the other voltage fields do.
    derive(calc::Quantity::Power);
}

void MainForm::V2_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    if (KeyCode == controls::kKeyDown) {
        V2S_SpinDown();
    } else if (KeyCode == controls::kKeyUp) {
        V2S_SpinUp();
    }
}

// The ladders step the voltage last taken from V2, not the text now in the box.
void MainForm::V2S_SpinDown() {
    const Ladders& ladders = TPh.value() ? kThreePhase : kSinglePhase;
    showSteppedVoltage(*this, stepDown(ladders.down, state.SecondaryVoltage));
}

void MainForm::V2S_SpinUp() {
    const Ladders& ladders = TPh.value() ? kThreePhase : kSinglePhase;
    showSteppedVoltage(*this, stepUp(ladders.up, state.SecondaryVoltage));
}
