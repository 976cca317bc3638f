// The message box behind show_message and its test seam.
#include "kit/message_box.h"

#include "kit/text/wide.h"

namespace kit {

namespace {
MessageSeam message_seam = nullptr;
}  // namespace


namespace {

int show_wide(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags) {
  if (!owner) owner = GetActiveWindow();
  if (message_seam) return message_seam(owner, text, caption, flags);
  return message_box(owner, text, caption, flags);
}

}  // namespace

int show_message(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  return show_wide(owner, to_wide(text), to_wide(caption), flags);
}

int show_message(HWND owner, std::u8string_view text, std::string_view caption, UINT flags) {
  return show_wide(owner, to_wide(text), to_wide(caption), flags);
}

MessageSeam set_message_seam(MessageSeam seam) {
  MessageSeam previous = message_seam;
  message_seam = seam;
  return previous;
}

}  // namespace kit
