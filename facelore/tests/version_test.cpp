// facelore's version resource as the file properties page shows it, read from the
// built facelore.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include "release/product.h"
#include "release/tests/version_resource.h"

namespace facelore {
namespace {

TEST(VersionResource, NamesTheProgramItsVersionAndMakerInSimplifiedChinese) {
  const auto version = release::testing::read_version_resource(
      release::testing::beside_this_program(L"" FACELORE_EXE_NAME));
  ASSERT_TRUE(version.found);
  EXPECT_EQ(version.major, 3);
  EXPECT_EQ(version.minor, 2);
  EXPECT_EQ(version.language, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  EXPECT_EQ(version.code_page, 1200);
  EXPECT_EQ(version.text(L"ProductName"), L"相缘通");
  EXPECT_EQ(version.text(L"FileVersion"), L"3.2");
  EXPECT_EQ(version.text(L"CompanyName"), L"" PRODUCT_MAKER);
  EXPECT_EQ(version.text(L"FileDescription"), L"" FACELORE_FILE_DESCRIPTION);
  EXPECT_EQ(version.text(L"OriginalFilename"), L"facelore.exe");
}

}  // namespace
}  // namespace facelore
