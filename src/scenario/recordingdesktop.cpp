#include "scenario/recordingdesktop.h"

namespace scenario {

void RecordingDesktop::messageBox(std::string_view text, std::string_view title,
                                  controls::MessageStyle style) {
    messages.push_back(Message{std::string(text), std::string(title), static_cast<int>(style)});
    // A copy: what runs meanwhile may show boxes of its own.
    if (whileOpen) whileOpen(Message(messages.back()));
}

void RecordingDesktop::unloadWindow(controls::Window& window) {
    unloadedWindows.push_back(&window);
}

}  // namespace scenario
