// The two recalculation ticks: calc computes, these write in order. Each write of a field runs
// its change handler, which reads the shown text back, so the derived quantity circulates at the
// precision it is shown with; messages and focus moves depend on the same order.
#include <limits>

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"

namespace {

using calc::format;

constexpr std::string_view kPowerMask = "###,###,###,###";

void rangeMessage(MainForm& f) {
    f.desktop.messageBox(calc::kRangeMessage, calc::kAppTitle, controls::MessageStyle::Exclamation);
}

void checkSecondaryOverflow(MainForm& f, double percent) {
    const std::int16_t before = f.state.SecondaryOverflow;
    const std::int16_t after = calc::secondaryOverflow(percent, before);
    if (after == before) return;
    f.state.SecondaryOverflow = after;
    const controls::Rgb color = after == 1 ? controls::kRed : controls::kBlack;
    f.A2.setForeColor(color);
    f.A2M.setForeColor(color);
    if (after == 1) rangeMessage(f);
}

// The power tick checks the percentage before showing it, the current tick after.
enum class Check { First, Last };

// In the compact window the secondary side is left as it was, unless there is no secondary
// voltage at all.
void secondaryStep(MainForm& f, Check check) {
    calc::CalcState& s = f.state;
    if (f.transformerMode() && s.SecondaryVoltage > 0) {
        s.PowerFactor = 1;
        f.Factor.setText("1");
        f.Factor.setEnabled(false);
        f.PFS.setVisible(false);
        const auto side =
            calc::secondarySide(s.Current, s.Voltage, s.SecondaryVoltage, s.SecondaryPercent);
        // Out of range like any percentage above the limit; the figures stay as they were.
        if (!side) return checkSecondaryOverflow(f, std::numeric_limits<double>::infinity());
        s.SecondaryCurrent = side->current;
        s.PercentSecondaryCurrent = side->percent;
    } else if (s.SecondaryVoltage == 0) {
        s.SecondaryCurrent = 0;
        s.PercentSecondaryCurrent = 0;
    } else {
        return;
    }
    if (check == Check::First) checkSecondaryOverflow(f, s.PercentSecondaryCurrent);
    const std::string_view mask = calc::currentMask(s.SecondaryCurrent);
    f.A2.setCaption(format(s.SecondaryCurrent, mask));
    f.A2M.setCaption(format(s.PercentSecondaryCurrent, mask));
    if (check == Check::Last) checkSecondaryOverflow(f, s.PercentSecondaryCurrent);
}

void shortCircuitStep(MainForm& f) {
    calc::CalcState& s = f.state;
    if (const auto estimate = calc::shortCircuit(f.phase(), s.Impedance, s.SecondaryCurrent)) {
        s.ShortCircuitCurrent = estimate->estimate;
        f.Label6.setCaption(format(estimate->withoutMotors, "General number"));
    }
    f.Fault.setCaption(format(s.ShortCircuitCurrent, "#,##0"));
}

// A shown figure: the box, the state variable it shows (read when written) and the mask.
struct Shown {
    controls::TextBox& box;
    const double& value;
    std::string_view mask;
};

// Both overflows write the partner of the capped quantity first, then the capped one, which
// stops being derived and takes the focus.
void showOverflow(MainForm& f, Shown partner, Shown capped, calc::Quantity derived) {
    partner.box.setText(format(partner.value, partner.mask));
    capped.box.setText(format(capped.value, capped.mask));
    f.derive(derived);
    f.Form.setFocus(capped.box);
}

}  // namespace

void MainForm::Timer1_Timer() {
    if (calc::isNumeric(V.text())) {
        state.Voltage = calc::toDouble(V.text());
        if (const auto p =
                calc::derivePower(phase(), state.Voltage, state.Current, state.PowerFactor)) {
            Wzor.setCaption(std::string(p->formula));
            state.Power = p->value;
        }
        if (calc::powerOutOfRange(state.Current, state.Power)) {
            rangeMessage(*this);
            state.Power = calc::kPowerCap;
            state.Current =
                calc::currentAtPowerCap(phase(), state.Voltage, state.PowerFactor, state.Current);
            showOverflow(*this, {A, state.Current, "#,###,###,###"}, {W, state.Power, kPowerMask},
                         calc::Quantity::Current);
        } else {
            W.setText(format(state.Power, calc::powerMask(state.Power)));
            secondaryStep(*this, Check::First);
        }
    }
    shortCircuitStep(*this);
}

void MainForm::Timer2_Timer() {
    if (static_cast<double>(state.PowerFactor) * state.Voltage != 0) {
        if (calc::isNumeric(V.text())) state.Voltage = calc::toDouble(V.text());
        if (calc::isNumeric(W.text())) state.Power = calc::toDouble(W.text());
        // The voltage just read may differ from the stored one that passed the guard.
        if (const auto i =
                calc::deriveCurrent(phase(), state.Power, state.Voltage, state.PowerFactor)) {
            Wzor.setCaption(std::string(i->formula));
            state.Current = i->value;
        }
        if (calc::currentOutOfRange(state.Current)) {
            rangeMessage(*this);
            state.Current = calc::kCurrentCap;
            state.Power =
                calc::powerAtCurrentCap(phase(), state.Voltage, state.PowerFactor, state.Power);
            showOverflow(*this, {W, state.Power, kPowerMask}, {A, state.Current, "###,###,###"},
                         calc::Quantity::Power);
        }
        A.setText(format(state.Current, calc::currentMask(state.Current)));
        secondaryStep(*this, Check::Last);
    }
    shortCircuitStep(*this);
}
