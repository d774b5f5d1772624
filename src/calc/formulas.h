// What the two recalculation ticks compute from the state record's quantities and the selected
// phase: P = U x I x PF (x 1.7320508 for three phase) or I from it, the transformer secondary
// side and the short-circuit estimate, with every limit and display mask they use.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace calc {

// Which option button is selected; neither leaves the relation as it was.
enum class Phase { Neither, Single, Three };

// Which quantity the running timer derives from the others.
enum class Quantity { Power, Current };

inline constexpr double kRoot3 = 1.7320508;  // the decimal the formula is known by, not sqrt(3)
inline constexpr double kCurrentLimit = 100'000'000;
inline constexpr double kCurrentCap = 99'999'999;
inline constexpr double kPowerLimit = 1'000'000'000'000;
// One less than the limit, so that the value put in place is itself accepted.
inline constexpr double kPowerCap = 999'999'999'999;
inline constexpr double kSecondaryLimit = 9'999'999'999;

// Widths above this many twips are the transformer window.
inline constexpr int kTransformerWidth = 6500;
constexpr bool transformerMode(int widthTwips) {
    return widthTwips > kTransformerWidth;
}

// Below 1 the ten-decimal mask, so that small values keep their digits.
inline constexpr std::string_view kSmallMask = "0.##########";
// A derived power: whole watts from 1 on.
std::string_view powerMask(double power);
// A current or a percentage of one: two decimals below 100, whole amperes from 100 on.
std::string_view currentMask(double current);

struct Derived {
    std::string_view formula;  // the caption of Wzor
    double value;
};
// Nothing when neither phase is selected; the current also needs PF x U other than 0.
std::optional<Derived> derivePower(Phase phase, double voltage, double current, float pf);
std::optional<Derived> deriveCurrent(Phase phase, double power, double voltage, float pf);

// A product beyond the double range is as much out of range as one above the limit.
bool powerOutOfRange(double current, double power);
bool currentOutOfRange(double current);
// The current that goes with the capped power (one ampere less, so that the power stays below
// its limit); the current as it was when none can be derived.
double currentAtPowerCap(Phase phase, double voltage, float pf, double current);
// The power that goes with the capped current, one less; the power as it was without a phase.
double powerAtCurrentCap(Phase phase, double voltage, float pf, double power);

struct Secondary {
    double current;
    double percent;  // the current times the secondary percentage
};
// Nothing when a secondary voltage is so small that the quotient leaves the double range.
std::optional<Secondary> secondarySide(double current, double voltage, double secondaryVoltage,
                                       float secondaryPercent);
// The overflow flag after seeing this percentage: raised once per excursion above the limit,
// cleared below it, kept at the limit itself.
std::int16_t secondaryOverflow(double percent, std::int16_t flag);

struct ShortCircuit {
    double estimate;       // with the motor contribution, shown in Fault
    double withoutMotors;  // quoted by the short-circuit hint
};
// Nothing when neither phase is selected or the estimate leaves the double range: the last
// figures stay.
std::optional<ShortCircuit> shortCircuit(Phase phase, float impedance, double secondaryCurrent);

}  // namespace calc
