// Pictures of the real program for its documentation. With QUELLORA_SCREENSHOT=file.png the
// program drives itself, through the same user input as a person, into the state that
// QUELLORA_SCREENSHOT_STATE names, saves a picture of that window and quits:
//   compact      the window as it starts, after its first recalculations;
//   transformer  widened by the transformer button, with the impedance note shown;
//   about        the About window.
// Without the variable it does nothing beyond reading it once.
#pragma once

class MainForm;

namespace platform {
class QtDesktop;
}

namespace app {

void takeScreenshotIfAsked(platform::QtDesktop& desktop, MainForm& form);

}  // namespace app
