// Runs scenario files and reports in the form the independent checks read: one line
// "FILE:LINE: ..." per failed expectation or unusable line, then "N passed, M failed" counting
// files. The exit status is 0 when every file passed, 1 when an expectation failed, 2 when a
// file could not be read or a line could not be used (that file is not run and counts as
// failed; the other files still run).
//
// Lines that cannot be used, besides those outside the grammar: a control name neither window
// has, a command that does not apply to its control's kind (type, set or key into anything but
// a text box, spin on anything but a spin button, .text of a label, .caption of a text box,
// .value of anything but an option button), and an action after "expect ended".
//
// While the About window is closed its controls do not exist: an action on one does nothing, as
// a click on a window that is not there would, and an expectation about one fails with
// "got About window closed".
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace scenario {

inline constexpr int kAllPassed = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kUnusable = 2;

struct Source {
    std::string name;  // as it appears in the report
    std::string text;
};

int runSources(const std::vector<Source>& sources, std::ostream& out);
int runFiles(const std::vector<std::string>& paths, std::ostream& out);

}  // namespace scenario
