// The About window: what the program is for, a disclaimer, the version and two links. It is
// created when shown and freed after it has been unloaded.
#pragma once

#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/eventgate.h"
#include "controls/window.h"

class AboutForm {
public:
    // mainWindow: its top-left corner is where the About window opens.
    AboutForm(controls::Desktop& desktop, controls::EventGate& gate,
              const controls::Window& mainWindow);
    AboutForm(const AboutForm&) = delete;
    AboutForm& operator=(const AboutForm&) = delete;

    void Form_Load();
    // Shows the window, or brings it to the front when it is already shown.
    void show();
    bool unloaded() const { return unloaded_; }

    controls::Desktop& desktop;
    controls::Window Form;

    void Command3_Click();
    void Form_Click();

private:
    void unload();

    const controls::Window& mainWindow_;
    bool unloaded_ = false;
};
