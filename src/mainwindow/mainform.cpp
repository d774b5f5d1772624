// Start-up, the key filter, Exit, About and the two timers of the main window.
#include "mainwindow/mainform.h"

#include "about/aboutform.h"
#include "calc/messages.h"
#include "calc/numbers.h"

using calc::generalText;

AboutForm* MainForm::about() const {
    return about_ != nullptr && !about_->unloaded() ? about_.get() : nullptr;
}

void MainForm::Form_Load() {
    state.SecondaryPercent = 1.25F;
    state.CurrentPercent = 1.25F;
    state.Voltage = 208;
    state.SecondaryVoltage = 208;
    state.Current = 10;
    state.SecondaryCurrent = 10;
    state.PowerFactor = 1;
    state.Impedance = 1.5F;
    state.PercentClicked = 0;
    state.SecondaryOverflow = 0;
    Form.setHeight(3732);
    Form.setWidth(4790);
    state.Power = 2958;
    // Each write runs the field's change handler, which takes the value in.
    V.setText(generalText(state.Voltage));
    A.setText(generalText(state.Current));
    V2.setText(generalText(state.SecondaryVoltage));
    Imped.setText(generalText(state.Impedance));
    centre();
    Label5.setCaption(
        "Note:\nCalculations do not take into account the losses that vary with transformer size "
        "and construction.");
}

void MainForm::show() {
    Form.setShown(true);
    desktop.showWindow(Form);
    const auto order = Form.tabOrder();
    if (!order.empty() && Form.focused() == nullptr) {
        // The first tab stop starts with the focus; no focus handler runs for it.
        for (controls::Control* control : order) {
            if (control->tabStop() && control->enabled() && control->visible()) {
                Form.setFocus(*control);
                break;
            }
        }
    }
}

void MainForm::centre() {
    const controls::ScreenSize screen = desktop.screenSize();
    Form.move(calc::roundToInt32(static_cast<double>(screen.width) - Form.width()) / 2,
              calc::roundToInt32(static_cast<double>(screen.height) - Form.height()) / 2);
}

void MainForm::msgBox(std::string_view text, controls::MessageStyle style, std::string_view title) {
    desktop.messageBox(text, title.empty() ? calc::kAppTitle : title, style);
}

// Only digits, "." and Backspace may be typed anywhere in the window.
void MainForm::Form_KeyPress(std::int16_t& KeyAscii) {
    const bool accepted = KeyAscii == 8 || KeyAscii == 46 || (KeyAscii >= 48 && KeyAscii <= 57);
    if (!accepted) {
        KeyAscii = 0;
        desktop.beep();
    }
}

void MainForm::Command3D1_Click() {
    Form.gate().end();
    // Every window closes with the program.
    if (about_ != nullptr) about_->unload();
    Form.setShown(false);
    desktop.endProgram();
}

void MainForm::Command3D2_Click() {
    if (about_ != nullptr && about_->unloaded()) about_.reset();
    if (about_ == nullptr) {
        about_ = std::make_unique<AboutForm>(desktop, Form.gate(), Form);
        about_->Form_Load();
    }
    about_->show();
}

void MainForm::Timer1_Timer() {
    calc::powerTick(state, tickView_);
}

void MainForm::Timer2_Timer() {
    calc::currentTick(state, tickView_);
}
