// The slim scroll bar of the kit's edit wrappers: measuring whether the text is longer
// than the box, drawing the bar, and answering the mouse on it.
#include "kit/edit_scroll_bar.h"

#include <windowsx.h>

#include <algorithm>

#include "kit/control.h"
#include "kit/dpi.h"
#include "kit/handles.h"

namespace kit {

namespace {
// The thumb never gets shorter than this many track widths, so it stays easy to grab.
constexpr int kMinThumbWidths = 2;
}  // namespace

void EditScrollBar::enable(HWND edit, const ScrollBarLook& look) {
  edit_ = edit;
  layout_look_ = look;
  look_ = look;
  if (!edit_) return;
  // The look is in layout pixels: the bar is as wide, inset and apart at the box's DPI.
  const int dpi = window_dpi(edit_);
  look_.width = scale_length(look.width, dpi);
  look_.inset = scale_length(look.inset, dpi);
  look_.gap = scale_length(look.gap, dpi);
  base_right_margin_ = HIWORD(SendMessageW(edit_, EM_GETMARGINS, 0, 0));
  update();
}

bool EditScrollBar::follows(UINT message) {
  switch (message) {
    case WM_PAINT:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_SIZE:
    case EM_SETMARGINS:
      return true;
  }
  return false;
}

int EditScrollBar::line_count() const {
  return edit_ ? static_cast<int>(SendMessageW(edit_, EM_GETLINECOUNT, 0, 0)) : 0;
}

// The edit advances its lines by the height of its font.
int EditScrollBar::line_height() const {
  WindowDc dc(edit_);
  SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(edit_, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return std::max(1, static_cast<int>(metrics.tmHeight));
}

int EditScrollBar::visible_lines() const {
  if (!edit_) return 0;
  RECT format{};
  SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  return std::max(1, static_cast<int>(format.bottom - format.top) / line_height());
}

int EditScrollBar::first_visible_line() const {
  return static_cast<int>(SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

void EditScrollBar::apply_right_margin(int margin) {
  applying_margin_ = true;
  SendMessageW(edit_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, margin));
  applying_margin_ = false;
}

// Measured with the text at its full width first: the bar narrows the text, which can
// only add lines, so a text that fits without the bar never gets one and a text that
// does not fit still does not once the bar takes its room.
void EditScrollBar::update() {
  if (!edit_) return;
  apply_right_margin(base_right_margin_);
  const bool longer = line_count() > visible_lines();
  if (longer) apply_right_margin(std::max(base_right_margin_, look_.inset + look_.width + look_.gap));
  if (!longer && first_visible_line() > 0) scroll_to_line(0);
  shown_ = longer;
  InvalidateRect(edit_, nullptr, TRUE);
}

RECT EditScrollBar::track_rect() const {
  if (!shown_) return {};
  RECT client{};
  GetClientRect(edit_, &client);
  return {client.right - look_.inset - look_.width, client.top + look_.inset, client.right - look_.inset,
          client.bottom - look_.inset};
}

RECT EditScrollBar::thumb_rect() const {
  RECT thumb = track_rect();
  if (IsRectEmpty(&thumb)) return {};
  const int lines = line_count();
  const int visible = visible_lines();
  const int last_first = std::max(1, lines - visible);
  const int track_height = thumb.bottom - thumb.top;
  const int height =
      std::clamp(track_height * visible / std::max(1, lines), kMinThumbWidths * look_.width, track_height);
  const int first = std::clamp(first_visible_line(), 0, last_first);
  thumb.top += (track_height - height) * first / last_first;
  thumb.bottom = thumb.top + height;
  return thumb;
}

// The bar's column from the text's end to the box's edge takes the pointer.
RECT EditScrollBar::hit_rect() const {
  if (!shown_) return {};
  RECT client{};
  GetClientRect(edit_, &client);
  client.left = client.right - look_.inset - look_.width - look_.gap / 2;
  return client;
}

void EditScrollBar::scroll_to_line(int line) {
  const int delta = line - first_visible_line();
  if (delta != 0) SendMessageW(edit_, EM_LINESCROLL, 0, delta);
  redraw();
}

void EditScrollBar::redraw() const {
  RECT column = hit_rect();
  if (!IsRectEmpty(&column)) InvalidateRect(edit_, &column, TRUE);
}

void EditScrollBar::on_press(POINT point) {
  const RECT thumb = thumb_rect();
  if (PtInRect(&thumb, point)) {
    dragging_ = true;
    drag_offset_ = point.y - thumb.top;
    SetCapture(edit_);
    return;
  }
  SendMessageW(edit_, EM_SCROLL, point.y < thumb.top ? SB_PAGEUP : SB_PAGEDOWN, 0);
  redraw();
}

void EditScrollBar::on_drag(POINT point) {
  const RECT track = track_rect();
  const RECT thumb = thumb_rect();
  const int span = (track.bottom - track.top) - (thumb.bottom - thumb.top);
  if (span <= 0) return;
  const int last_first = std::max(0, line_count() - visible_lines());
  const int offset = std::clamp(static_cast<int>(point.y) - drag_offset_ - static_cast<int>(track.top), 0, span);
  scroll_to_line((offset * last_first + span / 2) / span);
}

bool EditScrollBar::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const RECT hit = hit_rect();
      if (!PtInRect(&hit, point)) return false;
      on_press(point);
      result = 0;
      return true;
    }
    case WM_MOUSEMOVE:
      if (!dragging_) return false;
      on_drag(point);
      result = 0;
      return true;
    case WM_LBUTTONUP:
      if (!dragging_) return false;
      dragging_ = false;
      ReleaseCapture();
      result = 0;
      return true;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    case WM_SETCURSOR: {
      POINT pointer{};
      GetCursorPos(&pointer);
      ScreenToClient(edit_, &pointer);
      const RECT hit = hit_rect();
      if (!PtInRect(&hit, pointer)) return false;
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      result = TRUE;
      return true;
    }
    case EM_SETMARGINS:
      // A margin the edit's user sets is the one a text that fits keeps.
      if (!applying_margin_ && (wparam & EC_RIGHTMARGIN)) base_right_margin_ = HIWORD(lparam);
      return false;
  }
  return false;
}

void EditScrollBar::after_message(UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_PAINT:
      if (shown_) paint();
      return;
    case EM_SETMARGINS:
      if (!applying_margin_) update();
      return;
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_SIZE:
      update();
      return;
    case WM_NCDESTROY:
      // The edit is going: the bar lets go of it.
      edit_ = nullptr;
      shown_ = dragging_ = false;
      return;
    case reflected(WM_COMMAND):
      // Typing changes the text; the wheel, the keys and the caret scroll it.
      if (HIWORD(wparam) == EN_CHANGE) update();
      if (HIWORD(wparam) == EN_VSCROLL) redraw();
      return;
  }
}

void EditScrollBar::paint() const {
  const RECT track = track_rect();
  if (IsRectEmpty(&track)) return;
  const RECT thumb = thumb_rect();
  WindowDc dc(edit_);
  // Without a pen the shapes come out one pixel short on the right and bottom.
  SelectGuard pen(dc.get(), GetStockObject(NULL_PEN));
  const int round = look_.width;
  UniqueBrush track_brush(CreateSolidBrush(look_.track.colorref()));
  {
    SelectGuard brush(dc.get(), track_brush.get());
    RoundRect(dc.get(), track.left, track.top, track.right + 1, track.bottom + 1, round, round);
  }
  UniqueBrush thumb_brush(CreateSolidBrush(look_.thumb.colorref()));
  SelectGuard brush(dc.get(), thumb_brush.get());
  RoundRect(dc.get(), thumb.left, thumb.top, thumb.right + 1, thumb.bottom + 1, round, round);
}

}  // namespace kit
