// Page 1 of the decision wizard: the background of the decision, one free text.  Next
// takes the text into the wizard decision; there is no Back.
#pragma once

#include "decision/wizard/wizard_page.h"

namespace decision {

class WizardBackgroundStep : public WizardPage {
 public:
  WizardBackgroundStep(HINSTANCE module, Decision& decision);

 protected:
  bool on_page_init() override;
  void on_next_clicked() override;
};

}  // namespace decision
