// A started main window on a recording desktop, driven the way a person drives it.
#pragma once

#include <string_view>

#include "controls/eventgate.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "scenario/recordingdesktop.h"

struct StartedForm {
    StartedForm() {
        form.Form_Load();
        form.show();
    }

    // One key at a time, through the key preview, as typing does.
    void type(controls::TextBox& box, std::string_view keys) {
        controls::userFocus(box);
        for (const char key : keys) controls::userType(box, static_cast<std::int16_t>(key));
    }
    // Replaces the whole text at once; no key preview, no focus change.
    void paste(controls::TextBox& box, std::string_view text) { controls::userPaste(box, text); }
    void clear(controls::TextBox& box) { paste(box, ""); }
    void leave() { controls::userFocus(form.Trbutton); }

    bool powerMode() const { return form.Timer1.enabled() && !form.Timer2.enabled(); }
    bool currentMode() const { return !form.Timer1.enabled() && form.Timer2.enabled(); }

    scenario::RecordingDesktop desktop;
    controls::EventGate gate;
    MainForm form{desktop, gate};
};
