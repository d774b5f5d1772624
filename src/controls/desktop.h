// What the handlers need of the desktop besides the controls. The Qt implementation lives in
// platform/; the scenario runner and the tests record the calls instead.
#pragma once

#include <string_view>

namespace controls {

class Window;

// The icon a message box shows beside its OK button.
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
    // To the default browser or mail client; failures are not reported.
    virtual void openAddress(std::string_view address) = 0;
    virtual ScreenSize screenSize() const = 0;
    // At once; the caller's window already refuses all further events.
    virtual void endProgram() = 0;
    // A window appears or comes to the front, or goes away for good.
    virtual void showWindow(Window& window) = 0;
    virtual void unloadWindow(Window& window) = 0;
};

}  // namespace controls
