// An exact reference for checks of the number code. It never touches to_chars or from_chars:
// the decimal expansion of a double is written out from its bits with whole-number arithmetic,
// roundings are done on 64-bit integers, and a decimal value is compared with a binary one by
// scaling both to whole numbers.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace exact {

inline std::string digitsOf(std::uint64_t v) {
    char buffer[20];
    char* first = buffer + sizeof buffer;
    do {
        *--first = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    return std::string(first, buffer + sizeof buffer);
}

inline std::uint64_t wholeOf(const std::string& digits) {
    std::uint64_t v = 0;
    for (char c : digits) v = v * 10 + static_cast<std::uint64_t>(c - '0');
    return v;
}

// A whole number in base-10^9 limbs, least significant first.
class BigWhole {
  public:
    explicit BigWhole(std::uint64_t v) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(v % kBase));
            v /= kBase;
        } while (v != 0);
    }
    static BigWhole fromDigits(std::string_view digits) {
        BigWhole whole(0);
        for (std::size_t i = 0; i < digits.size(); i += 9) {
            const std::string_view chunk = digits.substr(i, 9);
            std::uint32_t factor = 1;
            for (std::size_t k = 0; k < chunk.size(); ++k) factor *= 10;
            whole.multiply(factor, static_cast<std::uint32_t>(wholeOf(std::string(chunk))));
        }
        return whole;
    }
    void multiply(std::uint32_t factor, std::uint32_t addend = 0) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase)
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
        while (limbs_.size() > 1 && limbs_.back() == 0) limbs_.pop_back();
    }
    void multiplyByPowerOfTwo(long long power) {
        for (; power >= 30; power -= 30) multiply(1u << 30);
        multiply(1u << power);
    }
    void multiplyByPowerOfTen(long long power) {
        for (; power >= 9; power -= 9) multiply(kBase);
        for (; power > 0; --power) multiply(10);
    }
    std::string digits() const {
        std::string text = digitsOf(limbs_.back());
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            char limb[9];
            std::uint32_t v = *it;
            for (int i = 8; i >= 0; --i, v /= 10) limb[i] = static_cast<char>('0' + v % 10);
            text.append(limb, sizeof limb);
        }
        return text;
    }
    // -1, 0 or 1 as this is below, equal to or above `other`.
    int compare(const BigWhole& other) const {
        if (limbs_.size() != other.limbs_.size())
            return limbs_.size() < other.limbs_.size() ? -1 : 1;
        for (std::size_t i = limbs_.size(); i-- > 0;)
            if (limbs_[i] != other.limbs_[i]) return limbs_[i] < other.limbs_[i] ? -1 : 1;
        return 0;
    }

  private:
    static constexpr std::uint32_t kBase = 1'000'000'000;
    std::vector<std::uint32_t> limbs_;
};

// |x| = digits x 10^-scale, exactly.
struct ExactDecimal {
    std::string digits;
    int scale = 0;
};

inline ExactDecimal exactDecimal(double x) {
    if (x == 0) return {"0", 0};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent);
    BigWhole whole(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
    exponent -= 53;  // |x| = whole * 2^exponent
    if (exponent >= 0) {
        whole.multiplyByPowerOfTwo(exponent);
        return {whole.digits(), 0};
    }
    // m * 2^-k = m * 5^k / 10^k
    const int scale = -exponent;
    int fives = scale;
    for (; fives >= 13; fives -= 13) whole.multiply(1'220'703'125u);  // 5^13
    for (; fives > 0; --fives) whole.multiply(5);
    return {whole.digits(), scale};
}

// |x| rounded to `count` significant digits, halves to even: mantissa x 10^power.
struct Significant {
    std::uint64_t mantissa = 0;
    int power = 0;
};

inline Significant roundSignificant(const ExactDecimal& exact, int count) {
    const std::string& d = exact.digits;
    if (d == "0") return {};
    const int length = static_cast<int>(d.size());
    if (length <= count) return {wholeOf(d), -exact.scale};
    std::uint64_t head = wholeOf(d.substr(0, count));
    const char next = d[count];
    const bool restNonZero = d.find_first_not_of('0', count + 1) != std::string::npos;
    if (next > '5' || (next == '5' && (restNonZero || head % 2 == 1))) ++head;
    return {head, length - count - exact.scale};
}

// The rounded value in units of 10^-decimals, halves away from zero.
inline std::string referenceUnits(const Significant& value, int decimals) {
    const int shift = value.power + decimals;
    if (value.mantissa == 0) return "0";
    if (shift >= 0) return digitsOf(value.mantissa) + std::string(shift, '0');
    if (-shift > 18) return "0";
    std::uint64_t divisor = 1;
    for (int i = 0; i < -shift; ++i) divisor *= 10;
    const std::uint64_t remainder = value.mantissa % divisor;
    return digitsOf(value.mantissa / divisor + (remainder >= divisor - remainder ? 1 : 0));
}

struct ReferenceMask {
    const char* mask;
    int decimals;
    int keptDecimals;
    bool point;
    bool grouped;
    bool zeroWhole;
};

// `value` is |x| reduced to 15 significant digits, for callers that show one x with many masks.
inline std::string referenceFormat(const Significant& value, bool negative,
                                   const ReferenceMask& m) {
    std::string units = referenceUnits(value, m.decimals);
    if (static_cast<int>(units.size()) <= m.decimals)
        units.insert(0, m.decimals + 1 - units.size(), '0');
    std::string whole = units.substr(0, units.size() - m.decimals);
    std::string fraction = units.substr(units.size() - m.decimals);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty() && m.zeroWhole) whole = "0";
    while (static_cast<int>(fraction.size()) > m.keptDecimals && fraction.back() == '0')
        fraction.pop_back();
    if (m.grouped)
        for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, ",");
    std::string text = whole + (m.point ? "." + fraction : "");
    if (negative && text.find_first_of("123456789") != std::string::npos) text.insert(0, "-");
    return text;
}

inline std::string referenceFormat(double x, const ReferenceMask& m) {
    return referenceFormat(roundSignificant(exactDecimal(x), 15), std::signbit(x), m);
}

inline std::string referenceGeneral(double x, int count) {
    const Significant value = roundSignificant(exactDecimal(x), count);
    if (value.mantissa == 0) return "0";
    std::string d = digitsOf(value.mantissa);
    const int lead = value.power + static_cast<int>(d.size()) - 1;
    d.erase(d.find_last_not_of('0') + 1);
    std::string text = std::signbit(x) ? "-" : "";
    if (lead >= count || lead <= -5) {
        const std::string e = digitsOf(static_cast<std::uint64_t>(std::abs(lead)));
        return text + d.substr(0, 1) + (d.size() > 1 ? "." + d.substr(1) : "") +
               (lead < 0 ? "E-" : "E+") + (e.size() < 2 ? "0" : "") + e;
    }
    if (lead < 0) return text + "0." + std::string(-lead - 1, '0') + d;
    if (static_cast<int>(d.size()) <= lead + 1)
        return text + d + std::string(lead + 1 - d.size(), '0');
    return text + d.substr(0, lead + 1) + "." + d.substr(lead + 1);
}

// Compares digits x 10^decimalPower with mantissa x 2^binaryPower: -1, 0 or 1 as the decimal
// value is below, equal to or above the binary one. Both are scaled to whole numbers, so the
// cost grows with the digits and the powers: callers keep them to a few thousand.
inline int compareDecimalWithBinary(std::string_view digits, long long decimalPower,
                                    std::uint64_t mantissa, long long binaryPower) {
    BigWhole decimalSide = BigWhole::fromDigits(digits);
    BigWhole binarySide(mantissa);
    if (decimalPower >= 0) {
        decimalSide.multiplyByPowerOfTen(decimalPower);
    } else {
        binarySide.multiplyByPowerOfTen(-decimalPower);
    }
    if (binaryPower >= 0) {
        binarySide.multiplyByPowerOfTwo(binaryPower);
    } else {
        decimalSide.multiplyByPowerOfTwo(-binaryPower);
    }
    return decimalSide.compare(binarySide);
}

}  // namespace exact
