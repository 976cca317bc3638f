// painter <set> <output folder> <file>...
// Draws one picture set and writes its files into the folder.  The files named on the
// command line are those the build expects; the painter refuses to write anything when
// they are not exactly the set's files, so the build's list cannot drift from the set.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "pictures.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitMismatch = 3;
constexpr int kExitWrite = 4;
constexpr int kExitDraw = 5;

bool write_file(const std::filesystem::path& path, const painter::Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: painter <set> <output folder> <file>...\n");
    return kExitUsage;
  }
  const std::string set_name = argv[1];
  const std::filesystem::path folder = argv[2];
  std::vector<std::string> expected(argv + 3, argv + argc);

  std::optional<painter::PictureSet> set;
  try {
    set = painter::paint_set(set_name);
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

  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const painter::PictureFile& file : *set) {
    if (!write_file(folder / file.name, file.bytes)) {
      std::fprintf(stderr, "painter: cannot write %s\n", (folder / file.name).string().c_str());
      return kExitWrite;
    }
  }
  return 0;
}
