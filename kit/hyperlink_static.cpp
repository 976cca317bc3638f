#include "kit/hyperlink_static.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstdio>

#include "kit/launch.h"
#include "kit/message_box.h"
#include "kit/text/gbk.h"
#include "kit/text/wide.h"
#include "kit/tooltip.h"

namespace kit {

namespace {

constexpr wchar_t kHelpProgramName[] = L"\\winhlp32.exe";
constexpr UINT kWindowsFolderChars = MAX_PATH;
constexpr char kHtmlExtensionKey[] = ".htm";
constexpr char kOpenCommandSubKey[] = "\\shell\\open\\command";
constexpr char kQuotedPlaceholder[] = "\"%1\"";
constexpr char kPlaceholder[] = "%1";
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr char kFailureHeading[] = "Unable to open hyperlink:\n\n";

std::string& application_name_store() {
  static std::string name;
  return name;
}

std::wstring& pointer_program_store() {
  static std::wstring path;
  return path;
}

// The program's file name without folder and extension, however long its folder is.
std::string program_base_name() { return to_gbk(program_path().stem().native()); }

// The help program in the Windows folder; empty when the folder cannot be named.
std::wstring default_pointer_program() {
  wchar_t folder[kWindowsFolderChars] = {};
  UINT n = GetWindowsDirectoryW(folder, kWindowsFolderChars);
  if (n == 0 || n >= kWindowsFolderChars) return {};
  return std::wstring(folder, n) + kHelpProgramName;
}

const char* known_failure_line(int result) {
  switch (result) {
    case 0: return "The operating system is out\nof memory or resources.";
    case ERROR_FILE_NOT_FOUND: return "The specified file was not found.";
    case ERROR_PATH_NOT_FOUND: return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED: return "The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM: return "There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE: return "A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE: return "The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT: return "The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL: return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
      return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case SE_ERR_NOASSOC: return "There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND: return "The specified dynamic-link library was not found.";
    default: return nullptr;
  }
}

}  // namespace

HyperlinkStatic::~HyperlinkStatic() {
  if (over_ && hwnd() && GetCapture() == hwnd()) ReleaseCapture();
  // A window that outlives its wrapper must not keep showing a freed picture.
  if (hwnd()) face_.clear(hwnd());
}

bool HyperlinkStatic::show_bitmap(int bitmap_id) { return face_.show(hwnd(), bitmap_id); }

void HyperlinkStatic::set_application_name(std::string_view name) { application_name_store() = name; }

std::string HyperlinkStatic::application_name() {
  const std::string& name = application_name_store();
  return name.empty() ? program_base_name() : name;
}

void HyperlinkStatic::set_pointer_program(std::string_view path) { pointer_program_store() = to_wide(path); }

void HyperlinkStatic::on_bound() {
  SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) | SS_NOTIFY);
  if (!link_pointer_) load_link_pointer();
  create_tooltip();
}

void HyperlinkStatic::load_link_pointer() {
  std::wstring program = pointer_program_store();
  if (program.empty()) program = default_pointer_program();
  if (program.empty()) return;
  // Loaded only for its resources: none of the help program's code runs.
  UniqueModule module(LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return;
  HCURSOR shared = LoadCursorW(module.get(), MAKEINTRESOURCEW(kLinkPointerId));
  if (!shared) return;
  // The loaded cursor belongs to the module; the control keeps a copy of its own.
  link_pointer_.reset(CopyIcon(shared));
}

void HyperlinkStatic::create_tooltip() {
  tip_.reset(kit::create_tooltip(hwnd()));
  if (!tip_) return;
  if (tip_text_.empty()) tip_text_ = target_;
  add_tool(tip_.get(), hwnd(), kToolId, tip_text_);
}

void HyperlinkStatic::update_tool_text() {
  if (tip_) set_tool_text(tip_.get(), hwnd(), kToolId, tip_text_);
}

void HyperlinkStatic::set_link_target(std::string_view target) {
  target_ = target;
  if (!hwnd()) return;
  fit_to_client();
  if (tip_text_.empty()) tip_text_ = target_;
  update_tool_text();
}

void HyperlinkStatic::set_link_tip(std::string_view tip) {
  tip_text_ = tip;
  if (!hwnd()) return;
  fit_to_client();
  update_tool_text();
}

void HyperlinkStatic::fit_to_client() {
  HWND window = hwnd();
  if (!window) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&outer), 2);
  RECT client{};
  GetClientRect(window, &client);
  const LONG client_width = client.right - client.left;
  const LONG client_height = client.bottom - client.top;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);

  if (style & SS_CENTERIMAGE) {
    const LONG half = ((outer.bottom - outer.top) - client_height) / 2;
    outer.top += half;
    outer.bottom -= half;
  } else {
    outer.bottom = outer.top + client_height;
  }
  if (style & SS_CENTER) {
    const LONG half = ((outer.right - outer.left) - client_width) / 2;
    outer.left += half;
    outer.right -= half;
  } else if (style & SS_RIGHT) {
    outer.left = outer.right - client_width;
  } else {
    outer.right = outer.left + client_width;
  }
  SetWindowPos(window, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOZORDER);
}

int HyperlinkStatic::open_link(std::string_view target, int show_command) {
  const int shell_result = shell_open(target, show_command);
  if (static_cast<unsigned>(shell_result) > static_cast<unsigned>(kShellSuccessAbove)) return shell_result;

  std::string file_type;
  if (read_registry_default(HKEY_CLASSES_ROOT, kHtmlExtensionKey, file_type) != ERROR_SUCCESS) return shell_result;
  std::string command;
  if (read_registry_default(HKEY_CLASSES_ROOT, file_type + kOpenCommandSubKey, command) != ERROR_SUCCESS)
    return shell_result;

  std::size_t cut = gbk_find(command, kQuotedPlaceholder);
  if (cut == std::string::npos) cut = gbk_find(command, kPlaceholder);
  if (cut != std::string::npos) command.erase(cut);
  command += ' ';
  // Refused rather than cut: a shortened command line would open something else.
  if (command.size() + target.size() + 1 > kCommandLineBytes) return shell_result;
  command += target;
  return start_program_command(command, show_command);
}

std::string HyperlinkStatic::open_failure_text(int result) {
  std::string text = kFailureHeading;
  if (const char* line = known_failure_line(result)) {
    text += line;
  } else {
    char line_buffer[64];
    std::snprintf(line_buffer, sizeof(line_buffer), "Unknown Error (%d) occurred.", result);
    text += line_buffer;
  }
  return text;
}

void HyperlinkStatic::report_open_failure(int result) {
  show_message(nullptr, open_failure_text(result), application_name(), MB_ICONEXCLAMATION);
}

void HyperlinkStatic::relay_to_tooltip(UINT message, WPARAM wparam, LPARAM lparam) {
  if (tip_) kit::relay_to_tooltip(tip_.get(), hwnd(), message, wparam, lparam);
}

void HyperlinkStatic::redraw_now() { RedrawWindow(hwnd(), nullptr, nullptr, kRedrawNow); }

void HyperlinkStatic::on_mouse_move(LPARAM lparam) {
  if (over_) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    if (PtInRect(&client, point)) return;
    over_ = false;
    ReleaseCapture();
    redraw_now();
  } else {
    over_ = true;
    redraw_now();
    SetCapture(hwnd());
  }
}

bool HyperlinkStatic::on_set_cursor() {
  if (!link_pointer_) return false;
  SetCursor(link_pointer_.get());
  return true;
}

void HyperlinkStatic::on_clicked() {
  const int result = open_link(target_, SW_SHOW);
  if (result > kShellSuccessAbove) {
    invalidate(true);
    return;
  }
  MessageBeep(MB_ICONEXCLAMATION);
  report_open_failure(result);
}

void HyperlinkStatic::on_destroy() {
  if (over_ && GetCapture() == hwnd()) ReleaseCapture();
  over_ = false;
  face_.clear(hwnd());
  // The tooltip is owned by the dialog, which may have destroyed it already.
  if (IsWindow(tip_.get()))
    tip_.reset();
  else
    tip_.release();
}

bool HyperlinkStatic::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  // The tooltip only learns of the pointer from what the control relays to it.
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) relay_to_tooltip(message, wparam, lparam);

  switch (message) {
    case WM_MOUSEMOVE:
      result = default_processing(message, wparam, lparam);
      on_mouse_move(lparam);
      return true;
    case WM_SETCURSOR:
      // Without a link pointer the pointer stays as it was: no default cursor is set.
      result = on_set_cursor() ? TRUE : FALSE;
      return true;
    case reflected(WM_COMMAND):
      if (HIWORD(wparam) != STN_CLICKED) return false;
      on_clicked();
      result = TRUE;  // consumed: the dialog does not see the click
      return true;
    case WM_DESTROY:
      on_destroy();
      return false;
  }
  return false;
}

}  // namespace kit
