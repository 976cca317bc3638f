// RecentDecisions: the registry, the user's recent documents and the submenu.
#include "decision/workspace/recent_decisions.h"

#include <shlwapi.h>

#include <string>
#include <vector>

#include "decision/res/resource_ids.h"
#include "kit/launch.h"
#include "kit/main_window.h"
#include "kit/user_settings.h"
#include "release/product.h"

namespace decision {

namespace {

constexpr char kSubmenuText[] = "最近的决策";
constexpr wchar_t kEmptyItem[] = L"（无）";
constexpr wchar_t kListKey[] = L"Recent Decisions";
// A long path is shortened in the middle to about this many characters.
constexpr UINT kLabelChars = 60;

// "&1 C:\…\name.dec": the entry's number as its key, then the shortened path with its
// ampersands doubled, so the menu shows them.
std::wstring menu_label(std::size_t index, const std::filesystem::path& path) {
  wchar_t shortened[MAX_PATH] = {};
  if (!PathCompactPathExW(shortened, path.c_str(), kLabelChars, 0)) lstrcpynW(shortened, path.c_str(), MAX_PATH);
  std::wstring label = L"&" + std::to_wstring(index + 1) + L" ";
  for (const wchar_t* c = shortened; *c; ++c) label += *c == L'&' ? std::wstring(L"&&") : std::wstring(1, *c);
  return label;
}

UINT command_of(std::size_t index) { return static_cast<UINT>(IDM_RECENT_FIRST + index * IDM_RECENT_STEP); }

}  // namespace

void RecentDecisions::attach(HWND window) {
  window_ = window;
  std::vector<std::filesystem::path> kept;
  for (const std::wstring& path : kit::read_user_list(PRODUCT_MAKER, DECISION_PRODUCT_NAME, kListKey))
    kept.emplace_back(path);
  list_ = RecentList(kept);
  menu_ = kit::insert_system_submenu(window, IDM_ABOUT_BOX, kSubmenuText);
  show();
}

void RecentDecisions::detach() {
  window_ = nullptr;
  menu_ = nullptr;
}

void RecentDecisions::note(const std::filesystem::path& path) {
  std::error_code failed;
  std::filesystem::path full = std::filesystem::absolute(path, failed);
  if (failed) full = path;
  kit::add_recent_document(full);
  list_.add(full);
  keep_and_show();
}

void RecentDecisions::forget(const std::filesystem::path& path) {
  if (list_.remove(path)) keep_and_show();
}

std::filesystem::path RecentDecisions::chosen(UINT command) const {
  for (std::size_t i = 0; i < list_.paths().size(); ++i)
    if (command == command_of(i)) return list_.paths()[i];
  return {};
}

void RecentDecisions::keep_and_show() {
  std::vector<std::wstring> kept;
  for (const std::filesystem::path& path : list_.paths()) kept.push_back(path.wstring());
  kit::write_user_list(PRODUCT_MAKER, DECISION_PRODUCT_NAME, kListKey, kept);
  show();
}

// The submenu is written anew after each change; an empty list shows one greyed (无).
void RecentDecisions::show() const {
  if (!menu_) return;
  while (GetMenuItemCount(menu_) > 0) DeleteMenu(menu_, 0, MF_BYPOSITION);
  if (list_.paths().empty()) AppendMenuW(menu_, MF_STRING | MF_GRAYED, 0, kEmptyItem);
  for (std::size_t i = 0; i < list_.paths().size(); ++i)
    AppendMenuW(menu_, MF_STRING, command_of(i), menu_label(i, list_.paths()[i]).c_str());
}

}  // namespace decision
