#include <gtest/gtest.h>

#include <string>

#include "calc/messages.h"
#include "fieldsfixture.h"

namespace {

enum class Phase { Single, Three };
enum class Arrow { Down, Up };

TEST(TransformerButton, SwitchesSizeCaptionsAndTabStopAndCentres) {
    const struct {
        int clicks;
        int width;
        int height;
        int left;
        int top;
        const char* voltageFrame;
        const char* currentFrame;
        bool v2TabStop;
    } cases[] = {
        // The recording screen is 15360 x 11520 twips.
        {1, 8160, 5432, 3600, 3044, "Primary Voltage (U)", "Primary Current (I)", true},
        {2, 4790, 3732, 5285, 3894, "System Voltage (U)", "Current (I)", false},
        {3, 8160, 5432, 3600, 3044, "Primary Voltage (U)", "Primary Current (I)", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicks);
        StartedForm f;
        for (int i = 0; i < c.clicks; ++i) controls::userClick(f.form.Trbutton);
        EXPECT_EQ(f.form.Form.width(), c.width);
        EXPECT_EQ(f.form.Form.height(), c.height);
        EXPECT_EQ(f.form.Form.geometry().left, c.left);
        EXPECT_EQ(f.form.Form.geometry().top, c.top);
        EXPECT_EQ(f.form.Frame3D1.caption(), c.voltageFrame);
        EXPECT_EQ(f.form.Frame3D2.caption(), c.currentFrame);
        EXPECT_EQ(f.form.V2.tabStop(), c.v2TabStop);
        EXPECT_TRUE(f.powerMode());  // the button switches no timer
    }
}

TEST(TransformerButton, ReturningToCompactUndoesWhatTheTickForced) {
    StartedForm f;
    f.type(f.form.Factor, "0.8");
    controls::userClick(f.form.Trbutton);
    EXPECT_TRUE(f.form.Factor.enabled());  // only the tick disables it
    controls::userTick(f.form.Timer1);
    EXPECT_FALSE(f.form.Factor.enabled());
    EXPECT_FALSE(f.form.PFS.visible());
    controls::userClick(f.form.Trbutton);
    EXPECT_TRUE(f.form.Factor.enabled());
    EXPECT_TRUE(f.form.PFS.visible());
    EXPECT_EQ(f.form.Factor.text(), "1");
    EXPECT_EQ(f.form.state.PowerFactor, 1.0F);
}

// A window resized by hand keeps the mode its width says, with the button's own threshold.
TEST(TransformerButton, ThresholdIsInclusiveForTheButton) {
    const struct {
        int width;
        int widthAfterClick;
    } cases[] = {{6499, 8160}, {6500, 4790}, {6501, 4790}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        StartedForm f;
        f.form.Form.setWidth(c.width);
        controls::userClick(f.form.Trbutton);
        EXPECT_EQ(f.form.Form.width(), c.widthAfterClick);
    }
}

struct LadderCase {
    Phase phase;
    const char* from;
    Arrow arrow;
    double to;
};

// The boundaries of every rung: each "x <= limit" row taken at its limit and just above it.
TEST(SecondaryVoltageSpin, StepsThroughTheLadderOfItsPhase) {
    const LadderCase cases[] = {
        {Phase::Three, "0.5", Arrow::Down, 1},        {Phase::Three, "100", Arrow::Down, 208},
        {Phase::Three, "240", Arrow::Down, 208},      {Phase::Three, "241", Arrow::Down, 240},
        {Phase::Three, "277", Arrow::Down, 240},      {Phase::Three, "480", Arrow::Down, 240},
        {Phase::Three, "600", Arrow::Down, 480},      {Phase::Three, "4160", Arrow::Down, 600},
        {Phase::Three, "13800", Arrow::Down, 4160},   {Phase::Three, "27600", Arrow::Down, 13800},
        {Phase::Three, "27601", Arrow::Down, 26601},  {Phase::Three, "30000", Arrow::Down, 29000},

        {Phase::Three, "100", Arrow::Up, 208},        {Phase::Three, "208", Arrow::Up, 240},
        {Phase::Three, "240", Arrow::Up, 277},        {Phase::Three, "277", Arrow::Up, 480},
        {Phase::Three, "480", Arrow::Up, 600},        {Phase::Three, "600", Arrow::Up, 4160},
        {Phase::Three, "4160", Arrow::Up, 13800},     {Phase::Three, "13800", Arrow::Up, 27600},
        {Phase::Three, "27600", Arrow::Up, 27600},    {Phase::Three, "90000", Arrow::Up, 27600},

        {Phase::Single, "1", Arrow::Down, 1},         {Phase::Single, "4", Arrow::Down, 3},
        {Phase::Single, "6", Arrow::Down, 5},         {Phase::Single, "7", Arrow::Down, 6},
        {Phase::Single, "12", Arrow::Down, 6},        {Phase::Single, "13", Arrow::Down, 12},
        {Phase::Single, "24", Arrow::Down, 12},       {Phase::Single, "120", Arrow::Down, 24},
        {Phase::Single, "208", Arrow::Down, 120},     {Phase::Single, "240", Arrow::Down, 208},
        {Phase::Single, "277", Arrow::Down, 240},     {Phase::Single, "347", Arrow::Down, 277},
        {Phase::Single, "480", Arrow::Down, 347},     {Phase::Single, "600", Arrow::Down, 480},
        {Phase::Single, "2400", Arrow::Down, 600},    {Phase::Single, "4160", Arrow::Down, 2400},
        {Phase::Single, "7967", Arrow::Down, 4160},   {Phase::Single, "13800", Arrow::Down, 7967},
        {Phase::Single, "15935", Arrow::Down, 13800}, {Phase::Single, "27600", Arrow::Down, 15935},
        {Phase::Single, "30000", Arrow::Down, 29900},

        {Phase::Single, "0.5", Arrow::Up, 1},         {Phase::Single, "1", Arrow::Up, 2},
        {Phase::Single, "5", Arrow::Up, 6},           {Phase::Single, "11", Arrow::Up, 12},
        {Phase::Single, "12", Arrow::Up, 24},         {Phase::Single, "24", Arrow::Up, 120},
        {Phase::Single, "120", Arrow::Up, 208},       {Phase::Single, "208", Arrow::Up, 240},
        {Phase::Single, "240", Arrow::Up, 277},       {Phase::Single, "277", Arrow::Up, 347},
        {Phase::Single, "347", Arrow::Up, 480},       {Phase::Single, "480", Arrow::Up, 600},
        {Phase::Single, "600", Arrow::Up, 2400},      {Phase::Single, "2400", Arrow::Up, 4160},
        {Phase::Single, "4160", Arrow::Up, 7967},     {Phase::Single, "7967", Arrow::Up, 13800},
        {Phase::Single, "13800", Arrow::Up, 15935},   {Phase::Single, "15935", Arrow::Up, 27600},
        {Phase::Single, "27600", Arrow::Up, 27600},
    };
    for (const LadderCase& c : cases) {
        SCOPED_TRACE(std::string(c.phase == Phase::Single ? "1-ph " : "3-ph ") + c.from +
                     (c.arrow == Arrow::Up ? " up" : " down"));
        StartedForm f;
        if (c.phase == Phase::Single) controls::userClick(f.form.SPh);
        f.paste(f.form.V2, c.from);
        controls::userSpin(f.form.V2S, c.arrow == Arrow::Up);
        EXPECT_EQ(f.form.state.SecondaryVoltage, c.to);
    }
}

TEST(SecondaryVoltageSpin, ShowsGroupedDigitsSelectedAndFocused) {
    StartedForm f;
    f.paste(f.form.V2, "4160");
    controls::userFocus(f.form.W);
    controls::userSpin(f.form.V2S, true);
    EXPECT_EQ(f.form.V2.text(), "13,800");
    EXPECT_EQ(f.form.V2.selStart(), 0);
    EXPECT_EQ(f.form.V2.selLength(), 6);
    EXPECT_EQ(f.form.Form.focused(), &f.form.V2);
    EXPECT_TRUE(f.powerMode());  // V2_GotFocus ran on the way in
}

// The ladder steps the voltage last taken, not a text that was never taken in.
TEST(SecondaryVoltageSpin, StepsTheVoltageTakenNotTheTextShown) {
    StartedForm f;
    f.paste(f.form.V2, "480");
    f.paste(f.form.V2, ".");
    controls::userSpin(f.form.V2S, true);
    EXPECT_EQ(f.form.V2.text(), "600");
}

TEST(SecondaryVoltageField, TakesResetsOrClampsTheText) {
    const struct {
        const char* pasted;
        double voltage;
        const char* shown;
        const char* a2;
        int messages;
    } cases[] = {
        {"480", 480, "480", "10.0", 0},
        {"13,800", 13800, "13,800", "10.0", 0},
        {"12a", 120, "120", "10.0", 0},
        {"", 208, "", "0", 0},
        {".", 208, ".", "0", 0},
        {"609999.9", 609999.9, "609999.9", "10.0", 0},
        {"610000", 600000, "600000", "10.0", 1},
        {"1E9", 600000, "600000", "10.0", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        StartedForm f;
        f.paste(f.form.V2, c.pasted);
        EXPECT_EQ(f.form.state.SecondaryVoltage, c.voltage);
        EXPECT_EQ(f.form.V2.text(), c.shown);
        EXPECT_EQ(f.form.A2.caption(), c.a2);
        ASSERT_EQ(f.desktop.messages.size(), static_cast<std::size_t>(c.messages));
        for (const scenario::Message& m : f.desktop.messages) {
            EXPECT_EQ(m.text, calc::kRangeMessage);
            EXPECT_EQ(m.title, "Quellora");
            EXPECT_EQ(m.style, 48);
        }
    }
}

}  // namespace
