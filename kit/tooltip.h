// The one-tool tooltip the kit's controls carry: made with the control as its owner, one
// tool covering the control's client area, texts in GBK, and the control's own mouse
// messages relayed to it (a modal dialog's loop has no hook before dispatch).
#pragma once

#include <windows.h>

#include <string_view>

namespace kit {

// A tooltip window owned by owner, no extra style; null on failure.  The caller holds
// it (UniqueWindow) and destroys it.
HWND create_tooltip(HWND owner);

// Adds tool id covering window's client rectangle as it is now, with text.
void add_tool(HWND tip, HWND window, UINT_PTR id, std::string_view text);

// Replaces the text of tool id.
void set_tool_text(HWND tip, HWND window, UINT_PTR id, std::string_view text);

// Hands one of window's messages to the tooltip (TTM_RELAYEVENT).
void relay_to_tooltip(HWND tip, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace kit
