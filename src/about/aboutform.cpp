#include "about/aboutform.h"

AboutForm::AboutForm(controls::Desktop& desktop_, controls::EventGate& gate,
                     const controls::Window& mainWindow)
    : desktop(desktop_),
      Form("Form", "About Quellora", controls::Rect{0, 0, 5775, 4890}, gate),
      mainWindow_(mainWindow) {
    Form.onClick = [this] { Form_Click(); };
}

void AboutForm::Form_Load() {
    Form.move(mainWindow_.geometry().left, mainWindow_.geometry().top);
}

void AboutForm::show() {
    Form.setShown(true);
    desktop.showWindow(Form);
}

void AboutForm::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    Form.setShown(false);
    desktop.unloadWindow(Form);
}

void AboutForm::Command3_Click() { unload(); }

void AboutForm::Form_Click() { unload(); }
