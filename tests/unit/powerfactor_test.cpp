#include <gtest/gtest.h>

#include "calc/messages.h"
#include "fieldsfixture.h"

namespace {

// Every case starts from an accepted 0.42, so that a kept value is told apart from the start 1.
struct FactorCase {
    const char* pasted;
    float powerFactor;
    const char* shown;
    const char* unit;
    bool message;  // then the focus is in the field with the decimals selected
};

TEST(PowerFactorField, HoldsTheFactorBetweenAHundredthAndOne) {
    const FactorCase cases[] = {
        {"1", 1, "1", "VA", false},           {"0.5", 0.5F, "0.5", " W", false},
        {"0.01", 0.01F, "0.01", " W", false}, {".99", 0.99F, ".99", " W", false},
        {"0.009", 0.85F, "0.85", " W", true}, {"0", 0.85F, "0.85", " W", true},
        {"1.01", 0.85F, "0.85", " W", true},  {"abc", 0.85F, "0.85", " W", false},
        {"", 0.42F, "", " W", false},         {".", 0.42F, ".", " W", false},
    };
    for (const FactorCase& c : cases) {
        SCOPED_TRACE(c.pasted);
        StartedForm f;
        f.paste(f.form.Factor, "0.42");
        f.paste(f.form.Factor, c.pasted);
        EXPECT_EQ(f.form.state.PowerFactor, c.powerFactor);
        EXPECT_EQ(f.form.Factor.text(), c.shown);
        EXPECT_EQ(f.form.VA.caption(), c.unit);
        ASSERT_EQ(f.desktop.messages.size(), c.message ? 1U : 0U);
        if (c.message) {
            EXPECT_EQ(f.desktop.messages[0].text, calc::kPowerFactorMessage);
            EXPECT_EQ(f.desktop.messages[0].title, "Quellora");
            EXPECT_EQ(f.desktop.messages[0].style, 64);
            EXPECT_EQ(f.form.Form.focused(), &f.form.Factor);
            EXPECT_EQ(f.form.Factor.selStart(), 2);
            EXPECT_EQ(f.form.Factor.selLength(), 2);
        }
    }
}

TEST(PowerFactorSpin, StepsByHundredthsFromTheExactSingle) {
    const struct {
        const char* from;
        bool up;
        const char* shown;
        float powerFactor;
        int selStart;
        int selLength;
        bool message;
    } cases[] = {
        {"1", false, "0.99", 0.99F, 2, 2, false},
        {"0.85", false, "0.84", 0.84F, 2, 2, false},
        {"0.57", false, "0.56", 0.56F, 2, 2, false},
        {"0.02", false, "0.01", 0.01F, 2, 2, false},
        {"0.01", false, "0.85", 0.85F, 2, 2, true},
        {"0.375", false, "0.36", 0.36F, 2, 2, false},  // 36.5 goes to the even 36
        {"0.375", true, "0.38", 0.38F, 2, 2, false},   // 38.5 goes to the even 38
        {"0.29", true, "0.3", 0.3F, 2, 1, false},
        {"0.5", true, "0.51", 0.51F, 2, 2, false},
        {"0.99", true, "1", 1, 1, 0, false},
        {"1", true, "1", 1, 0, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + (c.up ? " up" : " down"));
        StartedForm f;
        f.paste(f.form.Factor, c.from);
        controls::userSpin(f.form.PFS, c.up);
        EXPECT_EQ(f.form.Factor.text(), c.shown);
        EXPECT_EQ(f.form.state.PowerFactor, c.powerFactor);
        EXPECT_EQ(f.form.VA.caption(), c.powerFactor == 1 ? "VA" : " W");
        EXPECT_EQ(f.form.Form.focused(), &f.form.Factor);
        EXPECT_EQ(f.form.Factor.selStart(), c.selStart);
        EXPECT_EQ(f.form.Factor.selLength(), c.selLength);
        EXPECT_EQ(f.desktop.messages.size(), c.message ? 1U : 0U);
    }
}

TEST(PowerFactorField, FocusSelectsWhatTypingShouldReplace) {
    const struct {
        const char* text;
        int start;
        int length;
    } cases[] = {{"1", 0, 1}, {"0.85", 2, 2}, {"0.5", 2, 1}, {".5", 2, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        StartedForm f;
        f.paste(f.form.Factor, c.text);
        controls::userFocus(f.form.V);
        controls::userFocus(f.form.Factor);
        EXPECT_EQ(f.form.Factor.selStart(), c.start);
        EXPECT_EQ(f.form.Factor.selLength(), c.length);
        EXPECT_TRUE(f.powerMode());  // the power factor field does not switch the mode
    }
}

}  // namespace
