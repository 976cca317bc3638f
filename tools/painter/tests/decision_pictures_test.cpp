// decision's pictures as the build writes them: the files of every window's recipe,
// under their Chinese names as UTF-8, at the sizes the windows blit them at.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "decision/guidance/case_library_dialog_layout.h"
#include "decision/guidance/new_decision_dialog_layout.h"
#include "decision/workspace/decision_about_dialog_layout.h"
#include "decision/document/decision.h"
#include "decision/workspace/decision_dialog_layout.h"
#include "decision/decision_pictures.h"
#include "picture_checks.h"
#include "pictures.h"

namespace painter {
namespace {

namespace main_lay = decision::main_window_layout;
namespace about_lay = decision::about_layout;
using testing::load_painted_bmp;

constexpr char kSet[] = "decision";
// "关于框.bmp" as UTF-8 bytes, independent of how the literals here are compiled.
const std::string kAboutUtf8 = "\xE5\x85\xB3\xE4\xBA\x8E\xE6\xA1\x86.bmp";
// "大输入框.bmp" and "小输入框.bmp".
const std::string kBigUtf8 = "\xE5\xA4\xA7\xE8\xBE\x93\xE5\x85\xA5\xE6\xA1\x86.bmp";
const std::string kSmallUtf8 = "\xE5\xB0\x8F\xE8\xBE\x93\xE5\x85\xA5\xE6\xA1\x86.bmp";

TEST(DecisionFiles, TheBuildWroteEveryFileOfTheSetAsPainted) {
  const PictureSet set = paint_decision();
  std::vector<std::string> names;
  for (const PictureFile& file : set) {
    names.push_back(file.name);
    const auto bytes = testing::read_bytes(path_in(std::filesystem::path(PAINTED_DIR) / kSet, file.name));
    ASSERT_TRUE(bytes) << file.name << " is missing";
    EXPECT_TRUE(*bytes == file.bytes) << file.name;
  }
  // The working-folder pictures reach the disk under their Chinese names as UTF-8 (the
  // exact list is the build's, which the painter checks against the set).
  const std::vector<std::string> chinese_names{
      kAboutUtf8, kBigUtf8, kSmallUtf8,
      // 可能性.bmp, 基于评价.bmp, 基于喜恶.bmp, 基于效用.bmp
      "\xE5\x8F\xAF\xE8\x83\xBD\xE6\x80\xA7.bmp", "\xE5\x9F\xBA\xE4\xBA\x8E\xE8\xAF\x84\xE4\xBB\xB7.bmp",
      "\xE5\x9F\xBA\xE4\xBA\x8E\xE5\x96\x9C\xE6\x81\xB6.bmp", "\xE5\x9F\xBA\xE4\xBA\x8E\xE6\x95\x88\xE7\x94\xA8.bmp",
      // The painter's tests compile their literals as UTF-8 too.
      "新建决策.bmp", "空白决策.bmp", "决策案例.bmp", "选择案例.bmp"};
  for (const std::string& name : chinese_names)
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << "no file " << name;
}

TEST(DecisionFiles, LayoutHeaderNamesAreUtf8InThePainter) {
  // The painter's own literals are UTF-8 although the host build compiles the rest of
  // the project to GBK; otherwise the file would get a GBK name on disk.
  EXPECT_EQ(std::string(about_lay::kBackgroundFile), kAboutUtf8);
}

TEST(DecisionFiles, BackgroundsHaveTheSizesTheWindowsBlit) {
  Image main;
  ASSERT_TRUE(load_painted_bmp(kSet, main_lay::kBackgroundFile, main));
  EXPECT_EQ(main.width, 894);
  EXPECT_EQ(main.height, 630);
  Image about;
  ASSERT_TRUE(load_painted_bmp(kSet, kAboutUtf8, about));
  EXPECT_EQ(about.width, 350);
  EXPECT_EQ(about.height, 230);
}

TEST(DecisionMainWindow, EveryGridCellLiesInsideTheWindowWithoutOverlap) {
  for (int i = 0; i < main_lay::kGridCells; ++i) {
    const main_lay::Rect cell = main_lay::grid_cell(i);
    EXPECT_LE(cell.right(), main_lay::kClientWidth) << i;
    EXPECT_LE(cell.bottom(), main_lay::kWizardButton.y) << i;
    EXPECT_GE(cell.x, main_lay::kCommandX + main_lay::kCommandWidth) << i;
  }
  EXPECT_GT(main_lay::kCellPitchX, main_lay::kFirstCell.w);
  EXPECT_GT(main_lay::kCellPitchY, main_lay::kFirstCell.h);
}

TEST(DecisionAboutBox, TheLinkPlaceShowsTheAddressOnTheBoxGround) {
  Image about;
  ASSERT_TRUE(load_painted_bmp(kSet, kAboutUtf8, about));
  const about_lay::Rect& link = about_lay::kLink;
  ASSERT_LE(link.right(), about.width);
  ASSERT_LE(link.bottom(), about.height);
  // Link-blue ink inside the place, and the corners of the place are the box's ground,
  // so a picture cut from there sits in the box seamlessly.
  int blue = 0;
  for (int y = link.y; y < link.bottom(); ++y)
    for (int x = link.x; x < link.right(); ++x) {
      const Rgb p = about.at(x, y);
      if (p.b > p.r + 40) ++blue;
    }
  EXPECT_GT(blue, 40);
  EXPECT_EQ(about.at(link.x, link.y), about.at(link.right() - 1, link.y));
  EXPECT_EQ(about.at(link.x, link.y), about.at(link.x, link.bottom() - 1));
}

namespace chooser_lay = decision::new_decision_layout;
namespace library_lay = decision::case_library_layout;

Image painted(const char* name) {
  Image image;
  EXPECT_TRUE(load_painted_bmp(kSet, name, image)) << name;
  return image;
}

TEST(DecisionChooser, PicturesHaveTheSizesTheWindowsDrawThemAt) {
  for (const char* name : {chooser_lay::kBlankDescriptionFile, chooser_lay::kCaseDescriptionFile}) {
    const Image band = painted(name);
    EXPECT_EQ(band.width, chooser_lay::kDescription.w) << name;
    EXPECT_EQ(band.height, chooser_lay::kDescription.h) << name;
  }
  const Image background = painted(chooser_lay::kBackgroundFile);
  EXPECT_EQ(background.width, 719);
  EXPECT_EQ(background.height, 467);
  const Image library = painted(library_lay::kBackgroundFile);
  EXPECT_EQ(library.width, 481);
  EXPECT_EQ(library.height, 376);
}

// The band says something different for each way: the blank and case pictures, and the
// wizard's words in the background's own band.
TEST(DecisionChooser, EachWayOfStartingHasItsOwnDescription) {
  const Image background = painted(chooser_lay::kBackgroundFile);
  const chooser_lay::Rect& band = chooser_lay::kDescription;
  const Image wizard = crop(background, band.x, band.y, band.w, band.h);
  const Image blank = painted(chooser_lay::kBlankDescriptionFile);
  const Image from_case = painted(chooser_lay::kCaseDescriptionFile);
  ASSERT_EQ(blank.width, wizard.width);
  ASSERT_EQ(from_case.height, wizard.height);
  EXPECT_NE(blank.pixels, from_case.pixels);
  EXPECT_NE(blank.pixels, wizard.pixels);
  EXPECT_NE(from_case.pixels, wizard.pixels);
}

TEST(DecisionChooser, ButtonsAreKeyedFacesOfTheirPlaces) {
  struct Button {
    const char* name;
    kit::PixelRect place;
    Rgb key;
  };
  const Button buttons[] = {
      {"ok_normal.bmp", chooser_lay::kOkButton, chooser_lay::kButtonKey},
      {"ok_hover.bmp", chooser_lay::kOkButton, chooser_lay::kButtonKey},
      {"cancel_normal.bmp", chooser_lay::kCancelButton, chooser_lay::kButtonKey},
      {"cancel_hover.bmp", chooser_lay::kCancelButton, chooser_lay::kButtonKey},
      {"more_cases_normal.bmp", library_lay::kMoreCasesButton, library_lay::kMoreCasesKey},
      {"more_cases_hover.bmp", library_lay::kMoreCasesButton, library_lay::kMoreCasesKey},
  };
  for (const Button& b : buttons) {
    const Image image = painted(b.name);
    EXPECT_EQ(image.width, b.place.w) << b.name;
    EXPECT_EQ(image.height, b.place.h) << b.name;
    EXPECT_TRUE(testing::is_keyed_button(image, b.key)) << b.name;
  }
  // The case library's OK and Cancel are the chooser's pictures: same size there.
  EXPECT_EQ(library_lay::kOpenButton.w, chooser_lay::kOkButton.w);
  EXPECT_EQ(library_lay::kCancelButton.h, chooser_lay::kCancelButton.h);
}

// The small round pictures: the key around them, and the chosen option and the lit
// close button differ from their others in the middle.
TEST(DecisionChooser, OptionAndClosePicturesAreRoundOnTheirKeys) {
  const struct {
    const char* normal;
    const char* marked;
    kit::PixelRect place;
    Rgb key;
  } pairs[] = {
      {"option_off.bmp", "option_on.bmp", chooser_lay::kBlankOption, chooser_lay::kButtonKey},
      {"close_normal.bmp", "close_hover.bmp", library_lay::kCloseButton, library_lay::kCloseKey},
  };
  for (const auto& pair : pairs) {
    const Image normal = painted(pair.normal);
    const Image marked = painted(pair.marked);
    for (const Image* image : {&normal, &marked}) {
      ASSERT_EQ(image->width, pair.place.w) << pair.normal;
      ASSERT_EQ(image->height, pair.place.h) << pair.normal;
      EXPECT_EQ(image->at(0, 0), pair.key) << pair.normal;
      EXPECT_EQ(image->at(image->width - 1, image->height - 1), pair.key) << pair.normal;
    }
    const int c = pair.place.w / 2;
    EXPECT_NE(normal.at(c, c), marked.at(c, c)) << pair.normal;
  }
}


// The main window's bitmaps, each with the place it is shown at.
struct MainPicture {
  const char* name;
  main_lay::Rect place;
};
const MainPicture kMainPictures[] = {
    {"cell_plain.bmp", main_lay::kFirstCell},
    {"cell_worst.bmp", main_lay::kFirstCell},
    {"cell_best.bmp", main_lay::kFirstCell},
    {"background_summary.bmp", main_lay::kBackgroundBox},
    {"record_summary.bmp", main_lay::kRecordBox},
    {"several_best_hint.bmp", main_lay::kHint},
    {"too_close_hint.bmp", main_lay::kHint},
};
Image painted_at_size(const char* name, const main_lay::Rect& place) {
  Image image;
  EXPECT_TRUE(load_painted_bmp(kSet, name, image)) << name;
  EXPECT_EQ(image.width, place.w) << name;
  EXPECT_EQ(image.height, place.h) << name;
  return image;
}

// Every button is a keyed face of its place's size, lit differently under the pointer,
// and lies on one flat colour of the background, the colour its edges were faded into.
TEST(DecisionMainWindow, ButtonsAreKeyedFacesOnAFlatGround) {
  Image main;
  ASSERT_TRUE(load_painted_bmp(kSet, main_lay::kBackgroundFile, main));
  for (const kit::SkinButtonRow& b : main_lay::kButtons) {
    const Image normal = painted_at_size(b.normal.file, b.place);
    const Image hover = painted_at_size(b.hover.file, b.place);
    EXPECT_TRUE(testing::is_keyed_button(normal, b.key)) << b.normal.file;
    EXPECT_TRUE(testing::is_keyed_button(hover, b.key)) << b.hover.file;
    EXPECT_NE(normal.pixels, hover.pixels) << b.normal.file;
    const Rgb ground = main.at(b.place.x, b.place.y);
    for (int y = b.place.y; y < b.place.bottom(); ++y)
      for (int x = b.place.x; x < b.place.right(); ++x)
        ASSERT_EQ(main.at(x, y), ground) << b.normal.file << " lies on a mark of the background at " << x << "," << y;
  }
}

// Every picture a window's button table names is painted at the size of the button's
// place and named by the generated resource script under its own id (two tables that
// gave one id two files would lose one of them there).
TEST(DecisionButtonTables, PicturesArePaintedAtTheirButtonsSizeAndScripted) {
  const std::map<int, std::string> scripted = decision_pictures::script_pictures();
  const auto bytes = testing::read_bytes(path_in(std::filesystem::path(PAINTED_DIR) / kSet, decision_pictures::kPictureScript));
  ASSERT_TRUE(bytes);
  const std::string script(bytes->begin(), bytes->end());
  for (auto table : decision_pictures::button_tables())
    for (const kit::SkinButtonRow& row : table)
      for (const kit::SkinPicture& picture : {row.hover, row.normal}) {
        if (picture.id == 0) continue;
        if (!row.place.empty()) painted_at_size(picture.file, row.place);
        ASSERT_EQ(scripted.count(picture.id), 1u) << picture.file;
        EXPECT_EQ(scripted.at(picture.id), picture.file) << picture.id;
        const std::string line = std::to_string(picture.id) + " BITMAP \"" + picture.file + "\"\n";
        EXPECT_NE(script.find(line), std::string::npos) << line;
      }
}

// The cells and summaries keep every text line on an empty light surface; the three
// cells tell the ranks apart by the colour along their top.
TEST(DecisionMainWindow, CellAndSummaryTextLinesAreLight) {
  for (const MainPicture& p : kMainPictures) painted_at_size(p.name, p.place);
  const int pitch = main_lay::kTextLinePitch;
  auto line_y = [](int line) { return main_lay::text_line_y(main_lay::kCellLabelY, line); };
  Rgb marks[3];
  int i = 0;
  for (const char* name : {"cell_plain.bmp", "cell_worst.bmp", "cell_best.bmp"}) {
    const Image cell = painted(name);
    // The label (its left part: a tag may sit at the band's right end), the
    // description's two lines and the blank ones after them, the total.
    EXPECT_TRUE(testing::is_flat_and_light(cell, 0, line_y(main_lay::kCellLabelLine), cell.width / 2, pitch, 1))
        << name;
    const int description = line_y(main_lay::kCellDescriptionLine);
    const int total = line_y(main_lay::kCellTotalLine);
    EXPECT_TRUE(testing::is_flat_and_light(cell, 0, description, cell.width, total - description - 4, 1)) << name;
    EXPECT_TRUE(testing::is_flat_and_light(cell, 0, total, cell.width, pitch, 1)) << name;
    EXPECT_LT(testing::luminance(cell.at(1, 1)), 160) << name << ": no rank colour along the top";
    marks[i++] = cell.at(1, 1);
  }
  EXPECT_NE(marks[0], marks[1]);
  EXPECT_NE(marks[0], marks[2]);
  EXPECT_NE(marks[1], marks[2]);
  for (const char* name : {"background_summary.bmp", "record_summary.bmp"}) {
    const Image summary = painted(name);
    const int text = main_lay::kSummaryTextY;
    EXPECT_TRUE(testing::is_flat_and_light(summary, 0, text, summary.width, summary.height - text, 1)) << name;
  }
}

// Words painted on the window's places stay inside them: the hints' text ends short of
// the picture's right edge, and each rank label carries its word (light ink on its tag).
TEST(DecisionMainWindow, HintTextsAndRankLabelsFitTheirPlaces) {
  for (const char* name : {"several_best_hint.bmp", "too_close_hint.bmp"}) {
    const Image hint = painted(name);
    int last_ink = -1;
    for (int y = 0; y < hint.height; ++y)
      for (int x = 0; x < hint.width; ++x)
        if (testing::luminance(hint.at(x, y)) < 110) last_ink = std::max(last_ink, x);
    EXPECT_GT(last_ink, hint.width / 4) << name << " shows no text";
    EXPECT_LT(last_ink, hint.width - 6) << name << " runs to its edge";
  }
  Image main;
  ASSERT_TRUE(load_painted_bmp(kSet, main_lay::kBackgroundFile, main));
  for (const main_lay::Rect& label : {main_lay::kBestLabel, main_lay::kRunnerUpLabel, main_lay::kWorstLabel}) {
    int ink = 0;
    for (int y = label.y; y < label.bottom(); ++y)
      for (int x = label.x; x < label.right(); ++x) ink += testing::luminance(main.at(x, y)) > 235;
    EXPECT_GT(ink, 20) << "label at " << label.x;
    // The ring just outside the label is the band's plain ground: the tag stays inside.
    const Rgb ground = main.at(label.x - 1, label.y - 1);
    for (int x = label.x - 1; x <= label.right(); ++x) {
      EXPECT_EQ(main.at(x, label.y - 1), ground) << "label at " << label.x;
      EXPECT_EQ(main.at(x, label.bottom()), ground) << "label at " << label.x;
    }
    for (int y = label.y; y < label.bottom(); ++y) {
      EXPECT_EQ(main.at(label.x - 1, y), ground) << "label at " << label.x;
      EXPECT_EQ(main.at(label.right(), y), ground) << "label at " << label.x;
    }
  }
}

// The cell and summary pictures put their bands on the texts' lines: the report's
// label, description and total and the summary's text, counted in line breaks.
TEST(DecisionMainWindow, ReportAndSummaryLinesFallOnThePicturesLines) {
  auto line_at = [](const std::string& text, std::size_t at) {
    int breaks = 0;
    for (std::size_t i = 0; i + 1 < at && i + 1 < text.size(); ++i) breaks += text[i] == '\r' && text[i + 1] == '\n';
    return breaks;
  };
  decision::Decision d;
  decision::reset_decision(d);
  for (const std::string& description : {std::string(10, 'x'), std::string(40, 'y')}) {
    d.alternatives[1].deci_str = description;
    const std::string report = decision::alternative_report_text(d, 1);
    EXPECT_EQ(line_at(report, report.find_first_not_of("\r\n")), main_lay::kCellLabelLine) << report;
    EXPECT_EQ(line_at(report, report.find(description.substr(0, 10))), main_lay::kCellDescriptionLine) << report;
    EXPECT_EQ(line_at(report, report.size()), main_lay::kCellTotalLine) << report;
  }
  // The summary's text on the first shown line, its "……" still inside the box.
  const std::string summary = decision::summary_text("qqqq");
  EXPECT_EQ(line_at(summary, summary.find('q')), main_lay::kShownFromLine);
  EXPECT_LE(main_lay::text_line_y(main_lay::kSummaryTextY, line_at(summary, summary.size())) + main_lay::kTextLinePitch,
            main_lay::kBackgroundBox.h);
}

}  // namespace
}  // namespace painter
