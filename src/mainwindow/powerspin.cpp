// The power spin button. In the transformer window it walks the standard transformer ratings of
// the selected phase and sets the minimum impedance that goes with each; elsewhere, and off the
// ladders, it steps by an amount that grows with the power, for large values by a power of ten
// taken from the number of characters in the field ("1,500,000" steps by 100,000, "1500000" by
// 1,000). The field's text, not the variable, carries the power from one step to the next.
#include <cstdint>
#include <span>

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"
#include "mainwindow/spinsteps.h"

namespace {

using spins::add;
using spins::Count;
using spins::Holds;
using spins::lessPowerOfTen;
using spins::multiples;
using spins::Row;
using spins::tenths;
using spins::to;

enum class Reached { BothWays, OnlyDown, OnlyUp };

struct TransformerRating {
    double power;     // VA
    float impedance;  // minimum impedance in percent
    Reached reached = Reached::BothWays;
};

constexpr TransformerRating kSinglePhaseRatings[] = {
    {1'000, 1.5F, Reached::OnlyDown},
    {3'000, 1.5F},
    {5'000, 1.5F},
    {7'500, 1.5F},
    {10'000, 1.5F},
    {15'000, 1.5F, Reached::OnlyUp},
    {25'000, 1.5F},
    {37'500, 1.5F},
    {50'000, 1.5F},
    {75'000, 2.0F},
    {100'000, 2.0F},
    {167'500, 2.5F},
    {250'000, 3.5F},
    {333'000, 3.5F},
    {500'000, 3.5F},
    {667'000, 3.5F},
    {833'000, 3.5F},
};

constexpr TransformerRating kThreePhaseRatings[] = {
    {3'000, 1.5F, Reached::OnlyDown},
    {6'000, 1.5F},
    {9'000, 1.5F},
    {15'000, 1.5F},
    {30'000, 1.5F},
    {45'000, 1.5F},
    {75'000, 1.5F},
    {112'500, 1.5F},
    {150'000, 1.5F},
    {225'000, 2.5F},
    {300'000, 2.5F},
    {500'000, 3.5F},
    {750'000, 3.5F},
    {1'000'000, 3.5F},
    {1'500'000, 3.5F},
    {2'000'000, 3.5F},
    {2'500'000, 3.5F},
    {3'000'000, 4.5F},
    {3'750'000, 5.0F},
    {5'000'000, 5.0F},
    {7'500'000, 5.0F},
};

// The powers for which a step moves along the ladder rather than by the ordinary rule.
struct RatingLadder {
    std::span<const TransformerRating> ratings;
    double downFrom;  // a step down from downFrom up to below downBelow
    double downBelow;
    double upFrom;  // a step up from upFrom up to below upBelow
    double upBelow;
};

constexpr RatingLadder kSinglePhaseLadder{kSinglePhaseRatings, 1'001, 840'001, 1'000, 833'000};
constexpr RatingLadder kThreePhaseLadder{kThreePhaseRatings, 3'001, 7'550'001, 3'000, 7'500'000};

// The largest rating R with R + 1 <= p: a power just above a rating steps down onto it.
const TransformerRating* ratingBelow(const RatingLadder& ladder, double p) {
    if (p < ladder.downFrom || p >= ladder.downBelow) return nullptr;
    const TransformerRating* found = nullptr;
    for (const TransformerRating& rating : ladder.ratings) {
        if (rating.reached != Reached::OnlyUp && rating.power + 1 <= p) found = &rating;
    }
    return found;
}

const TransformerRating* ratingAbove(const RatingLadder& ladder, double p) {
    if (p < ladder.upFrom || p >= ladder.upBelow) return nullptr;
    for (const TransformerRating& rating : ladder.ratings) {
        if (rating.reached != Reached::OnlyDown && rating.power > p) return &rating;
    }
    return nullptr;
}

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
        const bool transformer = transformerMode();
        const TransformerRating* rating = nullptr;
        if (transformer && SPh.value()) rating = ratingBelow(kSinglePhaseLadder, p);
        if (rating == nullptr && transformer && TPh.value())
            rating = ratingBelow(kThreePhaseLadder, p);
        if (rating != nullptr) {
            p = rating->power;
            state.Impedance = rating->impedance;
            Imped.setText(calc::generalText(state.Impedance));
        } else if (p < 1) {
            if (length == 3) {
                p = p - 0.1;
            } else {
                p = p - kSmallestStep;
                state.SpinDecimals = kSmallestStepDecimals;
            }
        } else {
            p = spins::apply(spins::firstHolding(kDownFromOne, p)->rule, p, length);
        }
        if (p == 0) {
            p = 0.9 * spins::powerOfTen(-state.SpinDecimals);
        } else if (p < kSmallest) {
            msgBox(calc::kRangeMessage, controls::MessageStyle::Exclamation, calc::kAppTitle);
            p = kSmallest;
        }
        state.Power = p;
        W.setText(calc::format(p, mask(p)));
        spins::focusWholeText(Form, W);
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
    const bool transformer = transformerMode();
    const TransformerRating* rating = nullptr;
    if (transformer && SPh.value()) rating = ratingAbove(kSinglePhaseLadder, p);
    if (rating == nullptr && transformer && TPh.value()) rating = ratingAbove(kThreePhaseLadder, p);
    if (rating != nullptr) {
        p = rating->power;
        state.Impedance = rating->impedance;
        Imped.setText(calc::generalText(state.Impedance));
    } else if (p < 1) {
        p = p + kSmallestStep;
        state.SpinDecimals = kSmallestStepDecimals;
    } else if (const Row* row = spins::firstHolding(kUpFromOne, p)) {
        p = spins::apply(row->rule, p, W.length());
    } else {
        msgBox(calc::kRangeMessageAlt, controls::MessageStyle::Exclamation, calc::kAppTitle);
        p = calc::kPowerCap;
        derive(calc::Quantity::Current);
    }
    state.Power = p;
    W.setText(calc::format(p, mask(p)));
    spins::focusWholeText(Form, W);
    if (calc::isNumeric(W.text())) state.Power = calc::toDouble(W.text());
}
