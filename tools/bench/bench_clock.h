// The benchmark programs' clock: milliseconds from the performance counter.
#pragma once

#include <windows.h>

inline double now_ms() {
  static const double ticks_per_ms = [] {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER count{};
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / ticks_per_ms;
}
