// Pixel placement of controls and windows.
#include "kit/geometry.h"

#include "kit/dpi.h"

#include <utility>
#include <vector>

#include <windowsx.h>

#include <algorithm>

namespace kit {

namespace {

PixelRect pixel_rect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

PixelRect window_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return pixel_rect(r);
}

PixelRect work_area(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return {};
  return pixel_rect(info.rcWork);
}

// Moves window's top-left corner to (x, y) inside the work area of monitor.
void move_on_work_area(HWND window, HMONITOR monitor, int x, int y) {
  PixelRect place = window_rect(window);
  place.x = x;
  place.y = y;
  const PixelRect area = work_area(monitor);
  if (!area.empty()) place = keep_inside(place, area);
  SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

namespace {

void move_control(HWND dialog, int id, const PixelRect& r) {
  if (HWND control = GetDlgItem(dialog, id)) MoveWindow(control, r.x, r.y, r.w, r.h, TRUE);
}

}  // namespace

void place_control(HWND dialog, int id, const PixelRect& r) { move_control(dialog, id, scaled(dialog, r)); }

void place_controls(HWND dialog, std::span<const Placement> table) {
  const int dpi = window_dpi(dialog);
  for (const Placement& row : table) move_control(dialog, row.id, scale_rect(row.rect, dpi));
}

void invalidate_place(HWND window, const PixelRect& r) {
  const PixelRect at = scaled(window, r);
  const RECT area{at.x, at.y, at.right(), at.bottom()};
  InvalidateRect(window, &area, FALSE);
}

PixelRect control_rect(HWND dialog, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return pixel_rect(r);
}

void fit_client_area(HWND window, int width, int height) {
  const int dpi = window_dpi(window);
  const PixelRect size = scale_size(width, height, dpi);
  width = size.w;
  height = size.h;
  RECT wanted{0, 0, width, height};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  adjust_window_rect(wanted, style, GetMenu(window) != nullptr, ex_style, dpi);
  constexpr UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(window, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top, kResizeOnly);

  RECT client{};
  GetClientRect(window, &client);
  const int dx = width - client.right;
  const int dy = height - client.bottom;
  if (dx == 0 && dy == 0) return;
  RECT frame{};
  GetWindowRect(window, &frame);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy, kResizeOnly);
}

PixelRect keep_inside(const PixelRect& window, const PixelRect& area) {
  PixelRect kept = window;
  kept.x = std::max(area.x, std::min(window.x, area.right() - window.w));
  kept.y = std::max(area.y, std::min(window.y, area.bottom() - window.h));
  return kept;
}

void centre_over_owner(HWND window) {
  HWND owner = GetWindow(window, GW_OWNER);
  if (!owner || IsIconic(owner)) return;
  const PixelRect outer = window_rect(owner);
  const PixelRect box = window_rect(window);
  move_on_work_area(window, MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), outer.x + (outer.w - box.w) / 2,
                    outer.y + (outer.h - box.h) / 2);
}

void place_popup_at(HWND window, POINT top_left) {
  move_on_work_area(window, MonitorFromPoint(top_left, MONITOR_DEFAULTTONEAREST), top_left.x, top_left.y);
}

void keep_owned_windows_above(HWND owner) {
  // Top to bottom, as the platform stacks them now.
  struct Search {
    HWND owner;
    std::vector<std::pair<int, HWND>> owned;  // depth below owner, window
  } search{owner, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (!IsWindowVisible(window)) return TRUE;
        int depth = 1;
        for (HWND up = GetWindow(window, GW_OWNER); up; up = GetWindow(up, GW_OWNER), ++depth)
          if (up == s->owner) {
            s->owned.emplace_back(depth, window);
            break;
          }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  // The active window, the windows that own it and the ones it owns stay in front.
  const HWND active = GetActiveWindow();
  auto owns = [&](HWND upper, HWND window) {
    for (HWND w = window; w && w != owner; w = GetWindow(w, GW_OWNER))
      if (w == upper) return true;
    return false;
  };
  auto in_front = [&](HWND window) { return owns(active, window) || owns(window, active); };
  std::stable_partition(search.owned.begin(), search.owned.end(),
                        [&](const auto& entry) { return in_front(entry.second); });
  // Depth by depth, bottom first: every window ends above its owner, in its old order.
  std::stable_sort(search.owned.begin(), search.owned.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (int depth = 1; !search.owned.empty(); ++depth) {
    bool any = false;
    for (auto it = search.owned.rbegin(); it != search.owned.rend(); ++it) {
      if (it->first != depth) continue;
      any = true;
      SetWindowPos(it->second, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    if (!any) break;
  }
}

void drag_by_background(HWND window, LPARAM press_point) {
  POINT point{GET_X_LPARAM(press_point), GET_Y_LPARAM(press_point)};
  ClientToScreen(window, &point);
  PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

}  // namespace kit
