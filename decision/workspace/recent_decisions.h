// RecentDecisions: the main window's side of the recent decisions.  Every decision file
// opened or saved joins the user's recent documents and the program's own list of four,
// which is kept per user in the registry under the maker's key and shown, numbered, in
// the system menu's submenu 最近的决策.  The list's rules are RecentList's.
#pragma once

#include <windows.h>

#include <filesystem>

#include "decision/workspace/recent_list.h"

namespace decision {

class RecentDecisions {
 public:
  // Reads the kept list and puts the submenu into window's system menu above About.
  void attach(HWND window);
  void detach();

  // A decision file was opened or saved at path (full).
  void note(const std::filesystem::path& path);
  // path's file is gone: out of the list.
  void forget(const std::filesystem::path& path);
  // The file behind system menu command, or an empty path when it is none of the list's.
  std::filesystem::path chosen(UINT command) const;

  const RecentList& list() const { return list_; }

 private:
  void keep_and_show();
  void show() const;

  HWND window_ = nullptr;
  HMENU menu_ = nullptr;
  RecentList list_;
};

}  // namespace decision
