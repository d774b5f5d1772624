#include "mainwindow/spinsteps.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "calc/numbers.h"
#include "mainwindow/standards.h"

namespace spins {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

// Up to 10^22 every power of ten is a double, so the product and one division are exact or
// correctly rounded; beyond, the decimal text "1e<n>" is read, which rounds to nearest.
constexpr int kExactPowers = 22;
constexpr int kAboveLargest = 309;    // 10^309 exceeds the largest double
constexpr int kBelowSmallest = -324;  // 10^-324 is nearer 0 than the smallest subnormal

double nearestPowerOfTen(int exponent) {
    char text[16] = {'1', 'e'};
    const auto written = std::to_chars(text + 2, text + sizeof text, exponent);
    double value = 0;
    std::from_chars(text, written.ptr, value);
    return value;
}

double count(double quotient, Count how) {
    switch (how) {
        case Count::HalfEven:
            return calc::roundToInt32(quotient);
        case Count::WholePart:
            return calc::wholePart(quotient);
        case Count::Exact:
            break;
    }
    return quotient;
}

bool isStop(const StandardVoltage& v, int phases, bool up) {
    if (phases != 3) return true;
    return v.threePhase == Reached::BothWays || (up && v.threePhase == Reached::OnlyUp);
}

double standardAbove(int phases, double x) {
    double found = 0;
    for (const StandardVoltage& v : kStandardVoltages) {
        if (!isStop(v, phases, true)) continue;
        found = v.volts;
        if (v.volts > x) break;
    }
    return found;
}

double standardBelow(int phases, double x) {
    double found = 0;
    for (const StandardVoltage& v : kStandardVoltages) {
        if (!isStop(v, phases, false)) continue;
        if (found != 0 && v.volts >= x) break;
        found = v.volts;
    }
    return found;
}

const RatingLadder& ladderOf(int phases) {
    return phases == 3 ? kThreePhaseLadder : kSinglePhaseLadder;
}

double ratingBelow(const RatingLadder& ladder, double x) {
    double found = x;
    for (const double rating : ladder.ratings) {
        if (rating != ladder.onlyUp && rating + 1 <= x) found = rating;
    }
    return found;
}

double ratingAbove(const RatingLadder& ladder, double x) {
    for (const double rating : ladder.ratings) {
        if (rating > x) return rating;
    }
    return x;
}

bool holds(const Row& row, double x) {
    switch (row.holds) {
        case Holds::Is:
            return x == row.limit;
        case Holds::Below:
            return x < row.limit;
        case Holds::AtMost:
            return x <= row.limit;
        case Holds::AtLeast:
            return x >= row.limit;
        case Holds::Always:
            break;
    }
    return true;
}

double heldFinite(double x) {
    return std::isnan(x) ? 0 : std::clamp(x, -kLargest, kLargest);
}

double unheld(const Rule& rule, double x, int textLength) {
    const int whole = static_cast<int>(rule.amount);  // a phase count or a text length
    switch (rule.kind) {
        case Rule::Kind::To:
            return rule.amount;
        case Rule::Kind::Add:
            return x + rule.amount;
        case Rule::Kind::Parts:
            return count(rule.amount * x + rule.direction, rule.count) / rule.amount;
        case Rule::Kind::Multiples:
            return count(x / rule.amount + rule.direction, rule.count) * rule.amount;
        case Rule::Kind::Nearest:
            return (count(x / rule.amount, rule.count) + rule.direction) * rule.amount;
        case Rule::Kind::Standard:
            return rule.direction > 0 ? standardAbove(whole, x) : standardBelow(whole, x);
        case Rule::Kind::Rating:
            return rule.direction > 0 ? ratingAbove(ladderOf(whole), x)
                                      : ratingBelow(ladderOf(whole), x);
        case Rule::Kind::LessPowerOfTen:
            return x - powerOfTen(textLength - whole);
        case Rule::Kind::Pass:
            break;
    }
    return x;
}

}  // namespace

double powerOfTen(int exponent) {
    if (exponent >= kAboveLargest) return kLargest;
    if (exponent <= kBelowSmallest) return 0;
    if (exponent < -kExactPowers || exponent > kExactPowers) return nearestPowerOfTen(exponent);
    double power = 1;
    for (int i = 0; i < std::abs(exponent); ++i) power *= 10;
    return exponent < 0 ? 1 / power : power;
}

const Rule* ruleFor(std::span<const Row> rows, double x) {
    for (const Row& row : rows) {
        if (holds(row, x)) return row.rule.kind == Rule::Kind::Pass ? nullptr : &row.rule;
    }
    return nullptr;
}

double stepped(std::span<const Row> rows, double x, int textLength) {
    return apply(*ruleFor(rows, x), x, textLength);
}

float minimumImpedance(int phases, double rating) {
    float impedance = 0;
    for (const ImpedanceFrom& from : ladderOf(phases).impedances) {
        if (from.power <= rating) impedance = from.impedance;
    }
    return impedance;
}

double apply(const Rule& rule, double x, int textLength) {
    return heldFinite(unheld(rule, x, textLength));
}

void focusWholeText(controls::Window& form, controls::TextBox& box) {
    form.setFocus(box);
    box.selectAll();
}

}  // namespace spins
