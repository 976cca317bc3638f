#include "kit/text/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "kit/testing/test_folder.h"

namespace fs = std::filesystem;

namespace {

using kit::testing::gbk_path;
using kit::testing::raw_contents;
using kit::testing::write_raw;

// Every byte value, CR LF pairs and a Ctrl-Z, repeated past one read buffer.
std::string sample_bytes(std::size_t size) {
  std::string bytes;
  for (std::size_t i = 0; bytes.size() < size; ++i) {
    bytes += static_cast<char>(i % 256);
    if (i % 97 == 0) bytes += "\r\n\x1A";
  }
  bytes.resize(size);
  return bytes;
}

class FileIoTest : public kit::testing::TestFolder {
 protected:
  // The names in the test folder, as the file system spells them.
  std::set<fs::path> entries() const {
    std::set<fs::path> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.insert(entry.path().filename());
    return names;
  }

};

TEST_F(FileIoTest, ReadsTheWholeFileByteForByte) {
  std::string bytes = sample_bytes(200 * 1024 + 7);
  write_raw(dir_ / "all.bin", bytes);
  std::string out = "stale";
  ASSERT_EQ(kit::read_file_bytes(gbk_path(dir_ / "all.bin"), out, 1024 * 1024), kit::kFileOk);
  EXPECT_EQ(out.size(), bytes.size());
  EXPECT_TRUE(out == bytes);
}

TEST_F(FileIoTest, RefusesAFileOverTheLimitAndAcceptsOneAtIt) {
  std::string bytes = sample_bytes(70000);
  write_raw(dir_ / "big.bin", bytes);
  std::string out = "stale";
  EXPECT_EQ(kit::read_file_bytes(gbk_path(dir_ / "big.bin"), out, bytes.size() - 1), kit::kFileTooLarge);
  EXPECT_TRUE(out.empty());
  ASSERT_EQ(kit::read_file_bytes(gbk_path(dir_ / "big.bin"), out, bytes.size()), kit::kFileOk);
  EXPECT_TRUE(out == bytes);
}

TEST_F(FileIoTest, MissingFileAndFolderCannotBeOpened) {
  std::string out = "stale";
  EXPECT_EQ(kit::read_file_bytes(gbk_path(dir_ / "missing.dec"), out, 1000), kit::kFileCannotOpen);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(kit::read_file_bytes(gbk_path(dir_), out, 1000), kit::kFileCannotOpen);
}

TEST_F(FileIoTest, ReplaceCreatesThenReplacesWithExactlyTheBytes) {
  fs::path target = dir_ / "a.dec";
  std::string first = sample_bytes(5000);
  ASSERT_EQ(kit::replace_file_bytes(gbk_path(target), first), kit::kFileOk);
  EXPECT_TRUE(raw_contents(target) == first);

  // A shorter content leaves nothing of the longer one behind.
  ASSERT_EQ(kit::replace_file_bytes(gbk_path(target), "short"), kit::kFileOk);
  EXPECT_EQ(raw_contents(target), "short");
  ASSERT_EQ(kit::replace_file_bytes(gbk_path(target), ""), kit::kFileOk);
  EXPECT_EQ(fs::file_size(target), 0u);

  EXPECT_EQ(entries(), std::set<fs::path>{"a.dec"});  // no temporary file left
}

TEST_F(FileIoTest, ReplaceInAMissingFolderFailsAndCreatesNothing) {
  fs::path target = dir_ / "no such folder" / "a.dec";
  EXPECT_EQ(kit::replace_file_bytes(gbk_path(target), "data"), kit::kFileWriteFailed);
  EXPECT_FALSE(fs::exists(target.parent_path()));
  EXPECT_TRUE(entries().empty());
}

TEST_F(FileIoTest, ReplaceOverAFolderKeepsItAndRemovesTheTemporaryFile) {
  fs::path target = dir_ / "taken.dec";
  fs::create_directory(target);
  write_raw(target / "inside.txt", "old");
  EXPECT_EQ(kit::replace_file_bytes(gbk_path(target), "new content"), kit::kFileWriteFailed);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(raw_contents(target / "inside.txt"), "old");
  EXPECT_EQ(entries(), std::set<fs::path>{"taken.dec"});
}

TEST_F(FileIoTest, ChineseFileNamesAreWrittenAndReadUnderTheirOwnName) {
  // 淺 is 9C 5C in GBK: its trail byte is a backslash, which a byte-wise path
  // conversion would take for a folder separator.
  const std::string folder = "案例";
  const std::string name = "淺决策测试.dec";
  ASSERT_EQ(name.substr(0, 2), "\x9C\x5C");
#ifdef _WIN32
  // The name on disk must be the Unicode name, whatever the ANSI code page.
  const fs::path on_disk = dir_ / L"案例" / L"淺决策测试.dec";
#else
  const fs::path on_disk = dir_ / folder / name;  // the GBK bytes are the name
#endif
  ASSERT_TRUE(fs::create_directory(on_disk.parent_path()));
  const std::string path = gbk_path(dir_) + "/" + folder + "/" + name;
  const std::string bytes = sample_bytes(3000);

  ASSERT_EQ(kit::replace_file_bytes(path, bytes), kit::kFileOk);
  ASSERT_TRUE(fs::exists(on_disk));
  EXPECT_TRUE(raw_contents(on_disk) == bytes);

  std::string out;
  ASSERT_EQ(kit::read_file_bytes(path, out, 1024 * 1024), kit::kFileOk);
  EXPECT_TRUE(out == bytes);

  std::set<fs::path> names;
  for (const auto& entry : fs::directory_iterator(on_disk.parent_path())) names.insert(entry.path().filename());
  EXPECT_EQ(names, std::set<fs::path>{on_disk.filename()});
}

}  // namespace
