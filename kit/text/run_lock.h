// RunLock: a lock file that says "this run is alive" for as long as the process lives.
// On Windows the file is opened with no sharing and deleted on close, so the system
// releases and removes it when the process ends, killed or not; on other hosts (the
// native tests) an flock, which the system releases the same way.  Another run asks
// lock_is_held before it touches what the lock guards.
#pragma once

#include <cstdint>
#include <filesystem>

namespace kit {

class RunLock {
 public:
  RunLock() = default;
  ~RunLock() { release(); }
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // Takes the lock at path (made if missing): false when another holder has it or the
  // file cannot be made.
  bool acquire(const std::filesystem::path& path);
  // Gives the lock up and removes its file.
  void release();
  bool held() const { return handle_ != kNone; }

 private:
  static constexpr std::intptr_t kNone = -1;
  std::intptr_t handle_ = kNone;  // the HANDLE on Windows, the descriptor elsewhere
  std::filesystem::path path_;
};

// Whether a live run (this one included) holds the lock at path.  A missing file, or a
// file left behind with no holder, is not held.
bool lock_is_held(const std::filesystem::path& path);

}  // namespace kit
