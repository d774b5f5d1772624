// Voltage, current and power fields.
#include "mainwindow/mainform.h"

void MainForm::V_Change() {}
void MainForm::V_GotFocus() {}
void MainForm::V_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t /*Shift*/) {}
void MainForm::V_LostFocus() {}
void MainForm::A_Change() {}
void MainForm::A_GotFocus() {}
void MainForm::A_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t /*Shift*/) {}
void MainForm::W_Change() {}
void MainForm::W_GotFocus() {}
void MainForm::W_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t /*Shift*/) {}
void MainForm::W_LostFocus() {}
