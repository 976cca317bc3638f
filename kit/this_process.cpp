// Set-up of the running process: where libraries load from, the common controls and COM.
#include "kit/this_process.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace kit {

ComApartment::ComApartment()
    : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
  if (initialised_) CoUninitialize();
}

void set_up_this_process() {
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  // Once per program however often this is called; left at exit, on the thread that
  // called it first (WinMain's).
  static const ComApartment apartment;
}

}  // namespace kit
