// Page 4 of the decision wizard: a probability and a value for every result, pair by
// pair (alternative by alternative, result by result), and the evaluation method.
// Next past the last pair finishes the wizard; Back before the first returns to page
// 3.  Showing a pair alerts the traps of judging it; a pick on a scale those of the
// pick.  The method switch changes base_of and the picture only.
#pragma once

#include "decision/input/scale_bar.h"
#include "decision/wizard/wizard_page.h"

namespace decision {

class WizardRatingStep : public WizardPage {
 public:
  // The page opens at the first pair when entered forward, at the last when entered
  // back (it is the last page, so only a caller that starts it so does that).
  WizardRatingStep(HINSTANCE module, Decision& decision, TrapPanel& traps, WizardMove entered_by);

  int alternative() const { return alternative_; }
  int result() const { return result_; }
  const ScaleBar& probability_bar() const { return probability_bar_; }
  const ScaleBar& value_bar() const { return value_bar_; }

 protected:
  bool on_page_init() override;
  bool on_page_command(int id, int code) override;
  void on_next_clicked() override;
  void on_back_clicked() override;
  void paint_page(HDC dc) override;

 private:
  Alternative& current() { return decision().alternatives[alternative_]; }
  bool at_first_pair() const { return alternative_ == 1 && result_ == 1; }
  bool at_last_pair();
  void show_pair();
  void show_probability();
  void show_value();
  void show_method_switch();
  void on_probability_clicked(int position);
  void on_value_clicked(int position);
  void on_method_clicked();

  int alternative_;
  int result_;
  ScaleBar probability_bar_;
  ScaleBar value_bar_;
  kit::SkinButton method_switch_;
};

}  // namespace decision
