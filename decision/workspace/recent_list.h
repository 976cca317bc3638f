// RecentList: the last decisions opened or saved, newest first, at most four, each file
// once; and the path rules it and a drop on the main window share.  Platform-free:
// paths compare as Windows compares file names, without regard to letter case.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace decision {

inline constexpr std::size_t kRecentDecisionCount = 4;
// What a drop of another kind of file is told.
inline constexpr char kDropRefusedText[] = "只能打开决策文件（*.dec）。";
inline constexpr char kDropRefusedCaption[] = "择优宝";

// Whether path names a decision file: its extension is ".dec" in any letter case.
bool is_decision_file(const std::filesystem::path& path);
// Whether a and b name the same file, letter case aside.
bool same_file_path(const std::filesystem::path& a, const std::filesystem::path& b);

class RecentList {
 public:
  // The list as it was kept, newest first; empty entries, repeats and entries past the
  // fourth are dropped.
  explicit RecentList(const std::vector<std::filesystem::path>& kept = {});

  const std::vector<std::filesystem::path>& paths() const { return paths_; }
  // path goes first; an entry naming the same file goes, and the oldest past four.
  void add(const std::filesystem::path& path);
  // Takes out the entry naming path's file; false when there is none.
  bool remove(const std::filesystem::path& path);

 private:
  std::vector<std::filesystem::path> paths_;
};

}  // namespace decision
