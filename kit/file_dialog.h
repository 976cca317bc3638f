// The platform's open-file and save-file dialogs with GBK texts, behind a seam so that
// tests can answer them.  Both keep the working folder as it was (the programs read
// their pictures from it at every paint) and hide the read-only box; the save dialog
// replaces an existing file without asking.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "kit/text/gbk.h"  // bare_file_name, for the chosen path

namespace kit {

struct FileDialogRequest {
  // GBK: pairs of a description and its pattern, each part ended by '|', as
  // "决策文件(*.dec)|*.dec|".
  std::string_view filter{};
  // Added to a typed name without one, without the dot ("dec").
  std::string_view default_extension{};
  // The name the dialog proposes (GBK); empty: none.
  std::string_view proposed_name{};
};

enum class FileDialogKind { Open, Save };

// Shows the dialog owned by owner.  True with the chosen file's full path (GBK) in
// path; false when it is cancelled (path untouched).
bool choose_file(HWND owner, FileDialogKind kind, const FileDialogRequest& request, std::string& path);

// Test seam: replaces the dialog (null restores it) and returns the one it replaces.
using FileDialogSeam = bool (*)(HWND owner, FileDialogKind kind, const FileDialogRequest& request, std::string& path);
FileDialogSeam set_file_dialog_seam(FileDialogSeam seam);

}  // namespace kit
