// RunLock on POSIX hosts (the native tests): an exclusive flock, released by the
// system when the descriptor or the process goes.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "kit/text/run_lock.h"

namespace kit {

bool RunLock::acquire(const std::filesystem::path& path) {
  release();
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  path_ = path;
  return true;
}

void RunLock::release() {
  if (handle_ == kNone) return;
  ::unlink(path_.c_str());
  ::close(static_cast<int>(handle_));
  handle_ = kNone;
}

bool lock_is_held(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return held;
}

}  // namespace kit
