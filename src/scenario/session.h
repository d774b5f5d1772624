// One scenario file's run: a fresh main window right after Form_Load, shown with the focus on
// its first tab stop, on a desktop that records what the handlers show. Actions go in through
// controls/userinput.h only, exactly as a person's would.
#pragma once

#include <cstddef>
#include <string>

#include "controls/control.h"
#include "controls/eventgate.h"
#include "mainwindow/mainform.h"
#include "scenario/recordingdesktop.h"
#include "scenario/script.h"

namespace scenario {

class Session {
  public:
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs one command. For an expectation that does not hold, returns what was found instead
    // (the part after "got"); empty when it holds and for actions.
    std::string run(const Command& command);

    MainForm& form() { return form_; }
    RecordingDesktop& desktop() { return desktop_; }

  private:
    void act(const Command& command);
    // Empty when the expectation holds (expectations.cpp).
    std::string check(const Command& command);
    std::string checkProperty(const Command& command);
    std::string checkFocus(const Command& command);
    std::string checkVariable(const Command& command);
    std::string checkMessage(const Command& command);
    std::string checkNoMessage() const;
    std::string checkOpened(const Command& command);

    // Null for a control of the About window while it is closed. Names were checked before the
    // run (controlcheck.h), so a main-window control is always found.
    controls::Control* find(const ControlRef& ref);

    RecordingDesktop desktop_;
    controls::EventGate gate_;
    MainForm form_;
    std::size_t matchedMessages_ = 0;
    std::size_t matchedAddresses_ = 0;
};

}  // namespace scenario
