// Scenario files are a contract: lines outside the grammar are refused with their number.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "scenario/lexer.h"
#include "scenario/parser.h"

namespace {

using scenario::parseLine;
using scenario::parseScript;
using scenario::Token;
using scenario::tokenize;

TEST(ScenarioLexer, SplitsWordsResolvesEscapesAndRefusesMalformedTexts) {
    const std::pair<const char*, std::vector<Token>> cases[] = {
        {"# type V \"", {}},
        {" type\tV  \"48\" ", {{false, "type"}, {false, "V"}, {true, "48"}}},
        {R"(x "a\nb\rc\td\be")", {{false, "x"}, {true, "a\nb\rc\td\be"}}},
        {"x \"two  blanks\" \"\"", {{false, "x"}, {true, "two  blanks"}, {true, ""}}},
    };
    for (const auto& [line, tokens] : cases) {
        EXPECT_EQ(tokenize(line).error, "") << line;
        EXPECT_EQ(tokenize(line).tokens, tokens) << line;
    }
    const char* lines[] = {
        R"(x "open)", R"(x "ends in backslash\)", R"(x "\q")", R"(x "\0")", R"(x "a"b)",
        R"(x ab"c")",
    };
    for (const char* line : lines) EXPECT_NE(tokenize(line).error, "") << line;
}

TEST(ScenarioParser, RefusesLinesOutsideTheGrammar) {
    // Each line with a part of the reason given.
    const std::pair<const char*, const char*> cases[] = {
        {"tock", "unknown command \"tock\""},
        {"tick 2000000", "number of ticks"},
        {"type V 48", "double quotes"},
        {"expect V", "unknown expectation"},
        {"expect V.txt \"1\"", "unknown property \"txt\""},
        {"expect timers on maybe", "on or off, not maybe"},
        {"expect var Pwr 1", "unknown variable \"Pwr\""},
        {"expect var PercentClicked 0.5", "16-bit whole number"},
        {"expect message \"a\" \"b\"", "message style is missing"},
    };
    for (const auto& [line, reason] : cases) {
        const scenario::LineResult result = parseLine(line, 1);
        EXPECT_FALSE(result.isCommand) << line;
        EXPECT_NE(result.error.find(reason), std::string::npos)
            << line << " gave: " << result.error;
    }
}

TEST(ScenarioParser, NumbersLinesAcrossLineEndingsAndStopsActionsAfterTheEnd) {
    const scenario::ParsedScript script = parseScript(
        "\xEF\xBB\xBF# start\r\n"
        "tick\r\n"
        "\r\n"
        "click Command3D1\n"
        "expect ended\r\n"
        "expect timers on off\n"
        "tick\n"
        "expect bogus");
    ASSERT_EQ(script.commands.size(), 5u);
    EXPECT_EQ(script.commands[0].line, 2);
    EXPECT_EQ(script.commands[1].line, 4);
    const std::vector<scenario::Problem> problems = {
        {7, "only expectations may follow \"expect ended\""},
        {8, "unknown expectation \"bogus\" (a property is written CONTROL.NAME)"},
    };
    EXPECT_EQ(script.problems, problems);
}

}  // namespace
