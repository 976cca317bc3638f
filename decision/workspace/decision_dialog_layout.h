// Pixel places and pictures of decision's main window: the background picture the
// window reads from the working folder, and the places of the controls it frames.  The
// build-time painter draws the background around these very rectangles.  Platform-free:
// positions are pixels of the window's client area.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"

namespace decision::main_window_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;
using Placement = kit::Placement;

// The background: a bitmap file despite its name, read at every paint.  Narrow literals
// are UTF-8 in the painter and GBK in the program; this one is ASCII either way.
inline constexpr char kBackgroundFile[] = "gr.gr";
inline constexpr int kClientWidth = 894;
inline constexpr int kClientHeight = 630;

// The animated logo in the top-left corner.
inline constexpr Rect kLogo{0, 0, 196, 89};
// The word its pictures show, its name for screen readers.
inline constexpr char kLogoName[] = "择优宝";

// The command column: New, Open, Save, then Help and About, and Exit at the bottom; all
// pictures of one size at the same x.
inline constexpr int kCommandX = 4;
inline constexpr int kCommandWidth = 158;
inline constexpr int kCommandHeight = 51;
inline constexpr Rect kNewButton{kCommandX, 98, kCommandWidth, kCommandHeight};
inline constexpr Rect kOpenButton{kCommandX, 150, kCommandWidth, kCommandHeight};
inline constexpr Rect kSaveButton{kCommandX, 202, kCommandWidth, kCommandHeight};
inline constexpr Rect kHelpButton{kCommandX, 262, kCommandWidth, kCommandHeight};
inline constexpr Rect kAboutButton{kCommandX, 314, kCommandWidth, kCommandHeight};
// Exporting the decision as a printable page, under About.
inline constexpr Rect kReportButton{kCommandX, 366, kCommandWidth, kCommandHeight};
inline constexpr Rect kExitButton{kCommandX, 575, kCommandWidth, kCommandHeight};

// The two summaries: the decision's background and its execution record.
inline constexpr Rect kBackgroundBox{233, 20, 211, 61};
inline constexpr Rect kRecordBox{457, 20, 211, 61};

// Adding and deleting an alternative: each button with its position list to its
// right.  A list's height is its dropped-down height.
inline constexpr Rect kAddButton{694, 32, 64, 22};
inline constexpr Rect kDeleteButton{694, 58, 64, 22};
inline constexpr Rect kInsertList{762, 32, 118, 220};
inline constexpr Rect kDeleteList{762, 58, 118, 220};

// The 3 x 3 grid of alternatives, row by row from the top left.
inline constexpr int kGridColumns = 3;
inline constexpr int kGridCells = 9;
inline constexpr Rect kFirstCell{186, 125, 213, 126};
inline constexpr int kCellPitchX = 235;
inline constexpr int kCellPitchY = 150;

constexpr Rect grid_cell(int index) {
  return {kFirstCell.x + kCellPitchX * (index % kGridColumns),
          kFirstCell.y + kCellPitchY * (index / kGridColumns), kFirstCell.w, kFirstCell.h};
}

// The grid cells' and the summaries' text.  Their texts begin with two blank lines,
// which stay above the box: the font is made with a 14-pixel line (the platform's 宋体
// and Wine's substitute alike), and the text's first line is drawn two lines above the
// box's top, so that its third line lands at the place below.  A cell then shows the
// alternative's label on the picture's title band, the description (two lines at most)
// and the total on the last line; a summary shows its text and "……" under the band.
inline constexpr int kTextLinePitch = 14;
inline constexpr int kShownFromLine = 2;
inline constexpr int kTextInsetX = 4;  // from the box's left edge to the text
inline constexpr int kCellLabelY = 6;
inline constexpr int kSummaryTextY = 24;
// Where line (counted from 0, as the text has it) of a box whose first shown line is at
// first_y lies.
constexpr int text_line_y(int first_y, int line) { return first_y + (line - kShownFromLine) * kTextLinePitch; }
// The cell's lines: the label, the description, the total (the report's last line,
// after the description's two lines and two blank ones).
inline constexpr int kCellLabelLine = 2;
inline constexpr int kCellDescriptionLine = 4;
inline constexpr int kCellTotalLine = 8;
// At another display scale the line pitch is a whole pixel while the picture's bands are
// scaled exactly: a cell's text is pinned by the line halfway between label and total,
// so either end strays at most half as far.
inline constexpr int kCellPinnedLine = (kCellLabelLine + kCellTotalLine) / 2;
static_assert(text_line_y(kCellLabelY, kCellTotalLine) + kTextLinePitch <= kFirstCell.h,
              "the total's line must lie inside the cell");

// The rank strip under the grid: a painted label and a see-through button that names
// the alternative, for the best, the runner-up and the worst.
inline constexpr int kRankY = 577;
inline constexpr int kRankHeight = 22;
inline constexpr int kRankLabelWidth = 36;
inline constexpr int kRankButtonWidth = 64;
inline constexpr Rect kBestLabel{186, kRankY, kRankLabelWidth, kRankHeight};
inline constexpr Rect kBestButton{kBestLabel.right(), kRankY, kRankButtonWidth, kRankHeight};
inline constexpr Rect kRunnerUpLabel{kBestButton.right() + 14, kRankY, kRankLabelWidth, kRankHeight};
inline constexpr Rect kRunnerUpButton{kRunnerUpLabel.right(), kRankY, kRankButtonWidth, kRankHeight};
inline constexpr Rect kWorstLabel{kRunnerUpButton.right() + 14, kRankY, kRankLabelWidth, kRankHeight};
inline constexpr Rect kWorstButton{kWorstLabel.right(), kRankY, kRankButtonWidth, kRankHeight};
inline constexpr Rgb kRankText{0x1F, 0x3A, 0x5F};
inline constexpr char kRankTip[] = "单击展开此方案";
// Caption-only buttons: no pictures, the same tip.
inline constexpr kit::SkinButtonRow kRankButtons[] = {{.id = IDC_BEST, .place = kBestButton, .tip = kRankTip},
                                                      {.id = IDC_RUNNER_UP, .place = kRunnerUpButton, .tip = kRankTip},
                                                      {.id = IDC_WORST, .place = kWorstButton, .tip = kRankTip}};
// The button that opens the explanation of the ranking, after the strip.
inline constexpr Rect kExplainButton{kWorstButton.right() + 18, kRankY, 92, kRankHeight};

// The hint band under the rank strip: both hint pictures at the same place, at most one
// of a kind showing.
inline constexpr Rect kHint{186, 604, 480, 20};

// The button that starts the decision wizard, and under it the band that says what the
// wizard does.
inline constexpr Rect kWizardButton{685, 579, 189, 21};
inline constexpr Rect kWizardNote{685, 604, 189, 20};

// Key colours of the pictures: the command column's, the add/delete buttons' (white)
// and the wizard button's.
inline constexpr Rgb kCommandKey{0x5A, 0xAD, 0xD8};
inline constexpr Rgb kEditButtonKey{255, 255, 255};
inline constexpr Rgb kWizardKey{0x91, 0xCB, 0xFB};
// The keyboard focus mark's ink: the colour of the labels on the pictures, white on the
// deep blue ones and navy on the light ones.
inline constexpr Rgb kLightInk{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kDarkInk{0x1F, 0x3A, 0x5F};

// The main window's skin buttons: the command column, adding and deleting an
// alternative, explaining the ranking and starting the wizard.
inline constexpr kit::SkinButtonRow kNew{IDC_NEW, kNewButton, {IDB_NEW_HOVER, "main_new_hover.bmp"},
                                         {IDB_NEW, "main_new.bmp"}, kCommandKey,
                                         "建立一个新的决策项目 (Ctrl+N)", "新建决策", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kOpen{IDC_OPEN, kOpenButton, {IDB_OPEN_HOVER, "main_open_hover.bmp"},
                                          {IDB_OPEN, "main_open.bmp"}, kCommandKey,
                                          "从文件中读出决策项目 (Ctrl+O)", "打开决策", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kSave{IDC_SAVE, kSaveButton, {IDB_SAVE_HOVER, "main_save_hover.bmp"},
                                          {IDB_SAVE, "main_save.bmp"}, kCommandKey,
                                          "把决策内容保存到文件 (Ctrl+S)", "保存决策", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kHelp{IDC_SHOW_HELP, kHelpButton, {IDB_HELP_HOVER, "main_help_hover.bmp"},
                                          {IDB_HELP, "main_help.bmp"}, kCommandKey, "打开帮助 (F1)", "帮助", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kAbout{IDC_ABOUT, kAboutButton, {IDB_ABOUT_HOVER, "main_about_hover.bmp"},
                                           {IDB_ABOUT, "main_about.bmp"}, kCommandKey, nullptr, "关于", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kReport{IDC_EXPORT_REPORT, kReportButton,
                                            {IDB_EXPORT_REPORT_HOVER, "main_report_hover.bmp"},
                                            {IDB_EXPORT_REPORT, "main_report.bmp"}, kCommandKey,
                                            "把决策保存为可打印的网页 (Ctrl+E)", "导出报告", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kExit{IDC_EXIT, kExitButton, {IDB_EXIT_HOVER, "main_exit_hover.bmp"},
                                          {IDB_EXIT, "main_exit.bmp"}, kCommandKey, nullptr, "退出", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kAdd{IDC_ADD_ALTERNATIVE, kAddButton,
                                         {IDB_ADD_ALTERNATIVE_HOVER, "add_alternative_hover.bmp"},
                                         {IDB_ADD_ALTERNATIVE, "add_alternative.bmp"}, kEditButtonKey,
                                         nullptr, "增加方案", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kDelete{IDC_DELETE_ALTERNATIVE, kDeleteButton,
                                            {IDB_DELETE_ALTERNATIVE_HOVER, "delete_alternative_hover.bmp"},
                                            {IDB_DELETE_ALTERNATIVE, "delete_alternative.bmp"}, kEditButtonKey, nullptr,
                                            "删除方案", 0, &kDarkInk};
inline constexpr kit::SkinButtonRow kExplain{IDC_EXPLAIN_RANKING, kExplainButton,
                                             {IDB_EXPLAIN_RANKING_HOVER, "explain_ranking_hover.bmp"},
                                             {IDB_EXPLAIN_RANKING, "explain_ranking.bmp"}, kWizardKey,
                                             "为何如此排名", "为何如此排名", 0, &kDarkInk};
inline constexpr kit::SkinButtonRow kWizard{IDC_START_WIZARD, kWizardButton,
                                            {IDB_START_WIZARD_HOVER, "start_wizard_hover.bmp"},
                                            {IDB_START_WIZARD, "start_wizard.bmp"}, kWizardKey,
                                            "在决策向导的帮助下修改当前决策", "用决策向导修改当前决策", 0, &kLightInk};
inline constexpr kit::SkinButtonRow kButtons[] = {kAdd,  kDelete, kNew,  kOpen,    kSave,  kHelp,
                                                  kAbout, kReport, kExit, kExplain, kWizard};

// Grid cell i (0..8) shows alternative i + 1.
inline constexpr int kCellIds[kGridCells] = {IDC_CELL_1, IDC_CELL_2, IDC_CELL_3, IDC_CELL_4, IDC_CELL_5,
                                             IDC_CELL_6, IDC_CELL_7, IDC_CELL_8, IDC_CELL_9};

// The controls that show from the first decision on (hidden in the template).
inline constexpr int kWorkspaceIds[] = {IDC_BACKGROUND_SUMMARY, IDC_RECORD_SUMMARY, IDC_ADD_ALTERNATIVE,
                                        IDC_DELETE_ALTERNATIVE, IDC_INSERT_AT, IDC_DELETE_AT,
                                        IDC_START_WIZARD, IDC_EXPLAIN_RANKING};

// The picture of alternative index's cell: marked when it is the best or the worst.
constexpr int cell_picture(int index, int best, int worst) {
  return index == best ? IDB_CELL_BEST : index == worst ? IDB_CELL_WORST : IDB_CELL_PLAIN;
}

// The controls placed at start-up that are not buttons set up with their pictures.
inline constexpr kit::Placement kPlacements[] = {
    {IDC_LOGO, kLogo},
    {IDC_BACKGROUND_SUMMARY, kBackgroundBox},
    {IDC_RECORD_SUMMARY, kRecordBox},
    {IDC_INSERT_AT, kInsertList},
    {IDC_DELETE_AT, kDeleteList},
    {IDC_SEVERAL_BEST_HINT, kHint},
    {IDC_TOO_CLOSE_HINT, kHint},
    {IDC_CELL_1, grid_cell(0)},
    {IDC_CELL_2, grid_cell(1)},
    {IDC_CELL_3, grid_cell(2)},
    {IDC_CELL_4, grid_cell(3)},
    {IDC_CELL_5, grid_cell(4)},
    {IDC_CELL_6, grid_cell(5)},
    {IDC_CELL_7, grid_cell(6)},
    {IDC_CELL_8, grid_cell(7)},
    {IDC_CELL_9, grid_cell(8)},
};

// The logo's animation: seven picture files of the logo's size, read from the working
// folder, shown by a timer that counts steps 1..kLogoSteps and starts again.  A cycle
// (4.5 s) is three quick frames, a pause on the third, four quick frames and a longer
// pause on the last; the logo keeps its picture at steps that show no new frame.
inline constexpr int kLogoTimer = 11;
inline constexpr int kLogoStepMilliseconds = 150;
inline constexpr int kLogoSteps = 30;
inline constexpr int kLogoFrames = 7;
inline constexpr const char* kLogoFiles[kLogoFrames] = {"logo_1.bmp", "logo_2.bmp", "logo_3.bmp", "logo_4.bmp",
                                                         "logo_5.bmp", "logo_6.bmp", "logo_7.bmp"};
// The steps at which frames 1..7 appear, in order.
inline constexpr int kLogoFrameSteps[kLogoFrames] = {1, 2, 3, 13, 14, 15, 16};

// The frame (1..7) the logo shows from step on, or 0 at a step that keeps the picture.
constexpr int logo_frame_at(int step) {
  for (int frame = 1; frame <= kLogoFrames; ++frame)
    if (kLogoFrameSteps[frame - 1] == step) return frame;
  return 0;
}

// The step after step: one more, and 1 again after the last.
constexpr int next_logo_step(int step) { return step >= kLogoSteps ? 1 : step + 1; }

// The picture file of frame (1..7).
constexpr const char* logo_file(int frame) { return kLogoFiles[frame - 1]; }

}  // namespace decision::main_window_layout
