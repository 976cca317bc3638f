#include "kit/dialog_init.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "kit/list_text.h"

namespace kit {

namespace {

// The 16-bit values of the list messages the records name.
constexpr WORD kInitComboAddString = 0x0403;
constexpr WORD kInitListAddString = 0x0401;

template <typename T>
T read_unaligned(const std::uint8_t* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

}  // namespace

void apply_dialog_init_data(HINSTANCE module, int template_id, HWND dialog) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(template_id), MAKEINTRESOURCEW(kDialogInitType));
  if (!found) return;
  HGLOBAL loaded = LoadResource(module, found);
  const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!data) return;
  const std::size_t size = SizeofResource(module, found);
  constexpr std::size_t kHeader = sizeof(WORD) + sizeof(WORD) + sizeof(DWORD);

  std::size_t at = 0;
  while (at + sizeof(WORD) <= size) {
    const WORD id = read_unaligned<WORD>(data + at);
    if (id == 0 || at + kHeader > size) return;
    const WORD message = read_unaligned<WORD>(data + at + sizeof(WORD));
    const DWORD length = read_unaligned<DWORD>(data + at + 2 * sizeof(WORD));
    at += kHeader;
    if (length > size - at) return;
    std::string_view text(reinterpret_cast<const char*>(data + at), length);
    if (const std::size_t end = text.find('\0'); end != std::string_view::npos) text = text.substr(0, end);
    at += length;

    if (message == kInitComboAddString) combo_add(GetDlgItem(dialog, id), text);
    if (message == kInitListAddString) list_add(GetDlgItem(dialog, id), text);
  }
}

}  // namespace kit
