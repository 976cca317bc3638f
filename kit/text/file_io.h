// Whole-file reading and safe replacement, with file names as GBK byte strings.
// On Windows the name is converted with code page 936 and the wide API is used; on
// other hosts (the native test build) the bytes are used as the file name.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kit {

enum FileResult : int {
  kFileOk = 0,
  kFileCannotOpen = 1,   // missing, or not readable
  kFileTooLarge = 2,     // longer than the caller's limit; out is left empty
  kFileReadFailed = 3,
  kFileWriteFailed = 4,  // the old file, if any, is untouched
};

// Reads the whole file into out.  Files longer than max_bytes are refused.  A folder
// cannot be opened as a file.  out is empty after any failure.
int read_file_bytes(std::string_view path, std::string& out, std::size_t max_bytes);

// Replaces (or creates) the file with exactly bytes.  Writes a temporary file in the
// same folder, flushes it to disk and moves it over the target in one step; on any
// failure the target keeps its old content and the temporary file is removed.
int replace_file_bytes(std::string_view path, std::string_view bytes);

// The same on a path of the platform's own kind (wide on Windows), for folders whose
// names GBK may lack, such as the user's application data.  Without flush the move does
// not wait for the disk (still one step, but the newest bytes may be lost in a power
// cut): for a copy written at every edit, which must not slow editing.
int read_path_bytes(const std::filesystem::path& path, std::string& out, std::size_t max_bytes);
int replace_path_bytes(const std::filesystem::path& path, std::string_view bytes, bool flush = true);

}  // namespace kit
