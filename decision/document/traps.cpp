// The decision traps' stored texts and how the trap dialog divides them (see traps.h).
#include "decision/document/traps.h"

namespace decision {

namespace {

constexpr std::string_view kEmptyLine = "\r\n\r\n";
constexpr std::string_view kIndent = "    ";

}  // namespace

std::string stored_trap_text(int n) {
  const Trap& t = trap(n);
  std::string text = t.question;
  text += kEmptyLine;
  text += kIndent;
  text += t.explanation;
  return text;
}

// The empty line is searched as the bytes CR LF CR LF: no GBK character holds either
// byte, so a match never straddles a double-byte character.
TrapText split_trap_text(std::string_view stored) {
  const std::size_t gap = stored.find(kEmptyLine);
  if (gap == std::string_view::npos) return {std::string(stored), {}};
  return {std::string(stored.substr(0, gap)), std::string(stored.substr(gap + kEmptyLine.size()))};
}

}  // namespace decision
