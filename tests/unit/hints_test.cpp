// Which area writes which note, and when a hover leaves the note alone. The full texts are
// checked character for character by the scenario files hints_*.scn.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "scenario/recordingdesktop.h"

namespace {

constexpr const char* kUntouched = "untouched";

struct HintCase {
    const char* name;
    std::function<void(MainForm&)> setup;
    const char* hovered;
    // nullptr: the note stays as it was.
    const char* startsWith;
    const char* endsWith;
    int lines;
};

int lineCount(const std::string& text) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

void nothing(MainForm&) {}
void singlePhase(MainForm& f) {
    f.SPh.setValue(true);
}
void noPhase(MainForm& f) {
    f.SPh.setValue(false);
    f.TPh.setValue(false);
}

}  // namespace

TEST(Hints, EachAreaWritesItsNoteOnlyWhenItApplies) {
    const HintCase cases[] = {
        {"percent hint before any click", nothing, "Command1", "\nClick button", "percentage.", 2},
        {"secondary percent hint before any click", nothing, "CommandSC", "\nClick button",
         "percentage.", 2},
        {"percent hint gone after a click", [](MainForm& f) { f.state.PercentClicked = 1; },
         "Command1", nullptr, nullptr, 0},
        {"secondary percent hint gone after a click",
         [](MainForm& f) { f.state.PercentClicked = 1; }, "CommandSC", nullptr, nullptr, 0},
        {"background", nothing, "Form",
         "Short-Circuit-Current values shown are for estimating "
         "purposes only. \nCalculations",
         "exact calculations are needed.", 4},
        {"power factor while Factor is enabled", nothing, "Frame3D4", nullptr, nullptr, 0},
        {"power factor once Factor is disabled", [](MainForm& f) { f.Factor.setEnabled(false); },
         "Frame3D4", "When transformer is at full load", "scope of this calculator.", 1},
        {"secondary voltage, three phase", nothing, "Frame3D6", "Select \"Line to Line\"",
         "calculations.", 1},
        {"secondary voltage, single phase", singlePhase, "Frame3D6", "Select \"Line To Line\"",
         "select 240V.", 2},
        {"secondary voltage, no phase", noPhase, "Frame3D6", nullptr, nullptr, 0},
        {"impedance", nothing, "ImpedFrame", "Minimum Impedance", "special applications.", 4},
        {"short circuit, three phase, 2500", [](MainForm& f) { f.Label6.setCaption("2500"); },
         "SSFrame2", "Three-Phase Short-Circuit calculations assume \"infinite\" primary. \n",
         "(symmetrical) would be: 2500 Amperes.", 3},
        {"short circuit, single phase, 3750",
         [](MainForm& f) {
             singlePhase(f);
             f.Label6.setCaption("3750");
         },
         "SSFrame2", "Single-Phase Short-Circuit calculations assume \"infinite\" primary.\n",
         "available short-circuit current (symmetrical) would be: 3750 Amperes.", 4},
        {"short circuit, no phase", noPhase, "SSFrame2", nullptr, nullptr, 0},
        // Controls inside the frames and the labels have no hint of their own.
        {"impedance box", nothing, "Imped", nullptr, nullptr, 0},
        {"power factor box", [](MainForm& f) { f.Factor.setEnabled(false); }, "Factor", nullptr,
         nullptr, 0},
        {"secondary voltage box", singlePhase, "V2", nullptr, nullptr, 0},
        {"other frame", nothing, "Frame3D1", nullptr, nullptr, 0},
        {"other button", nothing, "Trbutton", nullptr, nullptr, 0},
    };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(c.name);
        scenario::RecordingDesktop desktop;
        controls::EventGate gate;
        MainForm form(desktop, gate);
        form.Form_Load();
        form.show();
        c.setup(form);
        form.Label5.setCaption(kUntouched);
        controls::Control* area = form.Form.find(c.hovered);
        ASSERT_NE(area, nullptr);
        ASSERT_TRUE(controls::userHover(*area));
        const std::string& note = form.Label5.caption();
        if (c.startsWith == nullptr) {
            EXPECT_EQ(note, kUntouched);
            continue;
        }
        EXPECT_TRUE(note.starts_with(c.startsWith)) << note;
        EXPECT_TRUE(note.ends_with(c.endsWith)) << note;
        EXPECT_EQ(lineCount(note), c.lines) << note;
        EXPECT_EQ(note.find('\r'), std::string::npos);
        // The hover changes nothing but the note.
        EXPECT_TRUE(desktop.messages.empty());
    }
}
