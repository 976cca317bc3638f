// decision.exe: the application object holds the session and the wizard's decision for
// the whole run and runs the main window modally; the program ends when it closes.
// Every change is kept in a recovery file under %LOCALAPPDATA%\择优宝, removed when the
// program ends normally.
#include <windows.h>

#include "decision/document/decision.h"
#include "decision/workspace/decision_session.h"
#include "decision/workspace/recovery_file.h"
#include "kit/app_data.h"
#include "kit/this_process.h"
#include "decision/workspace/decision_dialog.h"
#include "release/product.h"

namespace {

// The session and the wizard's decision live for the whole run, as plain members of
// the application.
struct DecisionApp {
  decision::DecisionSession session;
  decision::Decision wizard;

  DecisionApp() { decision::reset_decision(wizard); }

  int run(HINSTANCE instance) {
    // Without a folder of its own the program runs as before, with nothing kept.
    decision::RecoveryFile recovery(kit::app_data_folder(DECISION_PRODUCT_NAME), kit::this_run_id());
    if (recovery.start()) session.use_recovery(recovery);
    decision::DecisionDialog main_window(instance, session, wizard);
    const int result = static_cast<int>(main_window.run(nullptr));
    session.end_run();
    return result;
  }
};

DecisionApp app;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  kit::set_up_this_process();
  return app.run(instance);
}
