// Reads a program's version resource the way the file properties page does: the fixed
// part for the numbers, and the strings of the language and code page the resource's
// translation table names first.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace release::testing {

struct VersionResource {
  bool found = false;
  int major = -1;
  int minor = -1;
  WORD language = 0;
  WORD code_page = 0;
  std::vector<BYTE> data;

  // One string of the block of the first translation; empty when missing.
  std::wstring text(const wchar_t* name) const {
    wchar_t path[96];
    wsprintfW(path, L"\\StringFileInfo\\%04x%04x\\%s", language, code_page, name);
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), path, &value, &length) || length == 0) return {};
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
  }
};

inline VersionResource read_version_resource(const std::wstring& file) {
  VersionResource result;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0) return result;
  result.data.resize(size);
  if (!GetFileVersionInfoW(file.c_str(), 0, size, result.data.data())) return result;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(result.data.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
    return result;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  result.major = HIWORD(fixed->dwFileVersionMS);
  result.minor = LOWORD(fixed->dwFileVersionMS);
  if (!VerQueryValueW(result.data.data(), L"\\VarFileInfo\\Translation", &value, &length) || length < 4)
    return result;
  result.language = static_cast<const WORD*>(value)[0];
  result.code_page = static_cast<const WORD*>(value)[1];
  result.found = true;
  return result;
}

inline std::wstring own_file_name() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

inline std::wstring beside_this_program(const wchar_t* name) {
  const std::wstring own = own_file_name();
  return own.substr(0, own.find_last_of(L"\\/") + 1) + name;
}

}  // namespace release::testing
