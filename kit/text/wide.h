// The edge between the programs' GBK byte strings and the wide (UTF-16) Windows API.
// Every conversion names code page 936 explicitly, never the process code page, so the
// programs show and store the same bytes on any Windows display language.  Texts that
// carry a file name are UTF-8 (std::u8string), so that every name the platform allows
// reaches the screen intact.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace kit {

constexpr UINT kGbkCodePage = 936;

std::wstring to_wide(std::string_view gbk);
std::string to_gbk(std::wstring_view wide);
std::wstring to_wide(std::u8string_view utf8);
std::u8string to_u8(std::wstring_view wide);
// A path's name as GBK: what GBK lacks becomes '?'.  For texts that stay GBK only.
std::string path_to_gbk(const std::filesystem::path& path);

// Window texts (captions, edit and label contents).
std::string get_window_text(HWND window);
bool set_window_text(HWND window, std::string_view gbk);
bool set_window_text(HWND window, std::u8string_view utf8);
std::u8string get_window_text_u8(HWND window);
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

// Message box with a text and caption of the platform's own kind.
int message_box(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags);

// The running program's file, and its folder.
std::filesystem::path program_path();
std::filesystem::path program_folder();

}  // namespace kit
