// Page 2 of the decision wizard: how many alternatives (2 to 9) and their names.  A
// lowered count keeps the dropped names in the decision, so raising it again shows
// them; the rows not in use are covered by the blank band.  Choosing a count alerts the
// framing, status-quo and anchoring traps; naming an alternative the structure trap.
#pragma once

#include "decision/wizard/wizard_page.h"

namespace decision {

class WizardAlternativesStep : public WizardPage {
 public:
  WizardAlternativesStep(HINSTANCE module, Decision& decision, TrapPanel& traps);

 protected:
  bool on_page_init() override;
  bool on_page_command(int id, int code) override;
  void paint_page(HDC dc) override;

 private:
  void fill_count_list();
  RowText row_texts();
  void show_rows(int first, int last);
  void on_count_changed();
  void on_name_focused(int row);
};

}  // namespace decision
