// The dialog procedure behind kit::Dialog, the teardown check, and the self-deleting
// floating dialogs.
#include "kit/dialog.h"

#include "kit/control.h"
#include "kit/dialog_keys.h"
#include "kit/dpi.h"
#include "kit/picture_file_cache.h"
#include "kit/window_map.h"

namespace kit {

namespace {
WindowMap<Dialog*>& attached_dialogs() {
  static WindowMap<Dialog*> dialogs;
  return dialogs;
}
int teardown_fault_count = 0;
int floating_count = 0;

// Messages whose answer a dialog procedure returns itself; every other answer goes
// through DWLP_MSGRESULT.
bool answered_directly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
  }
  return false;
}

// The answer of a message that goes through DWLP_MSGRESULT.  Wine writes a window long
// through its window server, and most answers repeat the one before (owner draws).
void set_message_result(HWND window, LONG_PTR result) {
  if (GetWindowLongPtrW(window, DWLP_MSGRESULT) != result) SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
}
}  // namespace

Dialog::~Dialog() {
  if (!window_) return;
  // The window outlived the object's derived part: cut it loose so that nothing
  // reaches what is left of the object, then let it go.
  HWND window = window_;
  detach();
  ++teardown_fault_count;
  OutputDebugStringW(L"kit: a dialog object was destroyed before its window\n");
  DestroyWindow(window);
}

void Dialog::detach() {
  if (!window_) return;
  attached_dialogs().forget(window_);
  window_ = nullptr;
}

Dialog* Dialog::from_window(HWND window) {
  return attached_dialogs().find(window);
}

int Dialog::teardown_faults() { return teardown_fault_count; }

INT_PTR Dialog::run_modal(HINSTANCE module, int template_id, HWND owner) {
  modal_ = true;
  return DialogBoxParamW(module, MAKEINTRESOURCEW(template_id), owner, dialog_proc,
                         reinterpret_cast<LPARAM>(this));
}

HWND Dialog::create_modeless(HINSTANCE module, int template_id, HWND owner) {
  modal_ = false;
  return CreateDialogParamW(module, MAKEINTRESOURCEW(template_id), owner, dialog_proc,
                            reinterpret_cast<LPARAM>(this));
}

void Dialog::end(INT_PTR result) {
  if (!window_) return;
  if (modal_)
    EndDialog(window_, result);
  else
    DestroyWindow(window_);
}

bool Dialog::on_command(int id, int, HWND) {
  if (id == IDCANCEL) {
    end(IDCANCEL);
    return true;
  }
  return false;
}

bool Dialog::on_message(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

// A handler may end a floating dialog, which deletes it: nothing here touches the
// object after a handler has run, except at WM_NCDESTROY, which is where it goes.
INT_PTR CALLBACK Dialog::dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lparam);
    self->window_ = window;
    attached_dialogs().set(window, self);
  } else {
    self = from_window(window);
  }
  if (!self) return FALSE;
  const INT_PTR answer = self->handle(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    self->detach();
    self->on_final_message();
  }
  return answer;
}

// Hands a parent notification to the kit control it concerns.  Returns true when the
// control answered and the dialog procedure must return answer.
bool Dialog::reflect(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& answer) {
  HWND child = nullptr;
  switch (message) {
    case WM_DRAWITEM:
      child = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)->hwndItem;
      break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      child = reinterpret_cast<HWND>(lparam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<const NMHDR*>(lparam)->hwndFrom;
      break;
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(lparam);
      break;
    default:
      return false;
  }
  if (!Control::from_window(child)) return false;
  HWND window = window_;
  const LRESULT result = SendMessageW(child, reflected(message), wparam, lparam);
  switch (message) {
    case WM_DRAWITEM:
      set_message_result(window, TRUE);
      answer = TRUE;
      return true;
    case WM_NOTIFY:
      if (result == 0) return false;
      set_message_result(window, result);
      answer = TRUE;
      return true;
    case WM_COMMAND:
      // A control that answers non-zero has consumed the notification (a link's click);
      // otherwise the click or change still reaches the dialog.
      if (result == 0) return false;
      set_message_result(window, 0);
      answer = TRUE;
      return true;
    default:  // colour requests answer the brush itself
      if (result == 0) return false;
      answer = result;
      return true;
  }
}

INT_PTR Dialog::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  INT_PTR answer = 0;
  if (reflect(message, wparam, lparam, answer)) return answer;
  HWND window = window_;
  switch (message) {
    case WM_INITDIALOG:
      template_font_.remember(window, window_dpi(window));
      return on_init_dialog() ? TRUE : FALSE;
    case WM_COMMAND:
      if (on_command(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam))) return TRUE;
      break;
    case WM_DESTROY:
      on_destroy();
      forget_keyboard_cues(window);
      forget_dpi(window);
      forget_window_pictures(window);
      break;
    case WM_NCDESTROY:
      template_font_.forget();
      break;
    case WM_GETFONT:
      // The dialog manager answers its own font; after a change of scale it is ours.
      if (!template_font_.remade()) break;
      set_message_result(window, reinterpret_cast<LONG_PTR>(template_font_.current()));
      return TRUE;
    case WM_DPICHANGED:
      take_new_dpi(window, wparam, lparam);
      template_font_.follow_dpi(window, window_dpi(window));
      lay_out_at_dpi();
      RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
      set_message_result(window, 0);
      return TRUE;
  }
  LRESULT result = 0;
  if (!on_message(message, wparam, lparam, result)) return FALSE;
  if (answered_directly(message)) return result;
  set_message_result(window, result);
  return TRUE;
}

void DestroyWindowFirst::operator()(Dialog* dialog) const {
  if (!dialog) return;
  if (HWND window = dialog->hwnd()) DestroyWindow(window);
  delete dialog;
}

// ---- FloatingDialog ------------------------------------------------------------

FloatingDialog::FloatingDialog(Key) { ++floating_count; }

FloatingDialog::~FloatingDialog() { --floating_count; }

int FloatingDialog::live_count() { return floating_count; }

void FloatingDialog::on_final_message() {
  if (deleted_flag_) *deleted_flag_ = true;
  delete this;
}

HWND FloatingDialog::launch(FloatingDialog* dialog, HINSTANCE module, int template_id, HWND owner) {
  bool deleted = false;
  dialog->deleted_flag_ = &deleted;
  HWND window = dialog->create_modeless(module, template_id, owner);
  // A window that went away during its own creation took its object with it.
  if (deleted) return nullptr;
  dialog->deleted_flag_ = nullptr;
  if (!window) delete dialog;  // never attached to a window
  return window;
}

}  // namespace kit
