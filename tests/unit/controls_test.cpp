// The rules of a native text box and window that the handlers' re-entry relies on.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "controls/textbox.h"
#include "controls/userinput.h"
#include "controls/window.h"
#include "scenario/recordingdesktop.h"

namespace {

struct Fixture {
    scenario::RecordingDesktop desktop;
    controls::EventGate gate;
    controls::Window form{"Form", "", {}, gate};
    controls::Frame frame{"Frame", &form, {}, ""};
    controls::TextBox box{"Box", &frame, {}, "", 0};
    controls::TextBox other{"Other", &frame, {}, "", 0};

    Fixture() { form.show(desktop); }
};

// One character is typed ("\b" is Backspace), more are pasted over the selection.
TEST(TextBox, TypingAndPastingEditAtTheCaretWithinTheMaximumLength) {
    struct Case {
        const char* start;
        int selStart, selLength, maxLength;
        const char* input;
        const char* text;
        int caret;
    };
    const Case cases[] = {
        {"208", 0, 3, 0, "1", "1", 1},       // replaces the selection
        {"208", 1, 0, 0, "5", "2508", 2},    // inserts at the caret
        {"0.85", 2, 2, 0, "\b", "0.", 2},    // Backspace deletes the selection
        {"0.85", 0, 0, 4, "9", "0.85", 0},   // full: refused
        {"0.85", 2, 2, 4, "9", "0.9", 3},    // replacing keeps it within the limit
        {"0.85", 0, 0, 4, "95", "0.85", 0},  // a paste into a full field is refused
        {"0.85", 2, 2, 4, "95", "0.95", 4},  // and cut to the limit
        {"12", 5, 9, 0, "3", "123", 3},      // a selection past the end is cut
        // each stray byte becomes one mark
        {"", 0, 0, 0, "\xC3\x41\xFF", "\uFFFDA\uFFFD", 3},
    };
    for (const Case& c : cases) {
        scenario::RecordingDesktop desktop;
        controls::EventGate gate;
        controls::Window form("Form", "", {}, gate);
        controls::TextBox box("Box", &form, {}, c.start, c.maxLength);
        form.show(desktop);
        box.setSelection(c.selStart, c.selLength);
        if (c.input[1] == '\0') {
            controls::userType(box, c.input[0]);
        } else {
            controls::userPasteOverSelection(box, c.input);
        }
        EXPECT_EQ(box.text(), c.text) << c.start;
        EXPECT_EQ(box.selStart(), c.caret) << c.start;
    }
}

// Design-time properties have no observer to repaint them once the window is shown.
TEST(Control, DesignTimeSettersRefuseAShownWindowAndActionsTheirKinds) {
    Fixture f;
    EXPECT_THROW(f.box.setTabIndex(3), std::logic_error);
    EXPECT_THROW(f.frame.setFont({}), std::logic_error);
    f.box.setCaption("notified");  // any time
    controls::Label label("Label", &f.frame, {}, "");
    EXPECT_THROW(label.setWordWrap(true), std::logic_error);
    EXPECT_THROW(label.setSystemColors({}, {}), std::logic_error);
    controls::SpinButton spin("Spin", &f.frame, {});
    EXPECT_THROW(spin.setArrowNames("up", "down"), std::logic_error);
    EXPECT_FALSE(controls::userClick(f.box));
    EXPECT_TRUE(controls::userClick(label));
    EXPECT_TRUE(controls::accepts(f.form, controls::Action::Click));
    EXPECT_FALSE(
        controls::accepts(controls::Timer("T", &f.form, 1, false), controls::Action::Hover));
}

TEST(EventGate, NoTickStartsInsideAHandlerAndNothingRunsAfterTheEnd) {
    Fixture f;
    controls::Timer timer("Timer1", &f.form, 100, true);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    f.box.onChange = [&] { EXPECT_FALSE(controls::userTick(timer)); };
    controls::userType(f.box, '1');
    EXPECT_TRUE(controls::userTick(timer));
    timer.setEnabled(false);
    EXPECT_FALSE(controls::userTick(timer));
    timer.setEnabled(true);
    f.gate.end();
    EXPECT_FALSE(controls::userTick(timer));
    EXPECT_FALSE(controls::userType(f.box, '2'));
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(f.box.text(), "1");
}

}  // namespace
