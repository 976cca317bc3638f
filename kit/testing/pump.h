// Test support: the one message pump of the window tests.  It handles everything queued
// for this thread for at least the given time, so that posted commands, paints and
// timers have run before a test looks.
#pragma once

#include <windows.h>

namespace kit::testing {

// Handles this thread's messages for at least milliseconds (zero: what is queued now).
// With a dialog, its keyboard messages go through IsDialogMessageW first, as a modeless
// dialog's message loop sends them (Tab, Enter and Escape reach the dialog).
inline void pump(DWORD milliseconds = 30, HWND dialog = nullptr) {
  constexpr DWORD kLongestWait = 10;
  const ULONGLONG until = GetTickCount64() + milliseconds;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (dialog && IsWindow(dialog) && IsDialogMessageW(dialog, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= until) return;
    const DWORD left = static_cast<DWORD>(until - now);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, left < kLongestWait ? left : kLongestWait, QS_ALLINPUT);
  }
}

// Pumps until done() holds or milliseconds have passed; returns whether done() held.
template <typename Done>
bool pump_until(Done done, DWORD milliseconds = 2000, HWND dialog = nullptr) {
  constexpr DWORD kStep = 10;
  const ULONGLONG until = GetTickCount64() + milliseconds;
  while (!done()) {
    if (GetTickCount64() >= until) return false;
    pump(kStep, dialog);
  }
  return true;
}

}  // namespace kit::testing
