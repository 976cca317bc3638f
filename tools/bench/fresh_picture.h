// The benchmark's yardsticks draw a picture file as the least a skinned window could:
// decoded from the file, scaled to the DPI and blitted, afresh at every paint.  They
// keep no picture between paints, whatever the products' windows do.
#pragma once

#include <windows.h>

#include "kit/dpi.h"
#include "kit/handles.h"
#include "kit/scaled_picture.h"
#include "kit/text/wide.h"

namespace bench {

// The file (GBK, relative to the working folder) at the origin of dc, width x height
// layout pixels scaled to dpi.
inline void draw_picture_afresh(HDC dc, const char* file, int width, int height, int dpi) {
  kit::UniqueBitmap picture = kit::load_scaled_picture_file(kit::to_wide(file), dpi);
  kit::UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  kit::SelectGuard selected(memory.get(), picture.get());
  const kit::PixelRect size = kit::scale_size(width, height, dpi);
  BitBlt(dc, 0, 0, size.w, size.h, memory.get(), 0, 0, SRCCOPY);
}

// A dialog's WM_PAINT: the file over its client area.
inline void paint_picture_afresh(HWND dialog, const char* file, int width, int height) {
  PAINTSTRUCT paint{};
  if (HDC dc = BeginPaint(dialog, &paint)) draw_picture_afresh(dc, file, width, height, kit::window_dpi(dialog));
  EndPaint(dialog, &paint);
}

}  // namespace bench
