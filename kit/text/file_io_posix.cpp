// File access on POSIX hosts (the native test build): a path's bytes are the file name
// as it is.
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <utility>

#include "kit/text/file_io.h"

namespace kit {

namespace {

// Owns one file descriptor; close() reports whether the kernel accepted the close.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { close(); }

  void reset(int fd) {
    close();
    fd_ = fd;
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

  bool close() {
    if (fd_ < 0) return true;
    int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

// Removes the file at path when it goes out of scope, unless released.
class TempFileGuard {
 public:
  explicit TempFileGuard(std::string path) : path_(std::move(path)) {}
  TempFileGuard(const TempFileGuard&) = delete;
  TempFileGuard& operator=(const TempFileGuard&) = delete;
  ~TempFileGuard() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  void release() { path_.clear(); }

 private:
  std::string path_;
};

std::string folder_of(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool write_all(int fd, std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// A name no other file has, beside the target: target + ".~" + 12 hex digits.
std::string temp_name_candidate(const std::string& target, unsigned attempt) {
  static std::uint64_t counter = 0;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  std::uint64_t mix = static_cast<std::uint64_t>(now.tv_nsec) ^ (static_cast<std::uint64_t>(now.tv_sec) << 20) ^
                      (static_cast<std::uint64_t>(::getpid()) << 40) ^ (++counter * 0x9E3779B97F4A7C15ull) ^
                      attempt;
  static const char kHex[] = "0123456789abcdef";
  std::string name = target + ".~";
  for (int i = 0; i < 12; ++i) name += kHex[(mix >> (i * 4)) & 0xF];
  return name;
}

}  // namespace

int read_path_bytes(const std::filesystem::path& path, std::string& out, std::size_t max_bytes) {
  out.clear();
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.valid()) return errno == EACCES || errno == EPERM ? kFileUnreadable : kFileCannotOpen;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return kFileReadFailed;
  if (!S_ISREG(info.st_mode)) return kFileCannotOpen;
  if (static_cast<std::uint64_t>(info.st_size) > max_bytes) return kFileTooLarge;

  // The size is a hint only: the file is read to its end, and refused if it has grown
  // past the limit meanwhile.
  out.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[64 * 1024];
  for (;;) {
    ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.clear();
      return kFileReadFailed;
    }
    if (n == 0) break;
    if (out.size() + static_cast<std::size_t>(n) > max_bytes) {
      out.clear();
      return kFileTooLarge;
    }
    out.append(buffer, static_cast<std::size_t>(n));
  }
  return kFileOk;
}

namespace {

int replace_bytes(std::string_view path, std::string_view bytes, bool flush) {
  std::string target(path);
  if (target.empty()) return kFileWriteFailed;

  std::string temp;
  FileDescriptor file;
  for (unsigned attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
    temp = temp_name_candidate(target, attempt);
    file.reset(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid() && errno != EEXIST) return kFileWriteFailed;
  }
  if (!file.valid()) return kFileWriteFailed;
  TempFileGuard guard(temp);

  if (!write_all(file.get(), bytes)) return kFileWriteFailed;
  if (flush && ::fsync(file.get()) != 0) return kFileWriteFailed;
  if (!file.close()) return kFileWriteFailed;
  if (::rename(temp.c_str(), target.c_str()) != 0) return kFileWriteFailed;
  guard.release();

  // Make the new name itself durable; the content is already on disk.
  if (!flush) return kFileOk;
  FileDescriptor folder(::open(folder_of(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) ::fsync(folder.get());
  return kFileOk;
}

}  // namespace

int replace_path_bytes(const std::filesystem::path& path, std::string_view bytes, bool flush) {
  return replace_bytes(path.native(), bytes, flush);
}

}  // namespace kit
