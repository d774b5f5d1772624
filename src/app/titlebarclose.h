// What the close button in a title bar means to the model: closing the main window is Exit,
// closing the About window is its OK button.
#pragma once

#include "mainwindow/mainform.h"
#include "platform/qtdesktop.h"

namespace app {

void routeTitleBarClose(platform::QtDesktop& desktop, MainForm& form);

}  // namespace app
