// The painter as the build runs it: it writes a set (at every scale) only when the
// build's list of files is exactly the set's, and writes Chinese names as their UTF-8
// characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "picture_files.h"
#include "pictures.h"

namespace painter {
namespace {

namespace fs = std::filesystem;

class PainterCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("painter-test-" + test);
    list_ = fs::temp_directory_path() / ("painter-test-" + test + ".list");
    fs::remove_all(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
    fs::remove(list_);
  }

  // Runs the painter with files as the build's list, written as the build writes it.
  int run(const std::string& set, const std::vector<std::string>& files) {
    {
      std::ofstream list(list_, std::ios::binary | std::ios::trunc);
      for (const std::string& f : files) list << f << '\n';
    }
    const std::string command = std::string("\"") + PAINTER_EXE + "\" " + set + " \"" +
                                folder_.string() + "\" \"" + list_.string() + "\" 2>/dev/null";
    return std::system(command.c_str());
  }

  static std::vector<std::string> names(const PictureSet& set) {
    std::vector<std::string> out;
    for (const PictureFile& f : set) out.push_back(f.name);
    return out;
  }

  fs::path folder_;
  fs::path list_;
};

TEST_F(PainterCommand, WritesTheSetWhenTheListMatchesInAnyOrder) {
  const PictureSet set = *paint_all_scales("gallery");
  std::vector<std::string> files = names(set);
  std::reverse(files.begin(), files.end());
  ASSERT_EQ(run("gallery", files), 0);
  for (const PictureFile& file : set) {
    const auto bytes = testing::read_bytes(folder_ / file.name);
    ASSERT_TRUE(bytes) << file.name;
    EXPECT_TRUE(*bytes == file.bytes) << file.name;
  }
}

TEST_F(PainterCommand, RefusesAListWithAFileMissingOrTooMany) {
  std::vector<std::string> files = names(paint_gallery());
  const std::string last = files.back();
  files.pop_back();
  EXPECT_NE(run("gallery", files), 0);
  files.push_back(last);
  files.push_back("extra.bmp");
  EXPECT_NE(run("gallery", files), 0);
  EXPECT_FALSE(fs::exists(folder_)) << "something was written";
}

TEST_F(PainterCommand, WritesAChineseNameAsItsUtf8Characters) {
  // "四色测试图.bmp", spelled as bytes so the check does not depend on how this file's
  // literals are compiled.
  const std::string utf8_name =
      "\xE5\x9B\x9B\xE8\x89\xB2\xE6\xB5\x8B\xE8\xAF\x95\xE5\x9B\xBE.bmp";
  const std::vector<std::string> files = names(*paint_all_scales("kit_tests"));
  ASSERT_NE(std::find(files.begin(), files.end(), utf8_name), files.end())
      << "the set's name is not UTF-8";
  ASSERT_EQ(run("kit_tests", files), 0);
  std::vector<std::string> written;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder_)) {
    if (!entry.is_regular_file()) continue;
    const std::u8string name = entry.path().filename().u8string();
    written.emplace_back(name.begin(), name.end());
  }
  EXPECT_NE(std::find(written.begin(), written.end(), utf8_name), written.end());
  EXPECT_EQ(written.size(), files.size());
}

TEST_F(PainterCommand, RefusesAnUnknownSet) {
  EXPECT_NE(run("nosuchset", {"gr.bmp"}), 0);
  EXPECT_FALSE(fs::exists(folder_));
}

}  // namespace
}  // namespace painter
