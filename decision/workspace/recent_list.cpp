// RecentList and the decision-file path rules.
#include "decision/workspace/recent_list.h"

#include <algorithm>
#include <string>

namespace decision {

namespace {

// Upper to lower case for the letters file names meet: ASCII, Latin-1, Greek, Cyrillic
// and the full-width Latin letters of Chinese input methods.
char16_t fold_case(char16_t c) {
  constexpr char16_t kLatin1Multiply = 0xD7;
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != kLatin1Multiply) ||
      (c >= 0x391 && c <= 0x3A9) || (c >= 0x410 && c <= 0x42F) || (c >= 0xFF21 && c <= 0xFF3A))
    return static_cast<char16_t>(c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
  return c;
}

// UTF-16 on every host: a wide string's conversion would follow the host's locale.
bool same_folded(const std::u16string& a, const std::u16string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return fold_case(x) == fold_case(y); });
}

}  // namespace

bool is_decision_file(const std::filesystem::path& path) { return same_folded(path.extension().u16string(), u".dec"); }

bool same_file_path(const std::filesystem::path& a, const std::filesystem::path& b) {
  return same_folded(a.u16string(), b.u16string());
}

RecentList::RecentList(const std::vector<std::filesystem::path>& kept) {
  // Added oldest first, so the newest ends first and an older repeat gives way.
  for (auto it = kept.rbegin(); it != kept.rend(); ++it)
    if (!it->empty()) add(*it);
}

void RecentList::add(const std::filesystem::path& path) {
  remove(path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kRecentDecisionCount) paths_.resize(kRecentDecisionCount);
}

bool RecentList::remove(const std::filesystem::path& path) {
  return std::erase_if(paths_, [&](const std::filesystem::path& kept) { return same_file_path(kept, path); }) > 0;
}

}  // namespace decision
