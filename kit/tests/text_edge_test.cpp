// The GBK edge against the real platform: window texts, resource strings and file names
// come out as the same GBK bytes whatever the process code page is.  CTest runs this
// file twice, under a Chinese locale (code page 936) and an English one (1252).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "kit/handles.h"
#include "kit/testing/window_test.h"
#include "kit/text/wide.h"

namespace {

// "择优宝 V1.2 — 当前未有决策" spelled as GBK bytes and as UTF-16, independent of how
// this file's literals are compiled.
const std::string kTitleGbk =
    "\xD4\xF1\xD3\xC5\xB1\xA6 V1.2 \xA1\xAA \xB5\xB1\xC7\xB0\xCE\xB4\xD3\xD0\xBE\xF6\xB2\xDF";
const std::wstring kTitleWide = L"\u62E9\u4F18\u5B9D V1.2 \u2014 \u5F53\u524D\u672A\u6709\u51B3\u7B56";

TEST(ProcessCodePage, IsTheOneThisRunAskedFor) {
  const char* expected = std::getenv("EXPECT_ACP");
  EXPECT_EQ(GetACP(), static_cast<UINT>(expected ? std::atoi(expected) : 936));
}

TEST(Conversion, GbkAndUtf16MapOntoEachOther) {
  EXPECT_EQ(kit::to_wide(kTitleGbk), kTitleWide);
  EXPECT_EQ(kit::to_gbk(kTitleWide), kTitleGbk);
  EXPECT_EQ(kit::to_wide(""), L"");
  EXPECT_EQ(kit::to_gbk(L""), "");
}

TEST(Conversion, SourceLiteralsAreGbk) {
  EXPECT_EQ(std::string("择优宝 V1.2 — 当前未有决策"), kTitleGbk);
  EXPECT_EQ(std::string("……"), "\xA1\xAD\xA1\xAD");
}

TEST(Conversion, EveryTwoByteCharacterOfARowSurvivesTheRoundTrip) {
  // Row B0 of GBK holds common hanzi; every cell must come back unchanged.
  std::string row;
  for (int trail = 0xA1; trail <= 0xFE; ++trail) {
    row += static_cast<char>(0xB0);
    row += static_cast<char>(trail);
  }
  std::wstring wide = kit::to_wide(row);
  EXPECT_EQ(wide.size(), row.size() / 2);
  EXPECT_EQ(kit::to_gbk(wide), row);
}

class WindowText : public kit::testing::WindowTest {};

TEST_F(WindowText, SetAndReadBackAsTheSameBytes) {
  kit::UniqueWindow edit(CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 200, 40, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(edit);
  ASSERT_TRUE(kit::set_window_text(edit.get(), kTitleGbk));
  wchar_t raw[64] = {};
  GetWindowTextW(edit.get(), raw, 64);
  EXPECT_EQ(std::wstring(raw), kTitleWide);
  EXPECT_EQ(kit::get_window_text(edit.get()), kTitleGbk);
  ASSERT_TRUE(kit::set_window_text(edit.get(), ""));
  EXPECT_EQ(kit::get_window_text(edit.get()), "");

  // A text that carries a file name keeps what GBK lacks.
  ASSERT_TRUE(kit::set_window_text(edit.get(), std::u8string(u8"K\u00E4ufe \uD55C \U0001F600")));
  GetWindowTextW(edit.get(), raw, 64);
  EXPECT_EQ(std::wstring(raw), L"K\u00E4ufe \uD55C \U0001F600");
  EXPECT_EQ(kit::get_window_text_u8(edit.get()), u8"K\u00E4ufe \uD55C \U0001F600");
}

TEST(ResourceStrings, LoadAsGbkBytes) {
  HINSTANCE self = GetModuleHandleW(nullptr);
  EXPECT_EQ(kit::load_string_resource(self, 201), kTitleGbk);
  EXPECT_EQ(kit::load_string_resource(self, 202), " ");
  EXPECT_EQ(kit::load_string_resource(self, 203),
            "\r\n    \xB5\xDA\xD2\xBB\xB6\xCE\xA1\xA3\r\n    \xB5\xDA\xB6\xFE\xB6\xCE\xA3\xBA\xA1\xB0\xD2\xFD"
            "\xBA\xC5\xA1\xB1\xD3\xEB\xA1\xAD\xA1\xAD\xCA\xA1\xC2\xD4\xBA\xC5\xA1\xA3");
}

TEST(ResourceStrings, MissingIdIsEmpty) {
  EXPECT_EQ(kit::load_string_resource(GetModuleHandleW(nullptr), 999), "");
}

TEST(ProgramFolder, HoldsTheRunningProgram) {
  wchar_t module[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH);
  ASSERT_GT(n, 0u);
  EXPECT_EQ(kit::program_path(), std::filesystem::path(std::wstring(module, n)));
  EXPECT_EQ(kit::program_folder() / kit::program_path().filename(), kit::program_path());
}

}  // namespace
