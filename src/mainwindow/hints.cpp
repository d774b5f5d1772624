// Hover hints in the note label. Each handler runs on every pointer movement over its area and
// writes the same caption each time; nothing clears a hint, the next area's hint replaces it.
// The texts are the calculator's own, spelling and trailing blanks included.
//
// What an area would write is a function of the present state alone, so that the same text can
// also be the area's accessible description (accessibility.cpp).
#include <string>
#include <string_view>

#include "mainwindow/mainform.h"

namespace {

constexpr std::string_view kPercentHint = "\nClick button to change the percentage.";

constexpr std::string_view kBackgroundHint =
    "Short-Circuit-Current values shown are for estimating purposes only. \n"
    "Calculations do not take into account the losses that vary with transformer size and "
    "construction.\n"
    "Utility voltage variations and actual (not nameplate) impedance value may further "
    "affect the result.\n"
    "The main purpose of these calculations is merly to indicate if more exact calculations "
    "are needed.";

constexpr std::string_view kPowerFactorHint =
    "When transformer is at full load, the power factor PF nears 1. As the load decreases - "
    "transformer PF drops. Loads with low PF (i.e. motors) draw more current than high PF "
    "(i.e. resistive.) With no load the transformer still draws the \"no-load\" current "
    "(approx 3-5%.) Calculating transformer PF exceeds the scope of this calculator.";

constexpr std::string_view kSecondaryVoltageSingleHint =
    "Select \"Line To Line\" Voltage for proper Short-Circuit Current calculations. "
    "Short-Circuit Current values shown refer to \"Line to Neutral\" fault of a center "
    "tapped transformer.\n"
    "I.E. For single phase 120/240V transformer select 240V.";

constexpr std::string_view kSecondaryVoltageThreeHint =
    "Select \"Line to Line\" Voltage for proper Short-Circuit Current calculations.";

constexpr std::string_view kImpedanceHint =
    "Minimum Impedance values allowed by codes are shown by default.\n"
    "Look up or specify the actual/desired impedance.\n"
    "Typical values for power transformers are between 3 to 6 percent.\n"
    "Impedances outside of the normal 1.5 - 13% range are possible for special "
    "applications.";

constexpr std::string_view kShortCircuitSingleHint =
    "Single-Phase Short-Circuit calculations assume \"infinite\" primary.\n"
    "SC current value shown is for \"Line to Neutral\" fault of a center tapped "
    "transformer.\n"
    "Motor contribution equal to transformer \"Secondary Current\" multiplied by 4 is "
    "included.\n"
    "Without the motors contribution the available short-circuit current (symmetrical) "
    "would be: ";

constexpr std::string_view kShortCircuitThreeHint =
    "Three-Phase Short-Circuit calculations assume \"infinite\" primary. \n"
    "Motor short-circuit contribution equal to Secondary Current multiplied by 4 is "
    "included.\n"
    "Without the motors contribution the available Short-Circuit Current (symmetrical) "
    "would be: ";

// The current without motor contribution is quoted as the tick last wrote it.
std::string shortCircuitHint(std::string_view lead, std::string_view withoutMotors) {
    std::string hint;
    hint.reserve(lead.size() + withoutMotors.size() + 10);
    hint.append(lead).append(withoutMotors).append(" Amperes.");
    return hint;
}

}  // namespace

std::string MainForm::hintOf(const controls::Control& area) const {
    if (&area == &Command1 || &area == &CommandSC) {
        // Offered only until either percentage button has been clicked once.
        return state.PercentClicked == 0 ? std::string(kPercentHint) : std::string();
    }
    if (&area == &Form) return std::string(kBackgroundHint);
    if (&area == &Frame3D4) {
        // The power factor field is disabled only in transformer mode, where this note applies.
        return Factor.enabled() ? std::string() : std::string(kPowerFactorHint);
    }
    if (&area == &Frame3D6) {
        if (SPh.value()) return std::string(kSecondaryVoltageSingleHint);
        if (TPh.value()) return std::string(kSecondaryVoltageThreeHint);
        return {};
    }
    if (&area == &ImpedFrame) return std::string(kImpedanceHint);
    if (&area == &SSFrame2) {
        if (SPh.value()) return shortCircuitHint(kShortCircuitSingleHint, Label6.caption());
        if (TPh.value()) return shortCircuitHint(kShortCircuitThreeHint, Label6.caption());
        return {};
    }
    return {};
}

// Every hint has text, so an empty one means the area writes nothing now.
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
