// Checks the controls a script names before any line runs: a misspelt name or a command that
// cannot apply to the control's kind (typing into a label) is a fault of the script, reported
// like a line that cannot be parsed, rather than a silent no-op or an expectation that fails.
#pragma once

#include <optional>
#include <vector>

#include "controls/userinput.h"

#include "scenario/parser.h"
#include "scenario/script.h"

namespace scenario {

std::vector<Problem> checkControls(const std::vector<Command>& commands);

// The action a person's command performs, if it is one aimed at a control.
std::optional<controls::Action> actionOf(Verb verb);

}  // namespace scenario
