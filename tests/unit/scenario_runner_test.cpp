// What the independent checks read from the runner: failure lines in the grammar's words, the
// summary counting files, and the exit status. The scenarios here use only what the window
// shows right after start-up, so they hold whatever the field handlers do.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "scenario/parser.h"
#include "scenario/runner.h"
#include "scenario/session.h"

namespace {

struct Outcome {
    int status = -1;
    std::string output;
};

Outcome run(const std::vector<scenario::Source>& sources) {
    std::ostringstream out;
    Outcome result;
    result.status = scenario::runSources(sources, out);
    result.output = out.str();
    return result;
}

TEST(ScenarioRunner, ReportsEachFailedExpectationAndGoesOn) {
    struct Case {
        const char* script;
        const char* output;
        int status;
    };
    const Case cases[] = {
        {"expect V.text \"208\"\nexpect focus SPh\n", "1 passed, 0 failed\n", 0},
        {"\nexpect V.text \"20\\n8\"\nexpect A.text \"10\"\nexpect W.text \"1\"\n",
         "f.scn:2: expected V.text \"20\\n8\" got \"208\"\n"
         "f.scn:4: expected W.text \"1\" got \"\"\n"
         "0 passed, 1 failed\n",
         1},
        {"expect TPh.value false\nexpect Label6.visible true\nexpect VS.tabstop true",
         "f.scn:1: expected TPh.value false got true\n"
         "f.scn:2: expected Label6.visible true got false\n"
         "f.scn:3: expected VS.tabstop true got false\n0 passed, 1 failed\n",
         1},
        {"expect V.selection 1 2\nexpect Fault.color 255 0 0",
         "f.scn:1: expected V.selection 1 2 got 0 0\n"
         "f.scn:2: expected Fault.color 255 0 0 got 0 0 0\n0 passed, 1 failed\n",
         1},
        {"expect focus V\nexpect focus none\nexpect timers off on\nexpect window 8160 5432",
         "f.scn:1: expected focus V got SPh\n"
         "f.scn:2: expected focus none got SPh\n"
         "f.scn:3: expected timers off on got on off\n"
         "f.scn:4: expected window 8160 5432 got 4790 3732\n0 passed, 1 failed\n",
         1},
        {"expect message \"a\\\"b\" \"Quellora\" 48\nexpect opened \"x\"\nexpect beeps 2\n"
         "expect no-message\nexpect ended\nexpect about open",
         "f.scn:1: expected message \"a\\\"b\" \"Quellora\" 48 got no message\n"
         "f.scn:2: expected opened \"x\" got no address\n"
         "f.scn:3: expected beeps 2 got 0\n"
         "f.scn:5: expected ended got running\n"
         "f.scn:6: expected about open got closed\n0 passed, 1 failed\n",
         1},
    };
    for (const Case& c : cases) {
        const Outcome result = run({{"f.scn", c.script}});
        EXPECT_EQ(result.output, c.output) << c.script;
        EXPECT_EQ(result.status, c.status) << c.script;
    }
}

// Each variable compares with the number rounded to its own type; a mismatch shows the value
// exactly, so that two values never look alike.
TEST(ScenarioRunner, ComparesVariablesInTheirOwnType) {
    struct Case {
        const char* line;
        const char* got;  // empty: holds
    };
    const Case cases[] = {
        {"expect var Voltage 208", ""},
        {"expect var Voltage 208.0000000001", "208"},
        {"expect var Impedance 1.5", ""},
        {"expect var Impedance 1.50000001", ""},  // the same single
        {"expect var Impedance 1.5000001", "1.5"},
        {"expect var PercentClicked -1", "0"},
    };
    for (const Case& c : cases) {
        const Outcome result = run({{"v.scn", c.line}});
        const std::string expected = *c.got == '\0'
                                         ? "1 passed, 0 failed\n"
                                         : "v.scn:1: expected " + std::string(c.line).substr(7) +
                                               " got " + c.got + "\n0 passed, 1 failed\n";
        EXPECT_EQ(result.output, expected) << c.line;
    }
}

TEST(ScenarioRunner, ScriptFaultsStopTheFileWithStatusTwo) {
    struct Case {
        const char* script;
        const char* output;
    };
    const Case cases[] = {
        {"tick\nexpect Vx.text \"1\"\n", "s.scn:2: unknown control Vx\n"},
        {"type Wzor \"1\"", "s.scn:1: type does not apply to Wzor, a label\n"},
        {"click Timer1", "s.scn:1: click does not apply to Timer1, a timer\n"},
        {"expect Wzor.text \" \"", "s.scn:1: .text does not apply to Wzor, a label\n"},
        {"click Command3D1\nexpect ended\nclick Command3D2",
         "s.scn:3: only expectations may follow \"expect ended\"\n"},
        {"expect W.text \"\nfoo\nexpect Nope.text \"\"",
         "s.scn:1: text without its closing quote\ns.scn:2: unknown command \"foo\"\n"
         "s.scn:3: unknown control Nope\n"},
    };
    for (const Case& c : cases) {
        // A faulty file is not run at all (its last line would fail); the next file still is.
        const Outcome result = run({{"s.scn", std::string(c.script) + "\nexpect beeps 5"},
                                    {"ok.scn", "expect V.text \"208\""}});
        const std::string expected = c.output;
        EXPECT_EQ(result.output, expected + "1 passed, 1 failed\n") << c.script;
        EXPECT_EQ(result.status, 2) << c.script;
    }
}

TEST(ScenarioRunner, CountsFilesAndTakesTheWorstStatus) {
    const scenario::Source pass{"p.scn", "expect timers on off"};
    const scenario::Source fail{"f.scn", "expect timers off off"};
    EXPECT_EQ(run({pass, pass}).output, "2 passed, 0 failed\n");
    EXPECT_EQ(run({pass, fail, pass}).status, 1);
    EXPECT_EQ(run({pass, fail, {"e.scn", "oops"}}).status, 2);
    EXPECT_EQ(run({}).output, "0 passed, 0 failed\n");
    EXPECT_EQ(run({{"empty.scn", ""}}).status, 0);
}

TEST(ScenarioRunner, DrivesTheWindowThroughUserInput) {
    // Every file starts afresh: beeps, focus and an ended program do not carry over.
    const Outcome fresh = run({{"a.scn", "type V \"a\"\nclick Command3D1\nexpect ended"},
                               {"b.scn", "expect beeps 0\nexpect focus SPh\nexpect ended"}});
    EXPECT_EQ(fresh.output, "b.scn:3: expected ended got running\n1 passed, 1 failed\n");

    // The About window's controls exist only while it is open; actions on them then do nothing.
    const Outcome about = run({{"about.scn",
                                "click About.Form\nexpect about closed\n"
                                "expect About.Form.caption \"About Quellora\"\n"
                                "click Command3D2\nexpect about open\n"
                                "expect About.Form.caption \"About Quellora\"\n"
                                "click About.Form\nexpect about closed\n"
                                "expect focus About.Form\n"}});
    EXPECT_EQ(
        about.output,
        "about.scn:3: expected About.Form.caption \"About Quellora\" got About window closed\n"
        "about.scn:9: expected focus About.Form got About window closed\n"
        "0 passed, 1 failed\n");
}

// Message boxes and addresses are matched oldest first, each by one expectation even when it
// disagrees, so that one wrong text does not shift the later ones.
TEST(ScenarioSession, MatchesMessagesAndAddressesOldestFirst) {
    scenario::Session session;
    session.desktop().messageBox("one", "Quellora", controls::MessageStyle::Exclamation);
    session.desktop().messageBox("two", "Out of range", controls::MessageStyle::Information);
    session.desktop().openAddress("Mailto:a");
    struct Step {
        const char* line;
        const char* got;
    };
    const Step steps[] = {
        {"expect no-message", "message \"one\" \"Quellora\" 48 and 1 more"},
        {"expect message \"one\" \"Quellora\" 64", "\"one\" \"Quellora\" 48"},
        {"expect no-message", "message \"two\" \"Out of range\" 64"},
        {"expect message \"two\" \"Out of range\" 64", ""},
        {"expect no-message", ""},
        {"expect message \"two\" \"Out of range\" 64", "no message"},
        {"expect opened \"Mailto:b\"", "\"Mailto:a\""},
        {"expect opened \"Mailto:a\"", "no address"},
        {"expect ended", "running"},
    };
    for (const Step& step : steps) {
        const scenario::LineResult parsed = scenario::parseLine(step.line, 1);
        ASSERT_TRUE(parsed.isCommand) << step.line;
        EXPECT_EQ(session.run(parsed.command), step.got) << step.line;
    }
}

}  // namespace
