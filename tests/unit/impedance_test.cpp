#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/messages.h"
#include "calc/numbers.h"
#include "fieldsfixture.h"

namespace {

enum class Arrow { Down, Up };

TEST(ImpedanceSpin, StepsTheTextAndWrapsAround) {
    const struct {
        const char* from;
        Arrow arrow;
        const char* to;
    } cases[] = {
        {"4.5", Arrow::Down, "4.25"},
        {"2.5", Arrow::Down, "2.25"},
        {"2.25", Arrow::Down, "2.1"},
        {"2.1", Arrow::Down, "2"},
        {"0.7", Arrow::Down, "0.6"},
        {"0.2", Arrow::Down, "0.1"},
        {"0.1", Arrow::Down, "20"},
        {"0", Arrow::Down, "20"},
        {"0.15", Arrow::Down, "0.15"},
        {"25", Arrow::Down, "24.75"},
        {"4.4", Arrow::Down, "4.25"},
        {"8191", Arrow::Down, "8190.75"},
        // No 16-bit step count: down to the top of the spin's cycle.
        {"8192", Arrow::Down, "20"},
        {"9999", Arrow::Down, "20"},
        {"1E30", Arrow::Down, "20"},

        {"1.5", Arrow::Up, "1.6"},
        {"1.9", Arrow::Up, "2"},
        {"2", Arrow::Up, "2.5"},
        {"0.2", Arrow::Up, "0.3"},
        {"0", Arrow::Up, "0.1"},
        {"19.5", Arrow::Up, "20"},
        {"20", Arrow::Up, "0.1"},
        {"25", Arrow::Up, "0.1"},
        {"-1", Arrow::Up, "0.1"},
        {"2.3", Arrow::Up, "3"},
        {"9999", Arrow::Up, "0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + (c.arrow == Arrow::Up ? " up" : " down"));
        StartedForm f;
        f.paste(f.form.Imped, c.from);
        controls::userSpin(f.form.ImpSpin, c.arrow == Arrow::Up);
        EXPECT_EQ(f.form.Imped.text(), c.to);
        EXPECT_EQ(f.form.state.Impedance, calc::toSingle(c.to));
        EXPECT_EQ(f.form.Form.focused(), &f.form.Imped);
        EXPECT_EQ(f.form.Imped.selStart(), 0);
        EXPECT_EQ(f.form.Imped.selLength(), f.form.Imped.length());
    }
}

// Tenths stepped from single values must land on the shortest texts, never 0.30000001.
TEST(ImpedanceSpin, WholeCyclesShowShortTexts) {
    std::vector<std::string> up;
    for (int tenth = 2; tenth <= 19; ++tenth) up.push_back(calc::generalText(tenth / 10.0F));
    up.push_back("2");
    for (int half = 5; half <= 40; ++half) up.push_back(calc::generalText(half / 2.0F));
    up.push_back("0.1");

    std::vector<std::string> down;
    for (int quarter = 79; quarter >= 9; --quarter)
        down.push_back(calc::generalText(quarter / 4.0F));
    for (int tenth = 21; tenth >= 1; --tenth) down.push_back(calc::generalText(tenth / 10.0F));
    down.push_back("20");

    const struct {
        const char* start;
        Arrow arrow;
        const std::vector<std::string>& path;
    } cycles[] = {{"0.1", Arrow::Up, up}, {"20", Arrow::Down, down}};
    for (const auto& cycle : cycles) {
        StartedForm f;
        f.paste(f.form.Imped, cycle.start);
        std::vector<std::string> shown;
        for (std::size_t i = 0; i < cycle.path.size(); ++i) {
            controls::userSpin(f.form.ImpSpin, cycle.arrow == Arrow::Up);
            shown.push_back(f.form.Imped.text());
        }
        EXPECT_EQ(shown, cycle.path);
    }
}

TEST(ImpedanceSpin, DoesNothingOnAnUnusableText) {
    for (const char* text : {"", "."}) {
        SCOPED_TRACE(text);
        StartedForm f;
        f.paste(f.form.Imped, "4");
        f.paste(f.form.Imped, text);
        controls::userSpin(f.form.ImpSpin, true);
        controls::userSpin(f.form.ImpSpin, false);
        EXPECT_EQ(f.form.Imped.text(), text);
        EXPECT_EQ(f.form.state.Impedance, 4.0F);
        EXPECT_NE(f.form.Form.focused(), &f.form.Imped);
    }
}

TEST(ImpedanceField, TakesTypedValuesWithoutBoundsAndResetsLetters) {
    const struct {
        const char* pasted;
        float impedance;
        const char* shown;
        bool selectedWhole;
    } cases[] = {
        {"25", 25, "25", false},   {"0", 0, "0", false},  {"4.75", 4.75F, "4.75", false},
        {".", 1.5F, ".", false},   {"", 1.5F, "", false}, {"x", 1.5F, "1.5", true},
        {"4a", 1.5F, "1.5", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        StartedForm f;
        f.paste(f.form.Imped, c.pasted);
        EXPECT_EQ(f.form.state.Impedance, c.impedance);
        EXPECT_EQ(f.form.Imped.text(), c.shown);
        EXPECT_EQ(f.form.Form.focused() == &f.form.Imped, c.selectedWhole);
        if (c.selectedWhole) {
            EXPECT_EQ(f.form.Imped.selLength(), f.form.Imped.length());
        }
        EXPECT_TRUE(f.desktop.messages.empty());
    }
}

TEST(ImpedanceField, FocusSelectsTheDigitsThatMatter) {
    const struct {
        const char* text;
        float impedance;  // set apart from the text where they differ
        int selStart;
        int selLength;
    } cases[] = {
        {"0.5", 0.5F, 2, 1}, {"4.25", 4.25F, 0, 4}, {"1", 1, 0, 1}, {"", 0.5F, 0, 0}, {"", 4, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        StartedForm f;
        f.paste(f.form.Imped, c.text);
        f.form.state.Impedance = c.impedance;
        controls::userFocus(f.form.W);
        controls::userFocus(f.form.Imped);
        EXPECT_EQ(f.form.Imped.selStart(), c.selStart);
        EXPECT_EQ(f.form.Imped.selLength(), c.selLength);
        EXPECT_TRUE(f.currentMode());  // unlike V2, the impedance switches no timer
    }
}

// Typed values are held to 0.01..13 when the field is left, never while typing.
TEST(ImpedanceField, LeavingHoldsTypedValuesToTheUsualRange) {
    const struct {
        const char* typed;
        const char* shown;
        float impedance;
        bool message;
    } cases[] = {
        {"13", "13", 13, false}, {"0.01", "0.01", 0.01F, false}, {"13.5", "13", 13, true},
        {"25", "13", 13, true},  {"0", "1.5", 1.5F, true},       {".001", "1.5", 1.5F, true},
        {"\b", "", 1.5F, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        StartedForm f;
        f.type(f.form.Imped, c.typed);
        EXPECT_TRUE(f.desktop.messages.empty());
        f.leave();
        EXPECT_EQ(f.form.Imped.text(), c.shown);
        EXPECT_EQ(f.form.state.Impedance, c.impedance);
        ASSERT_EQ(f.desktop.messages.size(), c.message ? 1U : 0U);
        if (c.message) {
            EXPECT_EQ(f.desktop.messages[0].text, calc::kImpedanceMessage);
            EXPECT_EQ(f.desktop.messages[0].title, calc::kImpedanceTitle);
            EXPECT_EQ(f.desktop.messages[0].style, 64);
        }
        EXPECT_EQ(f.form.Form.focused(), &f.form.Trbutton);  // the person goes where they chose
    }
}

// The spin's own cycle reaches 20; a value it offered is not taken back on leaving.
TEST(ImpedanceField, LeavingKeepsWhatTheSpinOffered) {
    StartedForm f;
    f.paste(f.form.Imped, "0.1");
    controls::userSpin(f.form.ImpSpin, false);
    f.leave();
    EXPECT_EQ(f.form.Imped.text(), "20");
    EXPECT_TRUE(f.desktop.messages.empty());
    // Typing over it is held as any typed value is.
    f.type(f.form.Imped, "19");
    f.leave();
    EXPECT_EQ(f.form.Imped.text(), "13");
    EXPECT_EQ(f.desktop.messages.size(), 1U);
}

// An empty field keeps using the last value; leaving it holds that value too.
TEST(ImpedanceField, LeavingAnEmptiedFieldHoldsTheValueInUse) {
    StartedForm f;
    f.type(f.form.Imped, "0\b");
    EXPECT_EQ(f.form.state.Impedance, 0.0F);
    f.leave();
    EXPECT_EQ(f.form.Imped.text(), "1.5");
    EXPECT_EQ(f.form.state.Impedance, 1.5F);
    EXPECT_EQ(f.desktop.messages.size(), 1U);
}

}  // namespace
