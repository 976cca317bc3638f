// facelore.exe: the application object runs the main window modally; the program ends
// when it closes.  No message loop runs after the window.
#include <windows.h>

#include "facelore/facelore_dialog.h"
#include "kit/this_process.h"

namespace facelore {

class FaceloreApp {
 public:
  explicit FaceloreApp(HINSTANCE instance) : instance_(instance) {}

  int run() {
    kit::set_up_this_process();
    FaceloreDialog main_window(instance_);
    return static_cast<int>(main_window.run(nullptr));
  }

 private:
  HINSTANCE instance_;
};

}  // namespace facelore

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  facelore::FaceloreApp app(instance);
  return app.run();
}
