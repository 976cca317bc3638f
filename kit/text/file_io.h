// Whole-file reading and safe replacement, on paths of the platform's own kind: wide on
// Windows, so every name Windows allows works; bytes (UTF-8) on other hosts (the native
// test build).
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kit {

enum FileResult : int {
  kFileOk = 0,
  kFileCannotOpen = 1,   // missing (or no file at all, such as a folder)
  kFileTooLarge = 2,     // longer than the caller's limit; out is left empty
  kFileReadFailed = 3,
  kFileWriteFailed = 4,  // the old file, if any, is untouched
  kFileUnreadable = 5,   // there, but held by another program without sharing, or not ours to read
};

// Reads the whole file into out.  Files longer than max_bytes are refused.  A folder
// cannot be opened as a file.  out is empty after any failure.
int read_path_bytes(const std::filesystem::path& path, std::string& out, std::size_t max_bytes);

// Replaces (or creates) the file with exactly bytes.  Writes a temporary file in the
// same folder, flushes it to disk and moves it over the target in one step; on any
// failure the target keeps its old content and the temporary file is removed.  Without
// flush the move does not wait for the disk (still one step, but the newest bytes may be
// lost in a power cut): for a copy written at every edit, which must not slow editing.
int replace_path_bytes(const std::filesystem::path& path, std::string_view bytes, bool flush = true);

}  // namespace kit
