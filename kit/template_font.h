// The font a dialog's template gives its controls (the one the dialog manager makes from
// the template's FONT statement), made again when the dialog moves to a monitor of
// another scale: the controls whose font the code never set (captions, combo boxes,
// lists) would otherwise keep the size of the DPI the dialog was created at.
#pragma once

#include <windows.h>

#include "kit/handles.h"

namespace kit {

class TemplateFont {
 public:
  // At WM_INITDIALOG: the dialog's font (WM_GETFONT), its face and height, and the DPI
  // the dialog manager made it at.  A dialog without a template font has nothing to follow.
  void remember(HWND dialog, int dpi);
  // At WM_DPICHANGED: every child of dialog still showing the template font gets it at
  // dpi (the dialog manager's own again at the DPI it was made at), redrawn; the font
  // made for the previous DPI is freed once no child shows it.
  void follow_dpi(HWND dialog, int dpi);
  // The template font the controls show now; null when the dialog has none.
  HFONT current() const { return remade_ ? remade_.get() : made_by_template_; }
  // Whether a font of this object's own stands in for the dialog manager's.
  bool remade() const { return static_cast<bool>(remade_); }
  // At WM_NCDESTROY: the children are gone, so is what they showed.
  void forget();

 private:
  HFONT made_by_template_ = nullptr;  // the dialog manager's: it frees it
  LOGFONTW face_{};
  int made_at_dpi_ = 0;
  UniqueFont remade_;
};

}  // namespace kit
