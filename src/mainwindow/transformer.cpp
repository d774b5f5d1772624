// Transformer mode and the secondary voltage. The mode is nothing but the window's width: the
// ticks compute the secondary side while the window is wide enough to show it.
#include <span>
#include <string>

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

struct WindowMode {
    int width;
    int height;
    const char* voltageCaption;
    const char* currentCaption;
    bool secondaryInTabOrder;  // V2 lies outside the compact window, so Tab must skip it there
};

constexpr WindowMode kCompact{4790, 3732, "System Voltage (U)", "Current (I)", false};
constexpr WindowMode kTransformer{8160, 5432, "Primary Voltage (U)", "Primary Current (I)", true};

using namespace spins;

// The secondary ladders differ from those of the system voltage at their ends: 6 V is a stop
// going down, and above the top a three-phase step down moves by a thousand volts.
constexpr Row kSinglePhaseDown[] = {
    {Holds::AtMost, 1, to(1)},     {Holds::AtMost, 6, add(-1)},
    {Holds::AtMost, 12, to(6)},    {Holds::AtMost, 27'600, standard(1, -1)},
    {Holds::Always, 0, add(-100)},
};

constexpr Row kThreePhaseDown[] = {
    {Holds::AtMost, 1, to(1)},
    {Holds::AtMost, 27'600, standard(3, -1)},
    {Holds::Always, 0, add(-1000)},
};

// Going up, 6 is not a stop: single volts up to 12, then straight on to 24.
constexpr Row kSinglePhaseUp[] = {
    {Holds::Below, 1, to(1)},
    {Holds::Below, 12, add(1)},
    {Holds::Always, 0, standard(1, +1)},
};

void showSteppedVoltage(MainForm& form, double voltage) {
    form.state.SecondaryVoltage = voltage;
    form.V2.setText(calc::format(voltage, "#,###"));
    focusWholeText(form.Form, form.V2);
}

}  // namespace

void MainForm::Trbutton_Click() {
    // Unlike the ticks and the power spin, the button counts a width of exactly 6500 as the
    // transformer window; neither size it sets lies there, so each keeps its own test.
    const bool transformerOn = Form.width() >= calc::kTransformerWidth;
    const WindowMode& mode = transformerOn ? kCompact : kTransformer;
    Form.setWidth(mode.width);
    Form.setHeight(mode.height);
    if (transformerOn) {
        // The ticks disable and hide these while the secondary side is computed.
        Factor.setEnabled(true);
        PFS.setVisible(true);
    }
    Frame3D1.setCaption(mode.voltageCaption);
    Frame3D2.setCaption(mode.currentCaption);
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
    V2.selectAll();
    derive(calc::Quantity::Power);
}

void MainForm::V2_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    arrowKeys(KeyCode, &MainForm::V2S_SpinDown, &MainForm::V2S_SpinUp);
}

// The ladders step the voltage last taken from V2, not the text now in the box.
void MainForm::V2S_SpinDown() {
    const auto ladder = ofPhase(TPh.value(), kThreePhaseDown, kSinglePhaseDown);
    showSteppedVoltage(*this, stepped(ladder, state.SecondaryVoltage));
}

void MainForm::V2S_SpinUp() {
    const auto ladder = ofPhase(TPh.value(), kThreePhaseUp, kSinglePhaseUp);
    showSteppedVoltage(*this, stepped(ladder, state.SecondaryVoltage));
}
