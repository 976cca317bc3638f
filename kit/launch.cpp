// Program starts, shell opens, the registry read and the help viewer, behind one seam.
#include "kit/launch.h"

#include <shellapi.h>
#include <shlobj.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "kit/text/gbk.h"
#include "kit/text/wide.h"

namespace kit {

namespace {

LaunchSeam g_seam;

// The registry value is read as into a 260-byte buffer: at most 259 bytes of text.
constexpr std::size_t kValueBufferChars = 260;
constexpr std::size_t kValueLimitBytes = kValueBufferChars - 1;

// Program-start results from this value on mean success.
constexpr DWORD kFirstSuccessValue = 32;

// CreateProcess's errors in the program-start result values: failures are 0..31.
int start_failure_code(DWORD error) {
  switch (error) {
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return kStartOutOfResources;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return kStartFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_BAD_NETPATH:
      return kStartPathNotFound;
    case ERROR_ACCESS_DENIED:
      return SE_ERR_ACCESSDENIED;
    case ERROR_SHARING_VIOLATION:
      return SE_ERR_SHARE;
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
    case ERROR_BAD_FORMAT:
      return kStartBadFormat;
    default:
      // Small codes already mean the same thing in both sets; any other cause is
      // reported as an unusable program file, as the classic call did.
      return error < kFirstSuccessValue ? static_cast<int>(error) : kStartBadFormat;
  }
}

}  // namespace

int platform_start_program_command(std::string_view command_line, int show_command) {
  // CreateProcessW may write into its command line, so it gets a private buffer.
  std::wstring wide = to_wide(command_line);
  std::vector<wchar_t> buffer(wide.begin(), wide.end());
  buffer.push_back(L'\0');

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_command);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return start_failure_code(GetLastError());
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return kProgramStarted;
}

void platform_add_recent_document(const std::filesystem::path& file) {
  SHAddToRecentDocs(SHARD_PATHW, file.c_str());
}

void add_recent_document(const std::filesystem::path& file) {
  auto call = g_seam.add_recent_document ? g_seam.add_recent_document : platform_add_recent_document;
  call(file);
}

int platform_shell_open(std::wstring_view target, int show_command) {
  HINSTANCE result = ShellExecuteW(nullptr, L"open", std::wstring(target).c_str(), nullptr, nullptr, show_command);
  auto value = reinterpret_cast<std::uintptr_t>(result);
  // Success values only need to stay above 32 once narrowed to int.
  if (value > static_cast<std::uintptr_t>(INT_MAX)) return INT_MAX;
  return static_cast<int>(value);
}

long platform_read_registry_default(HKEY root, std::string_view sub_key, std::string& value) {
  HKEY key = nullptr;
  LONG opened = RegOpenKeyExW(root, to_wide(sub_key).c_str(), 0, KEY_QUERY_VALUE, &key);
  if (opened != ERROR_SUCCESS) return opened;
  wchar_t buffer[kValueBufferChars] = {};
  LONG size = static_cast<LONG>(sizeof(buffer));
  RegQueryValueW(key, nullptr, buffer, &size);  // a failed or cut query leaves what it left
  buffer[kValueBufferChars - 1] = L'\0';
  RegCloseKey(key);
  value = std::string(gbk_cut(to_gbk(std::wstring_view(buffer)), kValueLimitBytes));
  return ERROR_SUCCESS;
}

int start_program_command(std::string_view command_line, int show_command) {
  auto call = g_seam.start_program_command ? g_seam.start_program_command : platform_start_program_command;
  return call(command_line, show_command);
}

int shell_open(std::string_view target, int show_command) {
  auto call = g_seam.shell_open ? g_seam.shell_open : platform_shell_open;
  return call(to_wide(target), show_command);
}

int open_document(const std::filesystem::path& file, int show_command) {
  auto call = g_seam.shell_open ? g_seam.shell_open : platform_shell_open;
  return call(file.native(), show_command);
}

long read_registry_default(HKEY root, std::string_view sub_key, std::string& value) {
  auto call = g_seam.read_registry_default ? g_seam.read_registry_default : platform_read_registry_default;
  return call(root, sub_key, value);
}

// The viewer runs inside this process from the platform's help library, which is
// loaded at the first call and stays loaded: its windows may outlive the call.
bool platform_show_html_help(const std::filesystem::path& chm_path) {
  using HtmlHelpCall = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
  static const HtmlHelpCall html_help = [] {
    HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    return library ? reinterpret_cast<HtmlHelpCall>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")))
                   : nullptr;
  }();
  constexpr UINT kDisplayTopic = 0;
  if (!html_help || GetFileAttributesW(chm_path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  return html_help(nullptr, chm_path.c_str(), kDisplayTopic, 0) != nullptr;
}

bool show_html_help(const std::filesystem::path& chm_path) {
  auto call = g_seam.show_html_help ? g_seam.show_html_help : platform_show_html_help;
  return call(chm_path);
}

LaunchSeam set_launch_seam(const LaunchSeam& seam) {
  LaunchSeam previous = g_seam;
  g_seam = seam;
  return previous;
}

}  // namespace kit
