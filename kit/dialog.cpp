#include "dialog.h"

#include <commctrl.h>

#include "control.h"
#include "text/wide.h"

namespace kit {

namespace {
constexpr wchar_t kDialogProperty[] = L"kit.dialog";
MessageSeam message_seam = nullptr;
}  // namespace

Dialog::~Dialog() {
  if (window_ && !modal_) DestroyWindow(window_);
}

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

bool Dialog::on_message(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK Dialog::dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lparam);
    self->window_ = window;
    SetPropW(window, kDialogProperty, self);
  } else {
    self = static_cast<Dialog*>(GetPropW(window, kDialogProperty));
  }
  if (!self) return FALSE;
  INT_PTR result = self->handle(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    RemovePropW(window, kDialogProperty);
    self->window_ = nullptr;
  }
  return result;
}

// Hands a parent notification to the kit control it concerns.  Returns true when the
// control answered and the dialog must return result.
bool Dialog::reflect(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) {
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
  LRESULT answer = SendMessageW(child, reflected(message), wparam, lparam);
  switch (message) {
    case WM_DRAWITEM:
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
      result = TRUE;
      return true;
    case WM_NOTIFY:
      if (answer == 0) return false;
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, answer);
      result = TRUE;
      return true;
    case WM_COMMAND:
      // A control that answers non-zero has consumed the notification (a link's click);
      // otherwise the click or change still reaches the dialog.
      if (answer == 0) return false;
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, 0);
      result = TRUE;
      return true;
    default:  // colour requests answer the brush itself
      if (answer == 0) return false;
      result = answer;
      return true;
  }
}

INT_PTR Dialog::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  INT_PTR result = 0;
  if (reflect(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_INITDIALOG:
      return on_init_dialog() ? TRUE : FALSE;
    case WM_COMMAND:
      if (on_command(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam))) return TRUE;
      break;
    case WM_DESTROY:
      on_destroy();
      break;
  }
  if (on_message(message, wparam, lparam, result)) return result;
  return FALSE;
}

int show_message(HWND owner, std::string_view text, std::string_view caption, UINT icon) {
  if (!owner) owner = GetActiveWindow();
  if (message_seam) return message_seam(owner, text, caption, MB_OK | icon);
  return message_box(owner, text, caption, MB_OK | icon);
}

MessageSeam set_message_seam(MessageSeam seam) {
  MessageSeam previous = message_seam;
  message_seam = seam;
  return previous;
}

void start_program() {
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace kit
