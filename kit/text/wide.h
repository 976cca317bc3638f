// The edge between the programs' GBK byte strings and the wide (UTF-16) Windows API.
// Every conversion names code page 936 explicitly, never the process code page, so the
// programs show and store the same bytes on any Windows display language.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kit {

constexpr UINT kGbkCodePage = 936;

std::wstring to_wide(std::string_view gbk);
std::string to_gbk(std::wstring_view wide);

// Window texts (captions, edit and label contents).
std::string get_window_text(HWND window);
bool set_window_text(HWND window, std::string_view gbk);
// Gives a control that shows a picture (a static of SS_BITMAP or a picture file) its label
// as its window text, for screen readers: set as the window's own text, so the control
// never takes it for a picture's name, and nothing it paints changes.
bool set_control_name(HWND control, std::string_view gbk);
std::string get_dlg_item_text(HWND dialog, int id);
bool set_dlg_item_text(HWND dialog, int id, std::string_view gbk);
// Gives edit the focus with the caret after its text and the text's end in view; nothing
// is selected, so a first key press adds to the text instead of replacing it.  A dialog
// that calls this from WM_INITDIALOG returns FALSE there, or the platform selects all.
void focus_text_end(HWND edit);

// A string resource of module, as GBK; a missing resource is the empty string.
std::string load_string_resource(HINSTANCE module, UINT id);

// Draws a GBK text with DrawTextW (format: the DT_ flags) into r.
int draw_text(HDC dc, std::string_view gbk, RECT& r, UINT format);

// Message box with a GBK text and caption.
int message_box(HWND owner, std::string_view text, std::string_view caption, UINT flags);

// The folder of the running program (with a trailing backslash), as GBK.
std::string program_folder();

}  // namespace kit
