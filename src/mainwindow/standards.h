// The standard values the spin buttons step through and the phase options convert between.
#pragma once

namespace spins {

// Which way a step may land on a standard value.
enum class Reached { No, BothWays, OnlyDown, OnlyUp };

// The standard system voltages, ascending. Every one is a stop of the single-phase ladders; a
// three-phase system voltage also names the line-to-neutral voltage of the same system, which
// the phase options convert it to and from.
struct StandardVoltage {
    double volts;
    Reached threePhase;    // a stop of the three-phase ladders
    double lineToNeutral;  // 0 for a voltage that is not a three-phase system voltage
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

// The standard transformer ratings in VA, ascending, with the minimum impedance in percent that
// goes with each.
struct TransformerRating {
    double power;
    float impedance;
    Reached reached = Reached::BothWays;
};

inline constexpr TransformerRating kSinglePhaseRatings[] = {
    {1'000, 1.5F, Reached::OnlyDown},
    {3'000, 1.5F},
    {5'000, 1.5F},
    {7'500, 1.5F},
    {10'000, 1.5F},
    {15'000, 1.5F, Reached::OnlyUp},
    {25'000, 1.5F},
    {37'500, 1.5F},
    {50'000, 1.5F},
    {75'000, 2.0F},
    {100'000, 2.0F},
    {167'500, 2.5F},
    {250'000, 3.5F},
    {333'000, 3.5F},
    {500'000, 3.5F},
    {667'000, 3.5F},
    {833'000, 3.5F},
};

inline constexpr TransformerRating kThreePhaseRatings[] = {
    {3'000, 1.5F, Reached::OnlyDown},
    {6'000, 1.5F},
    {9'000, 1.5F},
    {15'000, 1.5F},
    {30'000, 1.5F},
    {45'000, 1.5F},
    {75'000, 1.5F},
    {112'500, 1.5F},
    {150'000, 1.5F},
    {225'000, 2.5F},
    {300'000, 2.5F},
    {500'000, 3.5F},
    {750'000, 3.5F},
    {1'000'000, 3.5F},
    {1'500'000, 3.5F},
    {2'000'000, 3.5F},
    {2'500'000, 3.5F},
    {3'000'000, 4.5F},
    {3'750'000, 5.0F},
    {5'000'000, 5.0F},
    {7'500'000, 5.0F},
};

}  // namespace spins
