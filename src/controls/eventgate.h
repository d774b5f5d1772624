// Everything runs on one thread, but a modal message box runs a nested event loop in which
// timers keep firing. The gate counts the handlers in progress so that a tick never starts
// inside another handler, and after the program has ended it lets no event through.
#pragma once

#include <functional>
#include <utility>

namespace controls {

class EventGate {
  public:
    bool busy() const { return depth_ > 0; }
    int depth() const { return depth_; }  // nested events included
    bool ended() const { return ended_; }
    void end() { ended_ = true; }

    // Returns false if the event was refused.
    template <class F>
    bool run(F&& handler) {
        if (ended_) return false;
        ++depth_;
        std::forward<F>(handler)();
        --depth_;
        if (depth_ == 0 && afterEvent) afterEvent();
        return true;
    }

    // A timer tick is skipped, not queued, while a handler runs.
    template <class F>
    bool tick(F&& handler) {
        if (depth_ > 0) return false;
        return run(std::forward<F>(handler));
    }

    // Runs after the outermost event: the time to free what a handler unloaded.
    std::function<void()> afterEvent;

  private:
    int depth_ = 0;
    bool ended_ = false;
};

}  // namespace controls
