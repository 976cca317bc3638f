// Test support: handles everything queued for this thread for at least the given time,
// so that posted commands, paints and timers have run before a test looks.
#pragma once

#include <windows.h>

namespace kit::testing {

inline void pump(DWORD milliseconds = 30) {
  const ULONGLONG until = GetTickCount64() + milliseconds;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (GetTickCount64() < until);
}

}  // namespace kit::testing
