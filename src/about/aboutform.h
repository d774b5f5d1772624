// The About window, created when shown and freed once unloaded. It knows the main window only
// as the place to open at and to hand the user back to when it closes.
#pragma once

#include <string>
#include <string_view>

#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/eventgate.h"
#include "controls/window.h"

class AboutForm {
  public:
    AboutForm(controls::Desktop& desktop, controls::EventGate& gate, controls::Window& mainWindow);
    AboutForm(const AboutForm&) = delete;
    AboutForm& operator=(const AboutForm&) = delete;

    void Form_Load();
    void show();  // or brings it to the front
    bool unloaded() const { return unloaded_; }
    void unload();  // for good, without handing the user back

    // The build's version numbers without leading zeros: "25", "01", "0007" read "Version: 25.1.7".
    static std::string versionCaption(std::string_view major, std::string_view minor,
                                      std::string_view patch);
    // The notice's span of years ends with "20" and the major version.
    static std::string noticeCaption(std::string_view major);

    controls::Desktop& desktop;

    // The controls, from top to bottom; places in twips.
    controls::Window Form;
    controls::Label Label1;
    controls::Label LabelWeb;
    controls::Label Label3;
    controls::Label LabelMail;
    controls::CommandButton Command3;
    controls::Label Label2;
    controls::Label Label4;

    void Command3_Click();
    void Form_Click();
    void LabelMail_Click();
    void LabelWeb_Click();

  private:
    void applyLayout();

    controls::Window& mainWindow_;
    bool unloaded_ = false;
};
