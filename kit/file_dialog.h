// The platform's open-file and save-file dialogs with GBK filter texts and paths of the
// platform's own kind (any name Windows allows), behind a seam so that
// tests can answer them.  Both keep the working folder as it was (the programs read
// their pictures from it at every paint) and hide the read-only box; the save dialog
// replaces an existing file without asking.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string_view>

namespace kit {

struct FileDialogRequest {
  // GBK: pairs of a description and its pattern, each part ended by '|', as
  // "决策文件(*.dec)|*.dec|".
  std::string_view filter{};
  // Added to a typed name without one, without the dot ("dec").
  std::string_view default_extension{};
  // The name the dialog proposes; empty: none.
  std::filesystem::path proposed_name{};
};

enum class FileDialogKind { Open, Save };

// Shows the dialog owned by owner.  True with the chosen file's full path in path;
// false when it is cancelled (path untouched).
bool choose_file(HWND owner, FileDialogKind kind, const FileDialogRequest& request, std::filesystem::path& path);

// Test seam: replaces the dialog (null restores it) and returns the one it replaces.
using FileDialogSeam = bool (*)(HWND owner, FileDialogKind kind, const FileDialogRequest& request,
                                std::filesystem::path& path);
FileDialogSeam set_file_dialog_seam(FileDialogSeam seam);

}  // namespace kit
