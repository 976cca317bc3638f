// decision's version resource as the file properties page shows it: read back from this
// program, which compiles the same resource script as decision.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include "release/product.h"
#include "release/tests/version_resource.h"

namespace decision {
namespace {

TEST(VersionResource, NamesTheProgramItsVersionAndMakerInSimplifiedChinese) {
  const auto version = release::testing::read_version_resource(release::testing::own_file_name());
  ASSERT_TRUE(version.found);
  EXPECT_EQ(version.major, 1);
  EXPECT_EQ(version.minor, 2);
  EXPECT_EQ(version.language, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  EXPECT_EQ(version.code_page, 1200);
  EXPECT_EQ(version.text(L"ProductName"), L"择优宝");
  EXPECT_EQ(version.text(L"FileVersion"), L"1.2");
  EXPECT_EQ(version.text(L"ProductVersion"), L"1.2");
  EXPECT_EQ(version.text(L"CompanyName"), L"" PRODUCT_MAKER);
  EXPECT_EQ(version.text(L"FileDescription"), L"" DECISION_FILE_DESCRIPTION);
  EXPECT_EQ(version.text(L"OriginalFilename"), L"decision.exe");
}

}  // namespace
}  // namespace decision
