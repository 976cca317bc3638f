// The ten decision traps: each trap's short name, the question line and the explanation
// the trap dialog shows, the text stored for it in the program's string table, and the
// trap each button of the trap panel opens.  Platform-free.
#pragma once

#include <string>
#include <string_view>

#include "decision/res/resource_ids.h"

namespace decision {

inline constexpr int kTrapCount = 10;

struct Trap {
  const char* name;         // the short name, as the trap panel labels it
  const char* question;     // "何谓" + name + "？"
  const char* explanation;  // one paragraph
};

// Trap n, 1..kTrapCount.
const Trap& trap(int n);

// The text stored for trap n as string resource IDS_TRAP_1 + n - 1: the question line,
// an empty line and the explanation indented by four blanks.
std::string stored_trap_text(int n);

// The trap dialog shows a stored text in two boxes: the heading box gets what comes
// before the first empty line (the question line), the body box everything after it,
// with the paragraph's indent kept, so the explanation reads as an indented paragraph
// under its question.  A text without an empty line is all heading.
struct TrapText {
  std::string heading;
  std::string body;
};
TrapText split_trap_text(std::string_view stored);

// The trap the trap panel's button with this control id opens, or 0 for any other id.
// The buttons IDC_TRAP_BUTTON_1 .. IDC_TRAP_BUTTON_10 open traps 10, 7, 3, 2, 9, 1, 4,
// 5, 8, 6 (the order their places take on the panel's picture).
int trap_of_button(int button_id);
// The control id of the button that opens trap n, or 0 when n is no trap.
int button_of_trap(int n);

}  // namespace decision
