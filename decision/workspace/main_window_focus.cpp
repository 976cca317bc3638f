// Opening the main window's summaries and cells by click or Enter (see main_window_focus.h).
#include "decision/workspace/main_window_focus.h"

#include "decision/res/resource_ids.h"

namespace decision {

bool focus_moves_by_tab() { return GetKeyState(VK_TAB) < 0; }

bool post_box_opening(HWND window, int id) {
  if (id == IDC_BACKGROUND_SUMMARY || id == IDC_RECORD_SUMMARY)
    return PostMessageW(window, kSummaryFocused, static_cast<WPARAM>(id), 0) != FALSE;
  if (id >= IDC_CELL_1 && id <= IDC_CELL_9)
    return PostMessageW(window, kCellFocused, static_cast<WPARAM>(id - IDC_CELL_1 + 1), 0) != FALSE;
  return false;
}

}  // namespace decision
