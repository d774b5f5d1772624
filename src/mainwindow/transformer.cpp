// Transformer mode, secondary voltage and impedance.
#include "mainwindow/mainform.h"

void MainForm::Trbutton_Click() {}
void MainForm::V2_Change() {}
void MainForm::V2_GotFocus() {}
void MainForm::V2_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t /*Shift*/) {}
void MainForm::V2S_SpinDown() {}
void MainForm::V2S_SpinUp() {}
void MainForm::Imped_Change() {}
void MainForm::Imped_GotFocus() {}
void MainForm::Imped_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t /*Shift*/) {}
void MainForm::ImpSpin_SpinDown() {}
void MainForm::ImpSpin_SpinUp() {}
