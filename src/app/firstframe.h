// A start-up probe for measurements: with QUELLORA_EXIT_AFTER_SHOW=1 the program prints how
// long it took from the start of the process to the first painted frame of a window, and
// quits. Without the variable it does nothing beyond reading it once.
#pragma once

class QWidget;

namespace app {

// Call at the top of main(), before QApplication: remembers the time.
void markStart();
// Arms the probe on the window if the variable asks for it.
void exitAfterFirstFrame(QWidget* window);

}  // namespace app
