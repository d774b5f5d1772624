#include "calc/formulas.h"

#include <cmath>

#include "calc/numbers.h"

namespace calc {

std::string_view powerMask(double power) {
    return power < 1 ? kSmallMask : "###,###";
}

std::string_view currentMask(double current) {
    if (current < 1) return kSmallMask;
    if (current < 100) return "##.00";
    return "###,###";
}

// Products are evaluated left to right as written: the digits shown depend on each rounding.
std::optional<Derived> derivePower(Phase phase, double voltage, double current, float pf) {
    const double f = pf;
    if (phase == Phase::Single) return Derived{"P = U * I * PF", current * voltage * f};
    if (phase == Phase::Three)
        return Derived{"P = 1.73 * U * I * PF", voltage * kRoot3 * current * f};
    return std::nullopt;
}

std::optional<Derived> deriveCurrent(Phase phase, double power, double voltage, float pf) {
    const double f = pf;
    if (f * voltage == 0) return std::nullopt;
    if (phase == Phase::Single) return Derived{"I = P / (U * PF)", power / (f * voltage)};
    if (phase == Phase::Three)
        return Derived{"I = P / (1.73 * U * PF)", power / (voltage * kRoot3 * f)};
    return std::nullopt;
}

bool powerOutOfRange(double current, double power) {
    return current > kCurrentLimit || power > kPowerLimit || !std::isfinite(power);
}

bool currentOutOfRange(double current) {
    return current > kCurrentLimit || !std::isfinite(current);
}

double currentAtPowerCap(Phase phase, double voltage, float pf, double current) {
    const double f = pf;
    // With no voltage the power is 0 whatever the current is: the current stays as it was.
    if (f * voltage == 0) return current;
    if (phase == Phase::Single) current = kPowerCap / (f * voltage) - 1;
    if (phase == Phase::Three) current = kPowerCap / (voltage * kRoot3 * f) - 1;
    // A voltage so small that the quotient leaves the double range: the current is held at its
    // cap, as the current tick holds it.
    return std::isfinite(current) ? current : kCurrentCap;
}

double powerAtCurrentCap(Phase phase, double voltage, float pf, double power) {
    const double f = pf;
    if (phase == Phase::Single) return voltage * kCurrentCap * f - 1;
    if (phase == Phase::Three) return voltage * kRoot3 * kCurrentCap * f - 1;
    return power;
}

std::optional<Secondary> secondarySide(double current, double voltage, double secondaryVoltage,
                                       float secondaryPercent) {
    const double secondary = current * voltage / secondaryVoltage;
    const double percent = static_cast<double>(secondaryPercent) * secondary;
    if (!std::isfinite(percent)) return std::nullopt;
    return Secondary{secondary, percent};
}

std::int16_t secondaryOverflow(double percent, std::int16_t flag) {
    if (percent > kSecondaryLimit && flag == 0) flag = 1;
    if (percent < kSecondaryLimit && flag == 1) flag = 0;
    return flag;
}

// The motor contribution (four times the secondary current) is added before the whole part is
// taken and taken off again for the figure without motors.
std::optional<ShortCircuit> shortCircuit(Phase phase, float impedance, double secondaryCurrent) {
    if (impedance == 0) return ShortCircuit{0, 0};
    if (phase == Phase::Neither) return std::nullopt;
    const double perUnit = 100 / static_cast<double>(impedance);
    // 1.5: a line-to-neutral fault of a centre-tapped single-phase transformer.
    const double current = phase == Phase::Single ? secondaryCurrent * 1.5 : secondaryCurrent;
    const double estimate = wholePart(perUnit * current + secondaryCurrent * 4);
    // Beyond the double range (a secondary current in the hundreds of digits) the estimate keeps
    // its last figures rather than turn infinite.
    if (!std::isfinite(estimate)) return std::nullopt;
    return ShortCircuit{estimate, wholePart(estimate - secondaryCurrent * 4)};
}

}  // namespace calc
