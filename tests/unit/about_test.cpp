// What no scenario sees of the About window: where it opens, and how it writes its version.
#include <gtest/gtest.h>

#include <string>

#include "about/aboutform.h"
#include "unit/startedform.h"

namespace {

TEST(About, ShowsItsVersionAndOpensOverTheMainWindowsTopLeftCorner) {
    EXPECT_EQ(AboutForm::versionCaption("30", "01", "0007"), "Version: 30.1.7");
    EXPECT_EQ(AboutForm::noticeCaption("30"), "\u00A9 2030 Quellora developers");
    StartedForm started;
    MainForm& main = started.form;
    EXPECT_EQ(main.Form.geometry(), (controls::Rect{5285, 3894, 4790, 3732}));  // centred
    main.Form.move(3000, 2010);
    controls::userClick(main.Command3D2);
    AboutForm& about = *main.about();
    EXPECT_EQ(about.Form.geometry(), (controls::Rect{3000, 2010, 5775, 4890}));
    // Escape closes it, and the website reads as a link.
    EXPECT_TRUE(about.Command3.cancel());
    EXPECT_TRUE(about.LabelWeb.link());
    // Shown again while open, the same window comes to the front where it stands.
    main.Form.move(15, 30);
    controls::userClick(main.Command3D2);
    EXPECT_EQ(main.about(), &about);
    EXPECT_EQ(main.about()->Form.geometry().left, 3000);
    controls::userClick(about.Command3);
    EXPECT_EQ(main.about(), nullptr);
    EXPECT_EQ(started.desktop.unloadedWindows.size(), 1U);
    EXPECT_EQ(started.desktop.shownWindows.back(), &main.Form);
    controls::userClick(main.Command3D2);
    EXPECT_EQ(main.about()->Form.geometry(), (controls::Rect{15, 30, 5775, 4890}));
}

}  // namespace
