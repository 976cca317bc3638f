// Test support: folders of the build host as this process reaches them (a host path of
// the cross build, /..., is drive Z: under Wine), and a guard that works in one.
#pragma once

#include <windows.h>

#include <string>

#include "kit/text/wide.h"

namespace kit::testing {

// path as a Windows path: a host path (/...) becomes Z:\...; any other path is only
// turned into UTF-16.
inline std::wstring host_path(const char* path) {
  std::wstring wide = to_wide(path);
  if (!wide.empty() && wide[0] == L'/') {
    for (wchar_t& c : wide)
      if (c == L'/') c = L'\\';
    wide = L"Z:" + wide;
  }
  return wide;
}

// Makes folder the working folder for the lifetime of the guard.
class InFolder {
 public:
  explicit InFolder(const std::wstring& folder) {
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    previous_ = previous;
    changed_ = SetCurrentDirectoryW(folder.c_str()) != FALSE;
  }
  ~InFolder() { SetCurrentDirectoryW(previous_.c_str()); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;
  bool changed() const { return changed_; }

 private:
  std::wstring previous_;
  bool changed_ = false;
};

}  // namespace kit::testing
