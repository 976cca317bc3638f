// The programs' one clock and its test seam.
#include "kit/clock.h"

#include <windows.h>

namespace kit {

namespace {

Clock g_clock = nullptr;

LocalTime platform_now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

Clock set_clock(Clock clock) {
  const Clock previous = g_clock;
  g_clock = clock;
  return previous;
}

LocalTime local_now() { return g_clock ? g_clock() : platform_now(); }

}  // namespace kit
