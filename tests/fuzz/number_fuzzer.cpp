// Feeds any text to the number reading and any double or single to every display mask of the
// calculator and to the general texts, and holds each result against an exact reference that
// shares no code with the number library. Every text the calculator writes is read back, as
// its change handlers do. A mismatch prints both sides and aborts, so libFuzzer keeps the input.
#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calc/numbers.h"
#include "support/exactdecimal.h"

namespace {

// A decimal value as written: digits x 10^power. Beyond kKeptDigits significant digits the rest
// is dropped and `inexact` says the value lies just above what is kept; no midpoint between
// two doubles has that many significant digits, so comparisons with them stay exact.
struct DecimalValue {
    bool negative = false;
    std::string digits;  // no leading or trailing zeros; empty for zero
    long long power = 0;
    bool inexact = false;

    bool isZero() const { return digits.empty(); }
    long long leadingPower() const { return power + static_cast<long long>(digits.size()) - 1; }
};

constexpr std::size_t kKeptDigits = 800;
// Far beyond both floating-point ranges, and small enough for the whole-number scaling.
constexpr long long kFarPower = 400;

bool isDigit(std::string_view s, std::size_t i) {
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

DecimalValue decimalValue(bool negative, std::string mantissa, long long power) {
    DecimalValue value;
    value.negative = negative;
    mantissa.erase(0, std::min(mantissa.find_first_not_of('0'), mantissa.size()));
    while (!mantissa.empty() && mantissa.back() == '0') {
        mantissa.pop_back();
        ++power;
    }
    if (mantissa.size() > kKeptDigits) {
        power += static_cast<long long>(mantissa.size() - kKeptDigits);
        mantissa.resize(kKeptDigits);
        value.inexact = true;
    }
    value.digits = mantissa;
    value.power = mantissa.empty() ? 0 : power;
    return value;
}

struct Reading {
    DecimalValue value;
    std::size_t end = 0;
};

// The longest number at the start of `s`: a sign, digits (with a "," between two of them when
// `thousands`), "." and digits, and an exponent only when it has a digit.
std::optional<Reading> readLeading(std::string_view s, bool thousands) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::string mantissa;
    long long fractionLength = 0;
    for (; isDigit(s, i) ||
           (thousands && i < s.size() && s[i] == ',' && isDigit(s, i - 1) && isDigit(s, i + 1));
         ++i)
        if (s[i] != ',') mantissa += s[i];
    if (i < s.size() && s[i] == '.')
        for (++i; isDigit(s, i); ++i, ++fractionLength) mantissa += s[i];
    if (mantissa.empty()) return std::nullopt;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t k = i + 1;
        bool exponentNegative = false;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) exponentNegative = s[k++] == '-';
        if (isDigit(s, k)) {
            for (; isDigit(s, k); ++k) exponent = std::min(exponent * 10 + (s[k] - '0'), 1LL << 40);
            if (exponentNegative) exponent = -exponent;
            i = k;
        }
    }
    return Reading{decimalValue(negative, mantissa, exponent - fractionLength), i};
}

// The whole text as a number: blanks (spaces) around it, "," only between integer digits.
std::optional<DecimalValue> readNumeric(std::string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    const auto reading = readLeading(text.substr(start), true);
    if (!reading) return std::nullopt;
    const std::string_view rest = text.substr(start + reading->end);
    if (rest.find_first_not_of(' ') != std::string_view::npos) return std::nullopt;
    return reading->value;
}

// mantissa x 2^power, exactly.
struct Binary {
    std::uint64_t mantissa = 0;
    long long power = 0;
};

Binary binaryOf(double magnitude) {
    if (magnitude == 0) return {};
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    Binary b{static_cast<std::uint64_t>(std::ldexp(fraction, 53)), exponent - 53LL};
    for (; b.mantissa % 2 == 0; b.mantissa /= 2) ++b.power;
    return b;
}

// (a + b) / 2 for neighbouring values, whose powers differ by little.
Binary midpoint(Binary a, Binary b) {
    if (a.mantissa == 0) return {b.mantissa, b.power - 1};
    const long long power = std::min(a.power, b.power);
    return {(a.mantissa << (a.power - power)) + (b.mantissa << (b.power - power)), power - 1};
}

int compare(const DecimalValue& value, Binary b) {
    const int c = exact::compareDecimalWithBinary(value.digits, value.power, b.mantissa, b.power);
    return c == 0 && value.inexact ? 1 : c;
}

// Where rounding to Float stops giving its largest finite value.
template <typename Float>
Binary overflowThreshold() {
    constexpr Float max = std::numeric_limits<Float>::max();
    return midpoint(binaryOf(max), Binary{1, std::numeric_limits<Float>::max_exponent});
}

template <typename Float>
bool beyondRange(const DecimalValue& value) {
    const long long lead = value.leadingPower();
    if (value.isZero() || lead < std::numeric_limits<Float>::max_exponent10) return false;
    return lead > kFarPower || compare(value, overflowThreshold<Float>()) >= 0;
}

bool isEven(double x) {
    return std::bit_cast<std::uint64_t>(x) % 2 == 0;
}
bool isEven(float x) {
    return std::bit_cast<std::uint32_t>(x) % 2 == 0;
}

// Whether `result` is `value` rounded to the nearest Float, ties to even; with `holdAtMax` a
// value beyond the range must give the largest finite Float of its sign.
template <typename Float>
bool isNearest(const DecimalValue& value, Float result, bool holdAtMax) {
    constexpr Float max = std::numeric_limits<Float>::max();
    const Float magnitude = std::fabs(result);
    if (!std::isfinite(result)) return false;
    if (value.isZero() || value.leadingPower() < -kFarPower) return magnitude == 0;
    if (magnitude != 0 && std::signbit(result) != value.negative) return false;
    if (value.leadingPower() > kFarPower) return holdAtMax && magnitude == max;
    if (magnitude != max || !holdAtMax) {
        const Binary above = magnitude == max ? overflowThreshold<Float>()
                                              : midpoint(binaryOf(magnitude),
                                                         binaryOf(std::nextafter(magnitude, max)));
        const int c = compare(value, above);
        if (c > 0 || (c == 0 && !isEven(magnitude))) return false;
    }
    if (magnitude == 0) return true;
    const Binary below =
        midpoint(binaryOf(std::nextafter(magnitude, Float{0})), binaryOf(magnitude));
    const int c = compare(value, below);
    return c > 0 || (c == 0 && isEven(magnitude));
}

std::string visible(std::string_view text) {
    std::string shown;
    for (unsigned char c : text.substr(0, 200)) {
        if (c >= 32 && c < 127) {
            shown += static_cast<char>(c);
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            shown += std::string("\\x") + kHex[c / 16] + kHex[c % 16];
        }
    }
    return text.size() > 200 ? shown + "..." : shown;
}

[[noreturn]] void fail(const char* what, std::string_view subject, std::string_view got,
                       std::string_view expected = {}) {
    std::fprintf(stderr, "\nnumber fault: %s\n  for:      \"%s\"\n  got:      \"%s\"\n", what,
                 visible(subject).c_str(), visible(got).c_str());
    if (!expected.empty()) std::fprintf(stderr, "  expected: \"%s\"\n", visible(expected).c_str());
    std::abort();
}

std::string hexText(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%a", x);
    return buffer;
}

std::string numberText(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

void checkText(std::string_view text) {
    const auto value = readNumeric(text);
    const bool numeric = calc::isNumeric(text);
    const double asDouble = calc::toDouble(text);
    const float asSingle = calc::toSingle(text);
    if (!value || beyondRange<double>(*value)) {
        if (numeric)
            fail("isNumeric accepts a text outside the numeric form or range", text, "true");
        if (asDouble != 0) fail("toDouble of a non-numeric text", text, numberText(asDouble), "0");
        if (asSingle != 0) fail("toSingle of a non-numeric text", text, numberText(asSingle), "0");
    } else {
        if (!numeric) fail("isNumeric rejects a numeric text", text, "false");
        if (!isNearest(*value, asDouble, false))
            fail("toDouble is not the nearest double", text, numberText(asDouble));
        if (!isNearest(*value, asSingle, true))
            fail("toSingle is not the nearest single", text, numberText(asSingle));
    }

    std::string packed;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') packed += c;
    const auto leading = readLeading(packed, false);
    const double lead = calc::leadingNumber(text);
    if (leading ? !isNearest(leading->value, lead, true) : lead != 0)
        fail("leadingNumber", text, numberText(lead));
}

// What a written text must be: the digits the reference shows, in the numeric form, and read
// back as the nearest double and single to the value of those digits (checkText).
void checkWritten(std::string_view text, double x, std::string_view expected,
                  std::string_view allowed, const char* mask) {
    const auto subject = [&] { return hexText(x) + " with " + mask; };
    if (text.find_first_not_of(allowed) != std::string_view::npos)
        fail("a character the mask never writes", subject(), text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool afterE = i > 0 && text[i - 1] == 'E';
        if ((text[i] == '-' && i > 0 && !afterE) || (text[i] == '+' && !afterE))
            fail("a sign out of place", subject(), text);
    }
    if (text != expected)
        fail("format differs from the exact reference", subject(), text, expected);
    // The empty text and a lone "." show nothing; their readers treat them as no number.
    if (text.find_first_of("0123456789") == std::string_view::npos) return;
    if (!readNumeric(text)) fail("a written text is not in the numeric form", subject(), text);
    checkText(text);
}

// The masks the calculator shows numbers with, and their reading by the reference.
constexpr exact::ReferenceMask kMasks[] = {
    {"0.##########", 10, 0, true, false, true},
    {"##.00", 2, 2, true, false, false},
    {"###,###", 0, 0, false, true, false},
    {"###,###,###", 0, 0, false, true, false},
    {"###,###,###,###", 0, 0, false, true, false},
    {"#,###,###,###", 0, 0, false, true, false},
    {"#,###,###,###,###", 0, 0, false, true, false},
    {"#,##0", 0, 0, false, true, true},
    {"#,###", 0, 0, false, true, false},
    {"##,###", 0, 0, false, true, false},
    {"##,###.00", 2, 2, true, true, false},
    {"#,###.###", 3, 0, true, true, false},
    {"#,###.#", 1, 0, true, true, false},
    {"Fixed", 2, 2, true, false, true},
};

constexpr std::string_view kGeneralCharacters = "0123456789.-E+";

// Nothing non-finite reaches the screen: NaN shows as 0, an infinity as the largest finite
// value of its sign.
template <typename Float>
Float displayed(Float x) {
    if (std::isnan(x)) return 0;
    if (std::isinf(x)) return std::copysign(std::numeric_limits<Float>::max(), x);
    return x;
}

void checkDouble(double x) {
    const double shown = displayed(x);
    const exact::Significant significant = exact::roundSignificant(exact::exactDecimal(shown), 15);
    for (const exact::ReferenceMask& mask : kMasks) {
        std::string allowed = "0123456789-";
        if (mask.point) allowed += '.';
        if (mask.grouped) allowed += ',';
        checkWritten(calc::format(x, mask.mask), x,
                     exact::referenceFormat(significant, std::signbit(shown), mask), allowed,
                     mask.mask);
    }
    const std::string general = calc::generalText(x);
    if (calc::format(x, "General number") != general)
        fail("\"General number\" differs from generalText", hexText(x),
             calc::format(x, "General number"), general);
    checkWritten(general, x, exact::referenceGeneral(shown, 15), kGeneralCharacters,
                 "General number");
}

void checkSingle(float x) {
    checkWritten(calc::generalText(x), x, exact::referenceGeneral(displayed(x), 7),
                 kGeneralCharacters, "generalText(float)");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkText(text);

    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));
    checkDouble(std::bit_cast<double>(bits));
    checkSingle(std::bit_cast<float>(static_cast<std::uint32_t>(bits)));

    // Values near decimal texts, such as 2.675, are where rounding goes wrong; raw bits rarely
    // land there.
    if (calc::isNumeric(text)) {
        checkDouble(calc::toDouble(text));
        checkSingle(calc::toSingle(text));
    }
    const double lead = calc::leadingNumber(text);
    if (lead != 0 && lead != calc::toDouble(text)) checkDouble(lead);
    return 0;
}
