// Holds number reading (any text) and every mask and general text (any double or single) against
// a reference apart from the number library: its own scanner with the C library's strtod, and
// std::to_chars digits rounded again as a whole number. Every text written is read back, as
// change handlers do.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <string>
#include <string_view>

#include "calc/numbers.h"

namespace {

[[noreturn]] void fail(std::string_view what, std::string_view subject, std::string_view got) {
    std::cerr << "\nnumber fault: " << what << "\n  for: \"" << subject.substr(0, 300)
              << "\"\n  got: \"" << got.substr(0, 300) << "\"" << std::endl;
    std::abort();
}

bool digitAt(std::string_view s, std::size_t i) {
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

// The longest number at the start of s as text for strtod (empty if none), and its length
// through `i`; "," only between two digits when `thousands`, the exponent only when complete.
std::string scan(std::string_view s, bool thousands, std::size_t& i) {
    std::string plain;
    i = 0;
    if (s.starts_with('+') || s.starts_with('-')) plain += s[i++];
    const auto comma = [&] { return thousands && digitAt(s, i + 1) && s[i] == ','; };
    for (; digitAt(s, i) || (i > 0 && digitAt(s, i - 1) && comma()); ++i)
        if (s[i] != ',') plain += s[i];
    if (i < s.size() && s[i] == '.') plain += s[i++];
    for (; digitAt(s, i); ++i) plain += s[i];
    if (plain.find_first_of("0123456789") == std::string::npos) return "";
    std::size_t k = i + 1 + (i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-'));
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E') && digitAt(s, k)) {
        for (; digitAt(s, k); ++k) {}
        plain += s.substr(i, k - i);
        i = k;
    }
    return plain;
}

// What the program shows for x: a NaN as 0 and an infinity as the largest value of its sign.
template <typename Float>
Float held(Float x) {
    if (std::isnan(x)) return 0;
    return std::isinf(x) ? std::copysign(std::numeric_limits<Float>::max(), x) : x;
}

// The C library's strtod reads the nearest value, ties to even, infinite beyond the range: a
// second reading apart from the program's from_chars. The fuzzer never leaves the C locale.
void checkText(std::string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    std::size_t end = 0;
    std::string whole = scan(text.substr(start), true, end);
    if (text.find_first_not_of(' ', start + end) != std::string_view::npos) whole.clear();
    const double value = std::strtod(whole.c_str(), nullptr);
    const bool numeric = !whole.empty() && std::isfinite(value);
    if (calc::isNumeric(text) != numeric) fail("isNumeric", text, "");
    if (calc::toDouble(text) != (numeric ? value : 0)) fail("toDouble", text, "");
    if (numeric && calc::toSingle(text) != held(std::strtof(whole.c_str(), nullptr)))
        fail("toSingle", text, "");
    std::string packed(text);
    std::erase_if(packed, [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
    const double lead = std::strtod(scan(packed, false, end).c_str(), nullptr);
    if (calc::leadingNumber(text) != held(lead)) fail("leadingNumber", text, "");
}

// |x| to `count` significant digits, halves to even: "d.ddde+XX".
std::string scientific(double x, int count) {
    char buffer[64];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                  std::chars_format::scientific, count - 1)
                        .ptr};
}

constexpr std::string_view kMasks[] = {"0.##########", "##.00",     "###,###", "#,##0",
                                       "##,###.00",    "#,###.###", "#,###.#", "Fixed"};

// Reads the mask as a person would: "0" digits stay, "#" digits go when zero.
std::string reference(double x, std::string_view mask) {
    if (mask == "Fixed") mask = "0.00";
    const std::size_t dot = std::min(mask.find('.'), mask.size());
    const auto decimals = static_cast<int>(mask.size() - std::min(dot + 1, mask.size()));
    const std::string s = scientific(x, 15);
    // The 15 digits as a whole number of 10^-decimals units, halves away from zero.
    std::string units = s.substr(0, 1) + s.substr(2, 14);
    const int shift = std::stoi(s.substr(17)) - 14 + decimals;
    if (shift < 0) {
        std::uint64_t n = std::stoull(units);
        std::uint64_t unit = 1;
        for (int i = 0; i < std::min(-shift, 18); ++i) unit *= 10;
        units = std::to_string(n / unit + (n % unit * 2 >= unit));
    }
    units.append(static_cast<std::size_t>(std::max(shift, 0)), '0');
    units.insert(0, static_cast<std::size_t>(decimals + 1), '0');
    std::string whole = units.substr(0, units.size() - static_cast<std::size_t>(decimals));
    std::string fraction = units.substr(whole.size());
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty() && mask[dot - 1] == '0') whole = "0";
    const auto kept = static_cast<std::size_t>(std::count(mask.begin() + dot, mask.end(), '0'));
    while (fraction.size() > kept && fraction.back() == '0') fraction.pop_back();
    if (mask.find(',') != std::string_view::npos)
        for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, ",");
    std::string text = whole + (dot < mask.size() ? "." + fraction : "");
    if (std::signbit(x) && text.find_first_of("123456789") != std::string::npos)
        text.insert(0, "-");
    return text;
}

// A general text has `count` significant digits, and reads back as their value.
void checkGeneral(const std::string& text, double shown, int count, const char* subject) {
    // The largest double rounds up past the range: a text that is not numeric, read as 0.
    const double back = std::strtod(scientific(shown, count).c_str(), nullptr);
    const double expected = std::isinf(back) ? 0 : std::copysign(back, shown);
    if (calc::toDouble(text) != expected) fail("general text", subject, text);
    checkText(text);
}

void checkDouble(double x) {
    char subject[64] = {};
    std::to_chars(subject, subject + 63, x, std::chars_format::hex);
    const double shown = held(x);
    for (const std::string_view mask : kMasks) {
        const std::string text = calc::format(x, mask);
        if (text != reference(shown, mask)) fail(mask, subject, text);
        if (text.find_first_of("0123456789") != std::string::npos) checkText(text);
    }
    const std::string general = calc::generalText(x);
    if (calc::format(x, "General number") != general) fail("General number", subject, general);
    checkGeneral(general, shown, 15, subject);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkText(text);
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));
    checkDouble(std::bit_cast<double>(bits));
    const float single = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    checkGeneral(calc::generalText(single), held(single), 7, "single");
    // Rounding goes wrong near decimal texts such as 2.675, where raw bits rarely land.
    if (calc::isNumeric(text)) checkDouble(calc::toDouble(text));
    return 0;
}
