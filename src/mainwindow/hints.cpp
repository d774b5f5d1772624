// Hover hints in the note label; nothing clears one, the next area's replaces it. The texts are
// the calculator's own, spelling and trailing blanks included. A hint depends on the present
// state alone, so that it can also be the area's accessible description.
#include <string>

#include "mainwindow/mainform.h"

namespace {

constexpr const char* kPercentHint = "\nClick button to change the percentage.";

constexpr const char* kBackgroundHint =
    "Short-Circuit-Current values shown are for estimating purposes only. \n"
    "Calculations do not take into account the losses that vary with transformer size and "
    "construction.\n"
    "Utility voltage variations and actual (not nameplate) impedance value may further "
    "affect the result.\n"
    "The main purpose of these calculations is merly to indicate if more exact calculations "
    "are needed.";

constexpr const char* kPowerFactorHint =
    "When transformer is at full load, the power factor PF nears 1. As the load decreases - "
    "transformer PF drops. Loads with low PF (i.e. motors) draw more current than high PF "
    "(i.e. resistive.) With no load the transformer still draws the \"no-load\" current "
    "(approx 3-5%.) Calculating transformer PF exceeds the scope of this calculator.";

constexpr const char* kSecondaryVoltageSingleHint =
    "Select \"Line To Line\" Voltage for proper Short-Circuit Current calculations. "
    "Short-Circuit Current values shown refer to \"Line to Neutral\" fault of a center "
    "tapped transformer.\n"
    "I.E. For single phase 120/240V transformer select 240V.";

constexpr const char* kSecondaryVoltageThreeHint =
    "Select \"Line to Line\" Voltage for proper Short-Circuit Current calculations.";

constexpr const char* kImpedanceHint =
    "Minimum Impedance values allowed by codes are shown by default.\n"
    "Look up or specify the actual/desired impedance.\n"
    "Typical values for power transformers are between 3 to 6 percent.\n"
    "Impedances outside of the normal 1.5 - 13% range are possible for special "
    "applications.";

constexpr const char* kShortCircuitSingleHint =
    "Single-Phase Short-Circuit calculations assume \"infinite\" primary.\n"
    "SC current value shown is for \"Line to Neutral\" fault of a center tapped "
    "transformer.\n"
    "Motor contribution equal to transformer \"Secondary Current\" multiplied by 4 is "
    "included.\n"
    "Without the motors contribution the available short-circuit current (symmetrical) "
    "would be: ";

constexpr const char* kShortCircuitThreeHint =
    "Three-Phase Short-Circuit calculations assume \"infinite\" primary. \n"
    "Motor short-circuit contribution equal to Secondary Current multiplied by 4 is "
    "included.\n"
    "Without the motors contribution the available Short-Circuit Current (symmetrical) "
    "would be: ";

}  // namespace

std::string MainForm::hintOf(const controls::Control& area) const {
    if (&area == &Command1 || &area == &CommandSC) {
        // Offered only until either percentage button has been clicked once.
        return state.PercentClicked == 0 ? kPercentHint : "";
    }
    if (&area == &Form) return kBackgroundHint;
    if (&area == &Frame3D4) {
        // The field is disabled only in transformer mode, where this note applies.
        return Factor.enabled() ? "" : kPowerFactorHint;
    }
    if (&area == &Frame3D6) {
        if (SPh.value()) return kSecondaryVoltageSingleHint;
        if (TPh.value()) return kSecondaryVoltageThreeHint;
    }
    if (&area == &ImpedFrame) return kImpedanceHint;
    if (&area == &SSFrame2) {
        // The current without motor contribution is quoted as the tick last wrote it.
        if (SPh.value()) return kShortCircuitSingleHint + Label6.caption() + " Amperes.";
        if (TPh.value()) return kShortCircuitThreeHint + Label6.caption() + " Amperes.";
    }
    return {};
}

void MainForm::showHint(const controls::Control& area) {
    std::string hint = hintOf(area);
    if (!hint.empty()) Label5.setCaption(std::move(hint));
}

void MainForm::Command1_MouseMove() {
    showHint(Command1);
}

void MainForm::CommandSC_MouseMove() {
    Command1_MouseMove();
}

void MainForm::Form_MouseMove() {
    showHint(Form);
}

void MainForm::Frame3D4_MouseMove() {
    showHint(Frame3D4);
}

void MainForm::Frame3D6_MouseMove() {
    showHint(Frame3D6);
}

void MainForm::ImpedFrame_MouseMove() {
    showHint(ImpedFrame);
}

void MainForm::SSFrame2_MouseMove() {
    showHint(SSFrame2);
}
