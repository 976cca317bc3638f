// What a program keeps for the user between runs, in the registry under the maker's key:
// HKEY_CURRENT_USER\Software\<maker>\<program>\<list>.  A list of wide strings (file
// paths may hold characters GBK lacks) is stored as REG_SZ values named "1", "2", … in
// its order.  Tests move the whole tree under a key of their own through the seam.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kit {

// The list's strings in order; empty when the key or its values are missing.  maker
// and program are GBK.
std::vector<std::wstring> read_user_list(std::string_view maker, std::string_view program, std::wstring_view list);
// Replaces the stored list with items (values past the new end go).  False when the key
// cannot be made or a value not written.
bool write_user_list(std::string_view maker, std::string_view program, std::wstring_view list,
                     const std::vector<std::wstring>& items);

// Test seam: the key under HKEY_CURRENT_USER that holds the makers' keys, "Software"
// unless a test gives another.  Returns the one it replaces.
std::wstring set_user_settings_root(std::wstring root);

}  // namespace kit
