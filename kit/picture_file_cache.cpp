// The decoded picture files a process keeps (see picture_file_cache.h).
#include "kit/picture_file_cache.h"

#include <cstdint>
#include <list>
#include <string>
#include <utility>

#include "kit/handles.h"
#include "kit/scaled_picture.h"

namespace kit {

namespace {

// Enough for every picture file the windows of a program show at a time (the main
// window's background and its seven logo frames, a panel's and a picker's backgrounds).
constexpr std::size_t kMaxCachedPictures = 24;
// A file written this recently may be written again within the file system's clock
// tick, keeping its stamp: it is read afresh until it is older.
constexpr ULONGLONG kSettledFileAge = 2 * 10'000'000ULL;  // 2 s in 100 ns units

// What tells a file's versions apart cheaply: its last write time and size.
struct FileStamp {
  FILETIME written{};
  DWORD size_high = 0;
  DWORD size_low = 0;

  bool operator==(const FileStamp& other) const {
    return CompareFileTime(&written, &other.written) == 0 && size_high == other.size_high &&
           size_low == other.size_low;
  }
};

bool stamp_of(const std::wstring& path, FileStamp& stamp) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  stamp = {data.ftLastWriteTime, data.nFileSizeHigh, data.nFileSizeLow};
  return true;
}

ULONGLONG ticks(const FILETIME& time) { return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime; }

bool settled(const FileStamp& stamp) {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return ticks(now) >= ticks(stamp.written) + kSettledFileAge;
}

std::wstring full_path(const std::filesystem::path& file) {
  const std::wstring& name = file.native();
  const DWORD length = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (length == 0) return name;
  std::wstring full(length, L'\0');
  const DWORD written = GetFullPathNameW(name.c_str(), length, full.data(), nullptr);
  full.resize(written < length ? written : 0);
  return full.empty() ? name : full;
}

struct CachedPicture {
  HWND window = nullptr;  // top-level
  std::wstring path;
  int dpi = 0;
  FileStamp stamp;
  bool settled = false;  // the stamp alone tells whether the file changed
  UniqueBitmap bitmap;
};

// Most recently used first.
std::list<CachedPicture>& cache() {
  static std::list<CachedPicture> pictures;
  return pictures;
}

}  // namespace

HBITMAP cached_picture_file(HWND window, const std::filesystem::path& file_100, int dpi) {
  HWND top = GetAncestor(window, GA_ROOT);
  if (!top) return nullptr;
  const std::wstring path = full_path(file_100);
  FileStamp stamp;
  const bool exists = stamp_of(path, stamp);
  auto& pictures = cache();
  // A window that ended without saying so leaves its pictures here.
  pictures.remove_if([](const CachedPicture& picture) { return !IsWindow(picture.window); });
  for (auto it = pictures.begin(); it != pictures.end(); ++it) {
    if (it->window != top || it->path != path || it->dpi != dpi) continue;
    if (exists && it->settled && it->stamp == stamp) {
      pictures.splice(pictures.begin(), pictures, it);
      return it->bitmap.get();
    }
    pictures.erase(it);  // the file changed or went
    break;
  }
  if (!exists) return nullptr;
  UniqueBitmap bitmap = load_scaled_picture_file(path, dpi);
  if (!bitmap) return nullptr;
  pictures.push_front({top, path, dpi, stamp, settled(stamp), std::move(bitmap)});
  if (pictures.size() > kMaxCachedPictures) pictures.pop_back();
  return pictures.front().bitmap.get();
}

void forget_window_pictures(HWND window) {
  cache().remove_if([window](const CachedPicture& picture) { return picture.window == window; });
}

}  // namespace kit
