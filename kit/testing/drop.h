// Test support: files dropped on a window as the shell drops them, a drop handle holding
// a DROPFILES header and the wide, double-NUL-terminated list, sent as WM_DROPFILES.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace kit::testing {

// The window frees the drop (DragFinish), as it must for a real one.
inline void drop_files(HWND window, const std::vector<std::filesystem::path>& files) {
  std::wstring list;
  for (const std::filesystem::path& file : files) list += file.wstring() + L'\0';
  list += L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL drop = GlobalAlloc(GHND, bytes);
  if (!drop) return;
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(drop);
  SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

}  // namespace kit::testing
