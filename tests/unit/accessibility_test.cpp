// Accessible names and descriptions in the model: every control is named, and each hint area
// describes itself with exactly the note a pointer over it would write now, in every state that
// note depends on, without costing an idle tick anything.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "about/aboutform.h"
#include "controls/userinput.h"
#include "fieldsfixture.h"
#include "mainwindow/mainform.h"
#include "scenario/recordingdesktop.h"

namespace {

using Calculator = StartedForm;

class DescriptionCounter : public controls::Observer {
  public:
    void changed(controls::Control&, controls::Property property) override {
        if (property == controls::Property::AccessibleDescription ||
            property == controls::Property::AccessibleName) {
            ++writes;
        }
    }
    int writes = 0;
};

constexpr const char* kAreas[] = {"Form",     "Command1",   "CommandSC", "Frame3D4",
                                  "Frame3D6", "ImpedFrame", "SSFrame2"};

void tick(MainForm& f) {
    controls::userTick(f.Timer1.enabled() ? f.Timer1 : f.Timer2);
}

}  // namespace

TEST(Accessibility, EveryControlIsNamed) {
    Calculator c;
    controls::userClick(c.form.Command3D2);
    ASSERT_NE(c.form.about(), nullptr);
    for (const controls::Window* window : {&c.form.Form, &c.form.about()->Form}) {
        for (const controls::Control* control : window->controls()) {
            SCOPED_TRACE(control->name());
            if (control->kind() == controls::Kind::Timer) continue;
            // An unnamed control is named by its caption; a text box must have a name.
            const bool named = !control->accessibleName().empty() ||
                               (control->kind() != controls::Kind::TextBox &&
                                control->caption().find_first_not_of(' ') != std::string::npos);
            EXPECT_TRUE(named);
            if (control->kind() == controls::Kind::SpinButton) {
                const auto& spin = static_cast<const controls::SpinButton&>(*control);
                EXPECT_TRUE(spin.upName().ends_with(" up")) << spin.upName();
                EXPECT_TRUE(spin.downName().ends_with(" down")) << spin.downName();
            }
        }
    }
    EXPECT_TRUE(c.form.Label5.live());
}

TEST(Accessibility, HintAreasDescribeThemselvesWithTheNoteTheyWouldWrite) {
    struct Case {
        const char* name;
        std::function<void(MainForm&)> setup;  // through events, as a person gets there
    };
    const Case cases[] = {
        {"at start", [](MainForm&) {}},
        {"after a percentage click", [](MainForm& f) { controls::userClick(f.CommandSC); }},
        {"transformer mode after a tick",
         [](MainForm& f) {
             controls::userClick(f.Trbutton);
             tick(f);
         }},
        {"single phase, transformer mode",
         [](MainForm& f) {
             controls::userClick(f.SPh);
             controls::userClick(f.Trbutton);
             tick(f);
         }},
        {"no phase selected",
         [](MainForm& f) {
             controls::userClick(f.Trbutton);
             f.TPh.setValue(false);
             tick(f);
         }},
        {"a new short-circuit current",
         [](MainForm& f) {
             controls::userClick(f.Trbutton);
             tick(f);
             controls::userSpin(f.ImpSpin, true);
             tick(f);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc;
        MainForm& f = calc.form;
        c.setup(f);
        for (const char* areaName : kAreas) {
            SCOPED_TRACE(areaName);
            controls::Control* area = f.Form.find(areaName);
            ASSERT_NE(area, nullptr);
            const std::string description = area->accessibleDescription();
            f.Label5.setCaption("untouched");
            ASSERT_TRUE(controls::userHover(*area));
            if (f.Label5.caption() != "untouched") {
                EXPECT_EQ(description, f.Label5.caption());
            } else if (area == &f.Command1 || area == &f.CommandSC) {
                // A spent hint leaves the button describing what it does.
                EXPECT_TRUE(description.starts_with("Changes the percentage")) << description;
            } else {
                EXPECT_EQ(description, "");
            }
        }
        // The fields a keyboard reaches inside two of the areas end with the area's note.
        for (const controls::TextBox* field : {&f.V2, &f.Imped}) {
            SCOPED_TRACE(field->name());
            const std::string& note = field->container()->accessibleDescription();
            const std::string& own = field->accessibleDescription();
            EXPECT_TRUE(note.empty()
                            ? own.starts_with("Type ") && own.find('\n') == std::string::npos
                            : own.starts_with("Type ") && own.ends_with("\n" + note))
                << own;
        }
    }
}

TEST(Accessibility, ShortCircuitDescriptionQuotesTheCurrentWithoutMotors) {
    Calculator c;
    controls::userClick(c.form.Trbutton);
    tick(c.form);
    const std::string& withoutMotors = c.form.Label6.caption();
    ASSERT_NE(withoutMotors, "Label6");
    EXPECT_TRUE(c.form.SSFrame2.accessibleDescription().ends_with(" would be: " + withoutMotors +
                                                                  " Amperes."))
        << c.form.SSFrame2.accessibleDescription();
}

TEST(Accessibility, IdleTicksWriteNoDescription) {
    Calculator c;
    controls::userClick(c.form.Trbutton);
    tick(c.form);
    tick(c.form);
    DescriptionCounter counter;
    c.form.Form.setObserver(&counter);
    for (int i = 0; i < 5; ++i) tick(c.form);
    EXPECT_EQ(counter.writes, 0);
    // A change the notes depend on is written.
    controls::userClick(c.form.SPh);
    EXPECT_GT(counter.writes, 0);
    c.form.Form.setObserver(nullptr);
}
