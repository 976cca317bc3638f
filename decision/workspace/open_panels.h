// OpenPanels: the alternative panels open over decision's main window, at most one per
// alternative, each opened beside its grid cell.  The window decides when one opens or
// closes; this keeps their windows.
#pragma once

#include <windows.h>

#include <array>

#include "decision/document/decision.h"

namespace decision {

// More open panels clutter the window: the window refuses a fourth with this message.
inline constexpr int kMostOpenPanels = 3;
inline constexpr char kTooManyPanelsText[] =
    "为避免界面杂乱，同时打开的方案限制为3个！\r\n您可以先关闭其中一个，再打开另一个。";
inline constexpr char kTooManyPanelsCaption[] = "最多只能同时打开3个方案";

class OpenPanels {
 public:
  // The open panel of alternative index (1..9), or null.
  HWND of(int index) const;
  int count() const;

  // Opens alternative index's panel over owner beside cell (the cell's control), on
  // decision, and shows it.  Its window, or null when it could not be made.
  HWND open(HINSTANCE module, HWND owner, const Decision& decision, int index, HWND cell);
  // Forgets index's panel and destroys its window.
  void close(int index);
  // Destroys every open panel without keeping its changes.
  void close_all();

 private:
  // 1-based, slot 0 unused: the open panel's window of each alternative.
  std::array<HWND, kMaxAlternatives + 1> windows_{};
};

}  // namespace decision
