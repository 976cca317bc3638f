// The decision wizard: runs its four pages (background, alternatives, results, rating)
// one after the other on the decision it is given, each page modal over the owner,
// following the direction each page ends with.  It is no window itself: it keeps the
// trap panel, which every page from the second on hosts, so a blink goes on across a
// page change.
//
//   DecisionWizard wizard(module, wizard_decision);
//   if (wizard.run(owner)) use(wizard_decision);   // page 4 ended with Next
//
// The wizard does not reset the decision: a new decision is reset by its caller.
#pragma once

#include <windows.h>

#include "decision/document/decision.h"
#include "decision/wizard/trap_panel.h"
#include "decision/wizard/wizard_page.h"

namespace decision {

class DecisionWizard {
 public:
  static constexpr int kPageCount = 4;

  DecisionWizard(HINSTANCE module, Decision& decision) : module_(module), decision_(decision), traps_(module) {}
  DecisionWizard(const DecisionWizard&) = delete;
  DecisionWizard& operator=(const DecisionWizard&) = delete;

  // Runs the pages from page 1.  True when page 4 finished with Next, false when a
  // page was cancelled (what the pages stored stays in the decision).
  bool run(HWND owner);

  // The page running now (1..4), 0 when none runs; for tests.
  int page() const { return page_; }
  TrapPanel& traps() { return traps_; }

 private:
  WizardMove run_page(int page, WizardMove entered_by, HWND owner);

  HINSTANCE module_;
  Decision& decision_;
  TrapPanel traps_;
  int page_ = 0;
};

}  // namespace decision
