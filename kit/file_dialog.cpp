// The open-file and save-file dialogs through the wide platform calls.
#include "kit/file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "kit/text/wide.h"

namespace kit {

namespace {

FileDialogSeam g_seam = nullptr;

// Longer than any path the wide calls accept without the long-path prefix.
constexpr DWORD kPathChars = 1024;

// "a|b|" -> "a\0b\0\0", the platform's filter form.
std::wstring platform_filter(std::string_view filter) {
  std::wstring wide = to_wide(filter);
  for (wchar_t& c : wide)
    if (c == L'|') c = L'\0';
  wide.push_back(L'\0');
  return wide;
}

bool platform_choose_file(HWND owner, FileDialogKind kind, const FileDialogRequest& request, std::filesystem::path& path) {
  const std::wstring filter = platform_filter(request.filter);
  const std::wstring extension = to_wide(request.default_extension);
  const std::wstring& proposed = request.proposed_name.native();
  std::vector<wchar_t> file(kPathChars, L'\0');
  proposed.copy(file.data(), file.size() - 1);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kPathChars;
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (kind == FileDialogKind::Open) dialog.Flags |= OFN_FILEMUSTEXIST;
  const BOOL chosen = kind == FileDialogKind::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
  if (!chosen) return false;
  path = std::filesystem::path(file.data());
  return true;
}

}  // namespace

bool choose_file(HWND owner, FileDialogKind kind, const FileDialogRequest& request, std::filesystem::path& path) {
  return (g_seam ? g_seam : platform_choose_file)(owner, kind, request, path);
}

FileDialogSeam set_file_dialog_seam(FileDialogSeam seam) {
  const FileDialogSeam previous = g_seam;
  g_seam = seam;
  return previous;
}

}  // namespace kit
