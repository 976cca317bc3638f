#include "facelore/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace facelore {
namespace {

// The text a RecordingTexts gives for id.
std::string text_of(int id) {
  std::string text("#");
  text += std::to_string(id);
  return text;
}

// Answers every id with a text naming it and remembers the ids asked for.
class RecordingTexts : public TextSource {
 public:
  std::string load_text(int id) const override {
    asked.push_back(id);
    return text_of(id);
  }
  mutable std::vector<int> asked;
};

constexpr std::int32_t kUntouched = 999;

CurrentFeature untouched_store() {
  CurrentFeature current;
  current.definition = "old";
  for (int k = 0; k < CurrentFeature::kSlots; ++k) {
    current.character[k] = "old character";
    current.advice[k] = "old advice";
    current.score[k].fill(kUntouched);
  }
  return current;
}

struct Option {
  int part, feature, k;
  std::string label;
  DeltaRow row;
};

// Every option of the catalogue with the row its loader writes.
std::vector<Option> all_options() {
  std::vector<Option> options;
  RecordingTexts texts;
  for (int p = 1; p <= kPartCount; ++p) {
    for (int f = 1; f <= static_cast<int>(part_features(p).size()); ++f) {
      CurrentFeature current = untouched_store();
      load_feature(p, f, current, texts);
      std::vector<std::string_view> labels = option_labels(p, f);
      for (int k = 1; k <= static_cast<int>(labels.size()); ++k)
        options.push_back({p, f, k, std::string(labels[k - 1]), current.score[k]});
    }
  }
  return options;
}

DeltaRow loaded_row(int part, int feature, int k) {
  RecordingTexts texts;
  CurrentFeature current = untouched_store();
  load_feature(part, feature, current, texts);
  return current.score[k];
}

// --- The lists the window fills ---

TEST(PartAndFeatureLists, PartsInListOrderAfterThePlaceholder) {
  const std::vector<std::string> expected = {"请选择部位", "眼睛", "眉毛", "鼻子", "耳朵",
                                             "嘴巴",       "人中", "牙齿", "下巴", "脖子"};
  for (int p = 0; p <= kPartCount; ++p) EXPECT_EQ(part_labels[p], expected[p]) << p;
}

TEST(PartAndFeatureLists, FeatureCountsPerPart) {
  const int expected[] = {0, 11, 5, 8, 4, 6, 3, 4, 3, 4};
  int total = 0;
  for (int p = 0; p <= kPartCount; ++p) {
    EXPECT_EQ(part_features(p).size(), static_cast<std::size_t>(expected[p])) << p;
    EXPECT_EQ(feature_labels(p).size(), part_features(p).size()) << p;
    total += static_cast<int>(part_features(p).size());
  }
  EXPECT_EQ(total, 48);
  EXPECT_TRUE(part_features(10).empty());
  EXPECT_TRUE(part_features(-1).empty());
}

TEST(PartAndFeatureLists, LabelsKeepTheirInnerSpaces) {
  EXPECT_EQ(feature_labels(1)[2], "眼  白");
  EXPECT_EQ(feature_labels(3)[3], "鼻  孔");
  EXPECT_EQ(feature_labels(1)[9], "田 宅 宫");
  EXPECT_EQ(feature_labels(9)[3], "脖子的青筋");
  EXPECT_EQ(part_features(7)[3].base_id, 539);
}

// --- The option label table ---

TEST(OptionLabelTable, RowsInUseStartEmptyAndEndWithNull) {
  for (int p = 1; p <= kPartCount; ++p) {
    const int features = static_cast<int>(part_features(p).size());
    EXPECT_STREQ(option_label_table[p][0][0], "") << p;
    for (int slot = 1; slot < kOptionSlots; ++slot) EXPECT_EQ(option_label_table[p][0][slot], nullptr);
    for (int f = 1; f <= features; ++f) {
      const auto n = static_cast<int>(option_labels(p, f).size());
      ASSERT_GE(n, 2) << p << "/" << f;
      EXPECT_STREQ(option_label_table[p][f][0], "") << p << "/" << f;
      for (int slot = 1; slot <= n; ++slot) EXPECT_EQ(option_labels(p, f)[slot - 1], option_label_table[p][f][slot]);
      for (int slot = n + 1; slot < kOptionSlots; ++slot)
        EXPECT_EQ(option_label_table[p][f][slot], nullptr) << p << "/" << f << "/" << slot;
    }
    for (int f = features + 1; f < kFeatureSlots; ++f)
      for (int slot = 0; slot < kOptionSlots; ++slot) EXPECT_EQ(option_label_table[p][f][slot], nullptr);
  }
}

TEST(OptionLabelTable, PartZeroHoldsOnlyTheEmptySlot) {
  EXPECT_STREQ(option_label_table[0][0][0], "");
  for (int f = 0; f < kFeatureSlots; ++f)
    for (int slot = (f == 0 ? 1 : 0); slot < kOptionSlots; ++slot) EXPECT_EQ(option_label_table[0][f][slot], nullptr);
}

TEST(OptionLabelTable, OptionCountsOverTheCatalogue) {
  std::map<std::size_t, int> features_by_count;
  std::size_t options = 0;
  for (int p = 1; p <= kPartCount; ++p)
    for (int f = 1; f <= static_cast<int>(part_features(p).size()); ++f) {
      ++features_by_count[option_labels(p, f).size()];
      options += option_labels(p, f).size();
    }
  EXPECT_EQ(options, 118u);
  EXPECT_EQ(features_by_count, (std::map<std::size_t, int>{{2, 31}, {3, 14}, {4, 1}, {5, 2}}));
}

TEST(OptionLabelTable, LabelsOfSomeFeatures) {
  EXPECT_EQ(option_labels(5, 4), (std::vector<std::string_view>{"嘴唇厚", "嘴唇厚，但无棱角无纹理", "嘴唇厚，肉向外翻涌",
                                                                "嘴唇中间厚两侧薄", "嘴唇薄"}));
  EXPECT_EQ(option_labels(1, 1), (std::vector<std::string_view>{"大眼睛", "小眼睛", "细长眼睛"}));
  EXPECT_EQ(option_labels(9, 4), (std::vector<std::string_view>{"脖子有青筋", "脖子无青筋或不明显"}));
}

TEST(OptionLabelTable, PairsOutsideTheCatalogueOfferNothing) {
  for (auto [p, f] : {std::pair{0, 0}, {0, 1}, {1, 0}, {1, 12}, {2, 6}, {9, 5}, {10, 1}, {-1, 1}})
    EXPECT_TRUE(option_labels(p, f).empty()) << p << "/" << f;
}

// --- Loading a feature ---

TEST(LoadFeature, AsksForTheDefinitionAndEachOptionsTwoTexts) {
  for (int p = 1; p <= kPartCount; ++p)
    for (int f = 1; f <= static_cast<int>(part_features(p).size()); ++f) {
      const int base = part_features(p)[f - 1].base_id;
      const int n = static_cast<int>(option_labels(p, f).size());
      std::vector<int> expected;
      for (int id = base; id <= base + 2 * n; ++id) expected.push_back(id);

      RecordingTexts texts;
      CurrentFeature current = untouched_store();
      load_feature(p, f, current, texts);
      EXPECT_EQ(texts.asked, expected) << p << "/" << f;
      EXPECT_EQ(current.definition, text_of(base));
      for (int k = 1; k <= n; ++k) {
        EXPECT_EQ(current.character[k], text_of(base + 2 * k - 1));
        EXPECT_EQ(current.advice[k], text_of(base + 2 * k));
      }
    }
}

TEST(LoadFeature, WritesExactlyTheRowsOfItsOptions) {
  RecordingTexts texts;
  for (int p = 1; p <= kPartCount; ++p)
    for (int f = 1; f <= static_cast<int>(part_features(p).size()); ++f) {
      const int n = static_cast<int>(option_labels(p, f).size());
      CurrentFeature current = untouched_store();
      load_feature(p, f, current, texts);
      for (int k = 0; k < CurrentFeature::kSlots; ++k) {
        const bool written = k >= 1 && k <= n;
        for (std::int32_t d : current.score[k]) {
          if (written) {
            EXPECT_TRUE(d >= -45 && d <= 32) << p << "/" << f << "/" << k << ": " << d;
          } else {
            EXPECT_EQ(d, kUntouched) << p << "/" << f << "/" << k;
          }
        }
      }
      EXPECT_EQ(current.character[0], "old character");
      EXPECT_EQ(current.advice[n + 1], "old advice");
    }
}

TEST(LoadFeature, ShorterFeatureLeavesHigherIndicesAsTheyWere) {
  RecordingTexts texts;
  CurrentFeature current;
  load_feature(1, 1, current, texts);  // 眼睛的大小, three options
  const DeltaRow slender = current.score[3];
  load_feature(1, 2, current, texts);  // 眼睛的凹凸, two options
  EXPECT_EQ(current.definition, "#112");
  EXPECT_EQ(current.character[2], "#115");
  EXPECT_EQ(current.score[1], (DeltaRow{-15, -15, 0, -6, -2, +5, 0, -5, 0, -2}));
  EXPECT_EQ(current.character[3], "#107");
  EXPECT_EQ(current.advice[3], "#108");
  EXPECT_EQ(current.score[3], slender);
  EXPECT_EQ(option_labels(1, 2).size(), 2u);
}

TEST(LoadFeature, PairOutsideTheCatalogueChangesNothing) {
  for (auto [p, f] : {std::pair{0, 0}, {0, 1}, {1, 0}, {1, 12}, {4, 5}, {10, 1}, {-3, 2}}) {
    RecordingTexts texts;
    CurrentFeature current = untouched_store();
    load_feature(p, f, current, texts);
    EXPECT_TRUE(texts.asked.empty()) << p << "/" << f;
    EXPECT_EQ(current.definition, "old");
    EXPECT_EQ(current.score[1][0], kUntouched);
  }
}

// --- The delta rows ---

TEST(DeltaRows, RangeReachesBothEnds) {
  std::int32_t low = 0, high = 0;
  for (const Option& o : all_options())
    for (std::int32_t d : o.row) low = std::min(low, d), high = std::max(high, d);
  EXPECT_EQ(low, -45);
  EXPECT_EQ(high, 32);
}

TEST(DeltaRows, EightOptionsWeighNothing) {
  std::set<std::string> zero;
  for (const Option& o : all_options())
    if (o.row == DeltaRow{}) zero.insert(o.label);
  EXPECT_EQ(zero, (std::set<std::string>{"耳朵瘪薄", "反弓嘴", "人中有胡须", "隐牙", "不是双下巴", "脖子端正",
                                         "脖子无胡须", "脖子无青筋或不明显"}));
}

TEST(DeltaRows, OnlyTheTwoThickLipRowsRepeat) {
  std::map<DeltaRow, std::vector<std::string>> by_row;
  for (const Option& o : all_options())
    if (o.row != DeltaRow{}) by_row[o.row].push_back(o.label);
  std::vector<std::vector<std::string>> repeated;
  for (const auto& [row, labels] : by_row)
    if (labels.size() > 1) repeated.push_back(labels);
  ASSERT_EQ(repeated.size(), 1u);
  EXPECT_EQ(repeated[0], (std::vector<std::string>{"嘴唇厚，但无棱角无纹理", "嘴唇厚，肉向外翻涌"}));
}

TEST(DeltaRows, SpotChecksAcrossParts) {
  EXPECT_EQ(loaded_row(1, 1, 1), (DeltaRow{0, 0, 0, +2, -10, +20, +15, -5, +10, 0}));         // 大眼睛
  EXPECT_EQ(loaded_row(1, 9, 1), (DeltaRow{+16, +11, +8, +1, 0, +20, +18, 0, +3, +32}));      // 眼尾丰满润泽
  EXPECT_EQ(loaded_row(1, 11, 2), (DeltaRow{-12, -13, -8, -6, 0, -18, -10, 0, -11, -18}));    // 泪堂下陷
  EXPECT_EQ(loaded_row(2, 3, 3), (DeltaRow{+5, +5, +6, +10, +10, 0, -3, +11, +8, +3}));       // 倒八字眉
  EXPECT_EQ(loaded_row(3, 5, 1), (DeltaRow{+14, +28, +18, +12, +25, +8, +15, 0, +8, +13}));   // 鼻翼大
  EXPECT_EQ(loaded_row(3, 8, 3), (DeltaRow{0, 0, 0, -38, 0, -10, -28, -32, -12, 0}));         // 鹰勾鼻
  EXPECT_EQ(loaded_row(4, 2, 1), (DeltaRow{-20, -15, -5, -8, -25, +20, +25, -25, 0, -2}));    // 耳朵肥软
  EXPECT_EQ(loaded_row(5, 3, 2), (DeltaRow{+10, +15, +10, +20, +8, +20, +30, 0, +30, +18}));  // 仰月嘴
  EXPECT_EQ(loaded_row(5, 1, 3), (DeltaRow{-6, -10, 0, -4, +8, -6, -3, +4, -8, -8}));         // 嘴巴又尖又小，紧缩无力
  EXPECT_EQ(loaded_row(6, 1, 4), (DeltaRow{-4, -6, -1, +4, -2, +10, +12, -2, 0, -2}));        // 人中大而平
  EXPECT_EQ(loaded_row(7, 1, 3), (DeltaRow{+4, +3, +8, +6, +12, -2, +5, +8, +2, 0}));         // 牙齿细小，排列紧密
  EXPECT_EQ(loaded_row(7, 2, 4), (DeltaRow{-10, -32, -12, -45, -20, -18, -40, -35, -40, -10}));  // 暴牙，同时八字牙
  EXPECT_EQ(loaded_row(8, 2, 1), (DeltaRow{-12, -8, +12, +20, +15, +5, 0, +20, +8, -5}));     // 下巴外翘
  EXPECT_EQ(loaded_row(9, 1, 1), (DeltaRow{+8, +4, -5, +4, +3, -15, -34, 0, -18, +8}));       // 脖子粗大
}

}  // namespace
}  // namespace facelore
