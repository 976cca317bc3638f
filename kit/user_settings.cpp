// Per-user lists in the registry under the maker's key.
#include "kit/user_settings.h"

#include <windows.h>

#include "kit/handles.h"
#include "kit/text/wide.h"

namespace kit {

namespace {

std::wstring g_root = L"Software";

std::wstring list_key(std::string_view maker, std::string_view program, std::wstring_view list) {
  return g_root + L"\\" + to_wide(maker) + L"\\" + to_wide(program) + L"\\" + std::wstring(list);
}

std::wstring value_name(std::size_t index) { return std::to_wstring(index + 1); }

}  // namespace

std::vector<std::wstring> read_user_list(std::string_view maker, std::string_view program, std::wstring_view list) {
  std::vector<std::wstring> items;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, list_key(maker, program, list).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return items;
  const UniqueKey key(opened);
  for (std::size_t i = 0;; ++i) {
    const std::wstring name = value_name(i);
    DWORD bytes = 0;
    if (RegGetValueW(key.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) break;
    std::wstring item(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(item.size() * sizeof(wchar_t));
    if (RegGetValueW(key.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, item.data(), &bytes) != ERROR_SUCCESS)
      break;
    item.resize(wcsnlen(item.c_str(), item.size()));
    items.push_back(std::move(item));
  }
  return items;
}

bool write_user_list(std::string_view maker, std::string_view program, std::wstring_view list,
                     const std::vector<std::wstring>& items) {
  HKEY made = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, list_key(maker, program, list).c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                      nullptr, &made, nullptr) != ERROR_SUCCESS)
    return false;
  const UniqueKey key(made);
  bool written = true;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const DWORD bytes = static_cast<DWORD>((items[i].size() + 1) * sizeof(wchar_t));
    written = RegSetValueExW(key.get(), value_name(i).c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(items[i].c_str()), bytes) == ERROR_SUCCESS &&
              written;
  }
  for (std::size_t i = items.size(); RegDeleteValueW(key.get(), value_name(i).c_str()) == ERROR_SUCCESS; ++i) {
  }
  return written;
}

std::wstring set_user_settings_root(std::wstring root) {
  std::swap(g_root, root);
  return root;
}

}  // namespace kit
