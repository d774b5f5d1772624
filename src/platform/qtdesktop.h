// The desktop of the handlers on Qt: modal message boxes, the beep, the default handler of an
// address, the primary screen, the end of the program, and the windows of the model shown
// through a WindowBinding each.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "controls/desktop.h"
#include "controls/window.h"

namespace platform {

class WindowBinding;

class QtDesktop : public controls::Desktop {
  public:
    QtDesktop();
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    void messageBox(std::string_view text, std::string_view title,
                    controls::MessageStyle style) override;
    void beep() override;
    void openAddress(std::string_view address) override;
    controls::ScreenSize screenSize() const override;
    void endProgram() override;
    void showWindow(controls::Window& window) override;
    void unloadWindow(controls::Window& window) override;

    // The top-level widget of a window on screen, or null.
    QWidget* widgetOf(const controls::Window& window) const;

    // Lets every window go; call it before the model windows are destroyed.
    void closeAllWindows();

    // What the title bar's close button of a window asks for; unset, it does nothing.
    std::function<void(controls::Window&)> onCloseRequest;

  private:
    WindowBinding* bindingOf(const controls::Window& window) const;

    std::vector<std::unique_ptr<WindowBinding>> bindings_;
};

}  // namespace platform
