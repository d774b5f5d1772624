#include "calc/ticks.h"

#include <cmath>

#include "calc/messages.h"
#include "calc/numbers.h"

namespace calc {
namespace {

constexpr double kRoot3 = 1.7320508;  // the decimal the formula is known by, not sqrt(3)
constexpr double kCurrentLimit = 100'000'000;
constexpr double kPowerLimit = 1'000'000'000'000;
constexpr double kPowerCap = 999'999'999'999;
constexpr double kCurrentCap = 99'999'999;
constexpr double kSecondaryLimit = 9'999'999'999;

void rangeMessage(TickView& v) {
    v.desktop.messageBox(kRangeMessage, kAppTitle, controls::MessageStyle::Exclamation);
}

void currentMode(TickView& v) {
    v.Timer1.setEnabled(false);
    v.Timer2.setEnabled(true);
}

void powerMode(TickView& v) {
    v.Timer2.setEnabled(false);
    v.Timer1.setEnabled(true);
}

// Below 1 the ten-decimal mask, so that small results keep their digits.
const char* currentMask(double x) {
    if (x < 1) return "0.##########";
    if (x < 100) return "##.00";
    return "###,###";
}

// Once per excursion above the limit.
void flagSecondaryOverflow(CalcState& s, TickView& v) {
    if (s.SecondaryOverflow != 0) return;
    s.SecondaryOverflow = 1;
    v.A2.setForeColor(controls::kRed);
    v.A2M.setForeColor(controls::kRed);
    rangeMessage(v);
}

void secondaryOverflowCheck(CalcState& s, TickView& v) {
    if (s.PercentSecondaryCurrent > kSecondaryLimit) flagSecondaryOverflow(s, v);
    if (s.PercentSecondaryCurrent < kSecondaryLimit && s.SecondaryOverflow == 1) {
        s.SecondaryOverflow = 0;
        v.A2.setForeColor(controls::kBlack);
        v.A2M.setForeColor(controls::kBlack);
    }
}

enum class Variant { Power, Current };

// The transformer secondary side; in the compact window it is left as it was, unless there is
// no secondary voltage at all.
void secondaryStep(CalcState& s, TickView& v, Variant variant) {
    if (v.form.width() > kTransformerWidth && s.SecondaryVoltage > 0) {
        s.PowerFactor = 1;
        v.Factor.setText("1");
        v.Factor.setEnabled(false);
        v.PFS.setVisible(false);
        const double current = s.Current * s.Voltage / s.SecondaryVoltage;
        const double percent = static_cast<double>(s.SecondaryPercent) * current;
        // A secondary voltage so small that the quotient leaves the double range is out of
        // range like any percentage above the limit; the figures stay as they were.
        if (!std::isfinite(percent)) {
            flagSecondaryOverflow(s, v);
            return;
        }
        s.SecondaryCurrent = current;
        s.PercentSecondaryCurrent = percent;
    } else if (s.SecondaryVoltage == 0) {
        s.SecondaryCurrent = 0;
        s.PercentSecondaryCurrent = 0;
    } else {
        return;
    }
    if (variant == Variant::Power) secondaryOverflowCheck(s, v);
    const char* mask = currentMask(s.SecondaryCurrent);
    v.A2.setCaption(format(s.SecondaryCurrent, mask));
    v.A2M.setCaption(format(s.PercentSecondaryCurrent, mask));
    if (variant == Variant::Current) secondaryOverflowCheck(s, v);
}

// The motor contribution (four times the secondary current) is added before the whole part
// is taken and taken off again for Label6, which the short-circuit hint quotes.
void shortCircuitStep(CalcState& s, TickView& v) {
    if (s.Impedance == 0) {
        s.ShortCircuitCurrent = 0;
        v.Label6.setCaption("0");
    } else if (v.SPh.value() || v.TPh.value()) {
        const double perUnit = 100 / static_cast<double>(s.Impedance);
        // 1.5: a line-to-neutral fault of a centre-tapped single-phase transformer.
        const double current = v.SPh.value() ? s.SecondaryCurrent * 1.5 : s.SecondaryCurrent;
        const double estimate = wholePart(perUnit * current + s.SecondaryCurrent * 4);
        // Beyond the double range (a secondary current in the hundreds of digits) the estimate
        // keeps its last figures rather than turn infinite.
        if (std::isfinite(estimate)) {
            s.ShortCircuitCurrent = estimate;
            v.Label6.setCaption(
                generalText(wholePart(s.ShortCircuitCurrent - s.SecondaryCurrent * 4)));
        }
    }
    v.Fault.setCaption(format(s.ShortCircuitCurrent, "#,##0"));
}

void powerOverflow(CalcState& s, TickView& v) {
    rangeMessage(v);
    s.Power = kPowerCap;
    // With no voltage the power is 0 whatever the current is: the current stays as it was.
    const double divisor = static_cast<double>(s.PowerFactor) * s.Voltage;
    if (divisor != 0) {
        if (v.SPh.value()) {
            s.Current = s.Power / (static_cast<double>(s.PowerFactor) * s.Voltage) - 1;
        } else if (v.TPh.value()) {
            s.Current = s.Power / (s.Voltage * kRoot3 * static_cast<double>(s.PowerFactor)) - 1;
        }
        // A voltage so small that the quotient leaves the double range: the current is held at
        // its cap, as the current tick holds it.
        if (!std::isfinite(s.Current)) s.Current = kCurrentCap;
    }
    v.A.setText(format(s.Current, "#,###,###,###"));
    v.W.setText(format(s.Power, "###,###,###,###"));
    currentMode(v);
    v.form.setFocus(v.W);
}

void currentOverflow(CalcState& s, TickView& v) {
    rangeMessage(v);
    s.Current = kCurrentCap;
    const double pf = s.PowerFactor;
    if (v.SPh.value()) {
        s.Power = s.Voltage * s.Current * pf - 1;
    } else if (v.TPh.value()) {
        s.Power = s.Voltage * kRoot3 * s.Current * pf - 1;
    }
    v.W.setText(format(s.Power, "###,###,###,###"));
    v.A.setText(format(s.Current, "###,###,###"));
    powerMode(v);
    v.form.setFocus(v.A);
}

}  // namespace

void powerTick(CalcState& s, TickView& v) {
    if (isNumeric(v.V.text())) {
        s.Voltage = toDouble(v.V.text());
        const double pf = s.PowerFactor;
        if (v.SPh.value()) {
            v.Wzor.setCaption("P = U * I * PF");
            s.Power = s.Current * s.Voltage * pf;
        } else if (v.TPh.value()) {
            v.Wzor.setCaption("P = 1.73 * U * I * PF");
            s.Power = s.Voltage * kRoot3 * s.Current * pf;
        }
        // A product beyond the double range is as much out of range as one above the limit.
        if (s.Current > kCurrentLimit || s.Power > kPowerLimit || !std::isfinite(s.Power)) {
            powerOverflow(s, v);
        } else {
            v.W.setText(format(s.Power, s.Power < 1 ? "0.##########" : "###,###"));
            secondaryStep(s, v, Variant::Power);
        }
    }
    shortCircuitStep(s, v);
}

void currentTick(CalcState& s, TickView& v) {
    if (static_cast<double>(s.PowerFactor) * s.Voltage != 0) {
        if (isNumeric(v.V.text())) s.Voltage = toDouble(v.V.text());
        if (isNumeric(v.W.text())) s.Power = toDouble(v.W.text());
        const double pf = s.PowerFactor;
        // The voltage just read may differ from the stored one that passed the guard.
        if (pf * s.Voltage != 0) {
            if (v.SPh.value()) {
                v.Wzor.setCaption("I = P / (U * PF)");
                s.Current = s.Power / (pf * s.Voltage);
            } else if (v.TPh.value()) {
                v.Wzor.setCaption("I = P / (1.73 * U * PF)");
                s.Current = s.Power / (s.Voltage * kRoot3 * pf);
            }
        }
        if (s.Current > kCurrentLimit || !std::isfinite(s.Current)) currentOverflow(s, v);
        v.A.setText(format(s.Current, currentMask(s.Current)));
        secondaryStep(s, v, Variant::Current);
    }
    shortCircuitStep(s, v);
}

}  // namespace calc
