// Power factor field and its spin button.
#include "mainwindow/mainform.h"

void MainForm::Factor_Change() {}
void MainForm::Factor_GotFocus() {}
void MainForm::Factor_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t /*Shift*/) {}
void MainForm::PFS_SpinDown() {}
void MainForm::PFS_SpinUp() {}
