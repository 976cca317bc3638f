// The programs' window timers, started and stopped through the kit so that a test can
// record them and step them itself instead of waiting for the clock.
#pragma once

#include <windows.h>

namespace kit {

// Starts (or restarts) timer id of window with a period of milliseconds: window gets
// WM_TIMER with wParam id at each period.  Returns whether the timer runs.
bool start_timer(HWND window, UINT_PTR id, UINT milliseconds);
// Stops timer id of window; a timer that is not running is left as it is.
void stop_timer(HWND window, UINT_PTR id);

// Test seam: while set, start_timer and stop_timer go to it instead of the platform.
// set_timer_seam({}) restores the platform; it returns the seam it replaces.
struct TimerSeam {
  bool (*start)(HWND window, UINT_PTR id, UINT milliseconds) = nullptr;
  void (*stop)(HWND window, UINT_PTR id) = nullptr;
};
TimerSeam set_timer_seam(TimerSeam seam);

}  // namespace kit
