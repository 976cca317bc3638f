// A report-view list whose columns are declared in one text ("title,width;title,width"),
// whose rows are appended with one call carrying every column's text, and whose cells
// it draws itself: per-cell text and background colours captured when the row was
// added, the selection colours for selected rows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "kit/control.h"

namespace kit {

class ReportListCtrl : public Control {
 public:
  // What each row carries as its item data; owned by the control.
  struct RowData {
    RowData();
    ~RowData();
    RowData(const RowData&) = delete;
    RowData& operator=(const RowData&) = delete;

    std::vector<std::string> texts;  // the cell texts as appended
    std::vector<COLORREF> text_colors;
    std::vector<COLORREF> back_colors;
  };

  ReportListCtrl();

  // Appends one column per "title,width" pair of the text (pairs separated by
  // ";", width read as by atoi, in layout pixels scaled to the window's DPI).  Returns
  // false as soon as a column cannot be inserted.
  bool define_columns(std::string_view columns);
  // The columns take their widths at the window's DPI again (after a DPI change).
  void lay_out_columns();

  // Appends a row with one text per declared column, in column order; exactly
  // column_count() texts are read (missing ones count as empty, extra ones are not
  // read).  Returns the new row's index, or -1 when no row could be inserted.
  int append_row(std::initializer_list<std::string_view> texts);
  int append_row(const std::vector<std::string>& texts);

  int column_count() const { return column_count_; }
  COLORREF default_text_color() const { return default_text_color_; }
  COLORREF default_back_color() const { return default_back_color_; }
  COLORREF selected_back_color() const { return selected_back_color_; }
  COLORREF selected_text_color() const { return selected_text_color_; }

  // The record of row, or null when it has none.
  const RowData* row_data(int row) const;

  // RowData records alive in the process: lets a test see that none leaks.
  static int live_row_data();

 protected:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  int append_row_texts(const std::vector<std::string_view>& texts);
  LRESULT on_custom_draw(NMLVCUSTOMDRAW& draw);
  LRESULT draw_cell(NMLVCUSTOMDRAW& draw);
  void on_sys_color_change();
  void free_row(int row);
  void free_all_rows();
  LRESULT on_paint(UINT message, WPARAM wparam, LPARAM lparam);
  UINT cell_alignment(int column) const;
  std::wstring cell_text(int row, int column) const;

  int column_count_ = 0;
  std::vector<int> column_widths_;  // layout pixels
  COLORREF default_text_color_;
  COLORREF default_back_color_;
  COLORREF selected_back_color_;
  COLORREF selected_text_color_;
};

}  // namespace kit
