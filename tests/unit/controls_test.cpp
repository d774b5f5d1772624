#include <gtest/gtest.h>

#include "controls/textbox.h"
#include "controls/window.h"

TEST(TextBox, ProgramWriteOfADifferentTextRaisesChangeOnce) {
    controls::EventGate gate;
    controls::Window form("Form", "", {}, gate);
    controls::TextBox box("V", &form, {}, "", 0);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setText("208");
    box.setText("208");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.selStart(), 0);
}
