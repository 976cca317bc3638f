// Test support: decision.exe started as a real process beside the test program, and its
// windows found and read from the test: for what only a whole run shows (the start, its
// command line, a killed run's left-over).
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "kit/testing/pump.h"
#include "kit/text/wide.h"

namespace decision::testing {

// Hang nets only: a child process and its windows normally answer within a second.
inline constexpr DWORD kChildHangNet = 30000;

// The started process; ended, if still running, when the holder goes.
struct DecisionProcess {
  PROCESS_INFORMATION info{};
  DecisionProcess() = default;
  DecisionProcess(const DecisionProcess&) = delete;
  DecisionProcess& operator=(const DecisionProcess&) = delete;
  ~DecisionProcess() {
    if (!info.hProcess) return;
    TerminateProcess(info.hProcess, 1);
    WaitForSingleObject(info.hProcess, kChildHangNet);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
  // True once the process has ended, waited for up to the hang net.
  bool ended() const { return WaitForSingleObject(info.hProcess, kChildHangNet) == WAIT_OBJECT_0; }
};

// decision.exe beside the test program, in the test's working folder, with LOCALAPPDATA
// pointed at app_data and arguments (as written on a command line) after its name.
inline bool start_decision(DecisionProcess& child, const std::filesystem::path& app_data,
                           std::wstring_view arguments = {}) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command =
      L"\"" + (std::filesystem::path(self).parent_path() / L"decision.exe").wstring() + L"\"";
  if (!arguments.empty()) command += L" " + std::wstring(arguments);
  SetEnvironmentVariableW(L"LOCALAPPDATA", app_data.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      &startup, &child.info);
  SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
  return started != FALSE;
}

// The visible dialog window of the child whose owner is owner (null: the main window).
inline HWND child_window(const DecisionProcess& child, HWND owner) {
  struct Search {
    DWORD process;
    HWND owner, found;
  } search{child.info.dwProcessId, owner, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (process != s.process || !IsWindowVisible(window) || std::wstring_view(name) != L"#32770" ||
            GetWindow(window, GW_OWNER) != s.owner)
          return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND wait_for_window(const DecisionProcess& child, HWND owner) {
  HWND found = nullptr;
  kit::testing::pump_until([&] { return (found = child_window(child, owner)) != nullptr; }, kChildHangNet);
  return found;
}

// The text of a message box (its static text control).
inline std::string box_text(HWND box) {
  std::string text;
  for (HWND part = GetWindow(box, GW_CHILD); part; part = GetWindow(part, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(part, name, 16);
    if (std::wstring_view(name) == L"Static") text += kit::get_window_text(part);
  }
  return text;
}

}  // namespace decision::testing
