// HyperlinkStatic in a real dialog: opening through the shell seam, the ".htm" fallback,
// the failure messages (read from the message box itself, which is closed at once),
// the pointer, the tooltip, the capture and the window fitting.
#include "kit/hyperlink_static.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "kit/tests/controls_test_support.h"
#include "kit/dialog.h"
#include "kit/launch.h"
#include "kit/testing/pump.h"
#include "kit/testing/seams.h"
#include "kit/testing/window_test.h"
#include "kit/text/wide.h"

namespace {

using kit::HyperlinkStatic;

// Every message box this thread opens is read and closed as soon as it is activated.
struct ShownBox {
  std::string caption;
  std::string text;
};
class MessageBoxCatcher {
 public:
  MessageBoxCatcher() {
    current_ = this;
    hook_ = SetWindowsHookExW(WH_CBT, on_cbt, nullptr, GetCurrentThreadId());
  }
  ~MessageBoxCatcher() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  const std::vector<ShownBox>& boxes() const { return boxes_; }

 private:
  static BOOL CALLBACK collect_text(HWND child, LPARAM param) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    std::string text = kit::get_window_text(child);
    if (lstrcmpiW(name, L"Static") == 0 && !text.empty()) *reinterpret_cast<std::string*>(param) += text;
    return TRUE;
  }
  static LRESULT CALLBACK on_cbt(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE && current_) {
      HWND box = reinterpret_cast<HWND>(wparam);
      wchar_t name[32] = {};
      GetClassNameW(box, name, 32);
      // Message boxes are dialogs that no kit::Dialog runs.
      if (lstrcmpW(name, L"#32770") == 0 && !kit::Dialog::from_window(box)) {
        ShownBox shown{kit::get_window_text(box), {}};
        EnumChildWindows(box, collect_text, reinterpret_cast<LPARAM>(&shown.text));
        current_->boxes_.push_back(shown);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  static inline MessageBoxCatcher* current_ = nullptr;
  HHOOK hook_ = nullptr;
  std::vector<ShownBox> boxes_;
};

class LinkDialog : public kit::Dialog {
 public:
  std::vector<int> command_codes_seen;  // notification codes the dialog got from the link

 protected:
  bool on_command(int id, int code, HWND control) override {
    if (id == IDC_LINK) command_codes_seen.push_back(code);
    return kit::Dialog::on_command(id, code, control);
  }
};

constexpr char kTarget[] = "http://www.example.test/择优.htm";
constexpr char kAppName[] = "链接测试程序";

class HyperlinkTest : public kit::testing::WindowTest {
 protected:
  static void SetUpTestSuite() { kit_test::start_once(); }

  void SetUp() override {
    launch_.open_answer = SE_ERR_NOASSOC;
    HyperlinkStatic::set_application_name(kAppName);
    HyperlinkStatic::set_pointer_program("");
  }
  void TearDown() override {
    dialog_.reset();
    launch_.remove();
    HyperlinkStatic::set_pointer_program("");
    WindowTest::TearDown();
  }

  HWND open_dialog() {
    dialog_ = kit::make_dialog<LinkDialog>();
    HWND window = dialog_->create_modeless(GetModuleHandleW(nullptr), IDD_LINK_TEST, nullptr);
    EXPECT_NE(window, nullptr);
    return window;
  }
  // Binds the link control of a fresh dialog with target kTarget.
  void bind_link() {
    HWND window = open_dialog();
    ASSERT_TRUE(link_.bind(window, IDC_LINK));
    link_.set_link_target(kTarget);
    kit::testing::pump(0);
  }
  // A press of the left button on the control, as the user makes it.
  void click() {
    SendMessageW(link_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(link_.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    kit::testing::pump(0);
  }
  void register_htm_command(const std::string& command) {
    launch_.classes_root[".htm"] = "htmlfile";
    launch_.classes_root["htmlfile\\shell\\open\\command"] = command;
  }
  std::string tool_text() {
    wchar_t buffer[512] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = link_.hwnd();
    tool.uId = HyperlinkStatic::kToolId;
    tool.lpszText = buffer;
    SendMessageW(link_.tooltip(), TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    return kit::to_gbk(buffer);
  }

  kit::testing::RecordedLaunches launch_;
  kit::DialogPtr<LinkDialog> dialog_;
  HyperlinkStatic link_;
};

// ---- opening --------------------------------------------------------------------------

TEST_F(HyperlinkTest, ShellSuccessOpensTargetRepaintsAndShowsNoMessage) {
  bind_link();
  launch_.open_answer = 42;
  UpdateWindow(link_.hwnd());
  MessageBoxCatcher boxes;
  SendMessageW(link_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));

  RECT pending{};
  EXPECT_TRUE(GetUpdateRect(link_.hwnd(), &pending, FALSE)) << "the control repaints after opening";
  kit::testing::pump(0);
  ASSERT_EQ(launch_.opens.size(), 1u);
  EXPECT_EQ(launch_.opens[0].text, kTarget);
  EXPECT_EQ(launch_.opens[0].show_command, SW_SHOW);
  EXPECT_TRUE(launch_.starts.empty());
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(HyperlinkTest, ClickIsNotPassedOnToTheDialog) {
  bind_link();
  launch_.open_answer = 42;
  click();
  EXPECT_EQ(launch_.opens.size(), 1u);
  EXPECT_TRUE(dialog_->command_codes_seen.empty()) << "the dialog saw the link's click";
}

TEST_F(HyperlinkTest, FallbackCutsBeforeQuotedPlaceholderAndAppendsTarget) {
  bind_link();
  register_htm_command("C:\\浏览器\\browse.exe \"%1\"");
  MessageBoxCatcher boxes;
  click();
  ASSERT_EQ(launch_.starts.size(), 1u);
  // Cut at the opening quotation mark, then one more space: the target is not quoted.
  EXPECT_EQ(launch_.starts[0].text, std::string("C:\\浏览器\\browse.exe  ") + kTarget);
  EXPECT_EQ(launch_.starts[0].show_command, SW_SHOW);
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(HyperlinkTest, FallbackCutsAtBarePlaceholder) {
  bind_link();
  register_htm_command("C:\\b\\browse.exe -url %1 -new");
  EXPECT_EQ(link_.open_link("page.htm", SW_SHOWNORMAL), kit::kProgramStarted);
  ASSERT_EQ(launch_.starts.size(), 1u);
  EXPECT_EQ(launch_.starts[0].text, "C:\\b\\browse.exe -url  page.htm");
  EXPECT_EQ(launch_.starts[0].show_command, SW_SHOWNORMAL);
}

TEST_F(HyperlinkTest, FallbackWithoutPlaceholderAppendsToWholeCommand) {
  bind_link();
  register_htm_command("C:\\b\\browse.exe");
  EXPECT_EQ(link_.open_link("page.htm", SW_SHOW), kit::kProgramStarted);
  ASSERT_EQ(launch_.starts.size(), 1u);
  EXPECT_EQ(launch_.starts[0].text, "C:\\b\\browse.exe page.htm");
}

TEST_F(HyperlinkTest, WithoutHtmAssociationTheShellResultIsReported) {
  bind_link();
  launch_.open_answer = ERROR_FILE_NOT_FOUND;
  MessageBoxCatcher boxes;
  click();
  EXPECT_TRUE(launch_.starts.empty());
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, "Unable to open hyperlink:\n\nThe specified file was not found.");
}

TEST_F(HyperlinkTest, FailedFallbackReportsTheStartResultAndControlStaysUsable) {
  bind_link();
  register_htm_command("C:\\b\\browse.exe \"%1\"");
  launch_.start_answer = kit::kStartBadFormat;
  MessageBoxCatcher boxes;
  click();
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].caption, kAppName);
  EXPECT_EQ(boxes.boxes()[0].text,
            "Unable to open hyperlink:\n\nThe .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
  launch_.start_answer = kit::kProgramStarted;
  click();
  EXPECT_EQ(launch_.starts.size(), 2u);
  EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(HyperlinkTest, CommandLineThatWouldNotFitIsRefusedNotCut) {
  bind_link();
  register_htm_command("C:\\b.exe \"%1\"");
  launch_.open_answer = ERROR_FILE_NOT_FOUND;
  // "C:\b.exe " + " " is 10 bytes; with the terminator 520 bytes hold a 509-byte target.
  const std::string longest(509, 'a');
  EXPECT_EQ(link_.open_link(longest, SW_SHOW), kit::kProgramStarted);
  ASSERT_EQ(launch_.starts.size(), 1u);
  EXPECT_EQ(launch_.starts[0].text, "C:\\b.exe  " + longest);

  link_.set_link_target(std::string(510, 'a'));
  MessageBoxCatcher boxes;
  click();
  EXPECT_EQ(launch_.starts.size(), 1u) << "an over-long command line was started";
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, "Unable to open hyperlink:\n\nThe specified file was not found.");
}

// ---- the platform calls behind the seam (nothing is started) ----------------------------

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = kit::to_gbk(temp);
  }
  std::string folder_;
};

TEST_F(LaunchTest, MissingProgramIsFileNotFound) {
  EXPECT_EQ(kit::platform_start_program_command("\"" + folder_ + "没有这个程序.exe\" /x", SW_SHOW),
            kit::kStartFileNotFound);
}

TEST_F(LaunchTest, FileThatIsNoProgramIsBadFormat) {
  const std::string fake = folder_ + "kit_not_a_program_" + std::to_string(GetCurrentProcessId()) + ".exe";
  const std::wstring wide = kit::to_wide(fake);
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "plain text, not a program", 25, &written, nullptr);
  CloseHandle(file);
  const int result = kit::platform_start_program_command(fake, SW_HIDE);
  DeleteFileW(wide.c_str());
  EXPECT_EQ(result, kit::kStartBadFormat);
}

TEST_F(LaunchTest, RegistryDefaultValueIsReadAndAMissingKeyLeavesTheValueAlone) {
  std::string value = "unchanged";
  EXPECT_NE(kit::platform_read_registry_default(HKEY_CLASSES_ROOT, ".kit-no-such-type", value), 0);
  EXPECT_EQ(value, "unchanged");
  // Shortcut files are registered on every system.
  EXPECT_EQ(kit::platform_read_registry_default(HKEY_CLASSES_ROOT, ".lnk", value), 0);
  EXPECT_EQ(value, "lnkfile");
}

// ---- failure texts --------------------------------------------------------------------

TEST_F(HyperlinkTest, SharingViolationTextKeepsItsTrailingSpace) {
  bind_link();
  MessageBoxCatcher boxes;
  link_.report_open_failure(SE_ERR_SHARE);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].caption, kAppName);
  EXPECT_EQ(boxes.boxes()[0].text, "Unable to open hyperlink:\n\nA sharing violation occurred. ");
}

TEST_F(HyperlinkTest, UnknownCodeNamesTheCode) {
  bind_link();
  MessageBoxCatcher boxes;
  link_.report_open_failure(1);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, "Unable to open hyperlink:\n\nUnknown Error (1) occurred.");
}

// ---- pointer ----------------------------------------------------------------------------

TEST_F(HyperlinkTest, WithoutHelpProgramThePointerStaysAsItWas) {
  HyperlinkStatic::set_pointer_program("C:\\nowhere\\winhlp32.exe");
  bind_link();
  EXPECT_EQ(link_.link_pointer(), nullptr);
  HCURSOR before = LoadCursorW(nullptr, IDC_WAIT);
  SetCursor(before);
  LRESULT answer = SendMessageW(link_.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link_.hwnd()),
                                MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(answer, FALSE);
  EXPECT_EQ(GetCursor(), before);
  // Everything else still works.
  launch_.open_answer = 42;
  click();
  EXPECT_EQ(launch_.opens.size(), 1u);
}

TEST_F(HyperlinkTest, LinkPointerIsShownAndFreedWithTheControl) {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  // A system library that carries a cursor 106.
  HyperlinkStatic::set_pointer_program(kit::to_gbk(std::wstring(system) + L"\\comctl32.dll"));
  auto link = std::make_unique<HyperlinkStatic>();
  HWND window = open_dialog();
  ASSERT_TRUE(link->bind(window, IDC_LINK));
  HCURSOR pointer = link->link_pointer();
  ASSERT_NE(pointer, nullptr);
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(SendMessageW(link->hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link->hwnd()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_EQ(GetCursor(), pointer);

  HWND tip = link->tooltip();
  EXPECT_TRUE(IsWindow(tip));
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  dialog_.reset();
  link.reset();
  EXPECT_FALSE(IsWindow(tip));
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(pointer, &info)) << "the pointer copy outlived the control";
}

// A link's picture is loaded, handed to the static and freed by the kit: when replaced,
// when missing and when the control goes.
TEST_F(HyperlinkTest, TheLinksPictureIsOwnedByTheKitAndFreedWithTheControl) {
  bind_link();
  const auto image = [this] {
    return reinterpret_cast<HBITMAP>(SendMessageW(link_.hwnd(), STM_GETIMAGE, IMAGE_BITMAP, 0));
  };
  ASSERT_TRUE(link_.show_bitmap(IDB_STRIPES));
  const HBITMAP first = link_.bitmap();
  EXPECT_EQ(image(), first);
  ASSERT_TRUE(link_.show_bitmap(IDB_STRIPES));
  const HBITMAP second = link_.bitmap();
  EXPECT_EQ(image(), second);
  EXPECT_EQ(GetObjectType(first), 0u) << "the replaced picture was not freed";

  constexpr int kNoSuchBitmap = 3999;
  EXPECT_FALSE(link_.show_bitmap(kNoSuchBitmap));
  EXPECT_EQ(image(), nullptr);
  EXPECT_EQ(GetObjectType(second), 0u);

  ASSERT_TRUE(link_.show_bitmap(IDB_STRIPES));
  const HBITMAP last = link_.bitmap();
  dialog_.reset();
  EXPECT_EQ(GetObjectType(last), 0u) << "the picture outlived its control";
}

// ---- tooltip ----------------------------------------------------------------------------

TEST_F(HyperlinkTest, TipTakesTheTargetWhileEmptyAndALaterTipReplacesIt) {
  bind_link();
  ASSERT_NE(link_.tooltip(), nullptr);
  EXPECT_EQ(tool_text(), kTarget);
  link_.set_link_tip("点击访问");
  EXPECT_EQ(tool_text(), "点击访问");
  link_.set_link_target("http://other.test/");
  EXPECT_EQ(tool_text(), "点击访问") << "a set tip is kept when the target changes";
  EXPECT_EQ(link_.link_target(), "http://other.test/");
}

TEST_F(HyperlinkTest, TargetSetBeforeBindingBecomesTheTip) {
  HWND window = open_dialog();
  link_.set_link_target(kTarget);
  ASSERT_TRUE(link_.bind(window, IDC_LINK));
  EXPECT_EQ(link_.link_tip(), kTarget);
  EXPECT_EQ(tool_text(), kTarget);
  EXPECT_TRUE(GetWindowLongPtrW(link_.hwnd(), GWL_STYLE) & SS_NOTIFY);
}

// ---- capture ----------------------------------------------------------------------------

TEST_F(HyperlinkTest, CapturesThePointerWhileOverAndReleasesItWhenItLeaves) {
  bind_link();
  SendMessageW(link_.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(GetCapture(), link_.hwnd());
  SendMessageW(link_.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 4));
  EXPECT_EQ(GetCapture(), link_.hwnd());
  RECT client{};
  GetClientRect(link_.hwnd(), &client);
  SendMessageW(link_.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(client.right + 4, 3));
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageW(link_.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(GetCapture(), link_.hwnd());
  ReleaseCapture();
}

// ---- fitting ----------------------------------------------------------------------------

// The window rectangle of a control in its dialog's client coordinates.
RECT rect_in_dialog(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(HyperlinkTest, FitToClientKeepsTheSidesTheStyleAnchors) {
  HWND window = open_dialog();
  for (int id : {IDC_LINK_CENTER_IMAGE, IDC_LINK_CENTER, IDC_LINK_RIGHT}) {
    SCOPED_TRACE(id);
    HyperlinkStatic control;
    ASSERT_TRUE(control.bind(window, id));
    const RECT b = rect_in_dialog(control.hwnd());
    RECT client{};
    GetClientRect(control.hwnd(), &client);
    const LONG half_width = ((b.right - b.left) - client.right) / 2;
    const LONG half_height = ((b.bottom - b.top) - client.bottom) / 2;
    ASSERT_GT(half_width, 0) << "the control needs a border for this test";
    control.fit_to_client();
    const RECT a = rect_in_dialog(control.hwnd());
    if (id == IDC_LINK_CENTER_IMAGE) {  // vertical centre kept, left side kept
      EXPECT_EQ(a.top, b.top + half_height);
      EXPECT_EQ(a.bottom, b.bottom - half_height);
      EXPECT_EQ(a.left, b.left);
      EXPECT_EQ(a.right, b.left + client.right);
    } else if (id == IDC_LINK_CENTER) {  // horizontal centre kept, top kept
      EXPECT_EQ(a.left, b.left + half_width);
      EXPECT_EQ(a.right, b.right - half_width);
      EXPECT_EQ(a.top, b.top);
      EXPECT_EQ(a.bottom, b.top + client.bottom);
    } else {  // right side and top kept
      EXPECT_EQ(a.right, b.right);
      EXPECT_EQ(a.left, b.right - client.right);
      EXPECT_EQ(a.top, b.top);
      EXPECT_EQ(a.bottom, b.top + client.bottom);
    }
  }
}

}  // namespace
