// Test support: a moment of local time, for the programs' clock seams.
#pragma once

#include <windows.h>

namespace kit::testing {

inline SYSTEMTIME local_time(int year, int month, int day, int hour, int minute) {
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(year);
  t.wMonth = static_cast<WORD>(month);
  t.wDay = static_cast<WORD>(day);
  t.wHour = static_cast<WORD>(hour);
  t.wMinute = static_cast<WORD>(minute);
  return t;
}

}  // namespace kit::testing
