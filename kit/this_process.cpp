// Set-up of the running process: where libraries load from and the common controls.
#include "kit/this_process.h"

#include <windows.h>

#include <commctrl.h>

namespace kit {

void set_up_this_process() {
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace kit
