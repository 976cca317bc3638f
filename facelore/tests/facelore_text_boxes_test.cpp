// The main window's three text boxes with every text the catalogue holds: a text longer
// than its box shows the slim scroll bar, and only then.  Whether a text is wholly shown
// is read back from where the edit puts the text's last character.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "facelore/catalogue.h"
#include "facelore/facelore_dialog.h"
#include "kit/bitmap_edit.h"
#include "kit/testing/pixels.h"
#include "kit/testing/screenshot.h"
#include "facelore/layout.h"
#include "facelore/res/resource_ids.h"
#include "facelore/tests/window_test_support.h"

namespace facelore {
namespace {

using testing::pump;

constexpr COLORREF kThumb = layout::kTextScrollThumb.colorref();

// True when the edit shows its text down to the last character at its top position.
bool wholly_shown(HWND box) {
  const int length = GetWindowTextLengthW(box);
  if (length == 0) return true;
  SendMessageW(box, EM_LINESCROLL, 0, -SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
  const LRESULT line0 = SendMessageW(box, EM_POSFROMCHAR, SendMessageW(box, EM_LINEINDEX, 0, 0), 0);
  const LRESULT line1 = SendMessageW(box, EM_POSFROMCHAR, SendMessageW(box, EM_LINEINDEX, 1, 0), 0);
  const LRESULT last = SendMessageW(box, EM_POSFROMCHAR, length - 1, 0);
  const int pitch = static_cast<short>(HIWORD(line1)) - static_cast<short>(HIWORD(line0));
  RECT format{};
  SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  return static_cast<short>(HIWORD(last)) + pitch <= format.bottom;
}

class TextBoxes : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    open_main_window();
  }

  void choose_feature(int part, int feature) {
    choose(IDC_PART_LIST, part);
    choose(IDC_FEATURE_LIST, feature);
  }
  const kit::BitmapEdit& box(int id) const {
    return *static_cast<const kit::BitmapEdit*>(kit::Control::from_window(GetDlgItem(window_, id)));
  }
  // The definition box's hidden lines for (part, feature).
  int hidden_lines(int part, int feature) {
    choose_feature(part, feature);
    const kit::EditScrollBar& bar = box(IDC_DEFINITION_BOX).scroll_bar();
    return bar.line_count() - bar.visible_lines();
  }

};

TEST_F(TextBoxes, EveryCatalogueTextIsWhollyShownOrHasAScrollBar) {
  const CurrentFeature& current = dialog_->current_feature();
  int longer = 0;
  const auto check = [&](int id, const std::string& where) {
    HWND control = GetDlgItem(window_, id);
    const bool fits = wholly_shown(control);
    longer += fits ? 0 : 1;
    EXPECT_EQ(box(id).scroll_bar().shown(), !fits) << where;
  };
  for (int part = 1; part <= kPartCount; ++part) {
    for (int feature = 1; feature <= static_cast<int>(part_features(part).size()); ++feature) {
      choose_feature(part, feature);
      const std::string where = std::to_string(part) + "/" + std::to_string(feature);
      check(IDC_DEFINITION_BOX, "definition " + where);
      const int options = static_cast<int>(option_labels(part, feature).size());
      for (int option = 1; option <= options; ++option) {
        kit::set_dlg_item_text(window_, IDC_CHARACTER_BOX, current.character[static_cast<std::size_t>(option)]);
        check(IDC_CHARACTER_BOX, "character " + where + "/" + std::to_string(option));
        kit::set_dlg_item_text(window_, IDC_ADVICE_BOX, current.advice[static_cast<std::size_t>(option)]);
        check(IDC_ADVICE_BOX, "advice " + where + "/" + std::to_string(option));
      }
    }
  }
  EXPECT_GT(longer, 0) << "no text was longer than its box: the check saw only one case";
}

TEST_F(TextBoxes, TheLongestDefinitionShowsABarThatScrollsToItsLastLineAndAShortOneNone) {
  // The definition that hides the most lines, and the one that fills its box the least.
  int worst_part = 0, worst_feature = 0, worst = 0;
  int short_part = 0, short_feature = 0, spare = 0;
  for (int part = 1; part <= kPartCount; ++part)
    for (int feature = 1; feature <= static_cast<int>(part_features(part).size()); ++feature) {
      const int hidden = hidden_lines(part, feature);
      if (hidden > worst) worst = hidden, worst_part = part, worst_feature = feature;
      if (-hidden > spare) spare = -hidden, short_part = part, short_feature = feature;
    }
  ASSERT_GT(worst, 0);
  ASSERT_GT(spare, 0);
  HWND control = GetDlgItem(window_, IDC_DEFINITION_BOX);
  const kit::EditScrollBar& bar = box(IDC_DEFINITION_BOX).scroll_bar();

  choose_feature(worst_part, worst_feature);
  UpdateWindow(window_);
  pump();
  kit::testing::save_screenshot(window_, "facelore-long-definition.bmp");
  ASSERT_TRUE(bar.shown());
  EXPECT_EQ(HIWORD(SendMessageW(control, EM_GETMARGINS, 0, 0)),
            layout::kTextScrollBarInset + layout::kTextScrollBarWidth + layout::kTextScrollBarGap)
      << "the text makes room for the bar";
  RECT thumb = bar.thumb_rect();
  const RECT track = bar.track_rect();
  EXPECT_EQ(track.right, layout::kDefinitionBox.w - layout::kTextScrollBarInset) << "the bar sits inside the frame";
  EXPECT_GT(kit::testing::shown(control).count(kThumb, thumb),
            (thumb.right - thumb.left) * (thumb.bottom - thumb.top) / 2)
      << "the thumb is not drawn";

  // Dragging the thumb to the bottom of the track shows the last line.
  const int x = (thumb.left + thumb.right) / 2;
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, thumb.top + 2));
  SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, track.bottom + 20));
  SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, track.bottom + 20));
  EXPECT_EQ(SendMessageW(control, EM_GETFIRSTVISIBLELINE, 0, 0), bar.line_count() - bar.visible_lines());
  thumb = bar.thumb_rect();
  EXPECT_EQ(thumb.bottom, track.bottom);
  UpdateWindow(control);
  EXPECT_GT(kit::testing::shown(control).count(kThumb, thumb), 0) << "the thumb did not follow";
  // A press on the track above the thumb pages back up.
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, track.top + 1));
  SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, track.top + 1));
  EXPECT_LT(SendMessageW(control, EM_GETFIRSTVISIBLELINE, 0, 0), bar.line_count() - bar.visible_lines());

  choose_feature(short_part, short_feature);
  UpdateWindow(window_);
  pump();
  EXPECT_FALSE(bar.shown());
  EXPECT_EQ(SendMessageW(control, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(HIWORD(SendMessageW(control, EM_GETMARGINS, 0, 0)), layout::kTextBoxMargin) << "the text has its full width again";
  EXPECT_EQ(kit::testing::shown(control).count(kThumb, track), 0) << "a bar is drawn";
}

}  // namespace
}  // namespace facelore
