// Hover hints in the note label. Each handler runs on every pointer movement over its area and
// writes the same caption each time; nothing clears a hint, the next area's hint replaces it.
// The texts are the calculator's own, spelling and trailing blanks included.
#include "mainwindow/mainform.h"

void MainForm::Command1_MouseMove() {
    // Offered only until either percentage button has been clicked once.
    if (state.PercentClicked == 0) Label5.setCaption("\nClick button to change the percentage.");
}

void MainForm::CommandSC_MouseMove() {
    Command1_MouseMove();
}

void MainForm::Form_MouseMove() {
    Label5.setCaption(
        "Short-Circuit-Current values shown are for estimating purposes only. \n"
        "Calculations do not take into account the losses that vary with transformer size and "
        "construction.\n"
        "Utility voltage variations and actual (not nameplate) impedance value may further "
        "affect the result.\n"
        "The main purpose of these calculations is merly to indicate if more exact calculations "
        "are needed.");
}

void MainForm::Frame3D4_MouseMove() {
    // The power factor field is disabled only in transformer mode, where this note applies.
    if (Factor.enabled()) return;
    Label5.setCaption(
        "When transformer is at full load, the power factor PF nears 1. As the load decreases - "
        "transformer PF drops. Loads with low PF (i.e. motors) draw more current than high PF "
        "(i.e. resistive.) With no load the transformer still draws the \"no-load\" current "
        "(approx 3-5%.) Calculating transformer PF exceeds the scope of this calculator.");
}

void MainForm::Frame3D6_MouseMove() {
    if (SPh.value()) {
        Label5.setCaption(
            "Select \"Line To Line\" Voltage for proper Short-Circuit Current calculations. "
            "Short-Circuit Current values shown refer to \"Line to Neutral\" fault of a center "
            "tapped transformer.\n"
            "I.E. For single phase 120/240V transformer select 240V.");
    } else if (TPh.value()) {
        Label5.setCaption(
            "Select \"Line to Line\" Voltage for proper Short-Circuit Current calculations.");
    }
}

void MainForm::ImpedFrame_MouseMove() {
    Label5.setCaption(
        "Minimum Impedance values allowed by codes are shown by default.\n"
        "Look up or specify the actual/desired impedance.\n"
        "Typical values for power transformers are between 3 to 6 percent.\n"
        "Impedances outside of the normal 1.5 - 13% range are possible for special "
        "applications.");
}

void MainForm::SSFrame2_MouseMove() {
    // The current without motor contribution is quoted as the tick last wrote it.
    const std::string withoutMotors = Label6.caption();
    if (SPh.value()) {
        Label5.setCaption(
            "Single-Phase Short-Circuit calculations assume \"infinite\" primary.\n"
            "SC current value shown is for \"Line to Neutral\" fault of a center tapped "
            "transformer.\n"
            "Motor contribution equal to transformer \"Secondary Current\" multiplied by 4 is "
            "included.\n"
            "Without the motors contribution the available short-circuit current (symmetrical) "
            "would be: " +
            withoutMotors + " Amperes.");
    } else if (TPh.value()) {
        Label5.setCaption(
            "Three-Phase Short-Circuit calculations assume \"infinite\" primary. \n"
            "Motor short-circuit contribution equal to Secondary Current multiplied by 4 is "
            "included.\n"
            "Without the motors contribution the available Short-Circuit Current (symmetrical) "
            "would be: " +
            withoutMotors + " Amperes.");
    }
}
