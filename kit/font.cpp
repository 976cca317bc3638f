// Fonts at the window's display scale.
#include "kit/font.h"

#include "kit/dpi.h"

namespace kit {

UniqueFont make_font(HWND window, const wchar_t* face, int height, int weight) {
  return UniqueFont(CreateFontW(scaled(window, height), 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

void set_font(HWND control, HFONT font) {
  if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace kit
