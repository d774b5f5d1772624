// Entry fields and spin buttons on a started main window: each spin table where its ladders end or
// differ; the walks through the middle rows are the scenario files'.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <variant>

#include "calc/numbers.h"
#include "unit/startedform.h"

namespace {

double valueOf(calc::CalcState& state, const char* name) {
    return std::visit(
        [](auto p) -> double {
            if constexpr (std::is_pointer_v<decltype(p)>) return static_cast<double>(*p);
            return -1;
        },
        calc::findVariable(state, name));
}

struct Entry {
    const char* box;
    const char* text;
    bool typedAndLeft;  // else pasted, the field keeping the focus it had
    const char* shown;
    const char* variable;
    double value;
    int messages = 0;
    const char* other = nullptr;  // a control the change writes as well, and what it shows
    const char* otherShows = nullptr;
};

constexpr bool kTypedAndLeft = true;
const Entry kEntries[] = {
    {"V", "12a", false, "12a", "Voltage", 0, 0, "W", "0"},
    {"A", "1234", false, "1234", "Current", 1234, 0, "A1", "1,543"},
    {"W", "1.23456", kTypedAndLeft, "1.235", "Power", 1.235},
    {"Factor", "0.01", false, "0.01", "PowerFactor", 0.01F, 0, "VA", " W"},
    {"Factor", "1.01", false, "0.85", "PowerFactor", 0.85F, 1},
    {"Factor", "abc", false, "0.85", "PowerFactor", 0.85F},
    {"V2", "609999.9", false, "609999.9", "SecondaryVoltage", 609999.9},
    {"V2", "1E9", false, "600000", "SecondaryVoltage", 600000, 1},
    {"Imped", ".001", kTypedAndLeft, "1.5", "Impedance", 1.5F, 1},
    {"Imped", "0\b", kTypedAndLeft, "1.5", "Impedance", 1.5F, 1},
};

TEST(EntryFields, TakeClampOrResetWhatIsEntered) {
    for (const Entry& c : kEntries) {
        SCOPED_TRACE(std::string(c.box) + " " + c.text);
        StartedForm f;
        controls::TextBox& box = f.box(c.box);
        if (c.typedAndLeft) {
            for (const char key : std::string_view(c.text)) controls::userType(box, key);
            controls::userFocus(f.form.Trbutton);
        } else {
            controls::userPaste(box, c.text);
        }
        EXPECT_EQ(box.text(), c.shown);
        EXPECT_EQ(valueOf(f.form.state, c.variable), c.value);
        EXPECT_EQ(f.desktop.messages.size(), static_cast<std::size_t>(c.messages));
        if (c.other != nullptr) {
            const controls::Control& other = *f.form.Form.find(c.other);
            const auto* otherBox = dynamic_cast<const controls::TextBox*>(&other);
            EXPECT_EQ(otherBox != nullptr ? otherBox->text() : other.caption(), c.otherShows);
        }
    }
}

constexpr bool kUp = true;
constexpr bool kDown = false;

struct Spin {
    const char* box;
    int phases;
    const char* from;
    bool up;
    const char* shown;
    int messages = 0;
    const char* impedance = nullptr;  // in the transformer window: the rating's, from 9
};

const Spin kSpins[] = {
    {"A", 3, "1.25", kDown, "0.20"},
    {"A", 3, "101", kDown, "50"},
    {"A", 3, "100", kUp, "150"},
    {"W", 3, "0.1", kDown, "0.9"},
    {"W", 3, "1", kDown, "0.9"},
    {"W", 3, "101", kDown, "50"},
    {"W", 3, "100001", kDown, "50,000"},
    {"W", 3, "1,500,000", kDown, "1,400,000"},
    {"W", 3, "1500000", kDown, "1,499,000"},
    {"V2", 1, "15936", kDown, "15,935"},
    {"V2", 1, "278", kDown, "277"},
    {"V", 3, "300", kDown, "240"},
    {"V", 3, "30000", kDown, "27,600"},
    {"V", 1, "-3", kUp, "1"},
    {"V", 1, "30000", kDown, "29,900"},
    {"V", 1, "1", kDown, "1"},
    {"V", 1, "30000", kUp, "27,600"},
    {"V", 3, "120", kDown, "208"},
    {"V", 3, "0.5", kDown, "1"},
    {"V2", 1, "6", kDown, "5"},
    {"V2", 3, "100", kDown, "208"},
    {"V2", 3, "90000", kUp, "27,600"},
    {"A", 3, "0.0001", kDown, "9E-05"},
    {"A", 3, "0.99", kUp, "1.00"},
    {"W", 3, "10000", kDown, "9,500"},
    {"W", 3, "10001", kDown, "5,000"},
    {"W", 3, "0.0000010000005", kDown, "0.", 1},
    {"W", 3, "20", kUp, "25"},
    {"W", 1, "840001", kDown, "750,000", 0, "9"},
    {"Factor", 3, "0.01", kDown, "0.85", 1},
    {"Factor", 3, "0.375", kDown, "0.36"},
    {"Imped", 3, "2.5", kDown, "2.25"},
    {"Imped", 3, "0.15", kDown, "0.15"},
    {"Imped", 3, "8191", kDown, "8190.75"},
    {"Imped", 3, "8192", kDown, "20"},
    {"Imped", 3, "2.3", kUp, "3"},
    {"Imped", 3, "-1", kUp, "0.1"},
};

TEST(SpinButtons, StepTheirFieldByItsTable) {
    for (const Spin& c : kSpins) {
        SCOPED_TRACE(std::string(c.box) + " " + c.from + (c.up ? " up" : " down"));
        StartedForm f;
        if (c.phases == 1) controls::userClick(f.form.SPh);
        if (c.impedance) f.form.Form.setWidth(8160);
        controls::userPaste(f.form.Imped, "9");
        controls::TextBox& box = f.box(c.box);
        controls::userPaste(box, c.from);
        const std::string spin = &box == &f.form.Factor  ? "PFS"
                                 : &box == &f.form.Imped ? "ImpSpin"
                                 : &box == &f.form.W     ? "PS"
                                                         : c.box + std::string("S");
        controls::userSpin(static_cast<controls::SpinButton&>(*f.form.Form.find(spin)), c.up);
        EXPECT_EQ(box.text(), c.shown);
        EXPECT_EQ(f.form.Form.focused(), &box);
        EXPECT_EQ(f.desktop.messages.size(), static_cast<std::size_t>(c.messages));
        if (&box != &f.form.Imped) {
            EXPECT_EQ(f.form.Imped.text(), c.impedance ? c.impedance : "9");
        }
    }
}

}  // namespace
