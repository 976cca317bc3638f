// Setting up the running process itself, first thing in WinMain.  (Starting another
// program is kit/launch.h.)
#pragma once

namespace kit {

// System libraries come only from the system folder, never from the working folder the
// pictures are read from; the common controls are registered.  Call once, before the
// first window.
void set_up_this_process();

}  // namespace kit
