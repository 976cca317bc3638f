// AlternativePanel: opening, the rows, adding and deleting results, the pickers, the
// text boxes, the total, dragging and painting.
#include "decision/workspace/alternative_panel.h"

#include <string>

#include "decision/input/probability_picker.h"
#include "decision/input/small_input_box.h"
#include "decision/input/value_picker.h"
#include "kit/dpi.h"
#include "kit/font.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/alternative_panel_layout.h"

namespace decision {

namespace lay = alternative_panel_layout;

namespace {

// Posted to the panel itself when a text field got the focus (wParam: the row, 0 for
// the description), so the input box opens after the click that gave the focus.
constexpr UINT kTextFocused = WM_APP + 1;
constexpr int kDescriptionRow = 0;

constexpr char kNumberTip[] = "点击修改";
constexpr char kResultsFull[] = "结果数量已满";
constexpr char kCannotDelete[] = "不可删除";

constexpr COLORREF kStripText = RGB(255, 255, 255);
// The panel is modeless under a modal main window, whose loop hands only its own keys to
// the dialog manager: Escape reaches the panel through a key table instead.
constexpr kit::KeyCommand kKeys[] = {{VK_ESCAPE, kit::kNoModifier, IDCANCEL}};

std::string number_text(int n) { return std::to_string(n); }

// The row (1..9) whose control id is id in a row table, or 0.
int row_of(const int (&ids)[lay::kMaxRows], int id) {
  for (int k = 0; k < lay::kMaxRows; ++k)
    if (ids[k] == id) return k + 1;
  return 0;
}

// Where a picker opens under the button that opens it: this far left of the button's
// left edge, a small gap below it (layout pixels, scaled to the panel's DPI).
constexpr int kValuePickerLeft = 200;
constexpr int kProbabilityPickerLeft = 110;
constexpr int kPickerGap = 4;

POINT picker_corner(HWND panel, const RECT& button, int left_of_button) {
  return POINT{button.left - kit::scaled(panel, left_of_button), button.bottom + kit::scaled(panel, kPickerGap)};
}

// The screen rectangle of the dialog's control id.
RECT screen_rect(HWND dialog, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  return r;
}

}  // namespace

AlternativePanel::AlternativePanel(Key key, const Decision& decision, int index, POINT top_left)
    : kit::FloatingDialog(key),
      decision_(decision),
      index_(index),
      top_left_(top_left),
      copy_(decision.alternatives[static_cast<std::size_t>(index)]) {}

AlternativePanel* AlternativePanel::of(HWND window) {
  return dynamic_cast<AlternativePanel*>(kit::Dialog::from_window(window));
}

HWND AlternativePanel::probability_picker() const {
  return ProbabilityPicker::of(probability_picker_) ? probability_picker_ : nullptr;
}

HWND AlternativePanel::value_picker() const { return ValuePicker::of(value_picker_) ? value_picker_ : nullptr; }

HINSTANCE AlternativePanel::module() const {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd(), GWLP_HINSTANCE));
}

// ---- opening ------------------------------------------------------------------------

bool AlternativePanel::on_init_dialog() {
  kit::fit_client_area(hwnd(), lay::kWidth, lay::height_for(copy_.result_count));
  kit::place_popup_at(hwnd(), top_left_);
  kit::place_controls(hwnd(), lay::kPlacements);
  set_up_buttons();
  keys_.attach(hwnd(), kKeys);
  place_foot(lay::kTotalOpeningWidth);
  set_up_fonts();
  set_up_edits();
  number_.set_caption(number_text(index_));
  kit::set_window_text(description_.hwnd(), copy_.deci_str);
  fill_rows();
  return true;
}

void AlternativePanel::set_up_buttons() {
  number_.set_up(hwnd(), IDC_PANEL_NUMBER, {.place = lay::kNumber});
  number_.set_state_color(kit::SkinButton::NormalText, kStripText, false);
  number_.set_state_color(kit::SkinButton::ActiveText, kStripText, false);
  foot_number_.set_up(hwnd(), IDC_PANEL_FOOT_NUMBER, {});
  total_.set_up(hwnd(), IDC_PANEL_TOTAL, {});
  kit::set_up_skin_buttons(hwnd(), lay::kButtons,
                           {&add_button_, &delete_button_, &keep_button_, &drop_button_, &close_button_});
  for (int k = 1; k <= lay::kMaxRows; ++k) {
    value_buttons_[k - 1].set_up(hwnd(), lay::kValueIds[k - 1], {.place = lay::value_button(k), .tip = kNumberTip});
    probability_buttons_[k - 1].set_up(hwnd(), lay::kProbabilityIds[k - 1],
                                       {.place = lay::probability_button(k), .tip = kNumberTip});
  }
}

void AlternativePanel::set_up_fonts() {
  bold_font_ = kit::make_font(hwnd(), kit::kHeiFace, 16, FW_HEAVY);
  regular_font_ = kit::make_font(hwnd(), kit::kSongFace, 14);
  for (kit::SkinButton* button : {&foot_number_, &total_, &number_})
    kit::set_font(button->hwnd(), bold_font_.get());
  for (int k = 0; k < lay::kMaxRows; ++k) {
    kit::set_font(value_buttons_[k].hwnd(), regular_font_.get());
    kit::set_font(probability_buttons_[k].hwnd(), regular_font_.get());
  }
}

void AlternativePanel::set_up_edits() {
  description_.bind(hwnd(), IDC_PANEL_DESCRIPTION);
  description_.set_edit_colors(lay::kEditBack, lay::kEditText);
  for (int k = 1; k <= lay::kMaxRows; ++k) {
    kit::ColorEdit& edit = result_texts_[k - 1];
    edit.bind(hwnd(), lay::kResultTextIds[k - 1]);
    edit.set_edit_colors(lay::kEditBack, lay::kEditText);
    kit::place_control(hwnd(), lay::kResultTextIds[k - 1], lay::result_text(k));
  }
}

// The foot line follows the panel's height; the see-through buttons take their faces
// afresh, at their next paint, from the background they now sit on.
void AlternativePanel::place_foot(int total_width) {
  total_width_ = total_width;
  const int y = lay::foot_y(copy_.result_count);
  kit::place_control(hwnd(), IDC_PANEL_FOOT_NUMBER, lay::foot_number(y));
  kit::place_control(hwnd(), IDC_PANEL_TOTAL, lay::total(y, total_width));
  kit::place_control(hwnd(), IDC_PANEL_KEEP, lay::keep_button(y));
  kit::place_control(hwnd(), IDC_PANEL_DROP, lay::drop_button(y));
  for (kit::SkinButton* button : {&foot_number_, &total_, &keep_button_, &drop_button_})
    button->show_parent_through(false);
}

void AlternativePanel::lay_out_at_dpi() {
  kit::fit_client_area(hwnd(), lay::kWidth, lay::height_for(copy_.result_count));
  kit::place_controls(hwnd(), lay::kPlacements);
  for (kit::SkinButton* button : {&number_, &add_button_, &delete_button_, &keep_button_, &drop_button_, &close_button_})
    button->lay_out();
  for (int k = 1; k <= lay::kMaxRows; ++k) {
    value_buttons_[k - 1].lay_out();
    probability_buttons_[k - 1].lay_out();
    kit::place_control(hwnd(), lay::kResultTextIds[k - 1], lay::result_text(k));
  }
  place_foot(total_width_);
  set_up_fonts();
}

// ---- the rows -----------------------------------------------------------------------

void AlternativePanel::fill_rows() {
  for (int k = 1; k <= lay::kMaxRows; ++k) {
    const bool used = k <= copy_.result_count;
    const int show = used ? SW_SHOW : SW_HIDE;
    if (used) {
      kit::set_window_text(result_texts_[k - 1].hwnd(), copy_.result_str[k]);
      value_buttons_[k - 1].set_caption(number_text(copy_.result_value[k]));
      probability_buttons_[k - 1].set_caption(number_text(copy_.result_prob[k]));
    }
    ShowWindow(result_texts_[k - 1].hwnd(), show);
    ShowWindow(value_buttons_[k - 1].hwnd(), show);
    ShowWindow(probability_buttons_[k - 1].hwnd(), show);
  }
  recompute_total();
  refill_lists();
}

void AlternativePanel::recompute_total() {
  foot_number_.set_caption(number_text(index_));
  int sum = 0;
  for (int k = 1; k <= copy_.result_count; ++k) sum += copy_.result_prob[k] * copy_.result_value[k];
  copy_.total_value = sum;
  total_.set_caption(number_text(sum));
}

// Insertion entry k (from 0) stands for position k + 1, deletion entry k for result
// k + 1; the last entry of each is selected.
void AlternativePanel::refill_lists() {
  HWND insert_at = item(IDC_PANEL_INSERT_AT);
  kit::combo_clear(insert_at);
  if (copy_.result_count < kMaxResults) {
    for (int k = 1; k <= copy_.result_count; ++k) kit::combo_add(insert_at, "在结果" + number_text(k) + "之前");
    kit::combo_add(insert_at, "在结果" + number_text(copy_.result_count) + "之后");
  } else {
    kit::combo_add(insert_at, kResultsFull);
  }
  kit::combo_select(insert_at, kit::combo_count(insert_at) - 1);

  HWND delete_at = item(IDC_PANEL_DELETE_AT);
  kit::combo_clear(delete_at);
  if (copy_.result_count > 1) {
    for (int k = 1; k <= copy_.result_count; ++k) kit::combo_add(delete_at, result_label(k));
  } else {
    kit::combo_add(delete_at, kCannotDelete);
  }
  kit::combo_select(delete_at, kit::combo_count(delete_at) - 1);
}

void AlternativePanel::on_add_clicked() {
  close_pickers();
  if (copy_.result_count > kMaxResults - 1) return;
  for (int k = 1; k <= copy_.result_count; ++k) copy_.result_str[k] = kit::get_window_text(result_texts_[k - 1].hwnd());
  const int p = kit::combo_selection(item(IDC_PANEL_INSERT_AT)) + 1;
  if (p < 1 || p > copy_.result_count + 1) return;
  ++copy_.result_count;
  for (int k = copy_.result_count; k > p; --k) {
    copy_.result_str[k] = copy_.result_str[k - 1];
    copy_.result_prob[k] = copy_.result_prob[k - 1];
    copy_.result_value[k] = copy_.result_value[k - 1];
  }
  copy_.result_str[p] = kPlaceholderText;
  copy_.result_prob[p] = kMaxProbability;
  copy_.result_value[p] = 0;
  show_changed_results(copy_.result_count == lay::kTallFromResults);
}

void AlternativePanel::on_delete_clicked() {
  close_pickers();
  if (copy_.result_count < 2) return;
  const int p = kit::combo_selection(item(IDC_PANEL_DELETE_AT)) + 1;
  if (p < 1 || p > copy_.result_count) return;
  const int old_count = copy_.result_count;
  for (int k = p; k < old_count; ++k) {
    copy_.result_str[k] = copy_.result_str[k + 1];
    copy_.result_prob[k] = copy_.result_prob[k + 1];
    copy_.result_value[k] = copy_.result_value[k + 1];
  }
  copy_.result_str[old_count] = kPlaceholderText;
  copy_.result_prob[old_count] = kMaxProbability;
  copy_.result_value[old_count] = 0;
  --copy_.result_count;
  show_changed_results(copy_.result_count == lay::kTallFromResults - 1);
}

// The panel is repainted before its controls, so that the see-through buttons shown or
// moved just now take their faces from the new picture and band.
void AlternativePanel::show_changed_results(bool resize) {
  if (resize) resize_for_results();
  fill_rows();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The panel grows or shrinks at its top-left corner; a grown panel that would reach
// past the monitor's work area moves up just inside it, so its keep button stays in
// reach.
void AlternativePanel::resize_for_results() {
  RECT frame{};
  GetWindowRect(hwnd(), &frame);
  const kit::PixelRect size = kit::scale_size(lay::kWidth, lay::height_for(copy_.result_count), kit::window_dpi(hwnd()));
  kit::PixelRect place{frame.left, frame.top, size.w, size.h};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    place = kit::keep_inside(place, {work.left, work.top, work.right - work.left, work.bottom - work.top});
  }
  SetWindowPos(hwnd(), nullptr, place.x, place.y, place.w, place.h, SWP_NOZORDER | SWP_NOACTIVATE);
  place_foot(lay::kTotalResizedWidth);
}

// ---- texts --------------------------------------------------------------------------

void AlternativePanel::on_text_focused(int row) { PostMessageW(hwnd(), kTextFocused, static_cast<WPARAM>(row), 0); }

// The small input box opens over the field, empty for the placeholder.  The focus
// leaves the field first, so the next click on it opens the box again.
void AlternativePanel::on_text_clicked(int row) {
  if (row < kDescriptionRow || row > copy_.result_count) return;
  close_pickers();
  if (GetCapture()) ReleaseCapture();  // the field's own click handling is still under way
  SetFocus(number_.hwnd());
  const int id = row == kDescriptionRow ? IDC_PANEL_DESCRIPTION : lay::kResultTextIds[row - 1];
  std::string& text = row == kDescriptionRow ? copy_.deci_str : copy_.result_str[row];
  const RECT field = screen_rect(hwnd(), id);
  SmallInputBox box(module());
  box.x = field.left;
  box.y = field.top;
  box.text = text == kPlaceholderText ? std::string() : text;
  if (box.run(hwnd()) == IDOK) {
    text = box.text;
    kit::set_dlg_item_text(hwnd(), id, text);
  }
  if (row != kDescriptionRow) recompute_total();
}

// ---- pickers ------------------------------------------------------------------------

void AlternativePanel::close_pickers() {
  if (IsWindow(probability_picker_)) DestroyWindow(probability_picker_);
  probability_picker_ = nullptr;
  if (IsWindow(value_picker_)) DestroyWindow(value_picker_);
  value_picker_ = nullptr;
}

void AlternativePanel::on_value_clicked(int row) {
  current_row_ = row;
  close_pickers();
  const RECT button = screen_rect(hwnd(), lay::kValueIds[row - 1]);
  value_picker_ = kit::FloatingDialog::open<ValuePicker>(module(), IDD_VALUE_PICKER, hwnd(), decision_,
                                                         picker_corner(hwnd(), button, kValuePickerLeft),
                                                         copy_.result_value[row]);
  if (value_picker_) ShowWindow(value_picker_, SW_SHOW);
}

void AlternativePanel::on_probability_clicked(int row) {
  current_row_ = row;
  close_pickers();
  const RECT button = screen_rect(hwnd(), lay::kProbabilityIds[row - 1]);
  probability_picker_ = kit::FloatingDialog::open<ProbabilityPicker>(
      module(), IDD_PROBABILITY_PICKER, hwnd(), picker_corner(hwnd(), button, kProbabilityPickerLeft),
      copy_.result_prob[row]);
  if (probability_picker_) ShowWindow(probability_picker_, SW_SHOW);
}

void AlternativePanel::on_probability_picked(WPARAM still_open) {
  if (!still_open) {
    if (IsWindow(probability_picker_)) DestroyWindow(probability_picker_);
    probability_picker_ = nullptr;
    return;
  }
  const ProbabilityPicker* picker = ProbabilityPicker::of(probability_picker_);
  if (!picker || current_row_ > copy_.result_count) return;
  copy_.result_prob[current_row_] = picker->value();
  probability_buttons_[current_row_ - 1].set_caption(number_text(picker->value()));
  recompute_total();
}

void AlternativePanel::on_value_picked(WPARAM still_open) {
  if (!still_open) {
    if (IsWindow(value_picker_)) DestroyWindow(value_picker_);
    value_picker_ = nullptr;
    return;
  }
  const ValuePicker* picker = ValuePicker::of(value_picker_);
  if (!picker || current_row_ > copy_.result_count) return;
  copy_.result_value[current_row_] = picker->value();
  value_buttons_[current_row_ - 1].set_caption(number_text(picker->value()));
  recompute_total();
}

// ---- ending, dragging, painting -----------------------------------------------------

void AlternativePanel::on_keep_clicked() {
  close_pickers();
  PostMessageW(GetWindow(hwnd(), GW_OWNER), PANEL_CLOSED, static_cast<WPARAM>(index_), 1);
}

void AlternativePanel::on_drop_clicked() {
  close_pickers();
  PostMessageW(GetWindow(hwnd(), GW_OWNER), PANEL_CLOSED, static_cast<WPARAM>(index_), 0);
}

void AlternativePanel::on_surface_pressed(LPARAM point) {
  close_pickers();
  kit::drag_by_background(hwnd(), point);
}

// The picture of the panel's height, then the band over the rows not in use.
void AlternativePanel::draw_face(HDC dc) const {
  const bool tall = lay::is_tall(copy_.result_count);
  const int dpi = kit::window_dpi(hwnd());
  kit::draw_picture_file(dc, tall ? lay::kTallFile : lay::kShortFile, 0, 0, lay::kWidth,
                         tall ? lay::kTallHeight : lay::kShortHeight, dpi);
  if (const kit::PixelRect band = lay::blank_band(copy_.result_count); !band.empty())
    kit::draw_picture_resource(dc, module(), IDB_PANEL_BLANK_ROWS, band.x, band.y, band.w, band.h, dpi);
}

void AlternativePanel::on_paint() {
  const kit::SkinPaint paint(hwnd());
  draw_face(paint.dc());
}

// The panel is erased with its picture, not a plain colour: a see-through button that
// paints between the erasing and the panel's own paint (after a resize) takes the
// picture as its face.
LRESULT AlternativePanel::on_erase_background(HDC dc) {
  draw_face(dc);
  return 1;
}

// ---- switches -----------------------------------------------------------------------

bool AlternativePanel::on_command(int id, int code, HWND control) {
  if (code == EN_SETFOCUS) {
    if (id == IDC_PANEL_DESCRIPTION) {
      on_text_focused(kDescriptionRow);
      return true;
    }
    if (const int row = row_of(lay::kResultTextIds, id)) {
      on_text_focused(row);
      return true;
    }
    return false;
  }
  if (code != BN_CLICKED) return false;
  if (const int row = row_of(lay::kValueIds, id)) {
    on_value_clicked(row);
    return true;
  }
  if (const int row = row_of(lay::kProbabilityIds, id)) {
    on_probability_clicked(row);
    return true;
  }
  switch (id) {
    case IDC_PANEL_ADD_RESULT:
      on_add_clicked();
      return true;
    case IDC_PANEL_DELETE_RESULT:
      on_delete_clicked();
      return true;
    case IDC_PANEL_KEEP:
      on_keep_clicked();
      return true;
    case IDC_PANEL_DROP:
    case IDC_PANEL_CLOSE:
    case IDCANCEL:  // Escape: the owner is told, as by the drop button
      on_drop_clicked();
      return true;
    case IDOK:  // Enter keeps nothing by itself
      return true;
  }
  return kit::FloatingDialog::on_command(id, code, control);
}

bool AlternativePanel::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case kTextFocused:
      on_text_clicked(static_cast<int>(wparam));
      return true;
    case PROBABILITY_PICKED:
      on_probability_picked(wparam);
      return true;
    case VALUE_PICKED:
      on_value_picked(wparam);
      return true;
    case METHOD_SWITCHED:  // the decision's, not the copy's: the main window changes it
      SendMessageW(GetWindow(hwnd(), GW_OWNER), METHOD_SWITCHED, wparam, 0);
      return true;
    case WM_LBUTTONDOWN:
      on_surface_pressed(lparam);
      return true;
    case WM_ERASEBKGND:
      result = on_erase_background(reinterpret_cast<HDC>(wparam));
      return true;
    case WM_PAINT:
      on_paint();
      return true;
  }
  return false;
}

}  // namespace decision
