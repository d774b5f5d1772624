#include "calc/numbers.h"

#include <charconv>
#include <cmath>
#include <string>

// Placeholder until the exact implementation lands.
namespace calc {
bool isNumeric(std::string_view text) { return !text.empty(); }
double toDouble(std::string_view text) {
    double v = 0;
    std::string t;
    for (char c : text)
        if (c != ',') t += c;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}
float toSingle(std::string_view text) { return static_cast<float>(toDouble(text)); }
double leadingNumber(std::string_view text) { return toDouble(text); }
std::string generalText(double x) {
    char b[64];
    auto r = std::to_chars(b, b + 64, x);
    return std::string(b, r.ptr);
}
std::string generalText(float x) {
    char b[64];
    auto r = std::to_chars(b, b + 64, x);
    return std::string(b, r.ptr);
}
std::string format(double x, std::string_view) { return generalText(x); }
std::int16_t roundToInt16(double x) { return static_cast<std::int16_t>(std::nearbyint(x)); }
std::int32_t roundToInt32(double x) { return static_cast<std::int32_t>(std::nearbyint(x)); }
double wholePart(double x) { return std::floor(x); }
}  // namespace calc
