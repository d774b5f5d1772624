// Independent checks read the runner's failure lines, summary and exit status; a line outside the
// grammar is refused with its number and reason, so that no typo passes.
#include <gtest/gtest.h>

#include <sstream>

#include "scenario/runner.h"

namespace {

TEST(ScenarioRunner, ReportsEachFailureInTheGrammarsWords) {
    const struct {
        const char* script;
        const char* report;
        int status;
    } cases[] = {
        {"", "2 passed, 0 failed\n", 0},
        {"\nexpect V.text \"20\\n8\"\nexpect A.text \"10\"\nexpect var Impedance 1.5000001\n"
         "expect timers off on\nexpect message \"a\\\"b\" \"Quellora\" 48",
         "f.scn:2: expected V.text \"20\\n8\" got \"208\"\n"
         "f.scn:4: expected var Impedance 1.5000001 got 1.5\n"
         "f.scn:5: expected timers off on got on off\n"
         "f.scn:6: expected message \"a\\\"b\" \"Quellora\" 48 got no message\n"
         "1 passed, 1 failed\n",
         1},
        // A faulty file is not run at all (its last line would fail).
        {"tick\nexpect Vx.text \"1\"\ntock\nclick Timer1\nx \"open\nexpect beeps 5",
         "f.scn:2: unknown control Vx\nf.scn:3: unknown command \"tock\"\n"
         "f.scn:4: click does not apply to Timer1, a timer\n"
         "f.scn:5: text without its closing quote\n1 passed, 1 failed\n",
         2},
    };
    // The passing file follows each: nothing carries over, and a variable compares with the
    // number rounded to its own type.
    const char* passing = "expect focus SPh\nexpect var Impedance 1.50000001";
    for (const auto& c : cases) {
        std::ostringstream out;
        EXPECT_EQ(scenario::runSources({{"f.scn", c.script}, {"ok.scn", passing}}, out), c.status);
        EXPECT_EQ(out.str(), c.report) << c.script;
    }
}

}  // namespace
