// decision_repaint.exe: times full repaints of decision's main window against the least
// a repaint of it can cost, one load-and-blit of its background picture.
//
// The window is made modeless, given nine alternatives of nine results with long texts,
// refreshed and repainted (everything: the background, every child, erased and painted
// before RedrawWindow returns).  The yardstick loads "gr.gr" from the working folder
// and blits it to the window, as the background paint does.  A second main window, as
// it starts with no decision, is repainted beside it.  All are interleaved, so a slow
// spell of the machine hits them alike.  Runs in the folder the pictures are painted into; prints
// min, median and max in milliseconds and the ratio of medians.
//
// To tell where a repaint's time goes, the nine-by-nine window is also repainted in
// parts (the window without its children, then its children of each class one by one),
// and the main window's template is repainted as the platform makes it, every control
// shown, with no code of the program (a dialog that only blits the background).
//
//   decision_repaint [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tools/bench/bench_clock.h"
#include "tools/bench/fresh_picture.h"
#include "decision/document/dec_format.h"
#include "decision/document/decision.h"
#include "kit/dpi.h"
#include "kit/handles.h"
#include "kit/geometry.h"
#include "kit/testing/pump.h"
#include "kit/testing/screenshot.h"
#include "kit/this_process.h"
#include "tools/bench/long_decision.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/decision_dialog.h"
#include "decision/workspace/decision_dialog_layout.h"

namespace {

namespace lay = decision::main_window_layout;

constexpr DWORD kSettleMs = 500;  // the window's first paints and the logo's first frame
constexpr UINT kFullRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

// Messages are not handled between the timed calls, so no timer (the logo's) runs
// among them; RDW_UPDATENOW paints inside the call.
double time_repaint(HWND window) {
  const double start = now_ms();
  RedrawWindow(window, nullptr, nullptr, kFullRepaint);
  GdiFlush();
  return now_ms() - start;
}

// The window's own erase and paint, no child.
double time_window_alone(HWND window) {
  const double start = now_ms();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  return now_ms() - start;
}

double time_children(const std::vector<HWND>& children) {
  const double start = now_ms();
  for (HWND child : children) RedrawWindow(child, nullptr, nullptr, kFullRepaint);
  GdiFlush();
  return now_ms() - start;
}

// The visible children of window by class name.
std::map<std::string, std::vector<HWND>> children_by_class(HWND window) {
  std::map<std::string, std::vector<HWND>> classes;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    classes[name].push_back(child);
  }
  return classes;
}

// A window's repaint in parts: the window alone, then its visible children class by
// class, each child repainted on its own.
struct RepaintParts {
  HWND window = nullptr;
  std::map<std::string, std::vector<HWND>> classes;
  std::vector<double> alone;
  std::map<std::string, std::vector<double>> by_class;

  explicit RepaintParts(HWND of) : window(of), classes(children_by_class(of)) {}

  void time_once() {
    alone.push_back(time_window_alone(window));
    for (const auto& [name, children] : classes) by_class[name].push_back(time_children(children));
  }
};

// The main window's template with no code of the program: the background blitted at
// every paint, the controls as the platform draws them (show_as shows the same ones as
// the program's window).
INT_PTR CALLBACK template_only_proc(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // Sized and placed as the program's window, at its DPI.
      kit::fit_client_area(dialog, lay::kClientWidth, lay::kClientHeight);
      kit::place_controls(dialog, lay::kPlacements);
      for (const kit::SkinButtonRow& row : lay::kButtons) kit::place_control(dialog, row.id, row.place);
      return TRUE;
    case WM_PAINT:
      bench::paint_picture_afresh(dialog, lay::kBackgroundFile, lay::kClientWidth, lay::kClientHeight);
      return TRUE;
  }
  return FALSE;
}

// Shows the children of bare that model shows, and hides the others.
void show_as(HWND bare, HWND model) {
  for (HWND child = GetWindow(bare, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ShowWindow(child, IsWindowVisible(GetDlgItem(model, GetDlgCtrlID(child))) ? SW_SHOW : SW_HIDE);
}

double time_load_and_blit(HWND window) {
  const double start = now_ms();
  {
    kit::WindowDc dc(window);
    bench::draw_picture_afresh(dc.get(), lay::kBackgroundFile, lay::kClientWidth, lay::kClientHeight,
                               kit::window_dpi(window));
    GdiFlush();
  }
  return now_ms() - start;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void print_row(const char* name, const std::vector<double>& times, double yardstick) {
  const auto [low, high] = std::minmax_element(times.begin(), times.end());
  const double middle = median(times);
  std::printf("%-22s %5zu %8.2f %8.2f %8.2f %8.2f\n", name, times.size(), *low, middle, *high, middle / yardstick);
}

// Every cell shows, so the repaint below is the full window's.
bool shows_nine_cells(HWND window) {
  for (int id : lay::kCellIds)
    if (!IsWindowVisible(GetDlgItem(window, id))) return false;
  return true;
}

void print_parts(const RepaintParts& parts, double yardstick) {
  std::printf("  of which, one by one:\n");
  print_row("  window, no child", parts.alone, yardstick);
  for (const auto& [name, times] : parts.by_class) {
    const std::string label = "  " + std::to_string(parts.classes.at(name).size()) + " " + name;
    print_row(label.c_str(), times, yardstick);
  }
}

// Puts window at left, top of the screen (no window covers another's client area).
void move_to(HWND window, int left) {
  SetWindowPos(window, nullptr, left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
  if (runs < 1) return 2;
  kit::set_up_this_process();
  const HINSTANCE module = GetModuleHandleW(nullptr);

  // Three windows side by side: the main window with nine alternatives, the main window
  // with no decision, and the bare template.
  decision::DecisionSession full_session;
  decision::DecisionSession empty_session;
  decision::Decision wizard;
  decision::reset_decision(wizard);
  decision::DecisionDialog full_dialog(module, full_session, wizard);
  decision::DecisionDialog empty_dialog(module, empty_session, wizard);
  HWND full = full_dialog.create(nullptr);
  HWND empty = empty_dialog.create(nullptr);
  HWND bare = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_DECISION_MAIN), nullptr, template_only_proc, 0);
  if (!full || !empty || !bare) {
    std::fprintf(stderr, "cannot create the windows\n");
    return 1;
  }
  ShowWindow(bare, SW_SHOW);
  RECT frame{};
  GetWindowRect(full, &frame);
  const int pitch = frame.right - frame.left + 8;
  move_to(full, 0);
  move_to(empty, pitch);
  move_to(bare, 2 * pitch);
  // The long decision comes in as a case would, after the window has started.
  decision::Decision long_decision;
  decision::reset_decision(long_decision);
  decision::bench::fill_long_decision(long_decision);
  if (full_session.start_from_case(decision::write_decision_text(long_decision), "long.dec") != decision::kDecOk) {
    std::fprintf(stderr, "the long decision does not read\n");
    return 1;
  }
  full_dialog.refresh();
  show_as(bare, full);
  kit::testing::pump(kSettleMs);
  if (!shows_nine_cells(full)) {
    std::fprintf(stderr, "the main window does not show the nine alternatives\n");
    DestroyWindow(full);
    DestroyWindow(empty);
    DestroyWindow(bare);
    return 1;
  }
  kit::testing::save_screenshot(full, "decision-repaint-9x9.bmp");
  kit::testing::save_screenshot(bare, "decision-repaint-template.bmp");

  RepaintParts full_parts(full);
  RepaintParts bare_parts(bare);
  std::vector<double> blits, full_times, empty_times, bare_times;
  // Interleaved, one untimed round first.
  for (int run = 0; run <= runs; ++run) {
    const double blit = time_load_and_blit(full);
    const double repaint = time_repaint(full);
    const double repaint_empty = time_repaint(empty);
    const double repaint_bare = time_repaint(bare);
    if (run == 0) continue;
    blits.push_back(blit);
    full_times.push_back(repaint);
    empty_times.push_back(repaint_empty);
    bare_times.push_back(repaint_bare);
    full_parts.time_once();
    bare_parts.time_once();
  }
  const int dpi = kit::window_dpi(full);
  DestroyWindow(full);
  DestroyWindow(empty);
  DestroyWindow(bare);
  kit::testing::pump(0);

  const double yardstick = median(blits);
  std::printf("\ndecision's main window at %d DPI (%d %%)\n", dpi, dpi * 100 / kit::kBaseDpi);
  std::printf("%-22s %5s %8s %8s %8s %8s\n", "decision window", "runs", "min ms", "median", "max ms", "ratio");
  print_row("load+blit gr.gr", blits, yardstick);
  print_row("repaint, 9 x 9 long", full_times, yardstick);
  print_parts(full_parts, yardstick);
  print_row("template only, shown", bare_times, yardstick);
  print_parts(bare_parts, yardstick);
  print_row("repaint, no decision", empty_times, yardstick);
  std::printf("(ms per full repaint of the main window, RedrawWindow with every child painted\n"
              " before it returns; ratio: median over the median of one LoadImage and BitBlt\n"
              " of the background picture to the window; \"of which\": the window alone and\n"
              " its visible children of each class repainted one by one; template only: the\n"
              " window's template with the same controls shown, none of the program's code;\n"
              " no decision: the main window as it starts)\n");
  std::printf("full repaint over template-only repaint at %d DPI: %.2f\n", dpi,
              median(full_times) / median(bare_times));
  return 0;
}
