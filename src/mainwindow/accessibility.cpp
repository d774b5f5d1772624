// What a screen reader says of the main window. Names say what a control is, in the words of the
// person using it, with the unit of its number; the number itself is the control's text.
// Descriptions say what it does where that is not obvious. The areas that explain themselves
// in the note when the pointer passes over them carry that same note as their description, so
// that it is reachable without a pointer.
#include <string>
#include <string_view>

#include "mainwindow/mainform.h"

namespace {

constexpr const char* kPercentDescription =
    "Changes the percentage: 125, 150, 167, 200, 300, 400 or 600 percent of the current.";
constexpr const char* kSecondaryPercentDescription =
    "Changes the percentage: 125, 150, 167, 225, 250 or 300 percent of the secondary current.";
constexpr std::string_view kSecondaryVoltageDescription =
    "Type the secondary voltage of the transformer, or step through the standard voltages with "
    "Up and Down.";

void name(controls::Control& control, std::string name, std::string description = {}) {
    control.setAccessibleName(std::move(name));
    control.setAccessibleDescription(std::move(description));
}

void nameSpin(controls::SpinButton& spin, const std::string& quantity) {
    spin.setAccessibleName("Steps of the " + quantity);
    spin.setArrowNames("Step " + quantity + " up", "Step " + quantity + " down");
}

// A field that a keyboard reaches inside a hint area also carries the area's note, since a
// screen reader speaks the description of what takes the focus, not of the frame around it.
std::string withNote(std::string_view description, const std::string& note) {
    std::string text(description);
    if (!note.empty()) text.append("\n").append(note);
    return text;
}

}  // namespace

void MainForm::describeForAccessibility() {
    name(Frame3D1, "System voltage");
    name(TPh, "Three-phase",
         "Three-phase circuit, P = 1.73 × U × I × PF. A standard single-phase voltage becomes "
         "its three-phase counterpart.");
    name(SPh, "Single-phase",
         "Single-phase circuit, P = U × I × PF. A standard three-phase voltage becomes its "
         "single-phase counterpart.");
    name(V, "System voltage, volts",
         "Type the voltage, or step through the standard voltages with Up and Down. In "
         "transformer mode this is the primary voltage.");
    nameSpin(VS, "system voltage");

    name(FramePrX, "Percentage of the current");
    name(A1, "Percentage of the current, amperes");
    name(Frame3D2, "Current");
    name(A, "Current, amperes",
         "Type the current, or step it with Up and Down; the power follows from it. In "
         "transformer mode this is the primary current.");
    nameSpin(AS, "current");

    name(Frame3D4, "Power factor");
    name(Factor, "Power factor, 0.01 to 1",
         "Type the power factor, or step it by hundredths with Up and Down. Not used in "
         "transformer mode.");
    nameSpin(PFS, "power factor");

    name(Frame3D3, "Power");
    name(W, "Power, volt-amperes",
         "Type the power, or step it with Up and Down; the current follows from it. In "
         "transformer mode the steps are the standard transformer ratings.");
    nameSpin(PS, "power");

    name(Frame3D5, "Formula processed");
    name(Wzor, "Formula processed");
    name(Trbutton, "Transformer calculation",
         "Widens the window with the secondary side of a transformer and an estimate of its "
         "short-circuit current, or narrows it again.");
    name(Command3D2, "About Quellora");
    name(Command3D1, "Exit", "Ends the program.");

    name(Frame3D6, "Secondary transformer voltage");
    name(V2, "Secondary voltage, volts");
    nameSpin(V2S, "secondary voltage");
    name(Frame3D7, "Secondary current");
    name(A2, "Secondary current, amperes");
    name(Frame3D8, "Percentage of the secondary current");
    name(A2M, "Percentage of the secondary current, amperes");
    name(ImpedFrame, "Transformer impedance");
    name(Imped, "Transformer impedance, percent",
         "Type the percent impedance of the transformer, or step it with Up and Down.");
    nameSpin(ImpSpin, "transformer impedance");
    name(SSFrame2, "Short-circuit current at the transformer terminals");
    name(Fault, "Short-circuit current at the transformer terminals, amperes");

    // The note is named by what it says, so that a screen reader reads it out.
    Label5.setAccessibleDescription("Explains the area the pointer last moved over.");
    Label5.setLive(true);
    name(Label6, "Short-circuit current without the motors, amperes");

    // The unit labels keep their captions as names; in words they say what the unit is.
    for (controls::Label* volts : {&Label1, &Label2}) volts->setAccessibleDescription("volts");
    for (controls::Label* amperes : {&Label8, &Label3, &Label4, &Label7}) {
        amperes->setAccessibleDescription("amperes");
    }
    VA.setAccessibleDescription("volt-amperes");
    Label11.setAccessibleDescription("percent");
    Label10.setAccessibleDescription("short-circuit amperes");

    // Notes that depend on nothing.
    Form.setAccessibleDescription(hintOf(Form));
    ImpedFrame.setAccessibleDescription(hintOf(ImpedFrame));
    Imped.setAccessibleDescription(withNote(Imped.accessibleDescription(), hintOf(ImpedFrame)));
    describeHints();
}

// Runs after every event, ticks included: an idle tick finds nothing changed and writes nothing.
void MainForm::describeHints() {
    const bool singlePhase = SPh.value();
    const bool threePhase = TPh.value();
    const bool changed = describedHints_.percentClicked != state.PercentClicked ||
                         describedHints_.factorEnabled != Factor.enabled() ||
                         describedHints_.singlePhase != singlePhase ||
                         describedHints_.threePhase != threePhase ||
                         describedHints_.withoutMotors != Label6.caption();
    if (!changed) return;
    describedHints_ = {state.PercentClicked, Factor.enabled(), singlePhase, threePhase,
                       Label6.caption()};

    // A button whose hint is spent describes what it does instead.
    const std::string percentHint = hintOf(Command1);
    Command1.setAccessibleDescription(percentHint.empty() ? kPercentDescription : percentHint);
    CommandSC.setAccessibleDescription(percentHint.empty() ? kSecondaryPercentDescription
                                                           : percentHint);
    Frame3D4.setAccessibleDescription(hintOf(Frame3D4));
    Frame3D6.setAccessibleDescription(hintOf(Frame3D6));
    V2.setAccessibleDescription(withNote(kSecondaryVoltageDescription, hintOf(Frame3D6)));
    SSFrame2.setAccessibleDescription(hintOf(SSFrame2));
}
