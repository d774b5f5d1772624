#include <gtest/gtest.h>

#include "fieldsfixture.h"

namespace {

enum class Phase { Single, Three };

controls::OptionButton& option(MainForm& form, Phase phase) {
    return phase == Phase::Single ? form.SPh : form.TPh;
}

TEST(PhaseOptions, ConvertStandardVoltagesBothWays) {
    const struct {
        const char* before;
        Phase clicked;
        const char* after;
    } cases[] = {
        {"208", Phase::Single, "120"},     {"120", Phase::Three, "208"},
        {"480", Phase::Single, "277"},     {"277", Phase::Three, "480"},
        {"600", Phase::Single, "347"},     {"347", Phase::Three, "600"},
        {"4160", Phase::Single, "2400"},   {"2400", Phase::Three, "4160"},
        {"13,800", Phase::Single, "7967"}, {"7967", Phase::Three, "13800"},
        {"27600", Phase::Single, "15935"}, {"15935", Phase::Three, "27600"},
        {"230", Phase::Single, "230"},     {"208.5", Phase::Three, "208.5"},
        {"120", Phase::Single, "120"},     {"208", Phase::Three, "208"},
        {"", Phase::Single, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + (c.clicked == Phase::Single ? " 1-ph" : " 3-ph"));
        StartedForm f;
        f.paste(f.form.V, c.before);
        // The secondary voltage goes by the same table, independently of V.
        f.form.state.SecondaryVoltage = f.form.state.Voltage;
        controls::userClick(option(f.form, c.clicked));
        EXPECT_EQ(f.form.V.text(), c.after);
        EXPECT_EQ(f.form.V2.text(), c.after);
        EXPECT_EQ(f.form.state.Voltage, f.form.state.SecondaryVoltage);
        EXPECT_TRUE(option(f.form, c.clicked).value());
    }
}

}  // namespace
