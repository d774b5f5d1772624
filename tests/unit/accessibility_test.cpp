// Accessible names and descriptions: every control is named and described in its own words,
// without costing an idle tick anything.
#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <string>
#include <tuple>

#include "about/aboutform.h"
#include "unit/startedform.h"

namespace {

struct WriteCounter : controls::Observer {
    void changed(controls::Control&, controls::Property) override { ++writes; }
    int writes = 0;
};

// Every control is named, with two font families only, each size a whole number of pixels at
// 96 dpi, buttons in bold and options not, results aligned on their last digit, and
// descriptions in whole sentences.
TEST(Accessibility, EveryControlIsNamedAndLegible) {
    StartedForm c;
    controls::userClick(c.form.Command1);  // spends the buttons' hint
    controls::userClick(c.form.Command3D2);
    for (const controls::Window* window : {&c.form.Form, &c.form.about()->Form}) {
        for (const controls::Control* control : window->controls()) {
            SCOPED_TRACE(control->name());
            const controls::Font& font = control->font();
            EXPECT_TRUE(font.family == "Arial" || font.family == "MS Sans Serif");
            EXPECT_EQ(font.points * 4 / 3, static_cast<int>(font.points * 4 / 3));
            const controls::Kind kind = control->kind();
            EXPECT_TRUE(font.bold || kind != controls::Kind::CommandButton);
            EXPECT_FALSE(font.bold && kind == controls::Kind::OptionButton);
            if (kind == controls::Kind::Timer) continue;
            const std::string& description = control->accessibleDescription();
            const bool sentence = std::isupper(static_cast<unsigned char>(description[0])) != 0;
            EXPECT_TRUE(!sentence || description.ends_with('.'));
            // A control without a name of its own is known by its caption; a text box is not.
            EXPECT_TRUE(!control->accessibleName().empty() ||
                        (kind != controls::Kind::TextBox &&
                         control->caption().find_first_not_of(' ') != std::string::npos));
        }
    }
    for (const controls::Label* result : {&c.form.A1, &c.form.A2, &c.form.A2M, &c.form.Fault})
        EXPECT_EQ(result->alignment(), controls::Align::Right) << result->name();
    EXPECT_TRUE(c.form.Label5.live());
}

// A field is named by its quantity, which its frame and spin button share, and by its unit in the
// word its unit label speaks; one that steps says with which keys.
TEST(Accessibility, FieldsAreNamedAfterTheirFrameUnitAndSpinButton) {
    StartedForm c;
    MainForm& f = c.form;
    const std::tuple<controls::Control*, controls::Control*, controls::Label*,
                     controls::SpinButton*>
        rows[] = {
            {&f.Frame3D1, &f.V, &f.Label1, &f.VS},
            {&f.FramePrX, &f.A1, &f.Label8, nullptr},
            {&f.Frame3D2, &f.A, &f.Label3, &f.AS},
            {&f.Frame3D4, &f.Factor, nullptr, &f.PFS},
            {&f.Frame3D3, &f.W, &f.VA, &f.PS},
            {nullptr, &f.V2, &f.Label2, &f.V2S},
            {&f.Frame3D7, &f.A2, &f.Label4, nullptr},
            {&f.Frame3D8, &f.A2M, &f.Label7, nullptr},
            {&f.ImpedFrame, &f.Imped, &f.Label11, &f.ImpSpin},
            {&f.SSFrame2, &f.Fault, &f.Label10, nullptr},
        };
    for (const auto& [frame, field, unit, spin] : rows) {
        const std::string& name = field->accessibleName();
        SCOPED_TRACE(name);
        std::string quantity = name.substr(0, name.find(", "));
        EXPECT_TRUE(frame == nullptr || frame->accessibleName() == quantity);
        if (unit != nullptr) {
            const std::string& word = unit->accessibleDescription();
            EXPECT_TRUE(name.ends_with(", " + word.substr(word.rfind(' ') + 1)));
        }
        quantity[0] = static_cast<char>(std::tolower(quantity[0]));
        EXPECT_TRUE(spin == nullptr || spin->accessibleName() == "Steps of the " + quantity);
        const std::string& description = field->accessibleDescription();
        EXPECT_EQ(description.find(" with Up and Down") != std::string::npos, spin != nullptr);
    }
}

// Once its hint is spent, a percentage button lists the percentages its clicks step through.
TEST(Accessibility, PercentButtonsDescribeTheirCycle) {
    StartedForm c;
    for (controls::CommandButton* button : {&c.form.Command1, &c.form.CommandSC}) {
        std::string cycle = button->caption().substr(0, 3);
        while (controls::userClick(*button) && !button->caption().starts_with("125%") &&
               cycle.size() < 60)
            cycle += ", " + button->caption().substr(0, 3);
        cycle.replace(cycle.rfind(", "), 2, " or ");
        const std::string& description = button->accessibleDescription();
        EXPECT_NE(description.find(": " + cycle + " percent"), std::string::npos) << description;
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
