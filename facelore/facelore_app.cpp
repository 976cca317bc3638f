// facelore.exe: the application object runs the main window modally; the program ends
// when it closes.  No message loop runs after the window.
#include <windows.h>

#include "facelore_dialog.h"
#include "kit/dialog.h"

namespace facelore {

class FaceloreApp {
 public:
  explicit FaceloreApp(HINSTANCE instance) : instance_(instance) {}

  int run() {
    kit::start_program();
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
