#include "calc/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <utility>

namespace calc::decimal {

namespace {

// to_chars with a precision prints the exact binary value rounded half to even, without any
// locale, as "-d.ddde+XX"; this takes that text apart.
DecimalDigits fromScientificText(std::string_view text) {
    DecimalDigits value;
    const std::size_t mark = text.find('e');
    std::string_view mantissa = text.substr(0, mark);
    if (mantissa.front() == '-') mantissa.remove_prefix(1);
    // "d" or "d.ddd": the digit before the point, then those after it.
    std::string digits(mantissa.substr(0, 1));
    if (mantissa.size() > 2) digits.append(mantissa.substr(2));
    if (digits.find_first_not_of('0') == std::string::npos) return value;  // zero of any sign
    std::string_view exponent = text.substr(mark + 1);
    if (exponent.front() == '+') exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), value.exponent);
    value.digits = std::move(digits);
    return value;
}

template <typename Float>
DecimalDigits significantDigitsOf(Float x, int count) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, count - 1);
    DecimalDigits value = fromScientificText(std::string_view(buffer, result.ptr - buffer));
    value.negative = std::signbit(x);
    return value;
}

// Adds one to a string of decimal digits; the empty string counts as zero.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

DecimalDigits significantDigits(double x, int count) {
    return significantDigitsOf(x, count);
}
DecimalDigits significantDigits(float x, int count) {
    return significantDigitsOf(x, count);
}

void dropTrailingZeros(DecimalDigits& value) {
    const std::size_t last = value.digits.find_last_not_of('0');
    value.digits.resize(last == std::string::npos ? 1 : last + 1);
}

std::string roundToUnits(const DecimalDigits& value, int decimals) {
    if (value.isZero()) return "0";
    const long long digitCount = static_cast<long long>(value.digits.size());
    // Power of ten of the last digit, counted in units of 10^-decimals.
    const long long lastDigitPower = value.exponent - (digitCount - 1) + decimals;
    if (lastDigitPower >= 0)
        return value.digits + std::string(static_cast<std::size_t>(lastDigitPower), '0');
    const long long kept = digitCount + lastDigitPower;  // digits at or above the unit
    if (kept < 0) return "0";                            // below a tenth of a unit
    std::string units = value.digits.substr(0, static_cast<std::size_t>(kept));
    // The digits are finite, so the first dropped digit alone says whether the rest reaches
    // half a unit; a tie ("5" then nothing) goes away from zero.
    if (value.digits[static_cast<std::size_t>(kept)] >= '5') increment(units);
    return units.empty() ? "0" : units;
}

SplitNumber splitUnits(const std::string& units, int decimals) {
    const std::size_t fractionLength = static_cast<std::size_t>(std::max(decimals, 0));
    std::string padded = units;
    if (padded.size() <= fractionLength) padded.insert(0, fractionLength + 1 - padded.size(), '0');
    const std::size_t wholeLength = padded.size() - fractionLength;
    std::string whole = padded.substr(0, wholeLength);
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    return {whole, padded.substr(wholeLength)};
}

std::string groupThousands(const std::string& wholeDigits) {
    std::string grouped;
    const std::size_t length = wholeDigits.size();
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) grouped += ',';
        grouped += wholeDigits[i];
    }
    return grouped;
}

}  // namespace calc::decimal
