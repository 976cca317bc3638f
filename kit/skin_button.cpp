#include "kit/skin_button.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "kit/dialog_keys.h"
#include "kit/dpi.h"
#include "kit/geometry.h"
#include "kit/scaled_picture.h"
#include "kit/text/wide.h"
#include "kit/tooltip.h"

namespace kit {

namespace {

constexpr UINT_PTR kTipToolId = 1;
constexpr int kTipMaxWidth = 400;       // long tips wrap
constexpr int kCaptionGap = 3;          // picture from the left edge, caption from the picture
constexpr int kPressedShift = 1;        // picture and caption move right and down when pressed
constexpr int kEmbossShift = 1;         // highlight copy of a disabled caption
constexpr int kFocusInset = 2;          // the focus mark from the edge
constexpr UINT kMeasureFlags = DT_WORDBREAK | DT_CENTER | DT_CALCRECT;
constexpr UINT kCaptionFlags = DT_WORDBREAK | DT_CENTER;
constexpr UINT kDisabledPictureFlags = DST_BITMAP | DSS_DISABLED;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

HBITMAP create_monochrome_bitmap(int width, int height) { return CreateBitmap(width, height, 1, 1, nullptr); }

SkinButton::MaskFactory g_mask_factory = create_monochrome_bitmap;
HINSTANCE g_resource_module = nullptr;

int width_of(const RECT& r) { return r.right - r.left; }
int height_of(const RECT& r) { return r.bottom - r.top; }

void fill_solid(HDC dc, const RECT& r, COLORREF color) {
  COLORREF previous = SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

// A one-pixel 3-D rectangle: top and left edges in top_left, right and bottom edges in
// bottom_right (the bottom-right edges own the two far corners).
void draw_3d_rect(HDC dc, const RECT& r, COLORREF top_left, COLORREF bottom_right) {
  fill_solid(dc, {r.left, r.top, r.right - 1, r.top + 1}, top_left);
  fill_solid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
  fill_solid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottom_right);
  fill_solid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
}

// Makes image's mask (1 where the picture has the key colour) and blackens the
// key-coloured pixels of the picture itself, so that mask-AND then picture-OR leaves
// them transparent.
bool make_mask(SkinButton::StateImage& image) {
  UniqueBitmap mask(g_mask_factory(image.width, image.height));
  if (!mask) return false;
  UniqueMemoryDc picture_dc(CreateCompatibleDC(nullptr));
  UniqueMemoryDc mask_dc(CreateCompatibleDC(nullptr));
  if (!picture_dc || !mask_dc) return false;
  {
    SelectGuard picture_selected(picture_dc.get(), image.bitmap.get());
    SelectGuard mask_selected(mask_dc.get(), mask.get());
    // Colour to monochrome: pixels of the source's background colour become 1.
    COLORREF previous_background = SetBkColor(picture_dc.get(), image.key);
    BitBlt(mask_dc.get(), 0, 0, image.width, image.height, picture_dc.get(), 0, 0, SRCCOPY);
    // Monochrome to colour: 1 takes the background colour (black), 0 the text colour.
    COLORREF previous_text = SetTextColor(picture_dc.get(), kWhite);
    SetBkColor(picture_dc.get(), kBlack);
    BitBlt(picture_dc.get(), 0, 0, image.width, image.height, mask_dc.get(), 0, 0, SRCAND);
    SetTextColor(picture_dc.get(), previous_text);
    SetBkColor(picture_dc.get(), previous_background);
  }
  image.mask = std::move(mask);
  return true;
}

void clear_image(SkinButton::StateImage& image) {
  image.bitmap.reset();
  image.mask.reset();
  image.width = 0;
  image.height = 0;
  image.key = 0;
}

}  // namespace

SkinButton::SkinButton() { reset_state_colors(false); }

SkinButton::~SkinButton() { free_everything(); }

void SkinButton::set_resource_module(HINSTANCE module) { g_resource_module = module; }

HINSTANCE SkinButton::resource_module() {
  return g_resource_module ? g_resource_module : GetModuleHandleW(nullptr);
}

void SkinButton::set_mask_factory(MaskFactory factory) {
  g_mask_factory = factory ? factory : create_monochrome_bitmap;
}

void SkinButton::on_bound() {
  // From now on the control is owner-drawn; whether it was the default push button is
  // remembered so that Enter keeps working.
  // The button's own message changes its type (its other button styles given again, for
  // a platform that takes them all from the message); the frame stays as it is.
  const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
  is_default_ = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  const WPARAM button_styles = static_cast<WPARAM>(style) & 0xFFFF & ~static_cast<WPARAM>(BS_TYPEMASK);
  SendMessageW(hwnd(), BM_SETSTYLE, button_styles | BS_OWNERDRAW, FALSE);
}

void SkinButton::repaint_if(bool repaint) const {
  if (repaint) invalidate(true);
}

// ---- pictures -------------------------------------------------------------------

int SkinButton::set_up(HWND dialog, int id, const Setup& setup) {
  if (!bind(dialog, id)) return kNoSuchControl;
  enable_hover_border(false, false);
  show_parent_through(false);
  place_ = setup.place;
  if (!place_.empty()) place_control(dialog, id, place_);
  int result = kOk;
  if (setup.hover_picture)
    result = load_state_images(setup.hover_picture, setup.key.colorref(), setup.normal_picture,
                               setup.key.colorref());
  if (setup.tip) set_tip_text(setup.tip, true);
  if (setup.name) set_name(setup.name);
  if (setup.ink) colors_[FocusText] = setup.ink->colorref();
  if (setup.pointer && set_pointer(setup.pointer, false) != kOk && result == kOk) result = kPointerNotLoaded;
  invalidate(true);
  return result;
}

int SkinButton::load_state_images(WORD hover_id, COLORREF hover_key, WORD normal_id, COLORREF normal_key) {
  HINSTANCE module = resource_module();
  const int dpi = window_dpi(hwnd());
  auto load = [module, dpi](WORD id, COLORREF key) -> HBITMAP {
    if (id == 0) return nullptr;
    return load_scaled_keyed_picture(module, id, dpi, key).release();
  };
  hover_id_ = hover_id;
  normal_id_ = normal_id;
  hover_key_ = hover_key;
  normal_key_ = normal_key;
  HBITMAP hover = load(hover_id, hover_key);
  HBITMAP normal = load(normal_id, normal_key);
  return attach_state_images(hover, hover_key, normal, normal_key);
}

void SkinButton::lay_out() {
  HWND parent = GetParent(hwnd());
  if (!parent) return;
  if (!place_.empty()) place_control(parent, GetDlgCtrlID(hwnd()), place_);
  free_background_cache();
  if (hover_id_ != 0) load_state_images(hover_id_, hover_key_, normal_id_, normal_key_);
  else invalidate(true);
}

int SkinButton::attach_state_images(HBITMAP hover, COLORREF hover_key, HBITMAP normal, COLORREF normal_key) {
  // The button owns what it is given; a normal picture without a hover picture is
  // never shown and is freed here.  The same handle twice is one picture.
  UniqueBitmap hover_owned(hover);
  UniqueBitmap normal_owned(normal != hover ? normal : nullptr);
  free_images();
  if (hover_owned) {
    int result = attach_one(hover_image_, std::move(hover_owned), hover_key);
    if (result == kOk && normal_owned) result = attach_one(normal_image_, std::move(normal_owned), normal_key);
    if (result != kOk) {
      free_images();
      return result;
    }
  }
  invalidate(true);
  return kOk;
}

int SkinButton::attach_one(StateImage& image, UniqueBitmap bitmap, COLORREF key) {
  image.bitmap = std::move(bitmap);
  image.key = key;
  BITMAP info{};
  if (GetObjectType(image.bitmap.get()) != OBJ_BITMAP ||
      GetObjectW(image.bitmap.get(), sizeof(info), &info) == 0)
    return kSizeUnreadable;
  image.width = info.bmWidth;
  image.height = info.bmHeight;
  if (!make_mask(image)) return kMaskFailed;
  return kOk;
}

void SkinButton::free_images() {
  free_composed_faces();
  clear_image(hover_image_);
  clear_image(normal_image_);
}

// ---- settings -------------------------------------------------------------------

int SkinButton::set_state_color(BYTE slot, COLORREF color, bool repaint) {
  if (slot >= kColorSlotCount) return kBadColorSlot;
  colors_[slot] = color;
  repaint_if(repaint);
  return kOk;
}

int SkinButton::reset_state_colors(bool repaint) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF text = GetSysColor(COLOR_BTNTEXT);
  colors_[ActiveBackground] = face;
  colors_[NormalBackground] = face;
  colors_[FocusBackground] = face;
  colors_[ActiveText] = text;
  colors_[NormalText] = text;
  colors_[FocusText] = text;
  repaint_if(repaint);
  return kOk;
}

int SkinButton::enable_hover_border(bool on, bool repaint) {
  hover_border_ = on;
  repaint_if(repaint);
  return kOk;
}

void SkinButton::show_parent_through(bool repaint) {
  see_through_ = true;
  free_background_cache();
  repaint_if(repaint);
}

void SkinButton::set_tip_text(const char* text, bool activate) {
  if (text) set_tip_text(std::string_view(text), activate);
}

// The text waits for the tooltip, which the first mouse message over the button makes.
void SkinButton::set_tip_text(std::string_view text, bool activate) {
  tip_text_ = std::string(text);
  has_tip_text_ = true;
  tip_active_ = activate;
  if (tip_) give_tip_text();
}

void SkinButton::give_tip_text() {
  if (SendMessageW(tip_.get(), TTM_GETTOOLCOUNT, 0, 0) == 0) add_tool(tip_.get(), hwnd(), kTipToolId, tip_text_);
  set_tool_text(tip_.get(), hwnd(), kTipToolId, tip_text_);
  SendMessageW(tip_.get(), TTM_ACTIVATE, tip_active_ ? TRUE : FALSE, 0);
}

int SkinButton::set_pointer(WORD cursor_id, bool repaint) {
  pointer_.reset();
  if (cursor_id != 0) {
    pointer_.reset(static_cast<HCURSOR>(
        LoadImageW(resource_module(), MAKEINTRESOURCEW(cursor_id), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
    if (!pointer_) return kPointerNotLoaded;
  }
  repaint_if(repaint);
  return kOk;
}

void SkinButton::set_caption(std::string_view text) {
  if (!hwnd()) return;
  name_only_ = false;
  set_window_text(hwnd(), text);
  invalidate(true);
}

void SkinButton::set_name(std::string_view text) {
  if (!hwnd()) return;
  name_only_ = true;
  set_window_text(hwnd(), text);
}

// ---- drawing --------------------------------------------------------------------

void SkinButton::on_draw_item(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  pressed_ = (item.itemState & ODS_SELECTED) != 0;
  focused_ = (item.itemState & ODS_FOCUS) != 0;
  disabled_ = (item.itemState & ODS_DISABLED) != 0;

  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  RECT r = item.rcItem;

  const StateImage& image =
      (hovering_ || pressed_) ? hover_image_ : (normal_image_.bitmap ? normal_image_ : hover_image_);
  int length = name_only_ ? 0 : GetWindowTextLengthW(hwnd());
  // The commonest paint, a picture on the parent's pixels at rest, is one blit.
  const bool bordered = hover_border_ && (pressed_ || hovering_);
  if (see_through_ && !pressed_ && !disabled_ && !bordered && length == 0 && image.bitmap &&
      draw_composed_face(dc, image, r)) {
    if (focused_ && shows_focus_cues()) draw_focus_mark(dc, r);
    RestoreDC(dc, saved);
    return;
  }

  if (see_through_)
    draw_face_from_cache(dc, r);
  else
    draw_background(dc, r);

  if (bordered) draw_border(dc, r);

  std::wstring caption;
  if (length > 0) {
    caption.resize(static_cast<std::size_t>(length) + 1);
    caption.resize(static_cast<std::size_t>(GetWindowTextW(hwnd(), caption.data(), length + 1)));
  }
  RECT caption_rect = r;

  if (image.bitmap) draw_picture(dc, image, r, caption_rect, !caption.empty());

  if (!caption.empty()) draw_caption(dc, caption, caption_rect);
  if (focused_ && !disabled_ && shows_focus_cues()) draw_focus_mark(dc, r);
  RestoreDC(dc, saved);
}

bool SkinButton::shows_focus_cues() const { return keyboard_cues_shown(hwnd()); }

// A dotted rectangle kFocusInset pixels inside the edge, every other pixel inked.
void SkinButton::draw_focus_mark(HDC dc, const RECT& r) {
  const RECT mark{r.left + kFocusInset, r.top + kFocusInset, r.right - kFocusInset - 1, r.bottom - kFocusInset - 1};
  const COLORREF ink = colors_[FocusText];
  for (LONG x = mark.left; x <= mark.right; x += 2) {
    SetPixel(dc, x, mark.top, ink);
    SetPixel(dc, x, mark.bottom, ink);
  }
  for (LONG y = mark.top; y <= mark.bottom; y += 2) {
    SetPixel(dc, mark.left, y, ink);
    SetPixel(dc, mark.right, y, ink);
  }
}

void SkinButton::draw_background(HDC dc, const RECT& r) {
  COLORREF color = colors_[NormalBackground];
  if (hovering_ || pressed_)
    color = colors_[ActiveBackground];
  else if (focused_)
    color = colors_[FocusBackground];
  UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc, &r, brush.get());
}

void SkinButton::draw_border(HDC dc, const RECT& r) {
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  if (pressed_)
    draw_3d_rect(dc, r, shadow, highlight);  // sunken
  else if (hovering_)
    draw_3d_rect(dc, r, highlight, shadow);  // raised
}

void SkinButton::draw_picture(HDC dc, const StateImage& image, const RECT& r, RECT& caption, bool has_caption) {
  const int w = image.width;
  const int h = image.height;
  int x = 0;
  int y = r.top + (height_of(r) - h) / 2;
  if (has_caption) {
    x = r.left + kCaptionGap;
    caption.left += w + kCaptionGap;
  } else {
    x = r.left + (width_of(r) - w) / 2;
  }
  if (pressed_) {
    x += kPressedShift;
    y += kPressedShift;
  }

  UniqueMemoryDc picture_dc(CreateCompatibleDC(dc));
  UniqueMemoryDc mask_dc(CreateCompatibleDC(nullptr));
  if (!picture_dc || !mask_dc) return;
  SelectGuard picture_selected(picture_dc.get(), image.bitmap.get());
  SelectGuard mask_selected(mask_dc.get(), image.mask.get());

  if (disabled_) {
    // Compose the picture on white, then let the platform emboss it.
    UniqueMemoryDc surface_dc(CreateCompatibleDC(dc));
    UniqueBitmap surface(CreateCompatibleBitmap(dc, w, h));
    if (!surface_dc || !surface) return;
    {
      SelectGuard surface_selected(surface_dc.get(), surface.get());
      PatBlt(surface_dc.get(), 0, 0, w, h, WHITENESS);
      SetBkColor(surface_dc.get(), kWhite);
      SetTextColor(surface_dc.get(), kBlack);
      BitBlt(surface_dc.get(), 0, 0, w, h, mask_dc.get(), 0, 0, SRCAND);
      BitBlt(surface_dc.get(), 0, 0, w, h, picture_dc.get(), 0, 0, SRCPAINT);
    }
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(surface.get()), 0, x, y, w, h,
               kDisabledPictureFlags);
  } else {
    // Mask 1 (key colour) turns white and keeps the face under AND; 0 turns black.  The
    // text colour is set as well, so a colour left in the DC cannot tint the mask.
    SetBkColor(dc, kWhite);
    SetTextColor(dc, kBlack);
    BitBlt(dc, x, y, w, h, mask_dc.get(), 0, 0, SRCAND);
    BitBlt(dc, x, y, w, h, picture_dc.get(), 0, 0, SRCPAINT);
  }
}

void SkinButton::draw_caption(HDC dc, const std::wstring& text, RECT caption) {
  if (pressed_) OffsetRect(&caption, kPressedShift, kPressedShift);
  const RECT whole = caption;
  DrawTextW(dc, text.c_str(), -1, &caption, kMeasureFlags);
  OffsetRect(&caption, (width_of(whole) - width_of(caption)) / 2, (height_of(whole) - height_of(caption)) / 2);
  SetBkMode(dc, TRANSPARENT);
  if (disabled_) {
    OffsetRect(&caption, kEmbossShift, kEmbossShift);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), -1, &caption, kCaptionFlags);
    OffsetRect(&caption, -kEmbossShift, -kEmbossShift);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, text.c_str(), -1, &caption, kCaptionFlags);
    return;
  }
  const bool active = hovering_ || pressed_;
  SetTextColor(dc, colors_[active ? ActiveText : NormalText]);
  SetBkColor(dc, colors_[active ? ActiveBackground : NormalBackground]);
  DrawTextW(dc, text.c_str(), -1, &caption, kCaptionFlags);
}

// ---- parent background ----------------------------------------------------------

void SkinButton::draw_face_from_cache(HDC dc, const RECT& r) {
  if (!cache_dc_) capture_parent_background();
  if (cache_dc_) BitBlt(dc, 0, 0, width_of(r), height_of(r), cache_dc_.get(), 0, 0, SRCCOPY);
}

// Copies what the parent shows under the button right now; kept until
// show_parent_through or a system colour change.
void SkinButton::capture_parent_background() {
  HWND parent = GetParent(hwnd());
  if (!parent) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  RECT window{};
  GetWindowRect(hwnd(), &window);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);

  WindowDc parent_dc(parent);
  if (!parent_dc.get()) return;
  UniqueMemoryDc cache_dc(CreateCompatibleDC(parent_dc.get()));
  UniqueBitmap cache_bitmap(CreateCompatibleBitmap(parent_dc.get(), width_of(client), height_of(client)));
  if (!cache_dc || !cache_bitmap) return;
  cache_displaced_ = SelectObject(cache_dc.get(), cache_bitmap.get());
  BitBlt(cache_dc.get(), 0, 0, width_of(client), height_of(client), parent_dc.get(), window.left, window.top,
         SRCCOPY);
  cache_dc_ = std::move(cache_dc);
  cache_bitmap_ = std::move(cache_bitmap);
}

// Blits the face of image composed over the captured parent pixels, composing it first
// when needed; false when it cannot be made (the caller draws the slow way).
bool SkinButton::draw_composed_face(HDC dc, const StateImage& image, const RECT& r) {
  const int w = width_of(r);
  const int h = height_of(r);
  if (!cache_dc_) capture_parent_background();
  if (!cache_dc_) return false;
  if (faces_dc_ && (faces_size_.cx != w || faces_size_.cy != h)) free_composed_faces();
  if (!faces_dc_) {
    UniqueMemoryDc faces_dc(CreateCompatibleDC(dc));
    UniqueBitmap faces_bitmap(CreateCompatibleBitmap(dc, 2 * w, h));
    if (!faces_dc || !faces_bitmap) return false;
    faces_displaced_ = SelectObject(faces_dc.get(), faces_bitmap.get());
    faces_dc_ = std::move(faces_dc);
    faces_bitmap_ = std::move(faces_bitmap);
    faces_size_ = {w, h};
  }
  const int slot = &image == &hover_image_ ? 0 : 1;
  if (!face_composed_[slot]) {
    // The same steps as a paint straight to the screen, onto the face instead.
    HDC face = faces_dc_.get();
    const int saved = SaveDC(face);
    SetViewportOrgEx(face, slot * w, 0, nullptr);
    BitBlt(face, 0, 0, w, h, cache_dc_.get(), 0, 0, SRCCOPY);
    RECT ignored = r;
    draw_picture(face, image, {0, 0, w, h}, ignored, false);
    RestoreDC(face, saved);
    face_composed_[slot] = true;
  }
  return BitBlt(dc, r.left, r.top, w, h, faces_dc_.get(), slot * w, 0, SRCCOPY) != FALSE;
}

void SkinButton::free_composed_faces() {
  if (faces_dc_ && faces_displaced_) SelectObject(faces_dc_.get(), faces_displaced_);
  faces_displaced_ = nullptr;
  faces_dc_.reset();
  faces_bitmap_.reset();
  face_composed_[0] = face_composed_[1] = false;
}

void SkinButton::free_background_cache() {
  free_composed_faces();
  if (cache_dc_ && cache_displaced_) SelectObject(cache_dc_.get(), cache_displaced_);
  cache_displaced_ = nullptr;
  cache_dc_.reset();
  cache_bitmap_.reset();
}

void SkinButton::free_everything() {
  free_background_cache();
  free_images();
  pointer_.reset();
  // The dialog destroys the windows it owns before its children, so the tooltip may
  // already be gone.
  if (tip_ && !IsWindow(tip_.get())) tip_.release();
  tip_.reset();
  tip_text_.clear();
  has_tip_text_ = false;
}

// ---- hover, focus, tooltip ------------------------------------------------------

void SkinButton::on_mouse_move(WPARAM flags, LPARAM point) {
  POINT screen{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  ClientToScreen(hwnd(), &screen);
  HWND under = WindowFromPoint(screen);
  // Pressing outside and dragging in does not start a hover.
  if ((flags & MK_LBUTTON) && !hovering_) return;
  if (under == hwnd()) {
    if (hovering_) return;
    hovering_ = true;
    invalidate(true);
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
    _TrackMouseEvent(&track);
  } else {
    end_hover();
  }
}

void SkinButton::end_hover() {
  if (!hovering_) return;
  hovering_ = false;
  invalidate(true);
}

void SkinButton::on_disabled() {
  HWND parent = GetParent(hwnd());
  HWND next = parent ? GetNextDlgTabItem(parent, hwnd(), FALSE) : nullptr;
  if (next)
    SetFocus(next);
  else if (parent)
    SetFocus(parent);
  end_hover();
}

// Made at the first mouse message over a button with a text, not at start-up: a
// tooltip window costs about as much to make as the button.
void SkinButton::ensure_tip() {
  if (tip_ || !has_tip_text_ || !hwnd()) return;
  tip_.reset(create_tooltip(hwnd()));
  if (!tip_) return;
  SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, kTipMaxWidth);
  give_tip_text();
}

// A modal dialog's loop has no hook before dispatch, so the button hands its own mouse
// messages to the tooltip.
void SkinButton::relay_to_tip(UINT message, WPARAM wparam, LPARAM lparam) {
  ensure_tip();
  if (tip_) relay_to_tooltip(tip_.get(), hwnd(), message, wparam, lparam);
}

// ---- messages -------------------------------------------------------------------

bool SkinButton::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case reflected(WM_DRAWITEM):
      on_draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      result = TRUE;
      return true;

    case reflected(WM_CTLCOLORBTN):
      // Nothing erases the face: the owner draw paints all of it.
      result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      return true;

    case reflected(WM_COMMAND):
      if (HIWORD(wparam) == BN_CLICKED) SetFocus(hwnd());
      result = 0;
      return true;

    case WM_LBUTTONDBLCLK:
      // A quick second click is one more press.
      relay_to_tip(message, wparam, lparam);
      result = default_processing(WM_LBUTTONDOWN, wparam, lparam);
      return true;

    case WM_MOUSEMOVE:
      relay_to_tip(message, wparam, lparam);
      result = default_processing(message, wparam, lparam);
      on_mouse_move(wparam, lparam);
      return true;

    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      relay_to_tip(message, wparam, lparam);
      return false;

    case WM_MOUSELEAVE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
      result = default_processing(message, wparam, lparam);
      end_hover();
      return true;

    case WM_ACTIVATE:
      result = default_processing(message, wparam, lparam);
      if (LOWORD(wparam) == WA_INACTIVE) end_hover();
      return true;

    case WM_ENABLE:
      result = default_processing(message, wparam, lparam);
      if (!wparam) on_disabled();
      return true;

    case WM_SETCURSOR:
      if (!pointer_) return false;
      SetCursor(pointer_.get());
      result = TRUE;
      return true;

    case WM_SETFOCUS:
      note_focus_move(hwnd());
      return false;

    case WM_UPDATEUISTATE:  // the keyboard cues came or went: the mark follows
      result = default_processing(message, wparam, lparam);
      invalidate(false);
      return true;

    case WM_SYSCOLORCHANGE:
      result = default_processing(message, wparam, lparam);
      free_background_cache();
      return true;

    case WM_GETDLGCODE:
      result = default_processing(message, wparam, lparam);
      result |= is_default_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
      return true;

    case BM_SETSTYLE: {
      // The dialog manager moves the default: remember it, stay owner-drawn.
      const UINT type = static_cast<UINT>(wparam) & BS_TYPEMASK;
      if (type == BS_DEFPUSHBUTTON)
        is_default_ = true;
      else if (type == BS_PUSHBUTTON)
        is_default_ = false;
      result = default_processing(message, (wparam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lparam);
      return true;
    }

    case WM_DESTROY:
      result = default_processing(message, wparam, lparam);
      free_everything();
      return true;
  }
  return false;
}

int set_up_skin_button(HWND dialog, SkinButton& button, const SkinButtonRow& row) {
  return button.set_up(dialog, row.id,
                       {.place = row.place,
                        .hover_picture = static_cast<WORD>(row.hover.id),
                        .normal_picture = static_cast<WORD>(row.normal.id),
                        .key = row.key,
                        .tip = row.tip,
                        .pointer = static_cast<WORD>(row.pointer),
                        .name = row.name,
                        .ink = row.ink});
}

int set_up_skin_buttons(HWND dialog, std::span<const SkinButtonRow> table, std::initializer_list<SkinButton*> buttons) {
  if (table.size() != buttons.size()) return SkinButton::kTableMismatch;
  int result = SkinButton::kOk;
  const SkinButtonRow* row = table.data();
  for (SkinButton* button : buttons) {
    const int one = set_up_skin_button(dialog, *button, *row++);
    if (result == SkinButton::kOk) result = one;
  }
  return result;
}

int set_up_skin_buttons(HWND dialog, std::span<const SkinButtonRow> table, std::span<SkinButton> buttons) {
  if (table.size() != buttons.size()) return SkinButton::kTableMismatch;
  int result = SkinButton::kOk;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int one = set_up_skin_button(dialog, buttons[i], table[i]);
    if (result == SkinButton::kOk) result = one;
  }
  return result;
}

}  // namespace kit
