// A desktop without a screen: message boxes are answered with OK at once, and every box, beep,
// address and window shown is recorded for the scenario runner, the fuzzer and the tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/desktop.h"

namespace scenario {

struct Message {
    std::string text;
    std::string title;
    int style = 0;
};

class RecordingDesktop : public controls::Desktop {
  public:
    // 1024 x 768 pixels at 15 twips a pixel.
    explicit RecordingDesktop(controls::ScreenSize screen = {15360, 11520}) : screen_(screen) {}

    void messageBox(std::string_view text, std::string_view title,
                    controls::MessageStyle style) override;
    void beep() override { ++beeps; }
    void openAddress(std::string_view address) override { opened.emplace_back(address); }
    controls::ScreenSize screenSize() const override { return screen_; }
    void endProgram() override { ended = true; }
    void showWindow(controls::Window& window) override { shownWindows.push_back(&window); }
    void unloadWindow(controls::Window& window) override;

    std::vector<Message> messages;
    int beeps = 0;
    std::vector<std::string> opened;
    bool ended = false;
    std::vector<controls::Window*> shownWindows;  // every show, repeated ones included
    std::vector<controls::Window*> unloadedWindows;

    // Runs while a box is open, after it was recorded and before it is answered: on screen the
    // event loop keeps turning under a modal box, so a check can try what a timer would do then.
    std::function<void(const Message&)> whileOpen;

  private:
    controls::ScreenSize screen_;
};

}  // namespace scenario
