// The About window: where it opens, what closes it, what its links hand to the desktop and how
// it writes the version.
#include <gtest/gtest.h>

#include <string>

#include "about/aboutform.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "scenario/recordingdesktop.h"

namespace {

struct Fixture {
    scenario::RecordingDesktop desktop;
    controls::EventGate gate;
    MainForm main{desktop, gate};
    Fixture() {
        main.Form_Load();
        main.show();
    }
    AboutForm& openAbout() {
        controls::userClick(main.Command3D2);
        return *main.about();
    }
};

}  // namespace

TEST(About, VersionAndNoticeAreWrittenWithoutLeadingZeros) {
    struct Case {
        const char* major;
        const char* minor;
        const char* patch;
        const char* version;
        const char* closingYear;
    };
    const Case cases[] = {
        {"25", "1", "7", "Version: 25.1.7", "2025"},
        {"25", "01", "0007", "Version: 25.1.7", "2025"},
        {"26", "1", "0", "Version: 26.1.0", "2026"},
        {"26", "10", "0000", "Version: 26.10.0", "2026"},
        {"30", "0008", "19", "Version: 30.8.19", "2030"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        EXPECT_EQ(AboutForm::versionCaption(c.major, c.minor, c.patch), c.version);
        const std::string notice = AboutForm::noticeCaption(c.major);
        EXPECT_NE(notice.find(std::string(" ") + c.closingYear + " "), std::string::npos) << notice;
    }
}

TEST(About, OpensOverTheMainWindowsTopLeftCornerWhereverItWasMoved) {
    Fixture f;
    f.main.Form.move(3000, 2010);
    AboutForm& about = f.openAbout();
    EXPECT_EQ(about.Form.geometry(), (controls::Rect{3000, 2010, 5775, 4890}));
    EXPECT_TRUE(about.Form.shown());

    // Shown again while open: the same window comes to the front where it stands.
    f.main.Form.move(15, 30);
    f.openAbout();
    EXPECT_EQ(f.main.about(), &about);
    EXPECT_EQ(about.Form.geometry().left, 3000);
    EXPECT_EQ(f.desktop.shownWindows.back(), &about.Form);

    controls::userClick(about.Command3);
    AboutForm& again = f.openAbout();
    EXPECT_EQ(again.Form.geometry(), (controls::Rect{15, 30, 5775, 4890}));
    EXPECT_EQ(again.Label2.caption().rfind("Version: ", 0), 0U);
}

TEST(About, OnlyTheButtonAndTheBackgroundCloseIt) {
    struct Case {
        const char* clicked;
        bool closes;
        const char* opened;  // what the desktop is asked to open, if anything
    };
    const Case cases[] = {
        {"Command3", true, nullptr},
        {"Form", true, nullptr},
        {"Label1", false, nullptr},
        {"Label2", false, nullptr},
        {"Label3", false, nullptr},
        {"Label4", false, nullptr},
        {"LabelWeb", false, "https://www.example.com/quellora"},
        {"LabelMail", false, "Mailto:qa@example.com"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicked);
        Fixture f;
        AboutForm& about = f.openAbout();
        controls::Control* control = about.Form.find(c.clicked);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(controls::userClick(*control));
        if (c.closes) {
            // Freed once the click has returned; the user is back at the main window.
            EXPECT_EQ(f.main.about(), nullptr);
            ASSERT_EQ(f.desktop.unloadedWindows.size(), 1U);
            EXPECT_EQ(f.desktop.shownWindows.back(), &f.main.Form);
        } else {
            EXPECT_EQ(f.main.about(), &about);
            EXPECT_TRUE(about.Form.shown());
            EXPECT_TRUE(f.desktop.unloadedWindows.empty());
        }
        if (c.opened == nullptr) {
            EXPECT_TRUE(f.desktop.opened.empty());
        } else {
            ASSERT_EQ(f.desktop.opened.size(), 1U);
            EXPECT_EQ(f.desktop.opened.front(), c.opened);
        }
        EXPECT_TRUE(f.desktop.messages.empty());
    }
}

TEST(About, LinksHandOverWhatTheirLabelsShow) {
    Fixture f;
    AboutForm& about = f.openAbout();
    about.LabelMail.setCaption("someone@example.org");
    about.LabelWeb.setCaption("http://example.net/a b");
    controls::userClick(about.LabelMail);
    controls::userClick(about.LabelWeb);
    ASSERT_EQ(f.desktop.opened.size(), 2U);
    EXPECT_EQ(f.desktop.opened[0], "Mailto:someone@example.org");
    EXPECT_EQ(f.desktop.opened[1], "http://example.net/a b");
}
