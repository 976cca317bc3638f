// Starting programs, opening documents through the shell, showing compiled help and
// naming a file among the user's recent documents, with GBK texts or paths of the
// platform's own kind.  All go through a replaceable seam, together with the registry
// read the link fallback needs, so that tests can run without starting or opening
// anything real.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace kit {

// start_program_command answers with the classic program-start result values: greater
// than 31 means started, anything else is one of these failure codes.
constexpr int kProgramStarted = 33;
constexpr int kStartOutOfResources = 0;
constexpr int kStartFileNotFound = ERROR_FILE_NOT_FOUND;  // 2
constexpr int kStartPathNotFound = ERROR_PATH_NOT_FOUND;  // 3
constexpr int kStartBadFormat = ERROR_BAD_FORMAT;         // 11
// shell_open answers greater than this on success.
constexpr int kShellSuccessAbove = 32;

// Starts the program of command_line (program path, then its arguments) with the given
// show command.  Returns kProgramStarted, or a failure code (0, 2, 3, 11, or another
// value up to 31 that names the cause, e.g. 5 access denied, 26 sharing violation).
int start_program_command(std::string_view command_line, int show_command);

// Opens target (a document, a folder or an address) with the shell's "open" verb.
// Returns the shell's result: greater than 32 on success, otherwise its error code.
int shell_open(std::string_view target, int show_command);
// The same for a file, whatever characters its path holds.
int open_document(const std::filesystem::path& file, int show_command);

// Reads the default value of root\sub_key into value (cut to 259 bytes, as a 260-byte
// buffer holds).  Returns 0, or the error of opening the key (value is left alone).
long read_registry_default(HKEY root, std::string_view sub_key, std::string& value);

// Shows the first topic of the compiled help file at chm_path in the platform's help
// viewer, owned by nobody.  True when the viewer opened it.
bool show_html_help(const std::filesystem::path& chm_path);

// Adds file (a full path) to the user's recent documents, which the shell's recent lists show.
void add_recent_document(const std::filesystem::path& file);

// The platform calls behind the functions above.  A null member means the platform's
// own implementation.
struct LaunchSeam {
  int (*start_program_command)(std::string_view command_line, int show_command) = nullptr;
  int (*shell_open)(std::wstring_view target, int show_command) = nullptr;
  long (*read_registry_default)(HKEY root, std::string_view sub_key, std::string& value) = nullptr;
  bool (*show_html_help)(const std::filesystem::path& chm_path) = nullptr;
  void (*add_recent_document)(const std::filesystem::path& file) = nullptr;
};

// Installs seam and returns the one it replaces.
LaunchSeam set_launch_seam(const LaunchSeam& seam);

// The platform implementations themselves, for a seam that only watches.
int platform_start_program_command(std::string_view command_line, int show_command);
int platform_shell_open(std::wstring_view target, int show_command);
long platform_read_registry_default(HKEY root, std::string_view sub_key, std::string& value);
bool platform_show_html_help(const std::filesystem::path& chm_path);
void platform_add_recent_document(const std::filesystem::path& file);

}  // namespace kit
