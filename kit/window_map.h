// WindowMap: what the program keeps about a window (the object that serves it), in the
// process.
//
// The kit looks its dialog and control objects up at every message they get.  Window
// properties would do, and the platform's subclassing helpers keep their chain in one,
// but Wine keeps properties (and every window long it writes) in its window server, so
// each lookup would be a round trip to another process: about fifteen per painted
// control.  This map is a lookup in memory on every platform.
#pragma once

#include <windows.h>

#include <mutex>
#include <unordered_map>

namespace kit {

template <typename Value>
class WindowMap {
 public:
  void set(HWND window, const Value& value) {
    std::lock_guard lock(mutex_);
    values_[window] = value;
  }
  void forget(HWND window) {
    std::lock_guard lock(mutex_);
    values_.erase(window);
  }
  // The window's value, or Value{} when there is none.
  Value find(HWND window) const {
    if (!window) return Value{};
    std::lock_guard lock(mutex_);
    const auto found = values_.find(window);
    return found == values_.end() ? Value{} : found->second;
  }

 private:
  // Windows of any thread share the map; a window's messages come on its own thread.
  mutable std::mutex mutex_;
  std::unordered_map<HWND, Value> values_;
};

}  // namespace kit
