// A static control of a dialog turned into a link: a click opens the target through the
// shell (falling back to the program registered for ".htm" files), the pointer becomes
// the help program's link pointer, a tooltip shows the target, and the control holds
// the mouse capture while the pointer is over it.  It paints exactly like the static
// control it wraps; a link that shows a picture gets it through show_bitmap, which
// keeps the picture owned by the kit.
#pragma once

#include <string>
#include <string_view>

#include "kit/control.h"
#include "kit/handles.h"
#include "kit/picture_static.h"

namespace kit {

class HyperlinkStatic : public Control {
 public:
  // Cursor resource of the help program used as the link pointer.
  static constexpr int kLinkPointerId = 106;
  // The tooltip's one tool.
  static constexpr UINT_PTR kToolId = 1;
  // The command line of the ".htm" fallback, terminator included, must fit this many
  // bytes.  A registered command plus target that would not fit is not started: the
  // fallback is given up and open_link returns the shell's own failure code, which
  // report_open_failure then explains.
  static constexpr std::size_t kCommandLineBytes = 520;

  HyperlinkStatic() = default;
  ~HyperlinkStatic() override;

  // The caption of the failure message box (GBK).  Until set, the program's file name
  // without extension.
  static void set_application_name(std::string_view name);
  static std::string application_name();
  // The program whose cursor 106 becomes the link pointer of controls bound from now
  // on.  Empty (the default) means "winhlp32.exe" in the Windows folder.
  static void set_pointer_program(std::string_view path);

  // Shows bitmap resource bitmap_id of the program as the link's face (the control
  // becomes an SS_BITMAP static); the control owns it and frees it when it goes.
  // False when there is no such resource.
  bool show_bitmap(int bitmap_id);
  HBITMAP bitmap() const { return face_.get(); }

  void set_link_target(std::string_view target);
  void set_link_tip(std::string_view tip);
  const std::string& link_target() const { return target_; }
  const std::string& link_tip() const { return tip_text_; }

  // Sizes the window to its client area, keeping the side the text style anchors.
  void fit_to_client();

  // Opens target with the show command; returns the shell's or the started program's
  // result, greater than 32 meaning success.
  int open_link(std::string_view target, int show_command);
  // Tells the user, in the kit's message box, why result means the link did not open.
  void report_open_failure(int result);
  // The text report_open_failure shows for result.
  static std::string open_failure_text(int result);

  HCURSOR link_pointer() const { return link_pointer_.get(); }
  HWND tooltip() const { return tip_.get(); }

 protected:
  void on_bound() override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void load_link_pointer();
  void create_tooltip();
  void update_tool_text();
  void relay_to_tooltip(UINT message, WPARAM wparam, LPARAM lparam);
  void on_mouse_move(LPARAM lparam);
  bool on_set_cursor();
  void on_clicked();
  void on_destroy();
  void redraw_now();

  bool over_ = false;
  std::string target_;
  std::string tip_text_;
  UniqueCursor link_pointer_;
  UniqueWindow tip_;
  StaticBitmap face_;
};

}  // namespace kit
