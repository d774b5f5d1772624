#include <gtest/gtest.h>

#include <string>

#include "fieldsfixture.h"

namespace {

TEST(CurrentPercentButton, CyclesAndShowsThePercentageOfTheCurrentAtOnce) {
    const struct {
        int clicks;
        const char* caption;
        const char* a1;  // with a current of 100
    } cases[] = {
        {0, "125% of Current", "125"}, {1, "150% of Current", "150"}, {2, "167% of Current", "167"},
        {3, "200% of Current", "200"}, {4, "300% of Current", "300"}, {5, "400% of Current", "400"},
        {6, "600% of Current", "600"}, {7, "125% of Current", "125"}, {8, "150% of Current", "150"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicks);
        StartedForm f;
        f.paste(f.form.A, "100");
        for (int i = 0; i < c.clicks; ++i) controls::userClick(f.form.Command1);
        EXPECT_EQ(f.form.Command1.caption(), c.caption);
        EXPECT_EQ(f.form.A1.caption(), c.a1);
        EXPECT_EQ(f.form.state.PercentClicked, c.clicks > 0 ? 1 : 0);
    }
}

// 1.67 is held as a single, and the product is formed from that single value.
TEST(CurrentPercentButton, ShowsTheProductWithTheMaskOfItsMagnitude) {
    const struct {
        const char* current;
        int clicks;
        const char* a1;
    } cases[] = {
        {"0.5", 2, "0.8349999785"}, {"10", 1, "15.00"}, {"0", 1, "0."},       {"66", 1, "99.00"},
        {"10", 2, "16.70"},         {"59.9", 2, "100"}, {"1000", 6, "6,000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.current) + " x" + std::to_string(c.clicks));
        StartedForm f;
        f.paste(f.form.A, c.current);
        for (int i = 0; i < c.clicks; ++i) controls::userClick(f.form.Command1);
        EXPECT_EQ(f.form.A1.caption(), c.a1);
    }
}

TEST(PercentButtons, AValueOutsideTheCycleStartsItAgain) {
    StartedForm f;
    f.form.state.CurrentPercent = 1.6F;
    f.form.state.SecondaryPercent = 2;  // in the primary cycle, not in the secondary one
    controls::userClick(f.form.Command1);
    controls::userClick(f.form.CommandSC);
    EXPECT_EQ(f.form.state.CurrentPercent, 1.25F);
    EXPECT_EQ(f.form.Command1.caption(), "125% of Current");
    EXPECT_EQ(f.form.state.SecondaryPercent, 1.25F);
    EXPECT_EQ(f.form.CommandSC.caption(), "125% of Secondary Current");
}

TEST(SecondaryPercentButton, CyclesAndLeavesTheResultToTheTick) {
    const struct {
        int clicks;
        const char* caption;
        float percent;
        const char* a2m;  // after a tick, with a secondary current of 20
    } cases[] = {
        {0, "125% of Secondary Current", 1.25F, "25.00"},
        {1, "150% of Secondary Current", 1.5F, "30.00"},
        {2, "167% of Secondary Current", 1.67F, "33.40"},
        {3, "225% of Secondary Current", 2.25F, "45.00"},
        {4, "250% of Secondary Current", 2.5F, "50.00"},
        {5, "300% of Secondary Current", 3, "60.00"},
        {6, "125% of Secondary Current", 1.25F, "25.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicks);
        StartedForm f;
        controls::userClick(f.form.Trbutton);
        f.paste(f.form.V, "480");
        f.paste(f.form.V2, "240");
        controls::userTick(f.form.Timer1);
        const std::string before = f.form.A2M.caption();
        for (int i = 0; i < c.clicks; ++i) controls::userClick(f.form.CommandSC);
        EXPECT_EQ(f.form.CommandSC.caption(), c.caption);
        EXPECT_EQ(f.form.state.SecondaryPercent, c.percent);
        EXPECT_EQ(f.form.A2M.caption(), before);
        controls::userTick(f.form.Timer1);
        EXPECT_EQ(f.form.A2.caption(), "20.00");
        EXPECT_EQ(f.form.A2M.caption(), c.a2m);
    }
}

}  // namespace
