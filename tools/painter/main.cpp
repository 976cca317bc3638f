// painter <set> <output folder> <list file>
// Draws one picture set at every scale and writes its files into the folder, the larger
// scales' into a sub-folder each.  The list file names the
// files the build expects, one UTF-8 name a line; the painter refuses to write anything
// when they are not exactly the set's files, so the build's list cannot drift from the
// set.  The names travel in a file rather than on the command line because a Windows
// command line passes through the ANSI code page, which cannot hold every Chinese name.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "pictures.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitMismatch = 3;
constexpr int kExitWrite = 4;
constexpr int kExitDraw = 5;

// The list file's names, or nothing when it cannot be read.
std::optional<std::vector<std::string>> read_list(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> names;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) names.push_back(line);
  }
  return names;
}

bool write_file(const std::filesystem::path& path, const painter::Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: painter <set> <output folder> <list file>\n");
    return kExitUsage;
  }
  const std::string set_name = argv[1];
  // The folders are build-tree paths; only the pictures' own names need be Chinese.
  const std::filesystem::path folder = argv[2];
  std::optional<std::vector<std::string>> listed = read_list(argv[3]);
  if (!listed) {
    std::fprintf(stderr, "painter: cannot read the list %s\n", argv[3]);
    return kExitUsage;
  }
  std::vector<std::string> expected = std::move(*listed);

  std::optional<painter::PictureSet> set;
  try {
    set = painter::paint_all_scales(set_name);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "painter: drawing %s failed: %s\n", set_name.c_str(), e.what());
    return kExitDraw;
  }
  if (!set) {
    std::fprintf(stderr, "painter: no picture set called %s\n", set_name.c_str());
    return kExitUsage;
  }

  std::vector<std::string> actual;
  for (const painter::PictureFile& file : *set) actual.push_back(file.name);
  std::sort(expected.begin(), expected.end());
  std::sort(actual.begin(), actual.end());
  if (expected != actual) {
    std::fprintf(stderr, "painter: the build lists other files than set %s makes:\n",
                 set_name.c_str());
    for (const std::string& name : actual) {
      if (!std::binary_search(expected.begin(), expected.end(), name)) {
        std::fprintf(stderr, "  not listed: %s\n", name.c_str());
      }
    }
    for (const std::string& name : expected) {
      if (!std::binary_search(actual.begin(), actual.end(), name)) {
        std::fprintf(stderr, "  not made:   %s\n", name.c_str());
      }
    }
    return kExitMismatch;
  }

  if (std::adjacent_find(actual.begin(), actual.end()) != actual.end()) {
    std::fprintf(stderr, "painter: set %s makes two files of one name\n", set_name.c_str());
    return kExitMismatch;
  }

  std::error_code error;
  for (const painter::PictureFile& file : *set) {
    const std::filesystem::path path = painter::path_in(folder, file.name);
    std::filesystem::create_directories(path.parent_path(), error);
    if (!write_file(path, file.bytes)) {
      std::fprintf(stderr, "painter: cannot write %s in %s\n", file.name.c_str(),
                   folder.string().c_str());
      return kExitWrite;
    }
  }
  return 0;
}
