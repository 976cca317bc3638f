// The painter as the build runs it: it writes a set only when the build's list of files
// is exactly the set's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
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
    folder_ = fs::temp_directory_path() /
              (std::string("painter-test-") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  int run(const std::string& set, const std::vector<std::string>& files) {
    std::string command = std::string("\"") + PAINTER_EXE + "\" " + set + " \"" +
                          folder_.string() + "\"";
    for (const std::string& f : files) command += " " + f;
    command += " 2>/dev/null";
    return std::system(command.c_str());
  }

  static std::vector<std::string> names(const PictureSet& set) {
    std::vector<std::string> out;
    for (const PictureFile& f : set) out.push_back(f.name);
    return out;
  }

  fs::path folder_;
};

TEST_F(PainterCommand, WritesTheSetWhenTheListMatchesInAnyOrder) {
  const PictureSet set = paint_gallery();
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

TEST_F(PainterCommand, RefusesAnUnknownSet) {
  EXPECT_NE(run("nosuchset", {"gr.bmp"}), 0);
  EXPECT_FALSE(fs::exists(folder_));
}

}  // namespace
}  // namespace painter
