// The message boxes' texts, shared by the handlers and the checks that every box is one of them.
#pragma once

#include <string_view>

namespace calc {

inline constexpr std::string_view kAppTitle = "Quellora";
inline constexpr std::string_view kOutOfRangeTitle = "Out of range";
inline constexpr std::string_view kRangeMessage = "Sorry - value out of this calculator range";
inline constexpr std::string_view kRangeMessageAlt = "Sorry you are out of this calculator range";
inline constexpr std::string_view kPowerFactorMessage = "This ue must be between 0.01 and 1";
inline constexpr std::string_view kImpedanceMessage = "This ue is usually between 2 and 10%";
inline constexpr std::string_view kImpedanceTitle = "Typical Impedance ue";

}  // namespace calc
