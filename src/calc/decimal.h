// Exact decimal digits of binary floating-point values. Every displayed digit is decided here
// with string arithmetic on the digits of the exact binary value, never with floating-point
// operations, so a value such as 1e308 or a denormal is rounded as exactly as 2.675 is.
#pragma once

#include <string>

namespace calc::decimal {

// A decimal value d.ddd x 10^exponent. The first digit is non-zero, except for zero itself,
// which is the single digit "0" with exponent 0.
struct DecimalDigits {
    std::string digits = "0";
    int exponent = 0;
    bool negative = false;

    bool isZero() const { return digits == "0"; }
};

// The exact binary value rounded to `count` (1 to 17) significant digits, halves to even.
// The exponent is the one after rounding: 999999999999999.5 at 15 digits is 1 x 10^15.
// x must be finite.
DecimalDigits significantDigits(double x, int count);
DecimalDigits significantDigits(float x, int count);

// Drops the zeros at the end of the digits (zero stays "0").
void dropTrailingZeros(DecimalDigits& value);

// |value| rounded to `decimals` decimals, halves away from zero, as the digits of a whole
// number of units of 10^-decimals ("0" when it rounds to nothing).
std::string roundToUnits(const DecimalDigits& value, int decimals);

// The whole part and the fraction of a count of units of 10^-decimals: whole has no leading
// zeros ("0" when below one), fraction has exactly `decimals` digits.
struct SplitNumber {
    std::string whole;
    std::string fraction;
};
SplitNumber splitUnits(const std::string& units, int decimals);

// "1234567" -> "1,234,567".
std::string groupThousands(const std::string& wholeDigits);

}  // namespace calc::decimal
