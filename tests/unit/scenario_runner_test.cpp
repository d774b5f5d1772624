// What the independent checks read from the runner: failure lines, the summary and the exit
// status, on what the window shows right after start-up whatever the field handlers do; and
// a line outside the grammar refused with its number and reason, so that no typo passes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "scenario/runner.h"

namespace {

// Each file is run after a second one that passes: a failure or a faulty file stops nothing else.
TEST(ScenarioRunner, ReportsEachFailureInTheGrammarsWords) {
    struct Case {
        const char* script;
        const char* report;  // empty: the file passes
        int status;
    };
    const Case cases[] = {
        // A variable compares with the number rounded to its own type, and shows its exact value.
        {"expect V.text \"208\"\nexpect var Voltage 208\nexpect var Impedance 1.50000001", "", 0},
        {"\nexpect V.text \"20\\n8\"\nexpect A.text \"10\"\nexpect W.text \"1\"\n"
         "expect V.selection 1 2\nexpect Fault.color 255 0 0\nexpect focus none\n"
         "expect timers off on\nexpect window 8160 5432\n"
         "expect message \"a\\\"b\" \"Quellora\" 48\nexpect beeps 2\nexpect ended\n"
         "expect about open\nexpect var Voltage 208.0000000001\nexpect var Impedance 1.5000001",
         "f.scn:2: expected V.text \"20\\n8\" got \"208\"\n"
         "f.scn:4: expected W.text \"1\" got \"\"\n"
         "f.scn:5: expected V.selection 1 2 got 0 0\n"
         "f.scn:6: expected Fault.color 255 0 0 got 0 0 0\n"
         "f.scn:7: expected focus none got SPh\n"
         "f.scn:8: expected timers off on got on off\n"
         "f.scn:9: expected window 8160 5432 got 4790 3732\n"
         "f.scn:10: expected message \"a\\\"b\" \"Quellora\" 48 got no message\n"
         "f.scn:11: expected beeps 2 got 0\n"
         "f.scn:12: expected ended got running\n"
         "f.scn:13: expected about open got closed\n"
         "f.scn:14: expected var Voltage 208.0000000001 got 208\n"
         "f.scn:15: expected var Impedance 1.5000001 got 1.5\n",
         1},
        // A faulty file is not run at all (its last line would fail), and every fault is named.
        {"tick\nexpect Vx.text \"1\"\ntock\nexpect V.txt \"1\"\ntype V 48\n"
         "expect timers on maybe\nclick Timer1\nx \"open\nexpect beeps 5",
         "f.scn:2: unknown control Vx\nf.scn:3: unknown command \"tock\"\n"
         "f.scn:4: unknown property \"txt\"\n"
         "f.scn:5: the text to type is written in double quotes, not as 48\n"
         "f.scn:6: expected on or off, not maybe\n"
         "f.scn:7: click does not apply to Timer1, a timer\n"
         "f.scn:8: text without its closing quote\n",
         2},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        // Every file starts afresh: an ended program does not carry over.
        const int status = scenario::runSources(
            {{"f.scn", c.script}, {"ok.scn", "expect beeps 0\nexpect focus SPh"}}, out);
        const bool passed = *c.report == '\0';
        EXPECT_EQ(out.str(),
                  c.report + std::string(passed ? "2 passed, 0 failed\n" : "1 passed, 1 failed\n"))
            << c.script;
        EXPECT_EQ(status, c.status) << c.script;
    }
}

}  // namespace
