// Start-up, the modes, the key filter, Exit and About of the main window.
#include "mainwindow/mainform.h"

#include "about/aboutform.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "controls/userinput.h"

using calc::generalText;

AboutForm* MainForm::about() const {
    return about_ != nullptr && !about_->unloaded() ? about_.get() : nullptr;
}

controls::Window* MainForm::window(std::string_view name) {
    if (name == "MainForm") return &Form;
    if (name == "AboutForm" && about() != nullptr) return &about()->Form;
    return nullptr;
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
    Form.show(desktop);
    if (Form.focused() != nullptr) return;
    // The first tab stop starts with the focus; no focus handler runs for it.
    for (controls::Control* control : Form.tabOrder()) {
        if (control->tabStop() && control->reachable()) {
            Form.setFocus(*control);
            break;
        }
    }
}

// Each mode stops the other timer before starting its own, so that the two never run together.
void MainForm::derive(calc::Quantity quantity) {
    const bool power = quantity == calc::Quantity::Power;
    (power ? Timer2 : Timer1).setEnabled(false);
    (power ? Timer1 : Timer2).setEnabled(true);
}

calc::Phase MainForm::phase() const {
    if (SPh.value()) return calc::Phase::Single;
    if (TPh.value()) return calc::Phase::Three;
    return calc::Phase::Neither;
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
    const bool accepted =
        KeyAscii == controls::kBackspace || KeyAscii == '.' || (KeyAscii >= '0' && KeyAscii <= '9');
    if (!accepted) {
        KeyAscii = 0;
        desktop.beep();
    }
}

void MainForm::arrowKeys(std::int16_t KeyCode, void (MainForm::*down)(), void (MainForm::*up)()) {
    if (KeyCode == controls::kKeyDown) (this->*down)();
    if (KeyCode == controls::kKeyUp) (this->*up)();
}

void MainForm::Command3D1_Click() {
    Form.gate().end();
    // Every window closes with the program.
    if (about_ != nullptr) about_->unload();
    Form.unload(desktop);
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
