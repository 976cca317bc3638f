// decision.exe: the application object holds the session and the wizard's decision for
// the whole run and runs the main window modally; the program ends when it closes.
#include <windows.h>

#include "decision/document/decision.h"
#include "decision/workspace/decision_session.h"
#include "kit/this_process.h"
#include "decision/workspace/decision_dialog.h"

namespace {

// The session and the wizard's decision live for the whole run, as plain members of
// the application.
struct DecisionApp {
  decision::DecisionSession session;
  decision::Decision wizard;

  DecisionApp() { decision::reset_decision(wizard); }

  int run(HINSTANCE instance) {
    decision::DecisionDialog main_window(instance, session, wizard);
    return static_cast<int>(main_window.run(nullptr));
  }
};

DecisionApp app;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  kit::set_up_this_process();
  return app.run(instance);
}
