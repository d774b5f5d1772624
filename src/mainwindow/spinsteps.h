// The arithmetic every spin button shares. A step table is read top to bottom: the first row
// whose condition holds for the value before the step gives the rule for the value after it,
// evaluated left to right as it reads, rounding included.
#pragma once

#include <span>

#include "controls/textbox.h"
#include "controls/window.h"

namespace spins {

// The double nearest to 10^exponent (std::pow misses it at 10^23), held finite, and 0 below the
// subnormals, so that a pasted text's length never makes a step infinite.
double powerOfTen(int exponent);

// How a quotient becomes a whole count of steps.
enum class Count {
    Exact,      // not rounded
    HalfEven,   // to the nearest, halves to the even one
    WholePart,  // rounded down
};

struct Rule {
    enum class Kind {
        Pass,            // this table leaves x to the next one
        To,              // the value becomes `amount`
        Add,             // x + amount
        Parts,           // count(amount × x + direction) / amount
        Multiples,       // count(x / amount + direction) × amount
        Nearest,         // (count(x / amount) + direction) × amount
        LessPowerOfTen,  // x − 10^(L − amount), L the number of characters in the field
        Standard,        // the next standard voltage of the `amount`-phase ladder (standards.h)
        Rating,          // the next transformer rating of the `amount`-phase ladder
    };
    Kind kind = Kind::To;
    double amount = 0;
    int direction = 0;  // +1 up, -1 down; for Parts, how many parts
    Count count = Count::Exact;
};

inline constexpr Rule kPass{Rule::Kind::Pass};
constexpr Rule to(double value) {
    return {Rule::Kind::To, value};
}
constexpr Rule add(double amount) {
    return {Rule::Kind::Add, amount};
}
// A step of one whole unit, counted in tenths.
constexpr Rule tenths(int direction, Count count) {
    return {Rule::Kind::Parts, 10, 10 * direction, count};
}
// A step of one hundredth.
constexpr Rule hundredths(int direction, Count count) {
    return {Rule::Kind::Parts, 100, direction, count};
}
constexpr Rule multiples(double size, int direction, Count count) {
    return {Rule::Kind::Multiples, size, direction, count};
}
// Onto the grid first, then one grid step.
constexpr Rule nearest(double size, int direction) {
    return {Rule::Kind::Nearest, size, direction, Count::HalfEven};
}
constexpr Rule lessPowerOfTen(int uncounted) {
    return {Rule::Kind::LessPowerOfTen, static_cast<double>(uncounted)};
}
// Up: the first stop above x, else the top. Down: the last stop below x, else the lowest.
constexpr Rule standard(int phases, int direction) {
    return {Rule::Kind::Standard, static_cast<double>(phases), direction};
}
// Up: the first rating above x. Down: the largest rating R with R + 1 <= x, so that a power just
// above a rating steps down onto it.
constexpr Rule rating(int phases, int direction) {
    return {Rule::Kind::Rating, static_cast<double>(phases), direction};
}

enum class Holds { Is, Below, AtMost, AtLeast, Always };

struct Row {
    Holds holds;
    double limit;  // not read by Holds::Always
    Rule rule;
};

inline std::span<const Row> ofPhase(bool three, std::span<const Row> t, std::span<const Row> s) {
    return three ? t : s;
}

// Both three-phase voltage ladders go up alike.
inline constexpr Row kThreePhaseUp[] = {{Holds::Always, 0, standard(3, +1)}};

// Null when no row holds or the row that holds passes.
const Rule* ruleFor(std::span<const Row> rows, double x);

// Held inside the finite doubles; textLength counts the characters of the field x came from.
double apply(const Rule& rule, double x, int textLength = 0);
// For tables that end in a row that always holds.
double stepped(std::span<const Row> rows, double x, int textLength = 0);

float minimumImpedance(int phases, double rating);

// The common tail of every spin: the field gets the focus (running its focus handler only if
// the focus was elsewhere) and then its whole text is selected, whatever that handler selected.
void focusWholeText(controls::Window& form, controls::TextBox& box);

}  // namespace spins
