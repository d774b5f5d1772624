// The quantities every handler and both ticks read and write, under the calculator's names.
// Single-precision fields take part in double arithmetic with their exact single value (a power
// factor of 0.85 is 0.85000002384185791015625).
#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

namespace calc {

struct CalcState {
    double Power = 0;
    double Current = 0;
    double PercentCurrent = 0;
    double SecondaryCurrent = 0;
    double PercentSecondaryCurrent = 0;
    double Voltage = 0;
    double SecondaryVoltage = 0;
    double ShortCircuitCurrent = 0;
    float SecondaryPercent = 0;
    float CurrentPercent = 0;
    std::int16_t PercentClicked = 0;
    std::int16_t SecondaryOverflow = 0;
    std::int16_t SpinDecimals = 0;
    float PowerFactor = 0;
    float Impedance = 0;
};

using VariableRef = std::variant<std::monostate, double*, float*, std::int16_t*>;

VariableRef findVariable(CalcState& state, std::string_view name);

// Calls visit(name, pointer) for every field in declared order.
template <class Visit>
void forEachVariable(CalcState& s, Visit&& visit) {
    visit("Power", &s.Power);
    visit("Current", &s.Current);
    visit("PercentCurrent", &s.PercentCurrent);
    visit("SecondaryCurrent", &s.SecondaryCurrent);
    visit("PercentSecondaryCurrent", &s.PercentSecondaryCurrent);
    visit("Voltage", &s.Voltage);
    visit("SecondaryVoltage", &s.SecondaryVoltage);
    visit("ShortCircuitCurrent", &s.ShortCircuitCurrent);
    visit("SecondaryPercent", &s.SecondaryPercent);
    visit("CurrentPercent", &s.CurrentPercent);
    visit("PercentClicked", &s.PercentClicked);
    visit("SecondaryOverflow", &s.SecondaryOverflow);
    visit("SpinDecimals", &s.SpinDecimals);
    visit("PowerFactor", &s.PowerFactor);
    visit("Impedance", &s.Impedance);
}

}  // namespace calc
