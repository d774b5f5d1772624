// Phase options.
#include "mainwindow/mainform.h"

void MainForm::SPh_Click() {}
void MainForm::TPh_Click() {}
