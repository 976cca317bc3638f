// Test support: a stopped clock.  While the guard lives, kit::local_now() answers the
// time the test gave (and set() moves it), in either program.
#pragma once

#include "kit/clock.h"

namespace kit::testing {

class FixedClock {
 public:
  explicit FixedClock(LocalTime now) {
    time() = now;
    previous_ = set_clock(read);
    installed_ = true;
  }
  ~FixedClock() { remove(); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  void set(LocalTime now) { time() = now; }
  // Puts the clock that was there back now (before the guard goes).
  void remove() {
    if (!installed_) return;
    set_clock(previous_);
    installed_ = false;
  }

 private:
  static LocalTime& time() {
    static LocalTime now;
    return now;
  }
  static LocalTime read() { return time(); }

  Clock previous_ = nullptr;
  bool installed_ = false;
};

}  // namespace kit::testing
