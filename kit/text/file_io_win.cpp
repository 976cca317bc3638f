// File access on Windows through the wide API, so every file name works whatever the
// system's ANSI code page is.
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "kit/text/file_io.h"

namespace kit {

namespace {

// Owns one file HANDLE; close() reports whether the system accepted the close.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { close(); }

  void reset(HANDLE handle) {
    close();
    handle_ = handle;
  }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

  bool close() {
    if (!valid()) return true;
    BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed != FALSE;
  }

 private:
  HANDLE handle_;
};

// Deletes the file at path when it goes out of scope, unless released.  Its handle is
// closed first: a file still open without sharing cannot be deleted.
class TempFileGuard {
 public:
  TempFileGuard(std::wstring path, FileHandle& file) : path_(std::move(path)), file_(file) {}
  TempFileGuard(const TempFileGuard&) = delete;
  TempFileGuard& operator=(const TempFileGuard&) = delete;
  ~TempFileGuard() {
    if (path_.empty()) return;
    file_.close();
    DeleteFileW(path_.c_str());
  }
  void release() { path_.clear(); }

 private:
  std::wstring path_;
  FileHandle& file_;
};

bool write_all(HANDLE file, std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
    data += written;
    left -= written;
  }
  return true;
}

// A name no other file has, beside the target: target + ".~" + 12 hex digits.  The
// same folder keeps the final move on one volume, where it is a single rename.
std::wstring temp_name_candidate(const std::wstring& target, unsigned attempt) {
  static std::uint64_t counter = 0;
  LARGE_INTEGER ticks{};
  QueryPerformanceCounter(&ticks);
  std::uint64_t mix = static_cast<std::uint64_t>(ticks.QuadPart) ^
                      (static_cast<std::uint64_t>(GetCurrentProcessId()) << 40) ^
                      (++counter * 0x9E3779B97F4A7C15ull) ^ attempt;
  static const wchar_t kHex[] = L"0123456789abcdef";
  std::wstring name = target + L".~";
  for (int i = 0; i < 12; ++i) name += kHex[(mix >> (i * 4)) & 0xF];
  return name;
}

int read_wide(const std::wstring& wide, std::string& out, std::size_t max_bytes) {
  out.clear();
  if (wide.empty()) return kFileCannotOpen;
  FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
    // A folder refuses with access denied too; only a file counts as one not ours to read.
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    const bool is_file = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    const bool denied = error == ERROR_ACCESS_DENIED && is_file;
    return held || denied ? kFileUnreadable : kFileCannotOpen;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return kFileReadFailed;
  if (size.QuadPart < 0 || static_cast<std::uint64_t>(size.QuadPart) > max_bytes) return kFileTooLarge;

  // The size is a hint only: the file is read to its end, and refused if it has grown
  // past the limit meanwhile.
  out.reserve(static_cast<std::size_t>(size.QuadPart));
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
      out.clear();
      return kFileReadFailed;
    }
    if (got == 0) break;
    if (out.size() + got > max_bytes) {
      out.clear();
      return kFileTooLarge;
    }
    out.append(buffer, got);
  }
  return kFileOk;
}

int replace_wide(const std::wstring& target, std::string_view bytes, bool flush = true) {
  if (target.empty()) return kFileWriteFailed;

  std::wstring temp;
  FileHandle file;
  for (unsigned attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
    temp = temp_name_candidate(target, attempt);
    file.reset(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
      DWORD error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return kFileWriteFailed;
    }
  }
  if (!file.valid()) return kFileWriteFailed;
  TempFileGuard guard(temp, file);

  if (!write_all(file.get(), bytes)) return kFileWriteFailed;
  if (flush && !FlushFileBuffers(file.get())) return kFileWriteFailed;
  if (!file.close()) return kFileWriteFailed;
  if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | (flush ? MOVEFILE_WRITE_THROUGH : 0)))
    return kFileWriteFailed;
  guard.release();
  return kFileOk;
}

}  // namespace

int read_path_bytes(const std::filesystem::path& path, std::string& out, std::size_t max_bytes) {
  return read_wide(path.native(), out, max_bytes);
}

int replace_path_bytes(const std::filesystem::path& path, std::string_view bytes, bool flush) {
  return replace_wide(path.native(), bytes, flush);
}

}  // namespace kit
