// The window timers behind start_timer and stop_timer and their test seam.
#include "kit/timer.h"

namespace kit {

namespace {
TimerSeam timer_seam;
}  // namespace

bool start_timer(HWND window, UINT_PTR id, UINT milliseconds) {
  if (timer_seam.start) return timer_seam.start(window, id, milliseconds);
  return SetTimer(window, id, milliseconds, nullptr) != 0;
}

void stop_timer(HWND window, UINT_PTR id) {
  if (timer_seam.stop) {
    timer_seam.stop(window, id);
    return;
  }
  KillTimer(window, id);
}

TimerSeam set_timer_seam(TimerSeam seam) {
  const TimerSeam previous = timer_seam;
  timer_seam = seam;
  return previous;
}

}  // namespace kit
