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

}  // namespace kit
