// The power spin button. In the transformer window it walks the ratings of the selected phase,
// setting the minimum impedance of each; elsewhere it steps by an amount that grows with the
// power, for large values a power of ten taken from the field's length ("1,500,000" steps by
// 100,000, "1500000" by 1,000). The text, not the variable, carries the power between steps.
#include <array>
#include <cstdint>
#include <span>

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

using namespace spins;

// In the transformer window the powers in [from, below) step along the phase's ratings; the
// others pass to the ordinary rule.
constexpr std::array<Row, 3> ratingLadder(double from, double below, int phases, int direction) {
    return {{{Holds::AtLeast, below, kPass},
             {Holds::AtLeast, from, rating(phases, direction)},
             {Holds::Always, 0, kPass}}};
}

constexpr auto kSinglePhaseRatingsDown = ratingLadder(1'001, 840'001, 1, -1);
constexpr auto kSinglePhaseRatingsUp = ratingLadder(1'000, 833'000, 1, +1);
constexpr auto kThreePhaseRatingsDown = ratingLadder(3'001, 7'550'001, 3, -1);
constexpr auto kThreePhaseRatingsUp = ratingLadder(3'000, 7'500'000, 3, +1);

// From 1 upwards; below 1 the steps depend on the text's length and set SpinDecimals.
constexpr Row kDownFromOne[] = {
    {Holds::Is, 1, to(0.9)},
    {Holds::Below, 2, add(-0.1)},
    {Holds::Below, 16, tenths(-1, Count::WholePart)},
    {Holds::Below, 101, multiples(5, -1, Count::WholePart)},
    {Holds::Below, 1'001, multiples(50, -1, Count::WholePart)},
    {Holds::Below, 10'001, multiples(500, -1, Count::WholePart)},
    {Holds::Below, 100'001, multiples(5'000, -1, Count::WholePart)},
    {Holds::Below, 1'000'001, multiples(50'000, -1, Count::WholePart)},
    {Holds::Below, 1'000'000'001, lessPowerOfTen(4)},
    {Holds::Always, 0, lessPowerOfTen(5)},
};

// 12.5 and 17.5 both step to 20: 3.5 and 4.5 both round to 4.
constexpr Row kUpFromOne[] = {
    {Holds::Below, 10, tenths(+1, Count::HalfEven)},
    {Holds::Below, 100, multiples(5, +1, Count::HalfEven)},
    {Holds::Below, 1'000, multiples(50, +1, Count::HalfEven)},
    {Holds::Below, 10'000, multiples(500, +1, Count::HalfEven)},
    {Holds::Below, 1'000'000, multiples(5'000, +1, Count::HalfEven)},
    {Holds::Below, 10'000'000, add(5'000)},
    {Holds::Below, 1'000'000'000, add(500)},
};

constexpr double kSmallestStep = 0.000001;
constexpr std::int16_t kSmallestStepDecimals = 6;
constexpr double kSmallest = 1e-12;

std::string_view mask(double p) {
    return p < 1 ? calc::kSmallMask : "#,###,###,###,###";
}

const Rule* ratingStep(const MainForm& form, bool up, double p) {
    if (!form.transformerMode() || form.phase() == calc::Phase::Neither) return nullptr;
    const bool three = form.phase() == calc::Phase::Three;
    return ruleFor(up ? ofPhase(three, kThreePhaseRatingsUp, kSinglePhaseRatingsUp)
                      : ofPhase(three, kThreePhaseRatingsDown, kSinglePhaseRatingsDown),
                   p);
}

double onRating(MainForm& form, const Rule& step, double p) {
    const double rated = apply(step, p);
    form.state.Impedance = minimumImpedance(static_cast<int>(step.amount), rated);
    form.Imped.setText(calc::generalText(form.state.Impedance));
    return rated;
}

}  // namespace

void MainForm::PS_SpinDown() {
    derive(calc::Quantity::Current);
    if (W.text().empty()) {
        state.Power = 0.9;
        W.setText(calc::generalText(0.9));
    }
    if (calc::isNumeric(W.text())) {
        double p = calc::toDouble(W.text());
        state.Power = p;
        const int length = W.length();
        if (const Rule* step = ratingStep(*this, false, p)) {
            p = onRating(*this, *step, p);
        } else if (p < 1) {
            if (length == 3) {
                p = p - 0.1;
            } else {
                p = p - kSmallestStep;
                state.SpinDecimals = kSmallestStepDecimals;
            }
        } else {
            p = stepped(kDownFromOne, p, length);
        }
        if (p == 0) {
            p = 0.9 * powerOfTen(-state.SpinDecimals);
        } else if (p < kSmallest) {
            msgBox(calc::kRangeMessage, controls::MessageStyle::Exclamation);
            p = kSmallest;
        }
        state.Power = p;
        W.setText(calc::format(p, mask(p)));
        focusWholeText(Form, W);
    }
    // The current tick, running since the start, takes the power from the field again.
    state.Power = 0;
}

void MainForm::PS_SpinUp() {
    if (W.text().empty()) {
        state.Power = 1;
        W.setText("1");
    }
    if (!calc::isNumeric(W.text())) return;
    double p = calc::toDouble(W.text());
    state.Power = p;
    if (const Rule* step = ratingStep(*this, true, p)) {
        p = onRating(*this, *step, p);
    } else if (p < 1) {
        p = p + kSmallestStep;
        state.SpinDecimals = kSmallestStepDecimals;
    } else if (const Rule* step = ruleFor(kUpFromOne, p)) {
        p = apply(*step, p, W.length());
    } else {
        msgBox(calc::kRangeMessageAlt, controls::MessageStyle::Exclamation);
        p = calc::kPowerCap;
        derive(calc::Quantity::Current);
    }
    state.Power = p;
    W.setText(calc::format(p, mask(p)));
    focusWholeText(Form, W);
    if (calc::isNumeric(W.text())) state.Power = calc::toDouble(W.text());
}
