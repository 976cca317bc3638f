// The user's local application data folder and this run's id.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>

#include "kit/app_data.h"
#include "kit/text/wide.h"

namespace kit {

namespace {

std::filesystem::path local_app_data() {
  wchar_t value[MAX_PATH * 2] = {};
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", value, MAX_PATH * 2);
  if (length > 0 && length < MAX_PATH * 2) return value;
  PWSTR known = nullptr;
  std::filesystem::path folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known))) folder = known;
  CoTaskMemFree(known);
  return folder;
}

}  // namespace

std::filesystem::path app_data_folder(std::string_view program_name) {
  const std::filesystem::path base = local_app_data();
  if (base.empty()) return {};
  const std::filesystem::path folder = base / to_wide(program_name);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error) ? folder : std::filesystem::path();
}

std::string this_run_id() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  char id[64];
  std::snprintf(id, sizeof id, "%lu-%08lx%08lx", static_cast<unsigned long>(GetCurrentProcessId()),
                static_cast<unsigned long>(created.dwHighDateTime), static_cast<unsigned long>(created.dwLowDateTime));
  return id;
}

}  // namespace kit
