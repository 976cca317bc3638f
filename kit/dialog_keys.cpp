// DialogKeys: one message filter hook per thread, shared by every attached table.
#include "kit/dialog_keys.h"

#include <algorithm>
#include <vector>

namespace kit {

namespace {

// The attached tables of this thread and their hook (the one thread of a program).
thread_local std::vector<const DialogKeys*> attached;
thread_local HHOOK hook = nullptr;

bool is_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

unsigned held_modifiers() {
  return (is_down(VK_CONTROL) ? kCtrl : 0u) | (is_down(VK_SHIFT) ? kShift : 0u) | (is_down(VK_MENU) ? kAlt : 0u);
}

}  // namespace

void DialogKeys::attach(HWND dialog, std::span<const KeyCommand> table) {
  detach();
  dialog_ = dialog;
  table_ = table;
  attached.push_back(this);
  if (!hook) hook = SetWindowsHookExW(WH_MSGFILTER, filter, nullptr, GetCurrentThreadId());
}

void DialogKeys::detach() {
  if (!dialog_) return;
  dialog_ = nullptr;
  attached.erase(std::remove(attached.begin(), attached.end(), this), attached.end());
  if (attached.empty() && hook) {
    UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
}

int DialogKeys::command_of(UINT key, unsigned modifiers) const {
  for (const KeyCommand& entry : table_)
    if (entry.key == key && entry.modifiers == modifiers) return entry.command;
  return 0;
}

// A key down in the dialog or one of its children that the table names becomes the
// dialog's command and goes no further.
bool DialogKeys::take(const MSG& message) const {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != dialog_ && !IsChild(dialog_, message.hwnd)) return false;
  const int command = command_of(static_cast<UINT>(message.wParam), held_modifiers());
  if (command == 0) return false;
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  return true;
}

namespace {
constexpr wchar_t kCuesProperty[] = L"kit.keyboard_cues";
}  // namespace

void note_focus_move(HWND control) {
  for (int key : {VK_TAB, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN})
    if (is_down(key)) {
      SetPropW(GetAncestor(control, GA_ROOT), kCuesProperty, reinterpret_cast<HANDLE>(1));
      return;
    }
}

bool keyboard_cues_shown(HWND control) {
  return GetPropW(GetAncestor(control, GA_ROOT), kCuesProperty) != nullptr &&
         (SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void forget_keyboard_cues(HWND window) { RemovePropW(window, kCuesProperty); }

bool press_focused_button(HWND dialog) {
  HWND focus = GetFocus();
  wchar_t kind[8] = {};
  if (!focus || GetParent(focus) != dialog || !IsWindowEnabled(focus) || !GetClassNameW(focus, kind, 8) ||
      lstrcmpiW(kind, L"Button") != 0)
    return false;
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
  return true;
}

LRESULT CALLBACK DialogKeys::filter(int code, WPARAM wparam, LPARAM lparam) {
  if (code == MSGF_DIALOGBOX) {
    const MSG& message = *reinterpret_cast<const MSG*>(lparam);
    // A copy: a command may attach or detach tables.
    const std::vector<const DialogKeys*> tables = attached;
    for (const DialogKeys* keys : tables)
      if (keys->take(message)) return TRUE;
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

}  // namespace kit
