// Driving facelore's windows in-process as a user would: the fixture of its window
// tests (messages and program starts recorded, the picture folder as the working folder)
// and readers of what a window shows.  The machinery itself is the kit's (kit/testing).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "facelore/facelore_dialog.h"
#include "kit/dialog.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/message_box.h"
#include "kit/testing/host_path.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pump.h"
#include "kit/testing/screenshot.h"
#include "kit/testing/seams.h"
#include "kit/testing/window_test.h"
#include "kit/text/wide.h"
#include "facelore/layout.h"

namespace facelore::testing {

using kit::testing::pump;
using kit::testing::save_screenshot;
using kit::testing::while_box_is_open;

// Makes the folder the build paints gr.bmp and about.ggr into the working folder for the
// lifetime of the guard.
class InPictureFolder : public kit::testing::InFolder {
 public:
  InPictureFolder() : InFolder(kit::testing::host_path(FACELORE_PICTURE_DIR)) {}
};

// A test of facelore's windows: message boxes and launches are recorded, not shown or
// started, and the pictures are found in the working folder.
class ProgramWindowTest : public kit::testing::WindowTest {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.changed()) << "no picture folder " << FACELORE_PICTURE_DIR; }
  // A fixture with its own TearDown closes its windows first and calls this one last.
  void TearDown() override {
    messages_.remove();
    launches_.remove();
    WindowTest::TearDown();
  }

  kit::testing::RecordedMessages messages_;
  kit::testing::RecordedLaunches launches_;
  InPictureFolder folder_;
};

// A test of the main window, opened modeless and shown as a user sees it.
class MainWindowTest : public ProgramWindowTest {
 protected:
  void open_main_window() {
    dialog_ = kit::make_dialog<FaceloreDialog>(GetModuleHandleW(nullptr));
    window_ = dialog_->create(nullptr);
    ASSERT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    pump();
  }
  // A choice in a drop-down list: the selection moves, then the list reports it.
  void choose(int list, int entry) {
    HWND control = GetDlgItem(window_, list);
    SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    pump(5);
  }
  // A fixture with its own TearDown calls this one last.
  void TearDown() override {
    dialog_.reset();
    ProgramWindowTest::TearDown();
  }

  kit::DialogPtr<FaceloreDialog> dialog_;
  HWND window_ = nullptr;
};

using kit::control_rect;

inline std::vector<std::string> list_entries(HWND dialog, int id) {
  HWND list = GetDlgItem(dialog, id);
  std::vector<std::string> entries;
  for (int i = 0; i < kit::combo_count(list); ++i) entries.push_back(kit::combo_text(list, i));
  return entries;
}

}  // namespace facelore::testing
