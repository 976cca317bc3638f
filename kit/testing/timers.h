// Test support: window timers a test steps itself.  While a SteppedTimers guard lives,
// kit::start_timer and kit::stop_timer only record which timers run; the test then
// delivers each tick with step(), so a timer-driven behaviour is checked tick by tick
// whatever the speed of the machine.  The platform's rule is kept: a window's timers go
// with its window.
#pragma once

#include <windows.h>

#include <map>
#include <utility>
#include <vector>

#include "kit/timer.h"

namespace kit::testing {

class SteppedTimers {
 public:
  SteppedTimers() : outer_(current_) {
    current_ = this;
    previous_ = set_timer_seam({record_start, record_stop});
  }
  ~SteppedTimers() {
    set_timer_seam(previous_);
    current_ = outer_;
  }
  SteppedTimers(const SteppedTimers&) = delete;
  SteppedTimers& operator=(const SteppedTimers&) = delete;

  // The innermost guard alive, or null.
  static SteppedTimers* current() { return current_; }

  // Whether timer id of window was started and neither stopped nor taken away with its
  // window.
  bool running(HWND window, UINT_PTR id) const {
    return IsWindow(window) && timers_.count({window, id}) != 0;
  }
  // One tick: sends window the WM_TIMER the platform would post when the period is up.
  // Returns false, sending nothing, when the timer does not run.
  bool step(HWND window, UINT_PTR id) {
    if (!running(window, id)) return false;
    SendMessageW(window, WM_TIMER, id, 0);
    return true;
  }
  // The timers still running, each (window, id); forgotten by the call.
  std::vector<std::pair<HWND, UINT_PTR>> take_running() {
    std::vector<std::pair<HWND, UINT_PTR>> left;
    for (const auto& [key, period] : timers_)
      if (IsWindow(key.first)) left.push_back(key);
    timers_.clear();
    return left;
  }

 private:
  static bool record_start(HWND window, UINT_PTR id, UINT milliseconds) {
    if (!IsWindow(window)) return false;
    std::erase_if(current_->timers_, [](const auto& timer) { return !IsWindow(timer.first.first); });
    current_->timers_[{window, id}] = milliseconds;
    return true;
  }
  static void record_stop(HWND window, UINT_PTR id) { current_->timers_.erase({window, id}); }

  static inline SteppedTimers* current_ = nullptr;
  SteppedTimers* outer_;
  TimerSeam previous_;
  std::map<std::pair<HWND, UINT_PTR>, UINT> timers_;
};

}  // namespace kit::testing
