// Page 3 of the decision wizard: the results of each alternative in turn.  Next and
// Back walk through the alternatives and leave the page past the last or the first;
// the page opens at the first alternative when entered forward and at the last when
// entered back from page 4.  Choosing a count alerts the overconfidence, memory,
// framing and anchoring traps; typing a result the structure trap.
#pragma once

#include "decision/wizard/wizard_page.h"

namespace decision {

class WizardResultsStep : public WizardPage {
 public:
  WizardResultsStep(HINSTANCE module, Decision& decision, TrapPanel& traps, WizardMove entered_by);

  int alternative() const { return alternative_; }

 protected:
  bool on_page_init() override;
  bool on_page_command(int id, int code) override;
  void on_next_clicked() override;
  void on_back_clicked() override;
  void paint_page(HDC dc) override;

 private:
  Alternative& current() { return decision().alternatives[alternative_]; }
  void show_alternative();
  RowText row_texts();
  void show_rows(int first, int last);
  void on_count_changed();
  void on_result_focused(int row);

  int alternative_;
};

}  // namespace decision
