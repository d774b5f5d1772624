// A main window right after start-up, on a desktop that records what it is asked to do.
#pragma once

#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "scenario/recordingdesktop.h"

struct StartedForm {
    StartedForm() {
        form.Form_Load();
        form.show();
    }
    controls::TextBox& box(const char* name) {
        return static_cast<controls::TextBox&>(*form.Form.find(name));
    }
    void tick() { controls::userTick(form.Timer1.enabled() ? form.Timer1 : form.Timer2); }

    scenario::RecordingDesktop desktop;
    controls::EventGate gate;
    MainForm form{desktop, gate};
};
