// Setting up the running process itself, first thing in WinMain.  (Starting another
// program is kit/launch.h.)
#pragma once

namespace kit {

// System libraries come only from the system folder, never from the working folder the
// pictures are read from; the common controls are registered; COM is initialised on
// this thread (single-threaded apartment) until the program ends, for the Windows
// Imaging Component the painted sets are decoded with.  Call once, before the first
// window, on the user-interface thread.
void set_up_this_process();

// COM initialised on this thread for as long as it lives, balanced when it goes.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool ready() const { return initialised_; }

 private:
  bool initialised_;
};

}  // namespace kit
