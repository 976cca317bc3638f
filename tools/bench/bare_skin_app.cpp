// bare_skin.exe: the yardstick of the start-up benchmark, the least a skinned window
// does.  A dialog of a main window's client size that reads its background picture
// from the working folder and blits it at every paint (fresh_picture.h), and nothing else.  facelore's
// by default; BENCH_BACKGROUND_FILE, BENCH_CLIENT_WIDTH and BENCH_CLIENT_HEIGHT give
// another program's picture and size.
//
// Built a second time with BENCH_TEMPLATE_HEADER and BENCH_TEMPLATE_ID naming a
// product's main window template (and the product's resources linked in), the same
// program shows that template's controls as the platform makes them, with no code of
// the product: what the controls alone cost, between the yardstick and the product.
// BENCH_LAYOUT_HEADER, BENCH_PLACEMENTS and BENCH_BUTTONS name the product's placement
// and button tables: the controls then sit where the product puts them, at every DPI.
// Window and picture are scaled to the window's DPI as the product's are.
#include <windows.h>

#include "kit/geometry.h"
#include "tools/bench/fresh_picture.h"
#ifdef BENCH_LAYOUT_HEADER
#include BENCH_LAYOUT_HEADER
#endif
#ifdef BENCH_TEMPLATE_HEADER
#include BENCH_TEMPLATE_HEADER
#else
#include "tools/bench/bare_skin_ids.h"
#define BENCH_TEMPLATE_ID IDD_BARE_SKIN
#endif

namespace {

#ifndef BENCH_BACKGROUND_FILE
#define BENCH_BACKGROUND_FILE "gr.bmp"
#define BENCH_CLIENT_WIDTH 794
#define BENCH_CLIENT_HEIGHT 570
#endif

constexpr char kBackgroundFile[] = BENCH_BACKGROUND_FILE;
constexpr int kClientWidth = BENCH_CLIENT_WIDTH;
constexpr int kClientHeight = BENCH_CLIENT_HEIGHT;

// The template's dialog units give some size; the picture decides the real one.
void lay_out(HWND dialog) {
  kit::fit_client_area(dialog, kClientWidth, kClientHeight);
#ifdef BENCH_PLACEMENTS
  kit::place_controls(dialog, BENCH_PLACEMENTS);
  for (const kit::SkinButtonRow& row : BENCH_BUTTONS) kit::place_control(dialog, row.id, row.place);
#endif
}

INT_PTR CALLBACK dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      lay_out(dialog);
      return TRUE;
    case WM_PAINT:
      bench::paint_picture_afresh(dialog, kBackgroundFile, kClientWidth, kClientHeight);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(BENCH_TEMPLATE_ID), nullptr, dialog_proc, 0));
}
