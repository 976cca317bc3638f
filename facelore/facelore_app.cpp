// facelore.exe: the application object runs the main window modally; the program ends
// when it closes.
#include <windows.h>

#include "kit/dialog.h"
#include "kit/text/wide.h"
#include "res/resource_ids.h"

namespace {

constexpr char kTitle[] = "相缘通 V3.2";

INT_PTR CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      kit::set_window_text(window, kTitle);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDCANCEL) EndDialog(window, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

struct FaceloreApp {
  int run(HINSTANCE instance) {
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_FACELORE_MAIN), nullptr,
                                            main_window_proc, 0));
  }
};

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  kit::start_program();
  FaceloreApp app;
  return app.run(instance);
}
