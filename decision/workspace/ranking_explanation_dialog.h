// The ranking explanation dialog: why the ranking is what it is.  A bar chart of every
// alternative's total, drawn at each paint (the best in the green of the best band, the
// worst in its grey, the others in blue, negative totals left of the zero line), the
// sentences on the lead and on the smallest change that would overturn it, and the
// results that weigh most in the leading alternatives' totals.  OK, the close button
// and Esc close it; it drags by its background.
#pragma once

#include <windows.h>

#include <string>

#include "decision/document/decision.h"
#include "decision/document/ranking_explanation.h"
#include "kit/bitmap_edit.h"
#include "kit/handles.h"
#include "kit/skinned_dialog.h"

namespace decision {

class RankingExplanationDialog : public kit::SkinnedDialog {
 public:
  // module holds the template and the pictures.  The dialog explains a copy of
  // decision, its totals computed afresh.
  RankingExplanationDialog(HINSTANCE module, const Decision& decision);

  // run(owner) runs it modally, centred over owner; it returns IDOK (or IDCANCEL for Esc).

 protected:
  bool on_init_dialog() override;
  void lay_out_at_dpi() override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  // The texts of the two boxes, GBK: the sentences on the ranking, and one line per
  // leading alternative naming its weightiest results.
  std::string sentences_text() const;
  std::string weightiest_text() const;
  std::string weightiest_line(int alternative) const;
  void set_up_text_box(kit::BitmapEdit& box, int id, int picture, const std::string& text);
  void on_chart_drawn(const DRAWITEMSTRUCT& item);
  void draw_chart(HDC dc, const RECT& area);

  Decision decision_;
  RankingExplanation explanation_;
  kit::UniqueFont text_font_;
  kit::UniqueFont chart_font_;
  kit::BitmapEdit sentences_box_;
  kit::BitmapEdit weightiest_box_;
};

}  // namespace decision
