// The widgets of one model window. The binding observes the window and rewrites exactly the
// property that changed, with the widget's signals blocked, so that the model alone decides
// what happens; what a person does comes back through the input router and userinput.h.
// It holds no logic of the calculator.
#pragma once

#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <unordered_map>

#include "controls/control.h"
#include "controls/textbox.h"
#include "controls/window.h"
#include "platform/twips.h"

namespace platform {

class InputRouter;

class WindowBinding : public QObject, public controls::Observer {
  public:
    // closeRequested runs when the person presses the title bar's close button; the window
    // stays until the model unloads it or ends the program.
    WindowBinding(controls::Window& window, std::function<void(controls::Window&)> closeRequested);
    ~WindowBinding() override;
    WindowBinding(const WindowBinding&) = delete;
    WindowBinding& operator=(const WindowBinding&) = delete;

    // Null once detached: from then on the model window may be gone.
    controls::Window* window() const { return window_; }
    QWidget* topLevel() const { return top_.get(); }

    // Shows the window, or brings it to the front with the focus.
    void present();
    // Stops mirroring and listening and hides the widgets; nothing touches the model after it.
    void detach();

    void changed(controls::Control& control, controls::Property property) override;

    // For the input router.
    controls::Control* controlOf(const QObject* widget) const;
    QWidget* widgetOf(const controls::Control& control) const;
    QTimer* timerOf(const controls::Control& timer) const;
    // True while the binding itself writes into widgets: what Qt reports then is no person's.
    bool mirroring() const { return mirroring_ > 0; }
    void showSelection(const controls::TextBox& box);
    void showValue(const controls::OptionButton& option);
    void showFocus();
    // Client size = the model's outer size less the window frame, known once shown.
    void fitWindow(bool position);
    void requestClose();
    Dpi dpi() const { return dpi_; }

  private:
    class Mirroring;

    void build();
    void showAll(controls::Control& control);
    void showText(const controls::TextBox& box);
    void showCaption(const controls::Control& control);
    void showEnabled(const controls::Control& control);
    void showVisible(const controls::Control& control);
    // The design font, made smaller where the present text would not fit.
    void showFont(const controls::Control& control);
    // Controls that lie wholly outside the client area are hidden, so that neither the Tab key
    // nor a screen reader finds what nobody can see.
    bool insideClient(const controls::Control& control) const;
    void showTabStop(const controls::Control& control);
    void showColors(const controls::Control& control);
    void showGeometry(const controls::Control& control);
    void showTabOrder();
    void showAccessible(const controls::Control& control);
    QPoint originTwips(const controls::Control& container) const;

    controls::Window* window_;
    std::function<void(controls::Window&)> closeRequested_;
    Dpi dpi_;
    std::unique_ptr<QWidget> top_;
    std::unordered_map<const controls::Control*, QWidget*> widgets_;
    std::unordered_map<const QObject*, controls::Control*> controls_;
    std::unordered_map<const controls::Control*, QTimer*> timers_;
    std::unique_ptr<InputRouter> router_;
    int mirroring_ = 0;
    bool presented_ = false;
};

}  // namespace platform
