// The decision wizard (see decision_wizard.h).
#include "decision/wizard/decision_wizard.h"

#include "decision/wizard/wizard_alternatives_step.h"
#include "decision/wizard/wizard_background_step.h"
#include "decision/wizard/wizard_rating_step.h"
#include "decision/wizard/wizard_results_step.h"

namespace decision {

bool DecisionWizard::run(HWND owner) {
  int page = 1;
  WizardMove entered_by = WizardMove::Next;
  for (;;) {
    const WizardMove move = run_page(page, entered_by, owner);
    if (move == WizardMove::Cancel) break;
    if (move == WizardMove::Next && page == kPageCount) {
      page_ = 0;
      return true;
    }
    page += move == WizardMove::Next ? 1 : -1;
    if (page < 1) page = 1;  // page 1 has no Back
    entered_by = move;
  }
  page_ = 0;
  return false;
}

// A page that could not be made ends the wizard as a cancel does.
WizardMove DecisionWizard::run_page(int page, WizardMove entered_by, HWND owner) {
  page_ = page;
  auto run = [owner](WizardPage& step) { return step.run(owner) < 0 ? WizardMove::Cancel : step.move(); };
  switch (page) {
    case 1: {
      WizardBackgroundStep step(module_, decision_);
      return run(step);
    }
    case 2: {
      WizardAlternativesStep step(module_, decision_, traps_);
      return run(step);
    }
    case 3: {
      WizardResultsStep step(module_, decision_, traps_, entered_by);
      return run(step);
    }
    case 4: {
      WizardRatingStep step(module_, decision_, traps_, entered_by);
      return run(step);
    }
  }
  return WizardMove::Cancel;
}

}  // namespace decision
