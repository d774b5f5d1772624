// Percentage-of-current buttons.
#include "mainwindow/mainform.h"

void MainForm::Command1_Click() {}
void MainForm::CommandSC_Click() {}
