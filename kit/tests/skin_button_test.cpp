// SkinButton and the skin background in a real dialog under the platform: pictures are
// made in code with exact pixels, the buttons are driven by messages and by the real
// pointer, and what they draw is read back pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "kit/dialog.h"
#include "kit/handles.h"
#include "kit/skin_background.h"
#include "kit/skin_button.h"
#include "kit/testing/pixels.h"
#include "kit/testing/pump.h"
#include "kit/testing/window_test.h"
#include "kit/text/file_io.h"
#include "kit/text/wide.h"

namespace {

using kit::SkinButton;
using kit::testing::Pixels;
using kit::testing::pump;
using kit::testing::pump_until;

// How long a test waits for the pointer and the hover state to follow a move: a net for
// a display that never answers, far longer than the move takes on any machine.
constexpr DWORD kPointerWait = 30000;

// Ids of skin_button_test.rc.
constexpr int kDialogId = 100;
constexpr int kEditId = 1001;
constexpr int kPlainId = 1002;
constexpr int kDefaultId = 1003;
constexpr int kOtherId = 1004;
constexpr int kCaptionedId = 1005;

constexpr RECT kEditRect{8, 8, 88, 28};
constexpr RECT kPlainRect{10, 40, 70, 70};  // 60 x 30
constexpr RECT kDefaultRect{80, 40, 140, 70};
constexpr RECT kOtherRect{150, 40, 210, 70};
constexpr RECT kCaptionedRect{10, 90, 130, 126};  // 120 x 36

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kFace = RGB(0, 128, 0);
constexpr COLORREF kHoverInk = RGB(200, 30, 30);
constexpr COLORREF kNormalInk = RGB(30, 30, 200);
constexpr COLORREF kCaptionInk = RGB(250, 250, 0);

// The tests move the real pointer and ask which window is under it.  Under Wine every
// program of one prefix shares the default desktop, whatever X display it draws on, so
// a test run gets a desktop of its own there.  (On Windows a second desktop would not
// receive input; the tests stay on the user's.)
const bool kOwnDesktop = [] {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return false;
  HDESK desktop = CreateDesktopW(L"kit-skin-button-tests", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  return desktop && SetThreadDesktop(desktop);
}();

// The dialog's own picture: every pixel different, so offsets show.
COLORREF parent_pattern(int x, int y) { return RGB(x & 0xFF, y & 0xFF, 77); }

int width_of(const RECT& r) { return r.right - r.left; }
int height_of(const RECT& r) { return r.bottom - r.top; }

// A 32-bit top-down DIB section filled by colour_at.
HBITMAP make_picture(int width, int height, const std::function<COLORREF(int, int)>& colour_at) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF c = colour_at(x, y);
      pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  return bitmap;
}

// A picture of one colour inside a one-pixel key-coloured frame.
HBITMAP framed_picture(int width, int height, COLORREF ink) {
  return make_picture(width, height, [=](int x, int y) {
    return (x == 0 || y == 0 || x == width - 1 || y == height - 1) ? kKey : ink;
  });
}

Pixels print(const SkinButton& b) { return kit::testing::printed(b.hwnd()); }

// The real pointer, as a user moves it.
void mouse_input(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (screen.x * 65536 + cx - 1) / cx;
    input.mi.dy = (screen.y * 65536 + cy - 1) / cy;
  }
  SendInput(1, &input, sizeof(input));
}

void move_pointer(HWND dialog, HWND window, POINT client) {
  POINT screen = client;
  ClientToScreen(window, &screen);
  mouse_input(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
  pump_until(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      kPointerWait, dialog);
  pump(50, dialog);
}

class TestDialog : public kit::Dialog {
 public:
  SkinButton plain, def, other, captioned;
  std::function<void(TestDialog&)> setup;  // the buttons' start-up, in on_init_dialog
  std::function<void(HWND)> paint;         // the dialog's paint; by default the pattern
  std::vector<int> clicks;

  HWND open() {
    HWND window = create_modeless(GetModuleHandleW(nullptr), kDialogId, nullptr);
    SetWindowPos(window, HWND_TOP, 40, 40, 420, 260, SWP_SHOWWINDOW);
    UpdateWindow(window);
    pump(100, window);
    return window;
  }
  int clicks_of(int id) const {
    int n = 0;
    for (int c : clicks) n += c == id;
    return n;
  }

 protected:
  bool on_init_dialog() override {
    const std::pair<int, RECT> places[] = {{kEditId, kEditRect},       {kPlainId, kPlainRect},
                                           {kDefaultId, kDefaultRect}, {kOtherId, kOtherRect},
                                           {kCaptionedId, kCaptionedRect}};
    for (const auto& [id, r] : places) MoveWindow(item(id), r.left, r.top, width_of(r), height_of(r), FALSE);
    plain.bind(hwnd(), kPlainId);
    def.bind(hwnd(), kDefaultId);
    other.bind(hwnd(), kOtherId);
    captioned.bind(hwnd(), kCaptionedId);
    if (setup) setup(*this);
    return true;
  }
  bool on_command(int id, int code, HWND control) override {
    if (code == BN_CLICKED) clicks.push_back(id);
    return kit::Dialog::on_command(id, code, control);
  }
  bool on_message(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    if (message != WM_PAINT) return false;
    if (paint) {
      paint(hwnd());
    } else {
      kit::SkinPaint skin(hwnd());
      RECT client{};
      GetClientRect(hwnd(), &client);
      kit::UniqueBitmap picture(make_picture(client.right, client.bottom, parent_pattern));
      kit::UniqueMemoryDc memory(CreateCompatibleDC(skin.dc()));
      kit::SelectGuard selected(memory.get(), picture.get());
      BitBlt(skin.dc(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
    result = TRUE;
    return true;
  }
};

// A plain button with a solid fill of kFace, no border, and 10x6 hover / normal pictures.
void flat_with_pictures(SkinButton& b, int w = 10, int h = 6) {
  b.set_state_color(SkinButton::NormalBackground, kFace, false);
  b.set_state_color(SkinButton::ActiveBackground, kFace, false);
  b.set_state_color(SkinButton::FocusBackground, kFace, false);
  ASSERT_EQ(b.attach_state_images(framed_picture(w, h, kHoverInk), kKey, framed_picture(w, h, kNormalInk), kKey),
            SkinButton::kOk);
}

class SkinButtonTest : public kit::testing::WindowTest {
 protected:
  void TearDown() override {
    SkinButton::set_mask_factory(nullptr);
    SkinButton::set_resource_module(nullptr);
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    WindowTest::TearDown();
  }
  HWND open(std::function<void(TestDialog&)> setup = {}) {
    dialog_.setup = std::move(setup);
    window_ = dialog_.open();
    // Nothing hovers until a test says so (the pointer may have been left over a button).
    pointer_to_empty_area();
    pump_until(
        [&] {
          return !dialog_.plain.is_hovering() && !dialog_.def.is_hovering() && !dialog_.other.is_hovering() &&
                 !dialog_.captioned.is_hovering();
        },
        kPointerWait, window_);
    return window_;
  }
  POINT centre(const SkinButton& b) const {
    RECT r{};
    GetClientRect(b.hwnd(), &r);
    return {r.right / 2, r.bottom / 2};
  }
  void hover(const SkinButton& b) {
    move_pointer(window_, b.hwnd(), centre(b));
    ASSERT_TRUE(pump_until([&] { return b.is_hovering(); }, kPointerWait, window_));
  }
  void pointer_to_empty_area() { move_pointer(window_, window_, {300, 200}); }

  TestDialog dialog_;
  HWND window_ = nullptr;
};

// ---- key colour mask ------------------------------------------------------------

TEST_F(SkinButtonTest, KeyColourIsNeverDrawnAndAColourOneStepAwayIs) {
  // Columns alternate between the key colour and its neighbours in each channel.
  const COLORREF neighbours[] = {RGB(254, 0, 255), RGB(255, 1, 255), RGB(255, 0, 254)};
  auto colour_at = [&](int x, int y) { return (x + y) % 2 == 0 ? kKey : neighbours[(x + y) / 2 % 3]; };
  HBITMAP picture = make_picture(8, 8, colour_at);
  open([&](TestDialog& d) {
    d.plain.set_state_color(SkinButton::NormalBackground, kFace, false);
    ASSERT_EQ(d.plain.attach_state_images(picture, kKey, nullptr, 0), SkinButton::kOk);
  });
  Pixels p = print(dialog_.plain);
  const int left = (60 - 8) / 2;
  const int top = (30 - 8) / 2;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      COLORREF expected = colour_at(x, y) == kKey ? kFace : colour_at(x, y);
      ASSERT_EQ(p.at(left + x, top + y), expected) << x << "," << y;
    }
  EXPECT_EQ(p.count(kKey), 0);
  // The picture itself was changed in place: key pixels are black now.
  const Pixels changed = kit::testing::of_bitmap(picture);
  EXPECT_EQ(changed.at(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(changed.at(1, 0), neighbours[0]);
  EXPECT_EQ(dialog_.plain.hover_image().width, 8);
  EXPECT_NE(dialog_.plain.hover_image().mask.get(), nullptr);
}

// ---- placement ------------------------------------------------------------------

TEST_F(SkinButtonTest, WithoutCaptionThePictureIsCentredBothWays) {
  open([](TestDialog& d) { flat_with_pictures(d.plain, 11, 7); });
  RECT ink = print(dialog_.plain).box_of(kNormalInk);
  // The 11x7 picture's ink (inside the key frame) in a 60x30 button, halves truncated.
  EXPECT_EQ(ink.left, (60 - 11) / 2 + 1);
  EXPECT_EQ(ink.top, (30 - 7) / 2 + 1);
  EXPECT_EQ(width_of(ink), 9);
  EXPECT_EQ(height_of(ink), 5);
}

TEST_F(SkinButtonTest, WithCaptionThePictureSitsLeftAndTheCaptionIsCentredInTheRest) {
  open([](TestDialog& d) {
    flat_with_pictures(d.captioned, 20, 10);
    d.captioned.set_state_color(SkinButton::NormalText, kCaptionInk, true);
  });
  Pixels p = print(dialog_.captioned);
  RECT picture = p.box_of(kNormalInk);
  EXPECT_EQ(picture.left, 3 + 1);
  EXPECT_EQ(picture.top, (36 - 10) / 2 + 1);
  // Caption ink: anything that is neither face nor picture.
  RECT ink = p.box([](COLORREF c) { return c != kFace && c != kNormalInk; });
  // Where the centred text block belongs: measured as the button measures it, in the
  // button less the picture's width and gap.
  RECT block{20 + 3, 0, 120, 36};
  {
    kit::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    kit::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(dialog_.captioned.hwnd(), WM_GETFONT, 0, 0)));
    DrawTextW(dc.get(), L"\u5F00\u59CB\u5206\u6790", -1, &block, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
  }
  OffsetRect(&block, (97 - width_of(block)) / 2, (36 - height_of(block)) / 2);
  ASSERT_GT(width_of(ink), 0);
  EXPECT_GE(ink.left, block.left);
  EXPECT_LE(ink.right, block.right);
  EXPECT_LE(ink.left - block.left, 2);
  EXPECT_GE(ink.top, block.top);
  EXPECT_LE(ink.bottom, block.bottom);
}

// ---- pressed --------------------------------------------------------------------

TEST_F(SkinButtonTest, PressedShowsTheHoverPictureOnePixelDownRightInASunkenBorder) {
  open([](TestDialog& d) {
    flat_with_pictures(d.captioned, 20, 10);
    d.captioned.set_state_color(SkinButton::NormalText, kCaptionInk, false);
    d.captioned.set_state_color(SkinButton::ActiveText, kCaptionInk, false);
  });
  SkinButton& b = dialog_.captioned;
  Pixels up = print(b);
  SendMessageW(b.hwnd(), BM_SETSTATE, TRUE, 0);
  Pixels down = print(b);
  SendMessageW(b.hwnd(), BM_SETSTATE, FALSE, 0);

  RECT normal = up.box_of(kNormalInk);
  RECT pressed = down.box_of(kHoverInk);
  EXPECT_EQ(down.count(kNormalInk), 0);
  EXPECT_EQ(pressed.left, normal.left + 1);
  EXPECT_EQ(pressed.top, normal.top + 1);
  RECT text_up = up.box_of(kCaptionInk);
  RECT text_down = down.box_of(kCaptionInk);
  ASSERT_GT(width_of(text_up), 0);
  EXPECT_EQ(text_down.left, text_up.left + 1);
  EXPECT_EQ(text_down.top, text_up.top + 1);

  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(down.at(0, 0), shadow);
  EXPECT_EQ(down.at(50, 0), shadow);
  EXPECT_EQ(down.at(0, 20), shadow);
  EXPECT_EQ(down.at(119, 20), highlight);
  EXPECT_EQ(down.at(50, 35), highlight);
  EXPECT_EQ(down.at(119, 35), highlight);
  EXPECT_EQ(up.at(0, 0), kFace);  // no border at rest
}

// ---- hover ----------------------------------------------------------------------

TEST_F(SkinButtonTest, HoveringShowsTheHoverPictureAndARaisedBorderUntilThePointerLeaves) {
  open([](TestDialog& d) {
    flat_with_pictures(d.plain);
    d.plain.set_state_color(SkinButton::ActiveBackground, RGB(0, 0, 90), false);
    d.other.set_state_color(SkinButton::ActiveBackground, RGB(0, 0, 90), false);
    flat_with_pictures(d.other);
    d.other.set_state_color(SkinButton::ActiveBackground, RGB(0, 0, 90), false);
    d.other.enable_hover_border(false, false);
  });
  EXPECT_FALSE(dialog_.plain.is_hovering());
  EXPECT_GT(print(dialog_.plain).count(kNormalInk), 0);

  hover(dialog_.plain);
  Pixels p = print(dialog_.plain);
  EXPECT_EQ(p.count(kNormalInk), 0);
  EXPECT_GT(p.count(kHoverInk), 0);
  EXPECT_EQ(p.at(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(p.at(59, 29), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(p.at(5, 5), RGB(0, 0, 90));  // active fill

  // The leave notice ends the hover once the pointer is elsewhere.
  pointer_to_empty_area();
  EXPECT_TRUE(pump_until([&] { return !dialog_.plain.is_hovering(); }, kPointerWait, window_));
  EXPECT_GT(print(dialog_.plain).count(kNormalInk), 0);

  // With the hover border off, hovering changes picture and fill only.
  hover(dialog_.other);
  Pixels q = print(dialog_.other);
  EXPECT_EQ(q.at(0, 0), RGB(0, 0, 90));
  EXPECT_EQ(q.at(59, 29), RGB(0, 0, 90));
}

TEST_F(SkinButtonTest, PressingOutsideAndDraggingInDoesNotHover) {
  open([](TestDialog& d) { flat_with_pictures(d.plain); });
  mouse_input(MOUSEEVENTF_LEFTDOWN);
  pump(50, window_);
  move_pointer(window_, dialog_.plain.hwnd(), centre(dialog_.plain));
  move_pointer(window_, dialog_.plain.hwnd(), {centre(dialog_.plain).x + 2, centre(dialog_.plain).y});
  EXPECT_FALSE(dialog_.plain.is_hovering());
  EXPECT_EQ(print(dialog_.plain).count(kHoverInk), 0);
  mouse_input(MOUSEEVENTF_LEFTUP);
  pump(50, window_);
  EXPECT_TRUE(dialog_.clicks.empty());
  // With the button up, the next move over the button hovers.
  move_pointer(window_, dialog_.plain.hwnd(), {centre(dialog_.plain).x - 3, centre(dialog_.plain).y});
  EXPECT_TRUE(pump_until([&] { return dialog_.plain.is_hovering(); }, kPointerWait, window_));
}

TEST_F(SkinButtonTest, HoverEndsOnCancelModeFocusLossAndDisabling) {
  open([](TestDialog& d) { flat_with_pictures(d.plain); });
  HWND b = dialog_.plain.hwnd();
  int step = 0;
  for (auto end_it : {+[](HWND w) { SendMessageW(w, WM_CANCELMODE, 0, 0); },
                      +[](HWND w) { SendMessageW(w, WM_KILLFOCUS, 0, 0); }, +[](HWND w) { EnableWindow(w, FALSE); }}) {
    move_pointer(window_, b, {5 + step++, 5});
    ASSERT_TRUE(pump_until([&] { return dialog_.plain.is_hovering(); }, kPointerWait, window_));
    end_it(b);
    EXPECT_FALSE(dialog_.plain.is_hovering()) << step;
  }
}

// ---- one picture ----------------------------------------------------------------

TEST_F(SkinButtonTest, WithOnlyAHoverPictureItShowsInEveryState) {
  open([](TestDialog& d) {
    d.plain.set_state_color(SkinButton::NormalBackground, kFace, false);
    ASSERT_EQ(d.plain.attach_state_images(framed_picture(10, 6, kHoverInk), kKey, nullptr, 0), SkinButton::kOk);
  });
  EXPECT_EQ(width_of(print(dialog_.plain).box_of(kHoverInk)), 8);
  SendMessageW(dialog_.plain.hwnd(), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(width_of(print(dialog_.plain).box_of(kHoverInk)), 8);
  SendMessageW(dialog_.plain.hwnd(), BM_SETSTATE, FALSE, 0);
  hover(dialog_.plain);
  EXPECT_EQ(width_of(print(dialog_.plain).box_of(kHoverInk)), 8);
}

TEST_F(SkinButtonTest, MissingHoverResourceLeavesNoPicturesAndSucceeds) {
  open([](TestDialog& d) { flat_with_pictures(d.plain); });
  HBITMAP old_picture = dialog_.plain.normal_image().bitmap.get();
  EXPECT_EQ(dialog_.plain.load_state_images(60001, kKey, 60002, kKey), SkinButton::kOk);
  EXPECT_EQ(dialog_.plain.hover_image().bitmap.get(), nullptr);
  EXPECT_EQ(dialog_.plain.normal_image().bitmap.get(), nullptr);
  EXPECT_EQ(GetObjectType(old_picture), 0u);
  Pixels p = print(dialog_.plain);
  EXPECT_EQ(p.count(kFace), p.width() * p.height());
}

// ---- disabled -------------------------------------------------------------------

TEST_F(SkinButtonTest, DisabledButtonIsEmbossedAndPassesTheFocusOn) {
  open([](TestDialog& d) {
    flat_with_pictures(d.plain, 16, 12);
    flat_with_pictures(d.captioned, 16, 12);
    d.captioned.set_state_color(SkinButton::NormalText, kCaptionInk, false);
  });
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog_.plain.hwnd()), TRUE);
  ASSERT_EQ(GetFocus(), dialog_.plain.hwnd());
  EnableWindow(dialog_.plain.hwnd(), FALSE);
  EXPECT_EQ(GetFocus(), dialog_.def.hwnd());  // the next tab stop

  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  Pixels p = print(dialog_.plain);
  EXPECT_EQ(p.count(kNormalInk), 0);
  EXPECT_EQ(p.count(kHoverInk), 0);
  RECT embossed = p.box_of(shadow);
  EXPECT_EQ(embossed.left, (60 - 16) / 2 + 1);
  EXPECT_EQ(embossed.top, (30 - 12) / 2 + 1);

  // An unsmoothed font, so that both copies of the caption are drawn in their exact colours.
  kit::UniqueFont sharp(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma"));
  SendMessageW(dialog_.captioned.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(sharp.get()), FALSE);
  EnableWindow(dialog_.captioned.hwnd(), FALSE);
  Pixels c = print(dialog_.captioned);
  EXPECT_EQ(c.count(kCaptionInk), 0);
  EXPECT_EQ(c.count(kNormalInk), 0);
  // The caption is drawn twice: highlight one pixel down-right, shadow on top.
  RECT text_shadow = c.box([&](COLORREF x) { return x == shadow; });
  RECT text_light = c.box([&](COLORREF x) { return x == highlight; });
  EXPECT_GT(text_shadow.right, 3 + 16 + 3 + 4);
  EXPECT_EQ(text_light.right, text_shadow.right + 1);
  EXPECT_EQ(text_light.bottom, text_shadow.bottom + 1);
  SendMessageW(dialog_.captioned.hwnd(), WM_SETFONT, 0, FALSE);
}

// ---- colours --------------------------------------------------------------------

TEST_F(SkinButtonTest, ColourSlotSixOrMoreIsRefusedAndChangesNothing) {
  SkinButton b;
  for (BYTE slot = 0; slot < SkinButton::kColorSlotCount; ++slot)
    ASSERT_EQ(b.set_state_color(slot, RGB(slot, 1, 2), false), SkinButton::kOk);
  EXPECT_EQ(b.set_state_color(6, RGB(9, 9, 9), false), SkinButton::kBadColorSlot);
  EXPECT_EQ(b.set_state_color(255, RGB(9, 9, 9), false), SkinButton::kBadColorSlot);
  for (BYTE slot = 0; slot < SkinButton::kColorSlotCount; ++slot)
    EXPECT_EQ(b.state_color(static_cast<SkinButton::ColorSlot>(slot)), RGB(slot, 1, 2));
  b.reset_state_colors(false);
  EXPECT_EQ(b.state_color(SkinButton::FocusBackground), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(b.state_color(SkinButton::FocusText), GetSysColor(COLOR_BTNTEXT));
}

TEST_F(SkinButtonTest, FaceUsesTheNormalFocusAndActiveFills) {
  open([](TestDialog& d) {
    d.plain.set_state_color(SkinButton::NormalBackground, RGB(10, 0, 0), false);
    d.plain.set_state_color(SkinButton::FocusBackground, RGB(20, 0, 0), false);
    d.plain.set_state_color(SkinButton::ActiveBackground, RGB(30, 0, 0), false);
    d.plain.enable_hover_border(false, false);
  });
  EXPECT_EQ(print(dialog_.plain).at(30, 15), RGB(10, 0, 0));
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog_.plain.hwnd()), TRUE);
  EXPECT_EQ(print(dialog_.plain).at(30, 15), RGB(20, 0, 0));
  SendMessageW(dialog_.plain.hwnd(), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(print(dialog_.plain).at(30, 15), RGB(30, 0, 0));
}

// ---- attach failures ------------------------------------------------------------

TEST_F(SkinButtonTest, UnreadablePictureSizeIsCodeOneAndLeavesNoPictures) {
  open([](TestDialog& d) { flat_with_pictures(d.plain); });
  SkinButton& b = dialog_.plain;
  HBITMAP old_hover = b.hover_image().bitmap.get();
  HBITMAP old_mask = b.hover_image().mask.get();
  auto* not_a_bitmap = reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(0x7FF0BAD0));
  EXPECT_EQ(b.attach_state_images(not_a_bitmap, kKey, nullptr, 0), SkinButton::kSizeUnreadable);
  EXPECT_EQ(GetObjectType(old_hover), 0u);
  EXPECT_EQ(GetObjectType(old_mask), 0u);
  EXPECT_EQ(b.hover_image().bitmap.get(), nullptr);

  // A bad normal picture throws away the good hover picture as well.
  HBITMAP good = framed_picture(10, 6, kHoverInk);
  EXPECT_EQ(b.attach_state_images(good, kKey, not_a_bitmap, kKey), SkinButton::kSizeUnreadable);
  EXPECT_EQ(GetObjectType(good), 0u);
  EXPECT_EQ(b.hover_image().bitmap.get(), nullptr);
  Pixels p = print(b);
  EXPECT_EQ(p.count(kHoverInk) + p.count(kNormalInk), 0);
}

TEST_F(SkinButtonTest, MaskThatCannotBeMadeIsCodeTwoAndLeavesNoPictures) {
  open();
  static int masks_allowed = 0;
  SkinButton::set_mask_factory([](int w, int h) -> HBITMAP {
    return masks_allowed-- > 0 ? CreateBitmap(w, h, 1, 1, nullptr) : nullptr;
  });
  SkinButton& b = dialog_.plain;
  HBITMAP hover = framed_picture(10, 6, kHoverInk);
  masks_allowed = 0;
  EXPECT_EQ(b.attach_state_images(hover, kKey, nullptr, 0), SkinButton::kMaskFailed);
  EXPECT_EQ(GetObjectType(hover), 0u);

  hover = framed_picture(10, 6, kHoverInk);
  HBITMAP normal = framed_picture(10, 6, kNormalInk);
  masks_allowed = 1;  // the normal picture's mask fails
  EXPECT_EQ(b.attach_state_images(hover, kKey, normal, kKey), SkinButton::kMaskFailed);
  EXPECT_EQ(GetObjectType(hover), 0u);
  EXPECT_EQ(GetObjectType(normal), 0u);
  EXPECT_EQ(b.hover_image().bitmap.get(), nullptr);
  EXPECT_EQ(b.hover_image().mask.get(), nullptr);
}

// ---- default button and clicks --------------------------------------------------

TEST_F(SkinButtonTest, EnterClicksTheDefaultButtonAndTheDefaultMovesWithFocus) {
  open();
  auto enter = [&] {
    MSG msg{GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    IsDialogMessageW(window_, &msg);
    pump(20, window_);
  };
  EXPECT_TRUE(dialog_.def.is_default());
  EXPECT_FALSE(dialog_.plain.is_default());
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window_, kEditId)), TRUE);
  enter();
  EXPECT_EQ(dialog_.clicks, std::vector<int>{kDefaultId});
  EXPECT_EQ(GetFocus(), dialog_.def.hwnd());  // the click takes the focus

  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog_.other.hwnd()), TRUE);
  EXPECT_TRUE(dialog_.other.is_default());
  EXPECT_FALSE(dialog_.def.is_default());
  EXPECT_NE(SendMessageW(dialog_.other.hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
  EXPECT_NE(SendMessageW(dialog_.def.hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, 0);
  enter();
  EXPECT_EQ(dialog_.clicks, (std::vector<int>{kDefaultId, kOtherId}));
  // Both stay owner-drawn whatever the dialog manager asked for.
  EXPECT_EQ(GetWindowLongW(dialog_.other.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(GetWindowLongW(dialog_.def.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(SkinButtonTest, QuickSecondClickCountsAsAClick) {
  open();
  HWND b = dialog_.plain.hwnd();
  const LPARAM inside = MAKELPARAM(5, 5);
  SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageW(b, WM_LBUTTONUP, 0, inside);
  SendMessageW(b, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
  SendMessageW(b, WM_LBUTTONUP, 0, inside);
  pump(20, window_);
  EXPECT_EQ(dialog_.clicks_of(kPlainId), 2);
}

// ---- tooltip and pointer --------------------------------------------------------

TEST_F(SkinButtonTest, TipTextIsSetOnceAsOneToolAndShowsOnlyWhenActive) {
  open();
  SkinButton& b = dialog_.plain;
  // A null text adds no tool (the tooltip itself may exist already: the first mouse
  // message over the button makes it).
  b.set_tip_text(static_cast<const char*>(nullptr), true);
  EXPECT_TRUE(!b.tip_window() || SendMessageW(b.tip_window(), TTM_GETTOOLCOUNT, 0, 0) == 0);

  b.set_tip_text("保存当前决策", false);
  HWND tip = b.tip_window();
  ASSERT_TRUE(IsWindow(tip));
  EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);
  b.set_tip_text("另存为", false);
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[64] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = b.hwnd();
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::wstring(text), kit::to_wide("另存为"));
  SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(tool.rect.right, 60);
  EXPECT_EQ(tool.rect.bottom, 30);

  move_pointer(window_, b.hwnd(), centre(b));
  move_pointer(window_, b.hwnd(), {centre(b).x + 1, centre(b).y});
  pump(1200, window_);
  EXPECT_FALSE(IsWindowVisible(tip));

  b.set_tip_text("另存为", true);
  move_pointer(window_, b.hwnd(), {centre(b).x + 2, centre(b).y});
  EXPECT_TRUE(pump_until([&] { return IsWindowVisible(tip) != FALSE; }, kPointerWait, window_));
}

TEST_F(SkinButtonTest, PointerIsShownOverTheButtonAndAMissingCursorIsCodeOne) {
  open();
  SkinButton& b = dialog_.plain;
  const LPARAM over_client = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  SkinButton::set_resource_module(GetModuleHandleW(L"user32.dll"));
  ASSERT_EQ(b.set_pointer(32512, true), SkinButton::kOk);  // user32's arrow resource
  HCURSOR pointer = b.pointer();
  ASSERT_NE(pointer, nullptr);
  EXPECT_EQ(SendMessageW(b.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(b.hwnd()), over_client), TRUE);
  EXPECT_EQ(GetCursor(), pointer);

  EXPECT_EQ(b.set_pointer(60003, true), SkinButton::kPointerNotLoaded);
  EXPECT_EQ(b.pointer(), nullptr);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(pointer, &info));  // the previous pointer was destroyed
}

// ---- see-through ----------------------------------------------------------------

TEST_F(SkinButtonTest, SeeThroughShowsTheParentsPixelsCapturedOnce) {
  open([](TestDialog& d) {
    d.plain.enable_hover_border(false, true);
    d.plain.show_parent_through(true);
    ASSERT_EQ(d.plain.attach_state_images(framed_picture(10, 6, kHoverInk), kKey, nullptr, 0), SkinButton::kOk);
  });
  SkinButton& b = dialog_.plain;
  Pixels p = print(b);
  const int left = (60 - 10) / 2;
  const int top = (30 - 6) / 2;
  for (POINT at : {POINT{0, 0}, POINT{59, 29}, POINT{left, top}, POINT{left + 9, top + 5}})
    EXPECT_EQ(p.at(at.x, at.y), parent_pattern(kPlainRect.left + at.x, kPlainRect.top + at.y)) << at.x << "," << at.y;
  EXPECT_EQ(p.at(left + 1, top + 1), kHoverInk);

  // The cache keeps the first capture when the parent changes ...
  HBITMAP first_cache = b.background_cache_bitmap();
  dialog_.paint = [](HWND w) {
    kit::SkinPaint skin(w);
    RECT client{};
    GetClientRect(w, &client);
    kit::UniqueBrush brush(CreateSolidBrush(RGB(9, 99, 199)));
    FillRect(skin.dc(), &client, brush.get());
  };
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(print(b).at(0, 0), parent_pattern(kPlainRect.left, kPlainRect.top));
  // ... until a system colour change throws it away: the next paint takes it again.
  SendMessageW(b.hwnd(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(GetObjectType(first_cache), 0u);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(print(b).at(0, 0), RGB(9, 99, 199));
}

// ---- lifetime -------------------------------------------------------------------

TEST_F(SkinButtonTest, EveryHandleTheButtonMadeIsGoneWithTheDialog) {
  SkinButton::set_resource_module(GetModuleHandleW(L"user32.dll"));
  open([](TestDialog& d) {
    d.plain.show_parent_through(true);
    flat_with_pictures(d.plain);
    ASSERT_EQ(d.plain.set_pointer(32512, true), SkinButton::kOk);
    d.plain.set_tip_text("提示", true);
  });
  SkinButton& b = dialog_.plain;
  const HGDIOBJ objects[] = {b.hover_image().bitmap.get(),  b.hover_image().mask.get(),
                             b.normal_image().bitmap.get(), b.normal_image().mask.get(),
                             b.background_cache_bitmap(),   b.background_cache_dc()};
  for (HGDIOBJ h : objects) ASSERT_NE(GetObjectType(h), 0u);
  HCURSOR pointer = b.pointer();
  HWND tip = b.tip_window();
  ASSERT_TRUE(IsWindow(tip));

  DestroyWindow(window_);
  for (HGDIOBJ h : objects) EXPECT_EQ(GetObjectType(h), 0u);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(pointer, &info));
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_EQ(b.tip_window(), nullptr);
  EXPECT_EQ(b.hwnd(), nullptr);
}

// ---- skin background ------------------------------------------------------------

// A 24-bit bottom-up BMP file of colour_at.
std::string bmp_file(int width, int height, const std::function<COLORREF(int, int)>& colour_at) {
  const int row = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(row * height);
  std::string out(reinterpret_cast<const char*>(&file), sizeof(file));
  out.append(reinterpret_cast<const char*>(&info), sizeof(info));
  for (int y = height - 1; y >= 0; --y) {
    std::string line(static_cast<std::size_t>(row), '\0');
    for (int x = 0; x < width; ++x) {
      COLORREF c = colour_at(x, y);
      line[x * 3] = static_cast<char>(GetBValue(c));
      line[x * 3 + 1] = static_cast<char>(GetGValue(c));
      line[x * 3 + 2] = static_cast<char>(GetRValue(c));
    }
    out += line;
  }
  return out;
}

// The background tests look at the dialog's own pixels only.
void hide_controls(TestDialog& d) {
  for (HWND child = GetWindow(d.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ShowWindow(child, SW_HIDE);
}

COLORREF skin_a(int x, int y) { return RGB(x * 2, y * 3, 33); }
COLORREF skin_b(int x, int y) { return RGB(255 - x, y, 140); }

class SkinBackgroundTest : public SkinButtonTest {
 protected:
  void TearDown() override {
    SkinButtonTest::TearDown();
    for (const char* name : {kSkin, kBand}) DeleteFileW(kit::to_wide(name).c_str());
  }
  static constexpr const char* kSkin = "测试背景.bmp";
  static constexpr const char* kBand = "测试色带.bmp";
};

TEST_F(SkinBackgroundTest, DrawsTheFileFromTheWorkingFolderAfreshAtEveryPaint) {
  ASSERT_EQ(kit::replace_file_bytes(kSkin, bmp_file(120, 80, skin_a)), kit::kFileOk);
  dialog_.paint = [](HWND w) { kit::paint_skin_background(w, kSkin, 100, 60); };
  open(hide_controls);
  Pixels p = kit::testing::shown(window_);
  for (int y = 0; y < 60; y += 7)
    for (int x = 0; x < 100; x += 3) ASSERT_EQ(p.at(x, y), skin_a(x, y)) << x << "," << y;
  EXPECT_NE(p.at(105, 10), skin_a(105, 10));  // only W x H is drawn
  EXPECT_NE(p.at(10, 65), skin_a(10, 65));

  ASSERT_EQ(kit::replace_file_bytes(kSkin, bmp_file(120, 80, skin_b)), kit::kFileOk);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(kit::testing::shown(window_).at(40, 30), skin_b(40, 30));
}

TEST_F(SkinBackgroundTest, SecondPictureIsDrawnAtItsPlaceInTheSamePaint) {
  ASSERT_EQ(kit::replace_file_bytes(kSkin, bmp_file(120, 80, skin_a)), kit::kFileOk);
  ASSERT_EQ(kit::replace_file_bytes(kBand, bmp_file(40, 20, skin_b)), kit::kFileOk);
  dialog_.paint = [](HWND w) { kit::paint_skin_background(w, kSkin, 120, 80, kBand, 50, 30, 30, 10); };
  open(hide_controls);
  Pixels p = kit::testing::shown(window_);
  EXPECT_EQ(p.at(10, 10), skin_a(10, 10));
  EXPECT_EQ(p.at(50, 30), skin_b(0, 0));
  EXPECT_EQ(p.at(79, 39), skin_b(29, 9));
  EXPECT_EQ(p.at(80, 39), skin_a(80, 39));  // the band's blit size, not its file size
  EXPECT_EQ(p.at(60, 40), skin_a(60, 40));
}

TEST_F(SkinBackgroundTest, MissingFileIsNotReported) {
  int paints = 0;
  dialog_.paint = [&](HWND w) {
    ++paints;
    kit::paint_skin_background(w, "没有这个文件.bmp", 100, 60);
  };
  open();
  EXPECT_GE(paints, 1);
  int windows = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM count) {
        if (IsWindowVisible(w)) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  EXPECT_EQ(windows, 1);  // the dialog alone: no message box
  EXPECT_FALSE(GetUpdateRect(window_, nullptr, FALSE));
}

}  // namespace
