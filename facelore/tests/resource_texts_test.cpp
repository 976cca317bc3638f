// The catalogue's texts as facelore.exe carries them: loaded from the program's own
// string table through the same GBK edge the window uses.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "facelore/catalogue.h"
#include "kit/text/wide.h"

namespace facelore {
namespace {

class ResourceTexts : public TextSource {
 public:
  explicit ResourceTexts(HMODULE module) : module_(module) {}
  std::string load_text(int id) const override {
    return kit::load_string_resource(module_, static_cast<UINT>(id));
  }

 private:
  HMODULE module_;
};

// Passes every request on and keeps the ids asked for, in order.
class RecordingTexts : public TextSource {
 public:
  explicit RecordingTexts(const TextSource& inner) : inner_(inner) {}
  std::string load_text(int id) const override {
    asked.push_back(id);
    return inner_.load_text(id);
  }
  mutable std::vector<int> asked;

 private:
  const TextSource& inner_;
};

class ProgramTexts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"" FACELORE_EXE_NAME;
    module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  }
  static void TearDownTestSuite() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(module_, nullptr) << "cannot open " FACELORE_EXE_NAME " beside the test"; }

  static HMODULE module_;
};

HMODULE ProgramTexts::module_ = nullptr;

struct FeatureBlock {
  int part, feature, base, count;
};

std::vector<FeatureBlock> catalogue_blocks() {
  std::vector<FeatureBlock> blocks;
  for (int p = 1; p <= kPartCount; ++p)
    for (int f = 1; f <= static_cast<int>(part_features(p).size()); ++f)
      blocks.push_back({p, f, part_features(p)[f - 1].base_id, static_cast<int>(option_labels(p, f).size())});
  return blocks;
}

const std::string kIndent = "\r\n    ";

TEST_F(ProgramTexts, EveryTextTheCatalogueUsesHasItsForm) {
  const ResourceTexts resources(module_);
  const std::set<int> blank = {329, 386, 493, 534, 580, 604, 613, 622, 539, 591};
  std::set<int> seen;
  int used = 0;
  for (const FeatureBlock& b : catalogue_blocks()) {
    RecordingTexts texts(resources);
    CurrentFeature current;
    load_feature(b.part, b.feature, current, texts);
    for (int id : texts.asked) {
      ++used;
      seen.insert(id);
      const std::string text = resources.load_text(id);
      if (id == 618) {
        EXPECT_EQ(text, "") << id;
      } else if (blank.count(id) != 0) {
        EXPECT_EQ(text, " ") << id;
      } else {
        EXPECT_EQ(text.substr(0, kIndent.size()), kIndent) << id;
        EXPECT_GT(text.size(), kIndent.size()) << id;
      }
    }
  }
  EXPECT_EQ(used, 284);
  EXPECT_EQ(seen.size(), 284u);
  for (int id : blank) EXPECT_EQ(seen.count(id), 1u) << id;
  EXPECT_EQ(seen.count(618), 1u);
}

TEST_F(ProgramTexts, WorkedExampleVerbatim) {
  CurrentFeature current;
  load_feature(1, 1, current, ResourceTexts(module_));
  EXPECT_EQ(current.definition,
            "\r\n    大眼睛：眼的大小超过鼻头的宽度，几乎与嘴巴的阔度差不多。"
            "\r\n    小眼睛：眼形比较圆，大小只相当于鼻头宽度的一半左右，与面部其它器官对比明显偏小。");
  EXPECT_EQ(current.character[1],
            "\r\n    浪漫活泼，善于交际，会打扮，容易受异性青睐。但有点孩子气，喜怒常常溢于言表。"
            "对吃穿很讲究，有浪费的习惯。\r\n    如果眼睛过大，则很难积蓄钱财。");
  EXPECT_EQ(current.advice[1],
            "\r\n    与大眼睛的人谈恋爱，不必忸怩作态，可以态度明朗一点，进度加快一点，"
            "适当的时候不妨直接向对方表白。");
}

TEST_F(ProgramTexts, SpareIdsBetweenFeatureBlocksAreASpace) {
  const ResourceTexts resources(module_);
  const std::vector<FeatureBlock> blocks = catalogue_blocks();
  int spare = 0;
  for (std::size_t i = 0; i + 1 < blocks.size(); ++i) {
    ASSERT_LT(blocks[i].base + 2 * blocks[i].count, blocks[i + 1].base) << blocks[i + 1].base;
    for (int id = blocks[i].base + 2 * blocks[i].count + 1; id < blocks[i + 1].base; ++id, ++spare)
      EXPECT_EQ(resources.load_text(id), " ") << id;
  }
  EXPECT_GT(spare, 0);
}

}  // namespace
}  // namespace facelore
