#include "calc/numbers.h"

#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "calc/decimal.h"

namespace calc {

namespace {

using decimal::DecimalDigits;

// The parts of a number text with separators removed: digits only, no blanks, no ",".
struct NumberText {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    bool exponentNegative = false;
    std::string exponentDigits;

    bool hasMantissa() const { return !integerDigits.empty() || !fractionDigits.empty(); }
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the longest number at `pos`: sign, digits, "." and digits, and an exponent only when it
// is complete ("1e" stops before the "e"). With `thousands`, a "," between two integer digits
// is skipped; any other "," ends the number. Leaves `pos` just after what was read.
NumberText scanNumber(std::string_view s, std::size_t& pos, bool thousands) {
    NumberText n;
    const auto at = [&](std::size_t i) { return i < s.size() ? s[i] : '\0'; };
    if (at(pos) == '+' || at(pos) == '-') n.negative = s[pos++] == '-';
    while (isDigit(at(pos)) ||
           (thousands && at(pos) == ',' && !n.integerDigits.empty() && isDigit(at(pos + 1)))) {
        if (s[pos] != ',') n.integerDigits += s[pos];
        ++pos;
    }
    if (at(pos) == '.') {
        ++pos;
        while (isDigit(at(pos))) n.fractionDigits += s[pos++];
    }
    if (!n.hasMantissa() || (at(pos) != 'e' && at(pos) != 'E')) return n;
    std::size_t next = pos + 1;
    const bool exponentNegative = at(next) == '-';
    if (at(next) == '+' || at(next) == '-') ++next;
    if (!isDigit(at(next))) return n;
    n.exponentNegative = exponentNegative;
    while (isDigit(at(next))) n.exponentDigits += s[next++];
    pos = next;
    return n;
}

// Only the space is a blank here: tabs and line feeds are a separate class of character that
// only the leading-number reading removes, and no caller writes them into a number field.
std::optional<NumberText> parseNumeric(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) return std::nullopt;
    NumberText n = scanNumber(text, pos, true);
    if (!n.hasMantissa() || text.find_first_not_of(' ', pos) != std::string_view::npos)
        return std::nullopt;
    return n;
}

// The power of ten of the first non-zero digit, saturating far beyond any floating-point
// range; only its sign is needed, to tell an overflow from an underflow.
long long leadingPower(const NumberText& n) {
    long long exponent = 0;
    for (char c : n.exponentDigits)
        if (exponent < 1'000'000'000'000'000LL) exponent = exponent * 10 + (c - '0');
    if (n.exponentNegative) exponent = -exponent;
    const std::string mantissa = n.integerDigits + n.fractionDigits;
    const std::size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    return static_cast<long long>(n.integerDigits.size()) - 1 - static_cast<long long>(first) +
           exponent;
}

template <typename Float>
struct Conversion {
    Float value = 0;  // correctly rounded, signed; zero on underflow, meaningless on overflow
    bool overflow = false;
};

// from_chars rounds the decimal value itself to the nearest Float, ties to even, for mantissas
// and exponents of any length and without any locale; it takes no sign and no ",".
template <typename Float>
Conversion<Float> convert(const NumberText& n) {
    std::string plain = n.integerDigits;
    if (!n.fractionDigits.empty()) plain += '.' + n.fractionDigits;
    if (!n.exponentDigits.empty()) plain += (n.exponentNegative ? "e-" : "e") + n.exponentDigits;
    Conversion<Float> result;
    const auto [ptr, error] = std::from_chars(plain.data(), plain.data() + plain.size(),
                                              result.value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        result.value = 0;
        result.overflow = leadingPower(n) > 0;
    }
    if (n.negative) result.value = -result.value;
    return result;
}

// Nothing non-finite may reach the screen: NaN shows as 0 and an infinity as the largest
// finite value of its sign.
template <typename Float>
Float displayable(Float x) {
    if (std::isnan(x)) return 0;
    if (std::isinf(x)) return std::copysign(std::numeric_limits<Float>::max(), x);
    return x;
}

std::string exponentText(int exponent) {
    char buffer[16];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, exponent < 0 ? -exponent : exponent);
    // At least two exponent digits.
    const std::string_view digits(buffer, static_cast<std::size_t>(result.ptr - buffer));
    std::string text = exponent < 0 ? "E-" : "E+";
    if (digits.size() < 2) text += '0';
    text += digits;
    return text;
}

// Digits rounded to the precision of the type; exponent form from `exponentFrom` up and from
// 10^-5 down, plain digits in between.
std::string generalTextOf(DecimalDigits value, int exponentFrom) {
    if (value.isZero()) return "0";
    decimal::dropTrailingZeros(value);
    const std::string& d = value.digits;
    const int e = value.exponent;
    std::string text = value.negative ? "-" : "";
    if (e >= exponentFrom || e <= -5) {
        text += d.front();
        if (d.size() > 1) text += '.' + d.substr(1);
        return text + exponentText(e);
    }
    if (e < 0) return text + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d;
    const std::size_t wholeLength = static_cast<std::size_t>(e) + 1;
    if (d.size() <= wholeLength) return text + d + std::string(wholeLength - d.size(), '0');
    return text + d.substr(0, wholeLength) + '.' + d.substr(wholeLength);
}

// What a mask asks for. Characters other than "0", "#", "," and "." are ignored.
struct MaskLayout {
    bool hasPoint = false;      // a "." is written even with no fraction digit after it
    bool grouped = false;       // a "," in the integer mask groups by thousands
    bool zeroIfWhole0 = false;  // a "0" in the integer mask shows a zero whole part as "0"
    int decimals = 0;           // placeholders in the fraction mask
    int keptDecimals = 0;       // position of the fraction mask's last "0": trailing zeros stay
};

MaskLayout layoutOf(std::string_view mask) {
    MaskLayout layout;
    const std::size_t point = mask.find('.');
    const std::string_view integerMask = mask.substr(0, point);
    layout.grouped = integerMask.find(',') != std::string_view::npos;
    layout.zeroIfWhole0 = integerMask.find('0') != std::string_view::npos;
    if (point == std::string_view::npos) return layout;
    layout.hasPoint = true;
    for (char c : mask.substr(point + 1)) {
        if (c != '0' && c != '#') continue;
        ++layout.decimals;
        if (c == '0') layout.keptDecimals = layout.decimals;
    }
    return layout;
}

std::string formatWithLayout(double x, const MaskLayout& layout) {
    const DecimalDigits value = decimal::significantDigits(x, 15);
    auto [whole, fraction] =
        decimal::splitUnits(decimal::roundToUnits(value, layout.decimals), layout.decimals);
    const std::size_t lastKept = fraction.find_last_not_of('0');
    const std::size_t fractionLength = lastKept == std::string::npos ? 0 : lastKept + 1;
    fraction.resize(std::max(fractionLength, static_cast<std::size_t>(layout.keptDecimals)));
    if (whole == "0" && !layout.zeroIfWhole0) whole.clear();
    if (layout.grouped) whole = decimal::groupThousands(whole);
    std::string text = whole;
    if (layout.hasPoint) text += '.' + fraction;
    const bool anyNonZero = text.find_first_of("123456789") != std::string::npos;
    return value.negative && anyNonZero ? '-' + text : text;
}

template <typename Int>
Int roundToInt(double x) {
    if (std::isnan(x)) return 0;
    // The program never leaves the default rounding mode, in which nearbyint ties to even.
    const double nearest = std::nearbyint(x);
    constexpr Int low = std::numeric_limits<Int>::min();
    constexpr Int high = std::numeric_limits<Int>::max();
    if (nearest <= static_cast<double>(low)) return low;
    if (nearest >= static_cast<double>(high)) return high;
    return static_cast<Int>(nearest);
}

}  // namespace

bool isNumeric(std::string_view text) {
    const auto number = parseNumeric(text);
    return number && !convert<double>(*number).overflow;
}

double toDouble(std::string_view text) {
    const auto number = parseNumeric(text);
    if (!number) return 0;
    const auto result = convert<double>(*number);
    return result.overflow ? 0 : result.value;
}

float toSingle(std::string_view text) {
    const auto number = parseNumeric(text);
    if (!number || convert<double>(*number).overflow) return 0;
    const auto result = convert<float>(*number);
    if (result.overflow) return number->negative ? -FLT_MAX : FLT_MAX;
    return result.value;
}

double leadingNumber(std::string_view text) {
    std::string packed;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') packed += c;
    std::size_t pos = 0;
    const NumberText number = scanNumber(packed, pos, false);
    if (!number.hasMantissa()) return 0;
    const auto result = convert<double>(number);
    if (result.overflow) return number.negative ? -DBL_MAX : DBL_MAX;
    return result.value;
}

std::string generalText(double x) {
    return generalTextOf(decimal::significantDigits(displayable(x), 15), 15);
}

std::string generalText(float x) {
    return generalTextOf(decimal::significantDigits(displayable(x), 7), 7);
}

std::string format(double x, std::string_view mask) {
    // The ticks show the same few figures ten times a second; the last texts are kept, so that
    // a tick that changes nothing formats nothing. Keyed by the bits, so -0 is not 0.
    struct Shown {
        bool used = false;
        std::uint64_t bits = 0;
        std::string mask;
        std::string text;
    };
    thread_local std::array<Shown, 8> shown;
    thread_local std::size_t next = 0;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    for (const Shown& s : shown) {
        if (s.used && s.bits == bits && s.mask == mask) return s.text;
    }
    x = displayable(x);
    Shown& slot = shown[next++ % shown.size()];
    if (mask == "General number") {
        slot.text = generalText(x);
    } else {
        slot.text = formatWithLayout(x, layoutOf(mask == "Fixed" ? "0.00" : mask));
    }
    slot.used = true;
    slot.bits = bits;
    slot.mask = mask;
    return slot.text;
}

std::int16_t roundToInt16(double x) {
    return roundToInt<std::int16_t>(x);
}
std::int32_t roundToInt32(double x) {
    return roundToInt<std::int32_t>(x);
}

double wholePart(double x) {
    return std::floor(x);
}

}  // namespace calc
