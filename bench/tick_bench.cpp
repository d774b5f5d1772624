// What one recalculation tick costs in the model: the idle tick that finds everything as shown
// must stay in the microseconds, since it runs ten times a second for the whole session.
#include <benchmark/benchmark.h>

#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "scenario/session.h"

namespace {

// A started main window, as a scenario file starts from it; ticked once so that W is shown.
struct Calculator {
    scenario::Session session;
    MainForm& form = session.form();
    Calculator() { controls::userTick(form.Timer1); }
};

void idleTick(benchmark::State& run) {
    Calculator c;
    for (auto _ : run) controls::userTick(c.form.Timer1);
}
BENCHMARK(idleTick);

// Each tick finds a different current, so it writes W and W's change handler reads it back.
void tickRewritingPower(benchmark::State& run) {
    Calculator c;
    bool odd = false;
    for (auto _ : run) {
        c.form.state.Current = odd ? 10 : 11;
        odd = !odd;
        controls::userTick(c.form.Timer1);
    }
}
BENCHMARK(tickRewritingPower);

void idleTransformerTick(benchmark::State& run) {
    Calculator c;
    controls::userClick(c.form.Trbutton);
    controls::userTick(c.form.Timer1);
    for (auto _ : run) controls::userTick(c.form.Timer1);
}
BENCHMARK(idleTransformerTick);

}  // namespace

BENCHMARK_MAIN();
