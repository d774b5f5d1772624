// What the handlers need of the desktop besides the controls: message boxes, the beep, the
// default handler of an address, the screen and the end of the program. The Qt implementation
// lives in platform/; the scenario runner and the tests record the calls instead.
#pragma once

#include <string_view>

namespace controls {

class Window;

// The style values of a message box: the icon it shows beside an OK button.
enum class MessageStyle : int { Exclamation = 48, Information = 64 };

struct ScreenSize {
    int width = 0;  // twips
    int height = 0;
};

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Modal: returns when the user has pressed OK.
    virtual void messageBox(std::string_view text, std::string_view title, MessageStyle style) = 0;
    virtual void beep() = 0;
    // Hands the address to the default browser or mail client; failures are not reported.
    virtual void openAddress(std::string_view address) = 0;
    virtual ScreenSize screenSize() const = 0;
    // Ends the program at once; the caller's window has already refused all further events.
    virtual void endProgram() = 0;
    // A window of the model appears on screen, comes to the front, or goes away for good.
    virtual void showWindow(Window& window) = 0;
    virtual void unloadWindow(Window& window) = 0;
};

}  // namespace controls
