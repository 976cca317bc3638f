// The template's font at a new display scale (see template_font.h).
#include "kit/template_font.h"

#include <utility>

namespace kit {

void TemplateFont::remember(HWND dialog, int dpi) {
  forget();
  const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  if (!font || dpi <= 0 || GetObjectW(font, sizeof(face_), &face_) != sizeof(face_)) return;
  made_by_template_ = font;
  made_at_dpi_ = dpi;
}

void TemplateFont::follow_dpi(HWND dialog, int dpi) {
  if (!made_by_template_ || dpi <= 0) return;
  UniqueFont next;
  if (dpi != made_at_dpi_) {
    LOGFONTW face = face_;
    face.lfHeight = MulDiv(face_.lfHeight, dpi, made_at_dpi_);
    face.lfWidth = MulDiv(face_.lfWidth, dpi, made_at_dpi_);
    next.reset(CreateFontIndirectW(&face));
    if (!next) return;  // the controls keep the font they have
  }
  const HFONT old = current();
  const HFONT now = next ? next.get() : made_by_template_;
  // A combo box measures its selection field and items again from the font it is given.
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) != old) continue;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(now), TRUE);
  }
  remade_ = std::move(next);
}

void TemplateFont::forget() {
  remade_.reset();
  made_by_template_ = nullptr;
  made_at_dpi_ = 0;
}

}  // namespace kit
