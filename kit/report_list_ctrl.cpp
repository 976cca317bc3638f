#include "kit/report_list_ctrl.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "kit/dpi.h"
#include "kit/handles.h"
#include "kit/text/gbk.h"
#include "kit/text/wide.h"

namespace kit {

namespace {

constexpr char kPairSeparator[] = ";";
constexpr char kWidthSeparator[] = ",";
constexpr UINT kCellFormat = DT_SINGLELINE | DT_VCENTER;
constexpr int kHeaderAlignmentMask = 3;
constexpr int kHeaderCentre = 2;
constexpr int kFirstCellTextChars = 256;

int g_live_row_data = 0;

}  // namespace

ReportListCtrl::RowData::RowData() { ++g_live_row_data; }
ReportListCtrl::RowData::~RowData() { --g_live_row_data; }

int ReportListCtrl::live_row_data() { return g_live_row_data; }

ReportListCtrl::ReportListCtrl()
    : default_text_color_(GetSysColor(COLOR_WINDOWFRAME)),
      default_back_color_(GetSysColor(COLOR_WINDOW)),
      selected_back_color_(GetSysColor(COLOR_HIGHLIGHT)),
      selected_text_color_(GetSysColor(COLOR_HIGHLIGHTTEXT)) {}

bool ReportListCtrl::define_columns(std::string_view columns) {
  if (!hwnd()) return false;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t comma = gbk_find(columns, kWidthSeparator, pos);
    if (comma == std::string_view::npos) return true;
    const std::wstring title = to_wide(columns.substr(pos, comma - pos));
    const std::size_t semicolon = gbk_find(columns, kPairSeparator, comma + 1);
    const std::size_t end = semicolon == std::string_view::npos ? columns.size() : semicolon;
    const std::string width_text(columns.substr(comma + 1, end - comma - 1));

    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    const int width = std::atoi(width_text.c_str());
    column.cx = scaled(hwnd(), width);
    column.pszText = const_cast<wchar_t*>(title.c_str());
    const int index = column_count_++;
    if (SendMessageW(hwnd(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column)) < 0) return false;
    column_widths_.push_back(width);
    pos = semicolon == std::string_view::npos ? columns.size() : semicolon + 1;
  }
}

void ReportListCtrl::lay_out_columns() {
  for (std::size_t i = 0; i < column_widths_.size(); ++i)
    SendMessageW(hwnd(), LVM_SETCOLUMNWIDTH, i, MAKELPARAM(scaled(hwnd(), column_widths_[i]), 0));
}

int ReportListCtrl::append_row(std::initializer_list<std::string_view> texts) {
  return append_row_texts(std::vector<std::string_view>(texts));
}

int ReportListCtrl::append_row(const std::vector<std::string>& texts) {
  return append_row_texts(std::vector<std::string_view>(texts.begin(), texts.end()));
}

int ReportListCtrl::append_row_texts(const std::vector<std::string_view>& given) {
  if (!hwnd()) return -1;
  // Exactly column_count texts, so a short call never reads past what it passed.
  const std::size_t count = static_cast<std::size_t>(column_count_);
  std::vector<std::string_view> texts(given.begin(), given.begin() + std::min(given.size(), count));
  texts.resize(count);

  const std::wstring first = to_wide(texts.empty() ? std::string_view() : texts[0]);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageW(hwnd(), LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<wchar_t*>(first.c_str());
  const int index = static_cast<int>(SendMessageW(hwnd(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (index < 0) return -1;

  auto data = std::make_unique<RowData>();
  data->texts.reserve(count);
  data->text_colors.assign(count, default_text_color_);
  data->back_colors.assign(count, default_back_color_);
  for (std::size_t i = 0; i < count; ++i) {
    data->texts.emplace_back(texts[i]);
    if (i == 0) continue;
    const std::wstring text = to_wide(texts[i]);
    LVITEMW cell{};
    cell.iSubItem = static_cast<int>(i);
    cell.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(hwnd(), LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&cell));
  }

  LVITEMW param{};
  param.mask = LVIF_PARAM;
  param.iItem = index;
  param.lParam = reinterpret_cast<LPARAM>(data.get());
  if (SendMessageW(hwnd(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&param))) data.release();
  return index;
}

const ReportListCtrl::RowData* ReportListCtrl::row_data(int row) const {
  if (!hwnd()) return nullptr;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!SendMessageW(hwnd(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<const RowData*>(item.lParam);
}

void ReportListCtrl::free_row(int row) {
  delete row_data(row);
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = 0;
  SendMessageW(hwnd(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ReportListCtrl::free_all_rows() {
  // The count is read again at every step.
  for (int row = 0; row < static_cast<int>(SendMessageW(hwnd(), LVM_GETITEMCOUNT, 0, 0)); ++row) free_row(row);
}

std::wstring ReportListCtrl::cell_text(int row, int column) const {
  std::wstring buffer(kFirstCellTextChars, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const auto got = static_cast<std::size_t>(
        SendMessageW(hwnd(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
    // A text that filled the buffer may have been cut: read again with more room.
    if (got + 1 < buffer.size()) {
      buffer.resize(got);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

UINT ReportListCtrl::cell_alignment(int column) const {
  HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd(), LVM_GETHEADER, 0, 0));
  HDITEMW heading{};
  heading.mask = HDI_FORMAT;
  if (!header || !SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&heading))) return DT_LEFT;
  const int alignment = heading.fmt & kHeaderAlignmentMask;
  if (alignment == kHeaderCentre) return DT_CENTER;
  if (alignment != 0) return DT_RIGHT;  // right, and the right-plus-centre pattern
  return DT_LEFT;
}

LRESULT ReportListCtrl::draw_cell(NMLVCUSTOMDRAW& draw) {
  const int row = static_cast<int>(draw.nmcd.dwItemSpec);
  const int column = draw.iSubItem;
  COLORREF text_color = default_text_color_;
  COLORREF back_color = default_back_color_;
  if (const RowData* data = row_data(row); data && column >= 0 &&
                                           static_cast<std::size_t>(column) < data->text_colors.size()) {
    text_color = data->text_colors[column];
    back_color = data->back_colors[column];
  }
  draw.clrText = text_color;
  draw.clrTextBk = back_color;
  if (SendMessageW(hwnd(), LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) {
    text_color = selected_text_color_;
    back_color = selected_back_color_;
  }

  RECT cell{};
  cell.top = column;
  cell.left = LVIR_BOUNDS;
  SendMessageW(hwnd(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd(), LVM_GETHEADER, 0, 0));
  // Column 0's bounds are the whole row: it ends where column 1 starts.
  if (column == 0 && header && SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) >= 2) {
    RECT next{};
    next.top = 1;
    next.left = LVIR_BOUNDS;
    SendMessageW(hwnd(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&next));
    cell.right = next.left;
  }

  HDC dc = draw.nmcd.hdc;
  UniqueBrush fill(CreateSolidBrush(back_color));
  FillRect(dc, &cell, fill.get());

  const std::wstring text = cell_text(row, column);
  if (!text.empty()) {
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF old_text = SetTextColor(dc, text_color);
    const COLORREF old_back = SetBkColor(dc, back_color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell, kCellFormat | cell_alignment(column));
    SetBkColor(dc, old_back);
    SetTextColor(dc, old_text);
    SetBkMode(dc, old_mode);
  }
  return CDRF_SKIPDEFAULT;
}

LRESULT ReportListCtrl::on_custom_draw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      return draw_cell(draw);
    default:
      return CDRF_DODEFAULT;
  }
}

void ReportListCtrl::on_sys_color_change() {
  default_back_color_ = GetSysColor(COLOR_WINDOW);
  default_text_color_ = GetSysColor(COLOR_WINDOWTEXT);
  selected_back_color_ = GetSysColor(COLOR_HIGHLIGHT);
  selected_text_color_ = GetSysColor(COLOR_HIGHLIGHTTEXT);
}

LRESULT ReportListCtrl::on_paint(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = default_processing(message, wparam, lparam);
  PAINTSTRUCT paint{};
  BeginPaint(hwnd(), &paint);
  EndPaint(hwnd(), &paint);
  return result;
}

bool ReportListCtrl::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case reflected(WM_NOTIFY): {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->code != NM_CUSTOMDRAW) return false;
      result = on_custom_draw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lparam));
      return true;
    }
    case WM_SYSCOLORCHANGE:
      result = default_processing(message, wparam, lparam);
      on_sys_color_change();
      return true;
    case WM_PAINT:
      result = on_paint(message, wparam, lparam);
      return true;
    case LVM_DELETEITEM: {
      // A row removed on its own takes its record with it.
      const RowData* data = row_data(static_cast<int>(wparam));
      result = default_processing(message, wparam, lparam);
      if (result) delete data;
      return true;
    }
    case LVM_DELETEALLITEMS:
    case WM_DESTROY:
      free_all_rows();
      return false;
  }
  return false;
}

}  // namespace kit
