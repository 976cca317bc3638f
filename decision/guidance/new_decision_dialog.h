// The new-decision chooser: three ways to begin a decision (blank with 2 to 9
// alternatives, from a worked case, or with the wizard), each an option button with a
// picture, and a band under them that describes the way chosen.  It only answers which
// way and how many alternatives; the main window does the rest.
#pragma once

#include <windows.h>

#include "kit/skinned_dialog.h"

namespace decision {

// How a new decision begins; the numbers are the chooser's mode values.
enum NewDecisionMode : int {
  kStartWithWizard = 1,
  kStartFromCase = 2,
  kStartBlank = 3,
};

class NewDecisionDialog : public kit::SkinnedDialog {
 public:
  // module holds the template and the pictures (the program itself).
  explicit NewDecisionDialog(HINSTANCE module);

  // run(owner) runs the chooser modally: IDOK with mode() and count(), or IDCANCEL.
  // create(owner) makes it modeless (visible); OK and Cancel destroy the window.

  // Whether the wizard is offered (its option is disabled when not); set before run.
  void offer_wizard(bool offered) { wizard_offered_ = offered; }

  // The way chosen; kStartBlank until another is chosen.
  NewDecisionMode mode() const { return mode_; }
  // The number of alternatives of a blank decision: set by OK in kStartBlank mode
  // only, 0 otherwise.
  int count() const { return count_; }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  void on_ok_clicked() override;
  void on_paint() override;

 private:
  void fill_count_list();
  void on_option_clicked(NewDecisionMode mode);
  void show_mode();

  bool wizard_offered_ = true;
  NewDecisionMode mode_ = kStartBlank;
  int count_ = 0;
};

}  // namespace decision
