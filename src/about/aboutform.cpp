#include "about/aboutform.h"

using controls::Align;
using controls::Font;
using controls::SystemColor;

#if !defined(QUELLORA_VERSION_MAJOR) || !defined(QUELLORA_VERSION_MINOR) || \
    !defined(QUELLORA_VERSION_PATCH)
#error "the build defines the program's version numbers"
#endif

namespace {

#define QUELLORA_TEXT_OF(x) #x
#define QUELLORA_TEXT(x) QUELLORA_TEXT_OF(x)
// Taken as written by the build, so that "01" or "0008" is read as a decimal number.
constexpr std::string_view kMajor = QUELLORA_TEXT(QUELLORA_VERSION_MAJOR);
constexpr std::string_view kMinor = QUELLORA_TEXT(QUELLORA_VERSION_MINOR);
constexpr std::string_view kPatch = QUELLORA_TEXT(QUELLORA_VERSION_PATCH);
#undef QUELLORA_TEXT
#undef QUELLORA_TEXT_OF

// The design's client area is 5655 x 4485 twips; the outer size adds a fixed dialog frame of
// 4 pixels a side and a title bar of 23 pixels (15 twips a pixel).
constexpr int kOuterWidth = 5655 + 2 * 4 * 15;
constexpr int kOuterHeight = 4485 + (23 + 4) * 15;

constexpr const char* kFilledAtLoad = "See code for text";

std::string plainNumber(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return "0";
    return std::string(digits.substr(first));
}

}  // namespace

AboutForm::AboutForm(controls::Desktop& desktop_, controls::EventGate& gate,
                     controls::Window& mainWindow)
    : desktop(desktop_),
      Form("Form", "About Quellora", {0, 0, kOuterWidth, kOuterHeight}, gate),
      Label1("Label1", &Form, {100, 100, 5400, 225}, kFilledAtLoad),
      LabelWeb("LabelWeb", &Form, {1200, 2400, 3015, 375}, "https://www.example.com/quellora"),
      Label3("Label3", &Form, {105, 2880, 5400, 225}, kFilledAtLoad),
      LabelMail("LabelMail", &Form, {1920, 3360, 1605, 240}, "qa@example.com"),
      Command3("Command3", &Form, {2160, 3840, 1095, 345}, "OK"),
      Label2("Label2", &Form, {0, 4200, 2160, 210}, kFilledAtLoad),
      Label4("Label4", &Form, {2760, 4200, 2760, 210}, kFilledAtLoad),
      mainWindow_(mainWindow) {
    applyLayout();
    Form.onClick = [this] { Form_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    LabelMail.onClick = [this] { LabelMail_Click(); };
    LabelWeb.onClick = [this] { LabelWeb_Click(); };
}

void AboutForm::applyLayout() {
    const Font textFont{"Arial", 9};
    const Font linkFont{"Arial", 9.75, false, true};
    const Font smallFont{"Arial", 8.25};

    // The long texts wrap; a binding grows them downwards from their design height to fit.
    for (controls::Label* text : {&Label1, &Label3}) {
        text->setFont(textFont);
        text->setWordWrap(true);
    }
    for (controls::Label* link : {&LabelWeb, &LabelMail}) {
        link->setFont(linkFont);
        link->setAlignment(Align::Center);
        link->setSystemColors(SystemColor::Highlight, SystemColor::Menu);
        link->setLink(true);
    }
    Label2.setFont(smallFont);
    Label4.setFont(smallFont);
    Label4.setAlignment(Align::Right);
    for (controls::Label* plain : {&Label1, &Label3, &Label2, &Label4}) {
        plain->setSystemColors(SystemColor::WindowText, SystemColor::Window);
    }
    Command3.setFont(Font{"MS Sans Serif", 8.25, true});

    LabelWeb.setAccessibleName("Website");
    LabelWeb.setAccessibleDescription("Click to open it in the web browser.");
    LabelMail.setAccessibleName("E-mail address");
    LabelMail.setAccessibleDescription("Click to write to it.");
    Command3.setAccessibleDescription("Closes this window.");

    // As in any dialog, Escape closes it like OK; the links follow OK in the Tab order.
    Command3.setCancel(true);
    Command3.setTabIndex(0);
    LabelWeb.setTabIndex(1);
    LabelMail.setTabIndex(2);
}

std::string AboutForm::versionCaption(std::string_view major, std::string_view minor,
                                      std::string_view patch) {
    return "Version: " + plainNumber(major) + "." + plainNumber(minor) + "." + plainNumber(patch);
}

std::string AboutForm::noticeCaption(std::string_view major) {
    return "\u00A9 20" + plainNumber(major) + " Quellora developers";
}

void AboutForm::Form_Load() {
    // Opens over the main window's top-left corner, wherever it has been moved to.
    Form.move(mainWindow_.geometry().left, mainWindow_.geometry().top);
    Label1.setCaption(
        "This software provides fast and convenient way of calculating basic parameters of "
        "electrical circuits, relation between input and output currents of a transformer. "
        "Other tools should help selecting proper overcurent protection.\r\n"
        "This free software is provided \"as is\" and without any warranties as to performance "
        "or accuracy or any other warranties whether expressed or implied. The user must "
        "assume the entire risk of using the program.\r\n\r\n"
        "To check for updates or other usefull tools please visit our website:");
    Label2.setCaption(versionCaption(kMajor, kMinor, kPatch));
    Label3.setCaption("To order Quellora or to ask a question, please write to:");
    Label4.setCaption(noticeCaption(kMajor));
}

void AboutForm::show() {
    Form.show(desktop);
    // OK starts with the focus, so that Return closes the window at once.
    if (Form.focused() == nullptr) Form.setFocus(Command3);
}

void AboutForm::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    Form.unload(desktop);
}

// Closing hands the user back to the main window.
void AboutForm::Command3_Click() {
    unload();
    desktop.showWindow(mainWindow_);
}

void AboutForm::Form_Click() {
    Command3_Click();
}

// The clicks read the addresses back from the labels' captions.
void AboutForm::LabelMail_Click() {
    desktop.openAddress("Mailto:" + LabelMail.caption());
}

void AboutForm::LabelWeb_Click() {
    desktop.openAddress(LabelWeb.caption());
}
