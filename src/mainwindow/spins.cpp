// Voltage, current and power spin buttons.
#include "mainwindow/mainform.h"

void MainForm::VS_SpinDown() {}
void MainForm::VS_SpinUp() {}
void MainForm::AS_SpinDown() {}
void MainForm::AS_SpinUp() {}
void MainForm::PS_SpinDown() {}
void MainForm::PS_SpinUp() {}
