// How a summary or a cell of decision's main window opens: a click on it (which gives it
// the focus) or Enter while it has the focus posts the opening to the window, which runs
// once the click is done.  The focus Tab and Shift+Tab bring only marks the box.
#pragma once

#include <windows.h>

namespace decision {

// Posted to the main window: wParam is the summary's id, or the alternative (1..9).
inline constexpr UINT kSummaryFocused = WM_APP + 1;
inline constexpr UINT kCellFocused = WM_APP + 2;

// True while Tab is held: the focus is moving by the keyboard.
bool focus_moves_by_tab();
// Posts the opening of control id's box or panel to window; false when id is neither a
// summary nor a cell.
bool post_box_opening(HWND window, int id);

}  // namespace decision
