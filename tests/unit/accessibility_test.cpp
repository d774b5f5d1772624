// Accessible names and descriptions: every control is named, and each hint area describes itself
// with the note a pointer over it would write now, without costing an idle tick anything.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "about/aboutform.h"
#include "unit/startedform.h"

namespace {

struct WriteCounter : controls::Observer {
    void changed(controls::Control&, controls::Property) override { ++writes; }
    int writes = 0;
};

// Every control is named, with two font families only, each size a whole number of pixels at
// 96 dpi, buttons in bold and options not, and results aligned on their last digit.
TEST(Accessibility, EveryControlIsNamedAndLegible) {
    StartedForm c;
    controls::userClick(c.form.Command3D2);
    for (const controls::Window* window : {&c.form.Form, &c.form.about()->Form}) {
        for (const controls::Control* control : window->controls()) {
            const controls::Font& font = control->font();
            EXPECT_TRUE(font.family == "Arial" || font.family == "MS Sans Serif")
                << control->name();
            EXPECT_EQ(font.points * 4 / 3, static_cast<int>(font.points * 4 / 3))
                << control->name();
            const bool button = control->kind() == controls::Kind::CommandButton;
            EXPECT_TRUE(font.bold || !button) << control->name();
            const bool option = control->kind() == controls::Kind::OptionButton;
            EXPECT_FALSE(font.bold && option) << control->name();
            if (control->kind() == controls::Kind::Timer) continue;
            // A control without a name of its own is known by its caption; a text box is not.
            const bool named = !control->accessibleName().empty() ||
                               (control->kind() != controls::Kind::TextBox &&
                                control->caption().find_first_not_of(' ') != std::string::npos);
            EXPECT_TRUE(named) << control->name();
        }
    }
    for (const controls::Label* result : {&c.form.A1, &c.form.A2, &c.form.A2M, &c.form.Fault})
        EXPECT_EQ(result->alignment(), controls::Align::Right) << result->name();
    EXPECT_TRUE(c.form.Label5.live());
}

TEST(Accessibility, HintAreasDescribeThemselvesWithTheNoteTheyWouldWrite) {
    for (int clicks = 0; clicks < 2; ++clicks) {
        StartedForm c;
        MainForm& f = c.form;
        EXPECT_NE(f.Command1.accessibleDescription(), "");  // described before any event
        controls::userClick(f.Trbutton);
        if (clicks > 0) controls::userClick(f.SPh);
        c.tick();
        for (controls::Control* area : std::initializer_list<controls::Control*>{
                 &f.Form, &f.Frame3D4, &f.Frame3D6, &f.ImpedFrame, &f.SSFrame2, &f.Command1}) {
            const std::string description = area->accessibleDescription();
            controls::userHover(*area);
            EXPECT_EQ(description, f.Label5.caption()) << area->name();
        }
        EXPECT_TRUE(
            f.Imped.accessibleDescription().ends_with("\n" + f.ImpedFrame.accessibleDescription()));
    }
}

// Once its hint is spent, a percentage button describes the cycle its clicks step through.
TEST(Accessibility, PercentButtonsDescribeTheirCycle) {
    StartedForm c;
    for (controls::CommandButton* button : {&c.form.Command1, &c.form.CommandSC}) {
        std::vector<int> cycle;
        do {
            cycle.push_back(std::stoi(button->caption()));
            controls::userClick(*button);
        } while (cycle.size() < 10 && !button->caption().starts_with("125%"));
        const std::string text = button->accessibleDescription();
        std::vector<int> described;
        for (std::size_t i = 0; (i = text.find_first_of("123456789", i)) != std::string::npos;) {
            std::size_t digits = 0;
            described.push_back(std::stoi(text.substr(i), &digits));
            i += digits;
        }
        EXPECT_EQ(described, cycle) << button->name();
    }
}

// A tick that changes nothing repaints nothing: it writes no property of any control.
TEST(Accessibility, IdleTicksWriteNothing) {
    StartedForm c;
    controls::userClick(c.form.Trbutton);
    c.tick();
    WriteCounter counter;
    c.form.Form.setObserver(&counter);
    c.tick();
    c.tick();
    EXPECT_EQ(counter.writes, 0);
    c.form.Form.setFocus(c.form.Trbutton);  // no handler runs: the focus move alone is written
    EXPECT_EQ(counter.writes, 1);
    controls::userClick(c.form.SPh);
    EXPECT_GT(counter.writes, 0);
    c.form.Form.setObserver(nullptr);
}

}  // namespace
