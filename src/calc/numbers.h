// Number reading and writing of the calculator. Texts use "." as the decimal separator and ","
// as the thousands separator whatever the process locale is, so nothing here calls strtod,
// printf or streams: digits come from std::from_chars/std::to_chars and exact decimal work.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// Optional blanks, sign, digits with "," between integer digits, optional "." and fraction,
// optional exponent, optional blanks; a value beyond the double range is not numeric.
bool isNumeric(std::string_view text);
// The nearest double to a numeric text (ties to even); "," is ignored. Anything else gives 0.
double toDouble(std::string_view text);
// The single nearest to the decimal value itself, not via double; beyond the single range the
// result is held at the largest finite single of that sign.
float toSingle(std::string_view text);
// The number at the start of the text once blanks, tabs and line feeds are removed; 0 if none.
double leadingNumber(std::string_view text);
// Shortest general text: 15 significant digits for a double, 7 for a single.
std::string generalText(double x);
std::string generalText(float x);
// A display mask of "0", "#", "," and "." characters, or "General number" or "Fixed".
std::string format(double x, std::string_view mask);
// Nearest whole number, halves to even; held at the type's bounds, 0 for a NaN.
std::int16_t roundToInt16(double x);
std::int32_t roundToInt32(double x);
// Int: the largest whole number not greater than x.
double wholePart(double x);

}  // namespace calc
