#include "kit/text/file_io.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "kit/testing/test_folder.h"

namespace fs = std::filesystem;

namespace {

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
  ASSERT_EQ(kit::read_path_bytes(dir_ / "all.bin", out, 1024 * 1024), kit::kFileOk);
  EXPECT_EQ(out.size(), bytes.size());
  EXPECT_TRUE(out == bytes);
}

TEST_F(FileIoTest, RefusesAFileOverTheLimitAndAcceptsOneAtIt) {
  std::string bytes = sample_bytes(70000);
  write_raw(dir_ / "big.bin", bytes);
  std::string out = "stale";
  EXPECT_EQ(kit::read_path_bytes(dir_ / "big.bin", out, bytes.size() - 1), kit::kFileTooLarge);
  EXPECT_TRUE(out.empty());
  ASSERT_EQ(kit::read_path_bytes(dir_ / "big.bin", out, bytes.size()), kit::kFileOk);
  EXPECT_TRUE(out == bytes);
}

TEST_F(FileIoTest, MissingFileAndFolderCannotBeOpened) {
  std::string out = "stale";
  EXPECT_EQ(kit::read_path_bytes(dir_ / "missing.dec", out, 1000), kit::kFileCannotOpen);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(kit::read_path_bytes(dir_, out, 1000), kit::kFileCannotOpen);
}

TEST_F(FileIoTest, ReplaceCreatesThenReplacesWithExactlyTheBytes) {
  fs::path target = dir_ / "a.dec";
  std::string first = sample_bytes(5000);
  ASSERT_EQ(kit::replace_path_bytes(target, first), kit::kFileOk);
  EXPECT_TRUE(raw_contents(target) == first);

  // A shorter content leaves nothing of the longer one behind.
  ASSERT_EQ(kit::replace_path_bytes(target, "short"), kit::kFileOk);
  EXPECT_EQ(raw_contents(target), "short");
  ASSERT_EQ(kit::replace_path_bytes(target, ""), kit::kFileOk);
  EXPECT_EQ(fs::file_size(target), 0u);

  EXPECT_EQ(entries(), std::set<fs::path>{"a.dec"});  // no temporary file left
}

TEST_F(FileIoTest, ReplaceInAMissingFolderFailsAndCreatesNothing) {
  fs::path target = dir_ / "no such folder" / "a.dec";
  EXPECT_EQ(kit::replace_path_bytes(target, "data"), kit::kFileWriteFailed);
  EXPECT_FALSE(fs::exists(target.parent_path()));
  EXPECT_TRUE(entries().empty());
}

TEST_F(FileIoTest, ReplaceOverAFolderKeepsItAndRemovesTheTemporaryFile) {
  fs::path target = dir_ / "taken.dec";
  fs::create_directory(target);
  write_raw(target / "inside.txt", "old");
  EXPECT_EQ(kit::replace_path_bytes(target, "new content"), kit::kFileWriteFailed);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(raw_contents(target / "inside.txt"), "old");
  EXPECT_EQ(entries(), std::set<fs::path>{"taken.dec"});
}

TEST_F(FileIoTest, AnyNameTheSystemAllowsIsWrittenAndReadUnderItself) {
  // 淺 has a backslash for its GBK trail byte; the others are not GBK at all.
  const std::set<fs::path> kNames = {u8"淺决策测试.dec", u8"Käufe ß ñ.dec", u8"한국어.dec", u8"\U0001F600.dec"};
  const fs::path folder = dir_ / u8"案例 ä";
  const std::string bytes = sample_bytes(3000);
  ASSERT_TRUE(fs::create_directory(folder));
  for (const fs::path& name : kNames) {
    const fs::path path = folder / name;
    ASSERT_EQ(kit::replace_path_bytes(path, bytes), kit::kFileOk);
    std::string out;
    ASSERT_EQ(kit::read_path_bytes(path, out, 1024 * 1024), kit::kFileOk);
    EXPECT_TRUE(out == bytes);
  }
  std::set<fs::path> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  EXPECT_EQ(names, kNames);
}

#ifdef _WIN32
TEST_F(FileIoTest, AFileHeldWithoutSharingIsUnreadableNotMissing) {
  const fs::path path = dir_ / "held.dec";
  write_raw(path, "content");
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::string out;
  EXPECT_EQ(kit::read_path_bytes(path, out, 1000), kit::kFileUnreadable);
  CloseHandle(held);
  EXPECT_EQ(kit::read_path_bytes(path, out, 1000), kit::kFileOk);
}
#endif

}  // namespace
