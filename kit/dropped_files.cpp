// Dropped files: the drop target and the drop's list as wide paths.
#include "kit/dropped_files.h"

#include <string>

#include "kit/handles.h"

namespace kit {

namespace {

// DragQueryFileW's index that asks for the number of files.
constexpr UINT kCountFiles = 0xFFFFFFFF;

}  // namespace

void accept_dropped_files(HWND window) { DragAcceptFiles(window, TRUE); }

std::vector<std::filesystem::path> take_dropped_files(HDROP drop) {
  const UniqueDrop held(drop);
  std::vector<std::filesystem::path> files;
  if (!held) return files;
  const UINT count = DragQueryFileW(drop, kCountFiles, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    if (length == 0) continue;
    std::wstring name(length + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
    files.emplace_back(name);
  }
  return files;
}

}  // namespace kit
