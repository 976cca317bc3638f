// SkinButton: a flat, owner-drawn push button that shows one of two pictures (hover and
// normal) with a key colour through which the face shows, an optional caption, a
// tooltip and a custom pointer.
//
// Typical start-up in a dialog's on_init_dialog, per button, in one call:
//
//   new_button_.set_up(hwnd(), IDC_NEW, {.place = layout::kNewButton,
//                                        .hover_picture = IDB_NEW_HOVER,
//                                        .normal_picture = IDB_NEW,
//                                        .key = layout::kButtonKey,
//                                        .tip = "新建一个决策"});
//
// which binds it, turns the hover border off, lets the dialog's picture show through,
// moves it to its pixel rectangle, loads its pictures and sets the optional tooltip
// and pointer.
//
// The focused button shows a 1-pixel dotted mark inside its edge in the FocusText colour,
// only once the keyboard has moved the focus in its window (keyboard_cues_shown in
// dialog_keys.h): mouse users never see it.  Place the button before its first paint: the see-through face is
// captured from the parent at that paint.  load_state_images may be called again at
// any time to swap the pictures when the dialog's state changes.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "kit/control.h"
#include "kit/handles.h"
#include "kit/pixel_layout.h"

namespace kit {

class SkinButton : public Control {
 public:
  // Index into the button's colours.
  enum ColorSlot : BYTE {
    ActiveBackground = 0,  // fill and caption background while hovered or pressed
    ActiveText = 1,        // caption while hovered or pressed
    NormalBackground = 2,  // fill and caption background otherwise
    NormalText = 3,        // caption otherwise
    FocusBackground = 4,   // fill when focused and neither hovered nor pressed
    FocusText = 5,         // the keyboard focus mark; captions never use it
  };
  static constexpr int kColorSlotCount = 6;

  // Result codes.
  enum Result : int {
    kOk = 0,
    kSizeUnreadable = 1,   // attach_state_images: a picture's size cannot be read
    kPointerNotLoaded = 1, // set_pointer: the cursor resource cannot be loaded
    kMaskFailed = 2,       // attach_state_images: a mask cannot be made
    kBadColorSlot = 3,     // set_state_color: slot 6 or more
    kNoSuchControl = 4,    // set_up: the dialog has no such control, or it is bound
    kTableMismatch = 5,    // set_up_skin_buttons: not one button per row
  };

  // The set-up of a skinned button (see the top of this file).
  struct Setup {
    PixelRect place{};             // empty: the control stays where it is
    WORD hover_picture = 0;        // bitmap resources; 0: no pictures
    WORD normal_picture = 0;       // 0: the hover picture in every state
    PixelColor key{255, 255, 255}; // of both pictures
    const char* tip = nullptr;     // GBK; null: no tooltip
    WORD pointer = 0;              // cursor resource; 0: the usual pointer
    const char* name = nullptr;    // GBK; see set_name
    const PixelColor* ink = nullptr;  // of the focus mark (FocusText); null: unchanged
  };

  // One picture: the bitmap (changed in place: key-coloured pixels become black), its
  // size, its monochrome mask (1 where the key colour was) and the key colour.
  struct StateImage {
    UniqueBitmap bitmap;
    int width = 0;
    int height = 0;
    UniqueBitmap mask;
    COLORREF key = 0;
  };

  SkinButton();
  ~SkinButton() override;

  // Binds the dialog's control id and sets it up: hover border off, the parent shown
  // through, placed, pictures loaded, tooltip and pointer set.  Returns kOk, or the
  // first failure: kNoSuchControl, a code of load_state_images, kPointerNotLoaded.
  int set_up(HWND dialog, int id, const Setup& setup);

  // Loads both pictures from the resource module's bitmaps, at the button's DPI with
  // their key colours kept exact (scaled_picture.h), and attaches them.  A
  // missing hover picture leaves the button without pictures (result 0); a missing
  // normal picture (or normal_id 0) shows the hover picture in every state.
  int load_state_images(WORD hover_id, COLORREF hover_key, WORD normal_id, COLORREF normal_key);
  // After the window moved to a monitor of another scale: the button takes its place
  // and its loaded pictures again at the window's new DPI.
  void lay_out();
  // Takes ownership of both bitmaps (normal may be null; hover and normal must be
  // different bitmaps not used for other drawing) and makes their masks.  Returns kOk,
  // kSizeUnreadable or kMaskFailed; after a failure the button has no pictures.
  int attach_state_images(HBITMAP hover, COLORREF hover_key, HBITMAP normal, COLORREF normal_key);

  int set_state_color(BYTE slot, COLORREF color, bool repaint);
  int reset_state_colors(bool repaint);
  int enable_hover_border(bool on, bool repaint);
  // Paints the parent's pixels under the button as its face from now on.  The pixels
  // are captured again at the next paint.
  void show_parent_through(bool repaint);
  // A null text does nothing.  The tooltip and its one tool, covering the button's
  // client area, are made at the first mouse message over the button.
  void set_tip_text(const char* text, bool activate);
  void set_tip_text(std::string_view text, bool activate);
  // Shows cursor resource cursor_id while the pointer is over the button (0: none).
  int set_pointer(WORD cursor_id, bool repaint);
  // Sets the caption (GBK) and repaints.
  void set_caption(std::string_view text);
  // Sets the button's name (GBK): its window text, which screen readers announce, but
  // not drawn, for a button whose label is in its pictures.  set_caption draws again.
  void set_name(std::string_view text);

  // The module the pictures and the pointer are loaded from; null restores the program
  // itself.
  static void set_resource_module(HINSTANCE module);
  static HINSTANCE resource_module();

  // Test seam: the factory of the monochrome masks (CreateBitmap by default); null
  // restores the default.
  using MaskFactory = HBITMAP (*)(int width, int height);
  static void set_mask_factory(MaskFactory factory);

  // State, for the owning dialog and for tests.
  bool is_hovering() const { return hovering_; }
  bool is_default() const { return is_default_; }
  COLORREF state_color(ColorSlot slot) const { return colors_[slot]; }
  const StateImage& hover_image() const { return hover_image_; }
  const StateImage& normal_image() const { return normal_image_; }
  HWND tip_window() const { return tip_.get(); }
  // The tip's text (GBK), or null while none was set.
  const std::string* tip_text() const { return has_tip_text_ ? &tip_text_ : nullptr; }
  HCURSOR pointer() const { return pointer_.get(); }
  HDC background_cache_dc() const { return cache_dc_.get(); }
  HBITMAP background_cache_bitmap() const { return cache_bitmap_.get(); }

 protected:
  // Fills the face of r (step 3 of drawing when the parent does not show through).
  virtual void draw_background(HDC dc, const RECT& r);
  // The thin 3-D border while hovered or pressed (when the hover border is on).
  virtual void draw_border(HDC dc, const RECT& r);

  void on_bound() override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  bool hovering_ = false;
  bool hover_border_ = true;
  bool see_through_ = false;
  bool is_default_ = false;
  bool name_only_ = false;  // the window text is a name, not a caption
  // Taken afresh from every draw request.
  bool pressed_ = false;
  bool focused_ = false;
  bool disabled_ = false;

 private:
  void on_draw_item(const DRAWITEMSTRUCT& item);
  void draw_face_from_cache(HDC dc, const RECT& r);
  bool draw_composed_face(HDC dc, const StateImage& image, const RECT& r);
  void capture_parent_background();
  void free_background_cache();
  void free_composed_faces();
  void draw_picture(HDC dc, const StateImage& image, const RECT& r, RECT& caption, bool has_caption);
  void draw_caption(HDC dc, const std::wstring& text, RECT caption);
  void draw_focus_mark(HDC dc, const RECT& r);
  bool shows_focus_cues() const;
  int attach_one(StateImage& image, UniqueBitmap bitmap, COLORREF key);
  void free_images();
  void free_everything();

  void on_mouse_move(WPARAM flags, LPARAM point);
  void end_hover();
  void on_disabled();
  void ensure_tip();
  void give_tip_text();
  void relay_to_tip(UINT message, WPARAM wparam, LPARAM lparam);
  void repaint_if(bool repaint) const;

  COLORREF colors_[kColorSlotCount] = {};
  UniqueWindow tip_;
  std::string tip_text_;
  bool has_tip_text_ = false;
  bool tip_active_ = false;
  UniqueCursor pointer_;
  StateImage hover_image_;
  StateImage normal_image_;
  // What lay_out takes again: the layout place and the loaded pictures' ids and keys.
  PixelRect place_{};
  WORD hover_id_ = 0;
  WORD normal_id_ = 0;
  COLORREF hover_key_ = 0;
  COLORREF normal_key_ = 0;
  UniqueMemoryDc cache_dc_;
  UniqueBitmap cache_bitmap_;
  HGDIOBJ cache_displaced_ = nullptr;
  // The parent's pixels with each picture over them, composed at the first paint that
  // shows it (hover picture left, normal right), so a later paint is one blit.  Made
  // again when the captured pixels or the pictures change.
  UniqueMemoryDc faces_dc_;
  UniqueBitmap faces_bitmap_;
  HGDIOBJ faces_displaced_ = nullptr;
  bool face_composed_[2] = {false, false};
  SIZE faces_size_{};
};

// Sets button up from one row of a window's button table (pixel_layout.h).  Returns what
// SkinButton::set_up returns.
int set_up_skin_button(HWND dialog, SkinButton& button, const SkinButtonRow& row);

// Sets up a dialog's buttons from its button table: buttons[i] from table[i].  Returns
// kOk, kTableMismatch (nothing set up), or the first failure of a row.
int set_up_skin_buttons(HWND dialog, std::span<const SkinButtonRow> table, std::initializer_list<SkinButton*> buttons);
// The same for buttons the dialog keeps in an array in the table's order.
int set_up_skin_buttons(HWND dialog, std::span<const SkinButtonRow> table, std::span<SkinButton> buttons);

}  // namespace kit
