// The one crossing between wide file paths (drops, the recent list, the user's recent
// documents) and the main window's open and save, which still take GBK paths.  It goes
// once DecisionDialog::open_file and WorkKeeper::save_to take std::filesystem::path:
// delete this file and pass the paths straight through where the compiler complains.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "kit/text/wide.h"

namespace decision {

inline std::string gbk_from_path(const std::filesystem::path& path) { return kit::to_gbk(path.wstring()); }
inline std::filesystem::path path_from_gbk(std::string_view gbk) { return std::filesystem::path(kit::to_wide(gbk)); }

}  // namespace decision
