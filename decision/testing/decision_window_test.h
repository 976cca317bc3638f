// The fixture of decision's window tests: message boxes and launches are recorded, not
// shown or started, the painted pictures' folder is the working folder, and the shared
// fixture fails a test that leaves anything behind.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "kit/testing/host_path.h"
#include "kit/testing/pump.h"
#include "kit/testing/screenshot.h"
#include "kit/testing/seams.h"
#include "kit/testing/window_test.h"

namespace decision::testing {

using kit::testing::pump;
using kit::testing::save_screenshot;

class DecisionWindowTest : public kit::testing::WindowTest {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.changed()) << "no picture folder " << DECISION_PICTURE_DIR; }
  // A fixture with its own TearDown closes its windows first and calls this one last.
  void TearDown() override {
    messages_.remove();
    launches_.remove();
    WindowTest::TearDown();
  }

  HINSTANCE module() const { return GetModuleHandleW(nullptr); }

  kit::testing::RecordedMessages messages_;
  kit::testing::RecordedLaunches launches_;
  kit::testing::InFolder folder_{kit::testing::host_path(DECISION_PICTURE_DIR)};
};

}  // namespace decision::testing
