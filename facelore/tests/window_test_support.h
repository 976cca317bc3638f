// Driving facelore's windows in-process as a user would: message pumping, the seams
// that record message boxes and program starts, the picture folder and screenshots.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "kit/message_box.h"
#include "kit/launch.h"
#include "kit/testing/message_pump.h"
#include "kit/testing/screenshot.h"
#include "kit/text/wide.h"
#include "layout.h"

namespace facelore::testing {

using kit::testing::pump;

// ---- recording seams ------------------------------------------------------------

struct ShownMessage {
  HWND owner;
  std::string text;
  std::string caption;
};

struct StartedProgram {
  std::string command_line;
  int show_command;
};

inline std::vector<ShownMessage>& shown_messages() {
  static std::vector<ShownMessage> messages;
  return messages;
}

inline std::vector<StartedProgram>& started_programs() {
  static std::vector<StartedProgram> programs;
  return programs;
}

inline std::vector<std::string>& opened_targets() {
  static std::vector<std::string> targets;
  return targets;
}

inline int record_message(HWND owner, std::string_view text, std::string_view caption, UINT) {
  shown_messages().push_back({owner, std::string(text), std::string(caption)});
  return IDOK;
}

inline int record_start(std::string_view command_line, int show_command) {
  started_programs().push_back({std::string(command_line), show_command});
  return kit::kProgramStarted;
}

inline int record_open(std::string_view target, int) {
  opened_targets().push_back(std::string(target));
  return kit::kShellSuccessAbove + 1;
}

// Installs the recording seams for the lifetime of the guard.
class RecordingSeams {
 public:
  RecordingSeams() {
    shown_messages().clear();
    started_programs().clear();
    opened_targets().clear();
    previous_message_ = kit::set_message_seam(record_message);
    kit::LaunchSeam seam;
    seam.start_program_command = record_start;
    seam.shell_open = record_open;
    previous_launch_ = kit::set_launch_seam(seam);
  }
  ~RecordingSeams() {
    kit::set_message_seam(previous_message_);
    kit::set_launch_seam(previous_launch_);
  }
  RecordingSeams(const RecordingSeams&) = delete;
  RecordingSeams& operator=(const RecordingSeams&) = delete;

 private:
  kit::MessageSeam previous_message_ = nullptr;
  kit::LaunchSeam previous_launch_;
};

// ---- working folder ---------------------------------------------------------------

// The folder the build paints gr.bmp and about.ggr into, as a path this process can
// open (a host path of the cross build is reached through drive Z: under Wine).
inline std::wstring picture_folder() {
  std::wstring folder = kit::to_wide(FACELORE_PICTURE_DIR);
  if (!folder.empty() && folder[0] == L'/') folder = L"Z:" + folder;
  for (wchar_t& c : folder)
    if (c == L'/') c = L'\\';
  return folder;
}

// Makes the picture folder the working folder for the lifetime of the guard.
class InPictureFolder {
 public:
  InPictureFolder() {
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    previous_ = previous;
    changed_ = SetCurrentDirectoryW(picture_folder().c_str()) != FALSE;
  }
  ~InPictureFolder() { SetCurrentDirectoryW(previous_.c_str()); }
  bool changed() const { return changed_; }

 private:
  std::wstring previous_;
  bool changed_ = false;
};

// ---- reading the window back ------------------------------------------------------

// The rectangle of a control in its dialog's client coordinates.
inline layout::Rect control_rect(HWND dialog, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline std::vector<std::string> list_entries(HWND dialog, int id) {
  std::vector<std::string> entries;
  const LRESULT count = SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendDlgItemMessageW(dialog, id, CB_GETLBTEXTLEN, i, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    entries.push_back(kit::to_gbk(text));
  }
  return entries;
}

// ---- screenshots ------------------------------------------------------------------

using kit::testing::save_screenshot;

// ---- modal windows -----------------------------------------------------------------

// The visible dialog window of this thread that owner owns (a modal box it opened).
inline HWND find_owned_dialog(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t class_name[16] = {};
        GetClassNameW(window, class_name, 16);
        if (std::wstring_view(class_name) == L"#32770" && window != s->owner && IsWindowVisible(window) &&
            GetWindow(window, GW_OWNER) == s->owner) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Runs check once on the modal box that owner opens while action runs (action returns
// when the box has closed).  check gets the box and must close it; if it does not, or
// no box appears, the box is closed anyway and the test fails.
template <typename Check>
void while_box_is_open(HWND owner, void (*action)(HWND owner), Check check) {
  struct Watch {
    HWND owner;
    Check* check;
    int ticks = 0;
    bool seen = false;
  };
  static Watch* watch = nullptr;
  Watch current{owner, &check};
  watch = &current;
  constexpr UINT kTickMilliseconds = 50;
  constexpr int kGiveUpTicks = 60;
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMilliseconds, [](HWND, UINT, UINT_PTR, DWORD) {
    if (!watch) return;
    ++watch->ticks;
    HWND box = find_owned_dialog(watch->owner);
    if (box && !watch->seen) {
      watch->seen = true;
      (*watch->check)(box);
      return;
    }
    if (box && watch->ticks > kGiveUpTicks) {
      ADD_FAILURE() << "the box did not close";
      EndDialog(box, IDCANCEL);
    }
  });
  action(owner);
  KillTimer(nullptr, timer);
  watch = nullptr;
  EXPECT_TRUE(current.seen) << "no box opened";
}

}  // namespace facelore::testing
