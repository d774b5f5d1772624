// The standard values the spin buttons step through and the phase options convert between.
#pragma once

#include <span>

namespace spins {

// Which way a step may land on a standard value.
enum class Reached { No, BothWays, OnlyUp };

// The standard system voltages, ascending, all single-phase stops. A three-phase system voltage
// also names its line-to-neutral voltage, which the phase options convert to and from.
struct StandardVoltage {
    double volts;
    Reached threePhase;    // a stop of the three-phase ladders
    double lineToNeutral;  // 0 for none
};

// 277 is a three-phase stop going up but not coming down: 240 steps up to 277, 277 down to 240.
inline constexpr StandardVoltage kStandardVoltages[] = {
    {12, Reached::No, 0},
    {24, Reached::No, 0},
    {120, Reached::No, 0},
    {208, Reached::BothWays, 120},
    {240, Reached::BothWays, 0},
    {277, Reached::OnlyUp, 0},
    {347, Reached::No, 0},
    {480, Reached::BothWays, 277},
    {600, Reached::BothWays, 347},
    {2'400, Reached::No, 0},
    {4'160, Reached::BothWays, 2'400},
    {7'967, Reached::No, 0},
    {13'800, Reached::BothWays, 7'967},
    {15'935, Reached::No, 0},
    {27'600, Reached::BothWays, 15'935},
};

// The minimum impedance in percent of the ratings from `power` up to the next entry.
struct ImpedanceFrom {
    double power;
    float impedance;
};

// The transformer ratings of a phase in VA, ascending. The lowest is reached only going down,
// since the ladder is entered going up from it.
struct RatingLadder {
    std::span<const double> ratings;
    double onlyUp;  // a rating a step down passes over, 0 for none
    std::span<const ImpedanceFrom> impedances;
};

inline constexpr double kSinglePhaseRatings[] = {
    1'000,  3'000,   5'000,   7'500,   10'000,  15'000,  25'000,  37'500, 50'000,
    75'000, 100'000, 167'500, 250'000, 333'000, 500'000, 667'000, 833'000};
inline constexpr ImpedanceFrom kSinglePhaseImpedances[] = {
    {0, 1.5F}, {75'000, 2}, {167'500, 2.5F}, {250'000, 3.5F}};

inline constexpr double kThreePhaseRatings[] = {
    3'000,     6'000,     9'000,     15'000,    30'000,    45'000,    75'000,
    112'500,   150'000,   225'000,   300'000,   500'000,   750'000,   1'000'000,
    1'500'000, 2'000'000, 2'500'000, 3'000'000, 3'750'000, 5'000'000, 7'500'000};
inline constexpr ImpedanceFrom kThreePhaseImpedances[] = {
    {0, 1.5F}, {225'000, 2.5F}, {500'000, 3.5F}, {3'000'000, 4.5F}, {3'750'000, 5}};

inline constexpr RatingLadder kSinglePhaseLadder{kSinglePhaseRatings, 15'000,
                                                 kSinglePhaseImpedances};
inline constexpr RatingLadder kThreePhaseLadder{kThreePhaseRatings, 0, kThreePhaseImpedances};

}  // namespace spins
