// What every page of the decision wizard does alike: it is a modal page of the size of
// its picture, without a caption, dragged by its background; it ends in a direction
// (Next, Back or Cancel) that the wizard reads after it has closed; pages 2 to 4 host
// the wizard's trap panel in their side area (a tab control with one tab) and alert
// the traps their actions are prone to; names and results are typed in the small
// input box, opened over the field that was clicked.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "decision/document/decision.h"
#include "decision/wizard/trap_panel.h"
#include "decision/wizard/wizard_page_layout.h"
#include "kit/skinned_dialog.h"

namespace decision {

enum class WizardMove { Next, Back, Cancel };

class WizardPage : public kit::SkinnedDialog {
 public:
  // Runs the page modally over owner; move() then tells how it ended.
  INT_PTR run(HWND owner);
  // Creates the page modeless and visible (tests drive it so); ending destroys it.
  HWND create(HWND owner);

  WizardMove move() const { return move_; }
  int step() const { return step_; }

 protected:
  // traps is null on page 1, which has no side area.
  WizardPage(HINSTANCE module, Decision& decision, TrapPanel* traps, int template_id, const char* picture_file,
             int step);

  Decision& decision() { return decision_; }
  TrapPanel* traps() { return traps_; }

  void alert_traps(std::initializer_list<int> traps, TrapPanel::AlertForm form);
  // Records the direction and closes the page.
  void leave(WizardMove move);
  void show_back_pictures(WORD hover, WORD normal);
  void show_next_pictures(WORD hover, WORD normal);

  // Opens the small input box over the control id, preset with preset (the
  // placeholder opens it empty).  True, with the typed text, when it closed with OK.
  bool ask_text(int id, std::string_view preset, std::string& typed);

  // The page's own parts of the handlers below.  on_page_init returns whether it set
  // the focus itself (otherwise the first control takes it).
  virtual bool on_page_init() { return false; }
  virtual bool on_page_command(int /*id*/, int /*code*/) { return false; }
  virtual void on_next_clicked() { leave(WizardMove::Next); }
  virtual void on_back_clicked() { leave(WizardMove::Back); }
  // Paints the page picture; pages add what covers it.
  virtual void paint_page(HDC dc);
  // Lays the blank band over the rows of rows past the first count.
  void paint_blank_rows(HDC dc, const wizard_page_layout::RowBand& rows, int count);

  // The page's text rows, one box each from first_id on: rows first..last show
  // text_of(row), the rows after last are hidden.
  using RowText = std::function<const std::string&(int row)>;
  void show_text_rows(int first_id, int first, int last, const RowText& text_of);
  // The row count went from old_count to new_count: the rows follow, and the blank band
  // is repainted from the higher of its two places down, so its note moves with it.
  void change_row_count(const wizard_page_layout::RowBand& rows, int first_id, int old_count, int new_count,
                        const RowText& text_of);
  // A row's text is never typed in the row: the focus goes on to Next and the small
  // input box opens over the row box id.  On OK text and the row take what was typed.
  void edit_row_text(int id, std::string& text);

  bool on_init_dialog() final;
  bool on_command(int id, int code, HWND control) final;
  void on_paint() final;

 private:
  void set_up_side_area();

  Decision& decision_;
  TrapPanel* traps_;
  int step_;
  WizardMove move_ = WizardMove::Cancel;
};

}  // namespace decision
