// The programs' one clock: local_now() reads the platform's local time unless a test
// has put its own clock in place with set_clock.
#pragma once

#include "kit/local_time.h"

namespace kit {

using Clock = LocalTime (*)();

// Installs clock (null restores the platform's) and returns the one it replaces (null
// for the platform's).
Clock set_clock(Clock clock);

// The local time now, from the installed clock.
LocalTime local_now();

}  // namespace kit
