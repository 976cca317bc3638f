// decision.exe: the application object holds the session and the wizard's decision for
// the whole run and runs the main window modally; the program ends when it closes.
// Every change is kept in a recovery file under %LOCALAPPDATA%\择优宝, removed when the
// program ends normally.  A file named as the first argument (as the shell names a
// double-clicked ".dec" file) is opened at start.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <system_error>

#include "decision/document/decision.h"
#include "decision/workspace/decision_session.h"
#include "decision/workspace/recovery_file.h"
#include "kit/app_data.h"
#include "kit/text/wide.h"
#include "kit/this_process.h"
#include "decision/workspace/decision_dialog.h"
#include "release/product.h"

namespace {

namespace fs = std::filesystem;

// The first argument, read wide so that any name survives; empty without one.
fs::path first_argument() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  fs::path path;
  if (arguments && count > 1) path = arguments[1];
  LocalFree(arguments);
  return path;
}

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
    // The shell starts the program for a file in a folder of its choosing: the file is
    // taken from there, and the pictures from the program's folder.
    if (fs::path file = first_argument(); !file.empty()) {
      std::error_code ignored;
      main_window.open_at_start(fs::absolute(file, ignored));
      fs::current_path(kit::program_folder(), ignored);
    }
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
