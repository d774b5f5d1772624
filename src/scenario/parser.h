// Turns scenario text into commands. A line that is not a command of the grammar is a problem
// with its line number and reason; control names are checked later against the windows
// (controlcheck.h), since only they know which controls exist.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scenario/script.h"

namespace scenario {

struct Problem {
    int line = 0;
    std::string reason;
    friend bool operator==(const Problem&, const Problem&) = default;
};

struct LineResult {
    bool isCommand = false;  // false for blank and comment lines, and on error
    Command command;
    std::string error;
};

LineResult parseLine(std::string_view line, int lineNumber);

struct ParsedScript {
    std::vector<Command> commands;
    std::vector<Problem> problems;
};

// Lines end in LF or CR LF; a leading byte-order mark is skipped. After `expect ended` only
// expectations may follow: an action there could never run.
ParsedScript parseScript(std::string_view text);

// The command written back as a scenario line in its canonical form ("tick" as "tick 1").
std::string describe(const Command& command);

}  // namespace scenario
