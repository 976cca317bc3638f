// The trap panel: a child window a wizard page hosts, with one button per decision
// trap.  A page alerts the traps its last action is prone to, and their buttons blink:
// hidden and shown twice, 350 ms per phase, ending shown.  Alerts that arrive while a
// blink runs are ignored, so runs never overlap.  A click on a trap's button explains
// the trap in the trap dialog, modally.  A trap has no window on the panel but its
// button: a blink hides and shows the buttons only.
//
// The panel object may outlive its window (a page that closes takes the panel's window
// with it): created again on the next page, it goes on with a blink still running.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "decision/document/traps.h"
#include "kit/dialog.h"
#include "kit/skin_button.h"

namespace decision {

class TrapPanel : public kit::Dialog {
 public:
  // The replace form blinks only the given traps; the add form blinks them together
  // with those marked by earlier alerts.
  enum class AlertForm { Replace, Add };

  static constexpr UINT kBlinkPeriodMilliseconds = 350;
  static constexpr int kBlinkTicks = 5;

  // module holds the template, the pictures and the trap texts.
  explicit TrapPanel(HINSTANCE module);

  // Creates the panel, visible, as a child of parent at parent's top-left corner (the
  // host moves it to its place); returns its window, or null.
  HWND create(HWND parent);

  // Marks the given traps (numbers outside 1..10 are ignored) and starts a blink run,
  // unless one is running: then nothing at all happens.
  void alert_traps(std::initializer_list<int> traps, AlertForm form);

  // State, for the host and for tests.
  bool running() const { return running_; }
  // The number of the next tick of the run, 1..kBlinkTicks.
  int tick() const { return tick_; }
  // Whether trap n blinks in the current or the next run (marks stay after a run until
  // the next replace-form alert).
  bool blinks(int n) const { return n >= 1 && n <= kTrapCount && blink_[n]; }
  // The two texts the trap dialog shows for trap n (GBK).
  const std::string& heading(int n) const { return heading_[n >= 1 && n <= kTrapCount ? n : 1]; }
  const std::string& body(int n) const { return body_[n >= 1 && n <= kTrapCount ? n : 1]; }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  void on_destroy() override;

 private:
  void load_texts();
  void set_up_buttons();
  void show_marked_buttons(bool shown);
  void on_blink_tick();
  void on_trap_clicked(int button_id);

  HINSTANCE module_;
  // Slot 0 is never used: index n is trap n.
  std::string heading_[kTrapCount + 1];
  std::string body_[kTrapCount + 1];
  bool blink_[kTrapCount + 1] = {};
  bool running_ = false;
  int tick_ = 1;
  kit::SkinButton buttons_[kTrapCount];  // index i: IDC_TRAP_BUTTON_1 + i
};

}  // namespace decision
