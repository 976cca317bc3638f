// Test support: while a ScratchUserSettings lives, the kit's per-user settings are kept
// under a key of this test process's own (removed when the guard goes), so no test reads
// or writes what a real run keeps for the user.
#pragma once

#include <windows.h>

#include <string>

#include "kit/user_settings.h"

namespace kit::testing {

class ScratchUserSettings {
 public:
  ScratchUserSettings()
      : root_(std::wstring(kParent) + L"\\settings-" + std::to_wstring(GetCurrentProcessId())),
        previous_(set_user_settings_root(root_)) {
    RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
  }
  ~ScratchUserSettings() { remove(); }
  ScratchUserSettings(const ScratchUserSettings&) = delete;
  ScratchUserSettings& operator=(const ScratchUserSettings&) = delete;

  // Puts the real root back and removes what the test kept.
  void remove() {
    if (removed_) return;
    removed_ = true;
    set_user_settings_root(previous_);
    RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, kParent);  // only once no other test process uses it
  }

 private:
  static constexpr wchar_t kParent[] = L"Software\\kit-tests";
  std::wstring root_;
  std::wstring previous_;
  bool removed_ = false;
};

}  // namespace kit::testing
