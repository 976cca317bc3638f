// OpenPanels: the windows of the alternative panels open over the main window.
#include "decision/workspace/open_panels.h"

#include "decision/res/resource_ids.h"
#include "decision/workspace/alternative_panel.h"
#include "decision/workspace/alternative_panel_layout.h"
#include "kit/dpi.h"

namespace decision {

HWND OpenPanels::of(int index) const {
  if (index < 1 || index > kMaxAlternatives) return nullptr;
  return windows_[static_cast<std::size_t>(index)];
}

int OpenPanels::count() const {
  int count = 0;
  for (int i = 1; i <= kMaxAlternatives; ++i) count += of(i) ? 1 : 0;
  return count;
}

HWND OpenPanels::open(HINSTANCE module, HWND owner, const Decision& decision, int index, HWND cell) {
  RECT r{};
  GetWindowRect(cell, &r);
  const kit::PixelRect cell_rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
  const auto corner = alternative_panel_layout::panel_top_left(
      index, cell_rect, decision.alternatives[static_cast<std::size_t>(index)].result_count, kit::window_dpi(cell));
  HWND window = kit::FloatingDialog::open<AlternativePanel>(module, IDD_ALTERNATIVE_PANEL, owner, decision, index,
                                                            POINT{corner.x, corner.y});
  if (!window) return nullptr;
  windows_[static_cast<std::size_t>(index)] = window;
  ShowWindow(window, SW_SHOW);
  return window;
}

void OpenPanels::close(int index) {
  if (HWND window = of(index)) {
    windows_[static_cast<std::size_t>(index)] = nullptr;
    DestroyWindow(window);
  }
}

void OpenPanels::close_all() {
  for (HWND& window : windows_) {
    if (window && IsWindow(window)) DestroyWindow(window);
    window = nullptr;
  }
}

}  // namespace decision
