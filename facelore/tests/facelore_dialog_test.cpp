// The main window as the program runs it, from the test's own copy of the program's
// resources: the lists are driven as a user's choice drives them (the selection moves,
// then the list tells the window), buttons are clicked, texts are read back as GBK.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "facelore/catalogue.h"
#include "facelore/facelore_dialog.h"
#include "kit/bitmap_edit.h"
#include "kit/skin_button.h"
#include "kit/testing/clock.h"
#include "kit/testing/placement.h"
#include "kit/text/wide.h"
#include "kit/testing/names.h"
#include "facelore/layout.h"
#include "facelore/res/resource_ids.h"
#include "facelore/tests/window_test_support.h"

namespace facelore {
namespace {

using testing::control_rect;
using testing::list_entries;
using testing::pump;

// The list entry of text (its index in the window's list, placeholder at 0).
int entry_of(const std::vector<std::string_view>& labels, std::string_view text) {
  auto it = std::find(labels.begin(), labels.end(), text);
  return it == labels.end() ? -1 : static_cast<int>(it - labels.begin()) + 1;
}

class MainWindow : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    open_main_window();
  }
  void TearDown() override {
    clock_.remove();
    MainWindowTest::TearDown();
  }

  void click(int id) {
    SendMessageW(GetDlgItem(window_, id), BM_CLICK, 0, 0);
    pump(5);
  }
  std::string text(int id) const { return kit::get_dlg_item_text(window_, id); }
  std::vector<std::string> prompts() const {
    return {text(IDC_PART_PROMPT), text(IDC_FEATURE_PROMPT), text(IDC_OPTION_PROMPT)};
  }
  std::vector<std::string> results() const {
    return {text(IDC_RESULT_1), text(IDC_RESULT_2), text(IDC_RESULT_3), text(IDC_RESULT_4)};
  }
  // Part, feature and option by their labels.
  void pick(int part, std::string_view feature, std::string_view option) {
    choose(IDC_PART_LIST, part);
    const int f = entry_of(feature_labels(part), feature);
    ASSERT_GT(f, 0) << "no feature";
    choose(IDC_FEATURE_LIST, f);
    const int o = entry_of(option_labels(part, f), option);
    ASSERT_GT(o, 0) << "no option";
    choose(IDC_OPTION_LIST, o);
  }
  std::string program_text(int id) const { return kit::load_string_resource(GetModuleHandleW(nullptr), id); }

  kit::testing::FixedClock clock_{{2024, 5, 1}};
};

const std::vector<std::string> kBlankPrompts{"请选择->", " ", " "};
const std::vector<std::string> kFeaturePromptShown{" ", "请选择->", " "};
const std::vector<std::string> kOptionPromptShown{" ", " ", "请选择->"};

// ---- start-up --------------------------------------------------------------------

TEST_F(MainWindow, StartsWithThePartListAndTheArrowAtThePartPrompt) {
  // The heading and the result lines show their captions, empty before an analysis.
  EXPECT_EQ(kit::testing::unnamed_controls(window_, {IDC_HEADING, IDC_RESULT_1, IDC_RESULT_2, IDC_RESULT_3, IDC_RESULT_4}),
            std::vector<int>{});
  testing::save_screenshot(window_, "facelore-start.bmp");
  EXPECT_EQ(kit::get_window_text(window_), "相缘通 V3.2");
  EXPECT_EQ(list_entries(window_, IDC_PART_LIST),
            (std::vector<std::string>{"请选择部位", "眼睛", "眉毛", "鼻子", "耳朵", "嘴巴", "人中", "牙齿", "下巴", "脖子"}));
  EXPECT_EQ(SendDlgItemMessageW(window_, IDC_PART_LIST, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(text(IDC_PART_LIST), "请选择部位");
  EXPECT_TRUE(list_entries(window_, IDC_FEATURE_LIST).empty());
  EXPECT_TRUE(list_entries(window_, IDC_OPTION_LIST).empty());
  EXPECT_EQ(prompts(), kBlankPrompts);
  EXPECT_EQ(dialog_->selection_step(), FaceloreDialog::kChoosePart);
  // Close is the default button (Enter closes the window, as its template says).
  EXPECT_EQ(SendMessageW(window_, DM_GETDEFID, 0, 0), MAKELRESULT(IDC_CLOSE, DC_HASDEFID));
}

TEST_F(MainWindow, SystemMenuEndsWithTheAboutCommand) {
  HMENU menu = GetSystemMenu(window_, FALSE);
  ASSERT_NE(menu, nullptr);
  const int count = GetMenuItemCount(menu);
  ASSERT_GE(count, 2);
  EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUT));
  wchar_t label[64] = {};
  GetMenuStringW(menu, count - 1, label, 64, MF_BYPOSITION);
  EXPECT_EQ(kit::to_gbk(label), "关于 facelore(&A)...");
  MENUITEMINFOW separator{};
  separator.cbSize = sizeof(separator);
  separator.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(menu, count - 2, TRUE, &separator));
  EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
}

TEST_F(MainWindow, ClientAreaIsThePictureSize) {
  RECT client{};
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, layout::kClientWidth);
  EXPECT_EQ(client.bottom, layout::kClientHeight);
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
}

TEST_F(MainWindow, EveryFramedControlSitsOnItsLayoutRectangleAndButtonsWearTheirSkins) {
  kit::testing::expect_placed(window_, layout::kMainPlacements);
  kit::testing::expect_placed(window_, layout::kButtons);
  // Closed, each list's field is as tall as the picture frames it, whatever the font.
  for (int list : {IDC_PART_LIST, IDC_FEATURE_LIST, IDC_OPTION_LIST})
    EXPECT_EQ(control_rect(window_, list).h, layout::kListFieldHeight) << list;
  // The labels are see-through buttons without pictures or the hand pointer.
  for (int id : {IDC_HEADING, IDC_PART_PROMPT, IDC_FEATURE_PROMPT, IDC_OPTION_PROMPT, IDC_RESULT_1, IDC_RESULT_2,
                 IDC_RESULT_3, IDC_RESULT_4}) {
    const auto* label = dynamic_cast<kit::SkinButton*>(kit::Control::from_window(GetDlgItem(window_, id)));
    ASSERT_NE(label, nullptr) << id;
    EXPECT_EQ(label->pointer(), nullptr) << id;
    EXPECT_EQ(label->hover_image().bitmap.get(), nullptr) << id;
  }
}

TEST_F(MainWindow, TextBoxesWearTheirPictures) {
  auto box = [this](int id) { return dynamic_cast<kit::BitmapEdit*>(kit::Control::from_window(GetDlgItem(window_, id))); };
  const std::pair<int, layout::Rect> boxes[] = {{IDC_DEFINITION_BOX, layout::kDefinitionBox},
                                                {IDC_CHARACTER_BOX, layout::kCharacterBox},
                                                {IDC_ADVICE_BOX, layout::kAdviceBox}};
  for (const auto& [id, r] : boxes) {
    const kit::BitmapEdit* edit = box(id);
    ASSERT_NE(edit, nullptr) << id;
    BITMAP picture{};
    ASSERT_NE(GetObjectW(edit->background(), sizeof(picture), &picture), 0) << id;
    EXPECT_EQ(picture.bmWidth, r.w) << id;
    EXPECT_EQ(picture.bmHeight, r.h) << id;
    const LONG_PTR style = GetWindowLongPtrW(edit->hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE) << id;
    EXPECT_FALSE(style & (ES_READONLY | WS_VSCROLL | WS_HSCROLL)) << id;
  }
}

// ---- choosing ------------------------------------------------------------------------

TEST_F(MainWindow, AnalysisBeforeAnyChoiceIsRefused) {
  click(IDC_ANALYSE);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "请先完成面相特点的选择。");
  EXPECT_EQ(messages_.shown[0].caption, "面相特点未完成输入");
  EXPECT_EQ(messages_.shown[0].owner, window_);
  EXPECT_EQ(text(IDC_HEADING), "");
  EXPECT_EQ(results(), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(MainWindow, ChoosingEyesListsTheEyeFeatures) {
  choose(IDC_PART_LIST, 1);
  const std::vector<std::string> features = list_entries(window_, IDC_FEATURE_LIST);
  ASSERT_EQ(features.size(), 12u);
  EXPECT_EQ(features[0], "请点击选择");
  EXPECT_EQ(features[1], "眼睛的大小");
  for (std::size_t i = 1; i < features.size(); ++i) EXPECT_EQ(features[i], feature_labels(1)[i - 1]);
  EXPECT_EQ(SendDlgItemMessageW(window_, IDC_FEATURE_LIST, CB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(list_entries(window_, IDC_OPTION_LIST).empty());
  EXPECT_EQ(prompts(), kFeaturePromptShown);
  EXPECT_EQ(dialog_->selection_step(), FaceloreDialog::kChooseFeature);
}

TEST_F(MainWindow, ChoosingAnotherPartEmptiesTheOptionList) {
  choose(IDC_PART_LIST, 1);
  choose(IDC_FEATURE_LIST, 1);
  ASSERT_FALSE(list_entries(window_, IDC_OPTION_LIST).empty());
  choose(IDC_PART_LIST, 9);
  EXPECT_TRUE(list_entries(window_, IDC_OPTION_LIST).empty());
  EXPECT_EQ(list_entries(window_, IDC_FEATURE_LIST).size(), feature_labels(9).size() + 1);
  // Back to the feature prompt: a new part wants a new feature.
  EXPECT_EQ(prompts(), kFeaturePromptShown);
}

TEST_F(MainWindow, ChoosingAFeatureShowsItsDefinitionAndOptions) {
  choose(IDC_PART_LIST, 1);
  choose(IDC_FEATURE_LIST, 1);
  const std::vector<std::string> options = list_entries(window_, IDC_OPTION_LIST);
  ASSERT_EQ(options.size(), option_labels(1, 1).size() + 1);
  EXPECT_EQ(options[0], "请点击选择");
  EXPECT_EQ(options[1], "大眼睛");
  for (std::size_t i = 1; i < options.size(); ++i) EXPECT_EQ(options[i], option_labels(1, 1)[i - 1]);
  EXPECT_EQ(SendDlgItemMessageW(window_, IDC_OPTION_LIST, CB_GETCURSEL, 0, 0), 0);
  const std::string definition = program_text(part_features(1)[0].base_id);
  ASSERT_FALSE(definition.empty());
  EXPECT_EQ(text(IDC_DEFINITION_BOX), definition);
  EXPECT_EQ(prompts(), kOptionPromptShown);
  EXPECT_EQ(dialog_->selection_step(), FaceloreDialog::kChooseOption);
}

TEST_F(MainWindow, TheFeaturePlaceholderKeepsTheDefinitionShown) {
  choose(IDC_PART_LIST, 1);
  choose(IDC_FEATURE_LIST, 2);
  const std::string second = text(IDC_DEFINITION_BOX);
  ASSERT_EQ(second, program_text(part_features(1)[1].base_id));
  choose(IDC_FEATURE_LIST, 0);
  EXPECT_EQ(text(IDC_DEFINITION_BOX), second);
  EXPECT_EQ(list_entries(window_, IDC_OPTION_LIST), (std::vector<std::string>{"请点击选择"}));
}

TEST_F(MainWindow, ScrollingALongTextDrawsTheWholeBoxAgain) {
  // The longest definition is more than its box shows; the wheel scrolls it.
  int part = 0, feature = 0;
  std::size_t longest = 0;
  for (int p = 1; p <= kPartCount; ++p)
    for (int f = 1; f <= static_cast<int>(part_features(p).size()); ++f)
      if (const std::size_t n = program_text(part_features(p)[f - 1].base_id).size(); n > longest)
        longest = n, part = p, feature = f;
  choose(IDC_PART_LIST, part);
  choose(IDC_FEATURE_LIST, feature);
  pump();
  HWND box = GetDlgItem(window_, IDC_DEFINITION_BOX);
  ASSERT_FALSE(GetUpdateRect(box, nullptr, FALSE));
  SendMessageW(box, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  ASSERT_GT(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "the text did not scroll";
  RECT pending{};
  ASSERT_TRUE(GetUpdateRect(box, &pending, FALSE));
  RECT client{};
  GetClientRect(box, &client);
  EXPECT_TRUE(EqualRect(&pending, &client)) << "only the uncovered strip would be drawn over the moved picture";
}

TEST_F(MainWindow, ChoosingAnOptionCompletesTheSelection) {
  choose(IDC_PART_LIST, 1);
  choose(IDC_FEATURE_LIST, 1);
  choose(IDC_OPTION_LIST, 1);
  EXPECT_EQ(dialog_->selection_step(), FaceloreDialog::kComplete);
  EXPECT_EQ(prompts(), kOptionPromptShown);
  choose(IDC_OPTION_LIST, 0);
  EXPECT_EQ(dialog_->selection_step(), FaceloreDialog::kChooseOption);
}

// ---- analysis ------------------------------------------------------------------------

TEST_F(MainWindow, AnalysingBigEyesShowsTheTopFourIndices) {
  pick(1, "眼睛的大小", "大眼睛");
  click(IDC_ANALYSE);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(text(IDC_HEADING), "眼睛的大小：大眼睛");
  const int base = part_features(1)[0].base_id;
  EXPECT_EQ(text(IDC_CHARACTER_BOX), program_text(base + 1));
  EXPECT_EQ(text(IDC_ADVICE_BOX), program_text(base + 2));
  EXPECT_FALSE(text(IDC_CHARACTER_BOX).empty());
  EXPECT_EQ(results(), (std::vector<std::string>{"浪漫指数：加 20 分", "温柔指数：加 15 分", "勤俭指数：减 10 分",
                                                 "魅力指数：加 10 分"}));
  pump();
  EXPECT_EQ(kit::testing::unnamed_controls(window_), std::vector<int>{});
  testing::save_screenshot(window_, "facelore-analysis.bmp");
}

TEST_F(MainWindow, TheHeadingRepeatsTheListTextsExactly) {
  pick(1, "眼  白", "三白眼");
  click(IDC_ANALYSE);
  EXPECT_EQ(text(IDC_HEADING), "眼  白：三白眼");
  EXPECT_EQ(results(), (std::vector<std::string>{"诚信指数：减 20 分", "贞洁指数：减 20 分", "魅力指数：减 20 分",
                                                 "温柔指数：减 15 分"}));
}

TEST_F(MainWindow, AnOptionWithoutPointsGivesFourZeroLines) {
  const std::vector<std::string_view> features = feature_labels(9);
  int feature = -1;
  int option = -1;
  for (int f = 1; f <= static_cast<int>(features.size()) && option < 0; ++f) {
    option = entry_of(option_labels(9, f), "脖子端正");
    feature = f;
  }
  ASSERT_GT(option, 0);
  pick(9, features[static_cast<std::size_t>(feature - 1)], "脖子端正");
  click(IDC_ANALYSE);
  EXPECT_EQ(results(), std::vector<std::string>(4, "健康指数：加 0 分 "));
}

TEST_F(MainWindow, APlaceholderChosenAgainRefusesTheAnalysis) {
  pick(1, "眼睛的大小", "大眼睛");
  choose(IDC_PART_LIST, 0);
  click(IDC_ANALYSE);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].caption, "面相特点未完成输入");
  EXPECT_EQ(text(IDC_HEADING), "");

  pick(1, "眼睛的大小", "大眼睛");
  choose(IDC_FEATURE_LIST, 0);
  click(IDC_ANALYSE);
  EXPECT_EQ(messages_.shown.size(), 2u);

  pick(1, "眼睛的大小", "小眼睛");
  choose(IDC_OPTION_LIST, 0);
  click(IDC_ANALYSE);
  EXPECT_EQ(messages_.shown.size(), 3u);
  EXPECT_EQ(text(IDC_HEADING), "");
}

TEST_F(MainWindow, AnAnalysisStaysUntilTheNextOne) {
  pick(1, "眼睛的大小", "大眼睛");
  click(IDC_ANALYSE);
  const std::vector<std::string> first = results();
  const std::string character = text(IDC_CHARACTER_BOX);
  click(IDC_ANALYSE);
  EXPECT_EQ(results(), first);  // the same pick twice gives the same lines

  choose(IDC_PART_LIST, 3);
  choose(IDC_FEATURE_LIST, 1);
  choose(IDC_OPTION_LIST, 1);
  EXPECT_EQ(text(IDC_HEADING), "眼睛的大小：大眼睛");
  EXPECT_EQ(text(IDC_CHARACTER_BOX), character);
  EXPECT_EQ(results(), first);

  click(IDC_ANALYSE);
  EXPECT_NE(text(IDC_HEADING), "眼睛的大小：大眼睛");
  EXPECT_EQ(text(IDC_HEADING).rfind(std::string(feature_labels(3)[0]) + "：", 0), 0u);
}

// ---- buttons ---------------------------------------------------------------------------

TEST_F(MainWindow, InstallerButtonStartsTheSisterInstaller) {
  click(IDC_INSTALLER);
  ASSERT_EQ(launches_.starts.size(), 1u);
  EXPECT_EQ(launches_.starts[0].text, "deci//decision_setup.exe");
  EXPECT_EQ(launches_.starts[0].show_command, SW_SHOW);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MainWindow, CloseButtonDestroysTheModelessWindow) {
  click(IDC_CLOSE);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(dialog_->hwnd(), nullptr);
}

TEST_F(MainWindow, TheProgramIconIsShownAndFreedWithTheWindow) {
  const HICON icon = dialog_->program_icon();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window_, WM_QUERYDRAGICON, 0, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_BIG, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_SMALL, 0)), icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  dialog_.reset();
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(GetIconInfo(icon, &info));
}

// ---- the installer's date ----------------------------------------------------------------

TEST(InstallerDate, OfferedFromTheEleventhOfJanuary2009) {
  EXPECT_FALSE(installer_offered({2009, 1, 10}));
  EXPECT_TRUE(installer_offered({2009, 1, 11}));
  EXPECT_FALSE(installer_offered({2008, 12, 31}));
  EXPECT_FALSE(installer_offered({2008, 2, 20}));
  EXPECT_TRUE(installer_offered({2009, 2, 1}));
  EXPECT_TRUE(installer_offered({2010, 1, 5}));
}

TEST_F(MainWindow, InstallerButtonIsHiddenBeforeItsDate) {
  auto shown = [this] { return (GetWindowLongPtrW(GetDlgItem(window_, IDC_INSTALLER), GWL_STYLE) & WS_VISIBLE) != 0; };
  EXPECT_TRUE(shown());

  clock_.set({2009, 1, 10});
  open_main_window();
  EXPECT_FALSE(shown());

  clock_.set({2009, 1, 11});
  open_main_window();
  EXPECT_TRUE(shown());
}

// ---- modal run -----------------------------------------------------------------------------

class MainWindowModal : public testing::ProgramWindowTest {};

TEST_F(MainWindowModal, CloseEndsTheRunWithOk) {
  FaceloreDialog dialog(GetModuleHandleW(nullptr));
  static FaceloreDialog* running = nullptr;
  running = &dialog;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (running && running->hwnd()) PostMessageW(GetDlgItem(running->hwnd(), IDC_CLOSE), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog.run(nullptr), IDOK);
  KillTimer(nullptr, timer);
  running = nullptr;
}

TEST_F(MainWindowModal, TheTitleBarCloseCancels) {
  FaceloreDialog dialog(GetModuleHandleW(nullptr));
  static FaceloreDialog* running = nullptr;
  running = &dialog;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (running && running->hwnd()) PostMessageW(running->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(dialog.run(nullptr), IDCANCEL);
  KillTimer(nullptr, timer);
  running = nullptr;
}

}  // namespace
}  // namespace facelore
