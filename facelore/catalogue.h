// The face-reading catalogue: nine facial parts, their 48 features and the 118 options
// of those features.  Labels are static GBK strings; the long texts (definition,
// character reading, dating advice) are fetched by id from a TextSource; each option
// carries a row of ten point deltas, one per index.
//
// Text ids follow from a feature's base id B: the definition is B, option k's
// character text is B + 2k - 1 and its advice text B + 2k.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "facelore/text_source.h"

namespace facelore {

// The ten indices, in the order of every delta row.
enum class ScoreIndex : int {
  Health = 1,
  Wealth,
  Intelligence,
  Integrity,
  Thrift,
  Romance,
  Tenderness,
  Chastity,
  Charm,
  SexualHappiness,
};

constexpr int kIndexCount = 10;

// Display name of index n (1..10), e.g. "健康指数"; "" for any other n.
const char* index_name(int n);
inline const char* index_name(ScoreIndex index) { return index_name(static_cast<int>(index)); }

// Entry 0 of the part list, and entry 0 of the feature and option lists.
inline constexpr char kPartPlaceholder[] = "请选择部位";
inline constexpr char kListPlaceholder[] = "请点击选择";

constexpr int kPartCount = 9;

// The part list as the window shows it: [0] the placeholder, [1..9] "眼睛" .. "脖子".
extern const char* const part_labels[kPartCount + 1];

struct FaceFeature {
  const char* label;  // as listed, inner spaces included ("眼  白", "田 宅 宫")
  int base_id;        // B: the definition's text id
};

// The features of part 1..9 in list order (feature f is element f - 1); empty for
// any other part.
std::span<const FaceFeature> part_features(int part);

// Only the labels of part_features(part), in list order, for filling the feature list.
std::vector<std::string_view> feature_labels(int part);

// Option labels, [part][feature][slot].  In every row in use slot 0 is "", options
// 1..n sit in slots 1..n and slot n + 1 is null; rows [p][0] hold only the empty slot
// 0, and all rows of part 0 but [0][0] and all rows past a part's last feature are null.
constexpr int kPartSlots = 10;
constexpr int kFeatureSlots = 12;
constexpr int kOptionSlots = 7;
extern const char* const option_label_table[kPartSlots][kFeatureSlots][kOptionSlots];

// The options of (part, feature): the table row from slot 1 up to the first null.
// Empty for a pair outside the catalogue.
std::vector<std::string_view> option_labels(int part, int feature);

// Ten deltas in ScoreIndex order: element i belongs to index i + 1.
using DeltaRow = std::array<std::int32_t, kIndexCount>;

// The texts and delta rows of the feature loaded last.  Indices are option numbers;
// index 0 is never written, and loading a feature of n options writes only 1..n, so
// higher indices keep what an earlier feature left there.
struct CurrentFeature {
  static constexpr int kSlots = 8;

  std::string definition;
  std::array<std::string, kSlots> character;
  std::array<std::string, kSlots> advice;
  std::array<DeltaRow, kSlots> score;
};

// Loads the definition from base_id and, for k = 1..count, the character and advice
// texts of option k into index k.
void load_feature_texts(int count, int base_id, CurrentFeature& current, const TextSource& texts);

// Loads feature (part, feature) into current: its delta rows into score rows 1..n and
// its texts.  A pair outside the catalogue leaves current as it is.
void load_feature(int part, int feature, CurrentFeature& current, const TextSource& texts);

}  // namespace facelore
