// Hover hints in the note label.
#include "mainwindow/mainform.h"

void MainForm::Command1_MouseMove() {}
void MainForm::CommandSC_MouseMove() {}
void MainForm::Form_MouseMove() {}
void MainForm::Frame3D4_MouseMove() {}
void MainForm::Frame3D6_MouseMove() {}
void MainForm::ImpedFrame_MouseMove() {}
void MainForm::SSFrame2_MouseMove() {}
