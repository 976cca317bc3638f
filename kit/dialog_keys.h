// DialogKeys: a dialog's own keys (Ctrl+Z and the like), each a command, from a table.
// While attached, a key pressed in the dialog or any of its child controls reaches the
// dialog as WM_COMMAND (the command, code 0 and no control, as from a menu); keys
// pressed in other windows, the dialog's floating panels and input boxes among them,
// keep their usual meaning there.
//
// It works in the dialog's modal loop and in any loop that hands messages to
// IsDialogMessage (a modeless dialog's): both call the message filter hook this installs.
#pragma once

#include <windows.h>

#include <span>

namespace kit {

// Modifier keys of a KeyCommand, or-ed; a table entry matches its set exactly.
enum KeyModifier : unsigned {
  kNoModifier = 0,
  kCtrl = 1,
  kShift = 2,
  kAlt = 4,
};

struct KeyCommand {
  UINT key;  // virtual key: 'Z', VK_F1
  unsigned modifiers;
  int command;
};

class DialogKeys {
 public:
  DialogKeys() = default;
  ~DialogKeys() { detach(); }
  DialogKeys(const DialogKeys&) = delete;
  DialogKeys& operator=(const DialogKeys&) = delete;

  // Starts turning keys of table into commands of dialog; the table must outlive it.
  void attach(HWND dialog, std::span<const KeyCommand> table);
  // Stops (also done when the object goes).
  void detach();

  // The command of a key pressed with modifiers held, or 0.
  int command_of(UINT key, unsigned modifiers) const;

 private:
  static LRESULT CALLBACK filter(int code, WPARAM wparam, LPARAM lparam);
  bool take(const MSG& message) const;

  HWND dialog_ = nullptr;
  std::span<const KeyCommand> table_;
};

// Keyboard cues: once the keyboard has moved the focus (Tab, Shift+Tab, the arrows) inside
// a top-level window, its focused controls show their focus marks; a mouse user never
// sees them.  Kept by the kit itself (Wine keeps no UISF_HIDEFOCUS state), and the
// platform's UISF_HIDEFOCUS is respected where it is kept.
// Notes the focus control just took, if the keyboard moved it.
void note_focus_move(HWND control);
// Whether control's top-level window shows keyboard cues.
bool keyboard_cues_shown(HWND control);
// Forgets window's cues (a kit dialog does so when it goes).
void forget_keyboard_cues(HWND window);

// Presses the button of dialog that has the focus, as the dialog manager presses a push
// button on Enter: true when a button was pressed.  A dialog's Enter key may call it.
bool press_focused_button(HWND dialog);

}  // namespace kit
