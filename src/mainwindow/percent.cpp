// Percentage-of-current buttons: overcurrent protection is sized as a percentage of the load
// current, so each button cycles through the usual ones.
#include <span>

#include "calc/formulas.h"
#include "calc/numbers.h"
#include "mainwindow/mainform.h"

namespace {

// The multipliers are singles: 1.67 is held as 1.66999995708465576171875, and products are
// formed from that value, so 167% of 0.5 A shows as 0.8349999785.
struct PercentStep {
    float before;
    float after;
    const char* caption;
};

// The last row also catches any value that matches no row.
constexpr PercentStep kCurrentCycle[] = {
    {1.25F, 1.5F, "150% of Current"}, {1.5F, 1.67F, "167% of Current"},
    {1.67F, 2, "200% of Current"},    {2, 3, "300% of Current"},
    {3, 4, "400% of Current"},        {4, 6, "600% of Current"},
    {6, 1.25F, "125% of Current"},
};

constexpr PercentStep kSecondaryCycle[] = {
    {1.25F, 1.5F, "150% of Secondary Current"},  {1.5F, 1.67F, "167% of Secondary Current"},
    {1.67F, 2.25F, "225% of Secondary Current"}, {2.25F, 2.5F, "250% of Secondary Current"},
    {2.5F, 3, "300% of Secondary Current"},      {3, 1.25F, "125% of Secondary Current"},
};

const PercentStep& nextStep(std::span<const PercentStep> cycle, float multiplier) {
    for (const PercentStep& step : cycle) {
        if (step.before == multiplier) return step;
    }
    return cycle.back();
}

}  // namespace

void MainForm::Command1_Click() {
    const PercentStep& step = nextStep(kCurrentCycle, state.CurrentPercent);
    state.CurrentPercent = step.after;
    Command1.setCaption(step.caption);
    state.PercentCurrent = static_cast<double>(state.CurrentPercent) * state.Current;
    A1.setCaption(calc::format(state.PercentCurrent, calc::currentMask(state.PercentCurrent)));
    state.PercentClicked = 1;
}

// A2M follows at the next tick.
void MainForm::CommandSC_Click() {
    const PercentStep& step = nextStep(kSecondaryCycle, state.SecondaryPercent);
    state.SecondaryPercent = step.after;
    CommandSC.setCaption(step.caption);
    state.PercentClicked = 1;
}
