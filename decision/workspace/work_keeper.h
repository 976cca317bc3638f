// WorkKeeper: what keeps the user's work in decision's main window.  The question before
// a decision with unsaved changes is replaced or closed, Save through the save dialog
// and the failures' messages, the undo and redo items of the system menu, the window's
// keys (undo, redo and the command column's), and at start the offer of a decision a
// run that did not end left behind.  The rules are the session's; this asks and shows.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>

#include "decision/workspace/decision_session.h"
#include "kit/dialog_keys.h"

namespace decision {

class WorkKeeper {
 public:
  explicit WorkKeeper(DecisionSession& session) : session_(session) {}

  // Adds undo and redo to window's system menu above the About item, and the keys.
  void attach(HWND window);
  void detach();

  // Before the decision is replaced or the program ends: asks when there are unsaved
  // changes.  True when the action may go on (saved, or not to be saved).
  bool may_discard();
  // Open's dialog: true with the chosen path.
  bool choose_file_to_open(std::filesystem::path& path) const;
  // Save's dialog proposing the decision's name, then the save: true when saved.
  bool save_with_dialog();
  // Saves to path; the title follows, a failure's message says why.
  int save_to(const std::filesystem::path& path);
  // Told the full path of every file a save wrote.
  void on_saved(std::function<void(const std::filesystem::path&)> listener) { saved_ = std::move(listener); }
  // A failed file operation's message; returns the code.
  int show_failure(int dec_result) const;
  // Greys undo and redo when there is nothing to walk to.
  void update_menu() const;
  // Asks about each decision a run left behind until one is restored (true) or none is
  // left; the ones refused are removed.
  bool offer_left_over();

 private:
  DecisionSession& session_;
  HWND window_ = nullptr;
  kit::DialogKeys keys_;
  std::function<void(const std::filesystem::path&)> saved_;
};

}  // namespace decision
