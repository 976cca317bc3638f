// decision.exe: the application object runs the main window modally; the program ends
// when it closes.
#include <windows.h>

#include "document/decision.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "kit/this_process.h"
#include "res/resource_ids.h"
#include "workspace/decision_dialog_layout.h"

namespace {

namespace layout = decision::main_window_layout;

constexpr char kTitleNoDecision[] = "择优宝 V1.2 — 当前未有决策";

INT_PTR CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      kit::set_window_text(window, kTitleNoDecision);
      kit::fit_client_area(window, layout::kClientWidth, layout::kClientHeight);
      return TRUE;
    case WM_PAINT:
      kit::paint_skin_background(window, layout::kBackgroundFile, layout::kClientWidth,
                                 layout::kClientHeight);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDCANCEL) EndDialog(window, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

// The two decisions live for the whole run, as plain members of the application.
struct DecisionApp {
  decision::Decision current;
  decision::Decision wizard;

  int run(HINSTANCE instance) {
    decision::reset_decision(current);
    decision::reset_decision(wizard);
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_DECISION_MAIN), nullptr,
                                            main_window_proc, 0));
  }
};

static DecisionApp app;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  kit::set_up_this_process();
  return app.run(instance);
}
