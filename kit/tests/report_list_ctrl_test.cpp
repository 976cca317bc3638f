// ReportListCtrl in a real dialog: the column declaration text, appended rows and their
// records, and the cells it draws (read back from the screen, or drawn into a canvas
// through the same notification the list sends).
#include "kit/report_list_ctrl.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "kit/tests/controls_test_support.h"
#include "kit/dialog.h"
#include "kit/testing/pixels.h"
#include "kit/testing/window_test.h"
#include "kit/text/wide.h"

namespace {

using kit::ReportListCtrl;
using kit::testing::Pixels;

constexpr COLORREF kUntouched = RGB(255, 0, 255);

class ListTest : public kit::testing::WindowTest {
 protected:
  static void SetUpTestSuite() { kit_test::start_once(); }

  void SetUp() override {
    dialog_ = kit::make_dialog<kit::Dialog>();
    ASSERT_NE(dialog_->create_modeless(GetModuleHandleW(nullptr), IDD_LIST_TEST, nullptr), nullptr);
    list_ = std::make_unique<ReportListCtrl>();
    ASSERT_TRUE(list_->bind(dialog_->hwnd(), IDC_LIST));
  }
  void TearDown() override {
    dialog_.reset();
    list_.reset();
    WindowTest::TearDown();
  }

  int header_count() const {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list_->hwnd(), LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  }
  LVCOLUMNW column(int index, std::wstring& title) const {
    title.assign(64, L'\0');
    LVCOLUMNW c{};
    c.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    c.pszText = title.data();
    c.cchTextMax = 64;
    SendMessageW(list_->hwnd(), LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&c));
    title.resize(wcslen(title.c_str()));
    return c;
  }
  std::string item_text(int row, int column) const {
    wchar_t buffer[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 128;
    SendMessageW(list_->hwnd(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return kit::to_gbk(buffer);
  }
  RECT cell_rect(int row, int column) const {
    RECT r{};
    r.top = column;
    r.left = LVIR_BOUNDS;
    SendMessageW(list_->hwnd(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  void select(int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(list_->hwnd(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
  }
  // Asks the control to draw one cell into canvas, as the list does while it paints.
  LRESULT draw_cell_into(Pixels& canvas, int row, int column) {
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(list_->hwnd(), WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(canvas.dc(), font) : nullptr;
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = list_->hwnd();
    draw.nmcd.hdr.idFrom = IDC_LIST;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    draw.nmcd.hdc = canvas.dc();
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    draw.iSubItem = column;
    LRESULT answer = SendMessageW(dialog_->hwnd(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&draw));
    if (previous) SelectObject(canvas.dc(), previous);
    return answer;
  }
  std::unique_ptr<Pixels> list_canvas() const {
    RECT client{};
    GetClientRect(list_->hwnd(), &client);
    auto canvas = std::make_unique<Pixels>(client.right, client.bottom);
    canvas->fill(kUntouched);
    return canvas;
  }

  kit::DialogPtr<kit::Dialog> dialog_;
  std::unique_ptr<ReportListCtrl> list_;
};

// Counts, inside r, pixels different from color.
int pixels_unlike(const Pixels& canvas, const RECT& r, COLORREF color) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (canvas.at(x, y) != color) ++n;
  return n;
}

// The darkest pixel inside r (smallest channel sum).
COLORREF darkest(const Pixels& canvas, const RECT& r) {
  COLORREF best = RGB(255, 255, 255);
  int best_sum = 3 * 255;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      COLORREF c = canvas.at(x, y);
      int sum = GetRValue(c) + GetGValue(c) + GetBValue(c);
      if (sum < best_sum) best_sum = sum, best = c;
    }
  return best;
}

bool near_color(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// ---- columns ---------------------------------------------------------------------------

TEST_F(ListTest, TwoPairsGiveTwoLeftAlignedColumns) {
  EXPECT_TRUE(list_->define_columns("案例序号,95;案例标题,330"));
  EXPECT_EQ(list_->column_count(), 2);
  ASSERT_EQ(header_count(), 2);
  std::wstring title;
  LVCOLUMNW first = column(0, title);
  EXPECT_EQ(kit::to_gbk(title), "案例序号");
  EXPECT_EQ(first.cx, 95);
  EXPECT_EQ(first.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  LVCOLUMNW second = column(1, title);
  EXPECT_EQ(kit::to_gbk(title), "案例标题");
  EXPECT_EQ(second.cx, 330);
  EXPECT_EQ(second.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
}

TEST_F(ListTest, OnePairWithOrWithoutTrailingSemicolonAndASecondCallAppends) {
  EXPECT_TRUE(list_->define_columns("标题,80"));
  EXPECT_EQ(header_count(), 1);
  EXPECT_TRUE(list_->define_columns("备注,40;"));
  EXPECT_EQ(header_count(), 2);
  EXPECT_EQ(list_->column_count(), 2);
  std::wstring title;
  EXPECT_EQ(column(0, title).cx, 80);
  EXPECT_EQ(column(1, title).cx, 40);
  EXPECT_EQ(kit::to_gbk(title), "备注");
}

TEST_F(ListTest, EmptySpecificationAddsNothing) {
  EXPECT_TRUE(list_->define_columns(""));
  EXPECT_TRUE(list_->define_columns(";"));
  EXPECT_EQ(list_->column_count(), 0);
  EXPECT_EQ(header_count(), 0);
}

TEST_F(ListTest, WidthIsReadAsLeadingDecimalNumber) {
  EXPECT_TRUE(list_->define_columns("名称,abc;大小,12px;空, "));
  ASSERT_EQ(header_count(), 3);
  std::wstring title;
  EXPECT_EQ(column(0, title).cx, 0);
  EXPECT_EQ(column(1, title).cx, 12);
  EXPECT_EQ(column(2, title).cx, 0);
}

// ---- rows ------------------------------------------------------------------------------

TEST_F(ListTest, AppendedRowsKeepTheirTextsAndTheDefaultColours) {
  ASSERT_TRUE(list_->define_columns("序号,60;标题,120"));
  EXPECT_EQ(list_->append_row({"1", "第一个案例"}), 0);
  EXPECT_EQ(list_->append_row(std::vector<std::string>{"2", "第二个案例"}), 1);
  EXPECT_EQ(item_text(1, 0), "2");
  EXPECT_EQ(item_text(1, 1), "第二个案例");
  const ReportListCtrl::RowData* data = list_->row_data(1);
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->texts.size(), 2u);
  EXPECT_EQ(data->texts[1], "第二个案例");
  EXPECT_EQ(data->text_colors, std::vector<COLORREF>(2, GetSysColor(COLOR_WINDOWFRAME)));
  EXPECT_EQ(data->back_colors, std::vector<COLORREF>(2, GetSysColor(COLOR_WINDOW)));
}

TEST_F(ListTest, ExactlyColumnCountTextsAreRead) {
  ASSERT_TRUE(list_->define_columns("序号,60;标题,120"));
  EXPECT_EQ(list_->append_row({"1"}), 0);
  EXPECT_EQ(list_->append_row({"2", "二", "多余"}), 1);
  EXPECT_EQ(list_->row_data(0)->texts, (std::vector<std::string>{"1", ""}));
  EXPECT_EQ(list_->row_data(1)->texts, (std::vector<std::string>{"2", "二"}));
}

TEST_F(ListTest, RowRecordsAreFreedWhenRowsGoAndWhenTheListIsDestroyed) {
  const int before = ReportListCtrl::live_row_data();
  ASSERT_TRUE(list_->define_columns("序号,60;标题,120"));
  for (const char* n : {"1", "2", "3", "4"}) list_->append_row({n, "标题"});
  EXPECT_EQ(ReportListCtrl::live_row_data(), before + 4);
  EXPECT_TRUE(SendMessageW(list_->hwnd(), LVM_DELETEITEM, 1, 0));
  EXPECT_EQ(ReportListCtrl::live_row_data(), before + 3);
  EXPECT_EQ(list_->row_data(1)->texts[0], "3");
  EXPECT_FALSE(SendMessageW(list_->hwnd(), LVM_DELETEITEM, 7, 0));
  EXPECT_EQ(ReportListCtrl::live_row_data(), before + 3);
  EXPECT_TRUE(SendMessageW(list_->hwnd(), LVM_DELETEALLITEMS, 0, 0));
  EXPECT_EQ(ReportListCtrl::live_row_data(), before);

  list_->append_row({"5", "标题"});
  list_->append_row({"6", "标题"});
  EXPECT_EQ(ReportListCtrl::live_row_data(), before + 2);
  dialog_.reset();
  EXPECT_EQ(ReportListCtrl::live_row_data(), before);
}

// ---- drawing ---------------------------------------------------------------------------

TEST_F(ListTest, SelectedRowIsDrawnInSelectionColoursWithOrWithoutFocus) {
  ASSERT_TRUE(list_->define_columns("序号,60;标题,120"));
  list_->append_row({"1", "第一"});
  list_->append_row({"2", "第二"});
  select(1);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  ASSERT_NE(highlight, window);

  auto check = [&](const char* when) {
    Pixels pixels = kit::testing::painted(list_->hwnd());
    for (int c = 0; c < 2; ++c) {
      RECT selected = cell_rect(1, c);
      RECT plain = cell_rect(0, c);
      if (c == 0) selected.right = plain.right = cell_rect(1, 1).left;
      const int y_selected = (selected.top + selected.bottom) / 2;
      const int y_plain = (plain.top + plain.bottom) / 2;
      EXPECT_EQ(pixels.at(selected.right - 3, y_selected), highlight) << when << ", column " << c;
      EXPECT_EQ(pixels.at(plain.right - 3, y_plain), window) << when << ", column " << c;
    }
  };
  SetFocus(GetDlgItem(dialog_->hwnd(), IDC_LIST_OTHER));
  ASSERT_NE(GetFocus(), list_->hwnd());
  check("without focus");
  SetFocus(list_->hwnd());
  ASSERT_EQ(GetFocus(), list_->hwnd());
  check("with focus");
}

TEST_F(ListTest, FirstColumnIsNotFilledUnderTheSecond) {
  ASSERT_TRUE(list_->define_columns("序号,60;标题,120"));
  list_->append_row({"1", "第一"});
  select(0);  // selection colours stand out from anything else on the canvas
  auto canvas = list_canvas();
  EXPECT_EQ(draw_cell_into(*canvas, 0, 0), CDRF_SKIPDEFAULT);

  RECT first = cell_rect(0, 0);
  RECT second = cell_rect(0, 1);
  ASSERT_EQ(second.left, first.left + 60);
  RECT first_cell{first.left, first.top, second.left, first.bottom};
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(canvas->at(first_cell.right - 2, (first.top + first.bottom) / 2), highlight);
  EXPECT_EQ(pixels_unlike(*canvas, second, kUntouched), 0) << "column 0 painted under column 1";
  EXPECT_GT(pixels_unlike(*canvas, first_cell, highlight), 0) << "column 0's text is drawn";
}

TEST_F(ListTest, EmptyCellIsOnlyFilled) {
  ASSERT_TRUE(list_->define_columns("序号,60;标题,120"));
  list_->append_row({"1", ""});
  auto canvas = list_canvas();
  EXPECT_EQ(draw_cell_into(*canvas, 0, 1), CDRF_SKIPDEFAULT);
  RECT second = cell_rect(0, 1);
  EXPECT_EQ(pixels_unlike(*canvas, second, GetSysColor(COLOR_WINDOW)), 0);
  EXPECT_EQ(canvas->at(second.left - 2, (second.top + second.bottom) / 2), kUntouched);
}

TEST_F(ListTest, TextAlignmentFollowsTheHeadingFormat) {
  ASSERT_TRUE(list_->define_columns("序号,60;标题,160"));
  list_->append_row({"1", "右"});
  LVCOLUMNW format{};
  format.mask = LVCF_FMT;
  format.fmt = LVCFMT_RIGHT;
  SendMessageW(list_->hwnd(), LVM_SETCOLUMNW, 1, reinterpret_cast<LPARAM>(&format));
  auto canvas = list_canvas();
  draw_cell_into(*canvas, 0, 1);
  RECT cell = cell_rect(0, 1);
  const LONG middle = (cell.left + cell.right) / 2;
  const COLORREF back = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(pixels_unlike(*canvas, {cell.left, cell.top, middle, cell.bottom}, back), 0);
  EXPECT_GT(pixels_unlike(*canvas, {middle, cell.top, cell.right, cell.bottom}, back), 0);
}

TEST_F(ListTest, RowsKeepTheirColoursAfterASystemColourChange) {
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  ASSERT_FALSE(near_color(frame, text, 40)) << "the two text colours must differ for this test";
  ASSERT_TRUE(list_->define_columns("序号,60;标题,120"));
  list_->append_row({"1", "早先的行"});
  SendMessageW(list_->hwnd(), WM_SYSCOLORCHANGE, 0, 0);
  list_->append_row({"2", "后来的行"});
  EXPECT_EQ(list_->default_text_color(), text);

  auto canvas = list_canvas();
  draw_cell_into(*canvas, 0, 1);
  draw_cell_into(*canvas, 1, 1);
  EXPECT_TRUE(near_color(darkest(*canvas, cell_rect(0, 1)), frame, 40)) << "the older row changed colour";
  EXPECT_TRUE(near_color(darkest(*canvas, cell_rect(1, 1)), text, 40)) << "the new row lacks the new default";
  EXPECT_EQ(list_->row_data(0)->text_colors[1], frame);
  EXPECT_EQ(list_->row_data(1)->text_colors[1], text);
}

}  // namespace
