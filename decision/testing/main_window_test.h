// The fixture of tests that drive decision's main window: the window open on a session
// of its own, the kit's clock stopped at a moment the test gives, the file dialogs
// answered by the test, the user's settings (the recent decisions) under a key of the
// test's own, and a scratch folder of the test's own on request.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "decision/document/decision.h"
#include "decision/workspace/decision_session.h"
#include "decision/testing/decision_window_test.h"
#include "decision/workspace/decision_dialog.h"
#include "kit/dialog.h"
#include "kit/testing/clock.h"
#include "kit/testing/seams.h"
#include "kit/testing/user_settings.h"
#include "kit/text/wide.h"

namespace decision::testing {

class MainWindowTest : public DecisionWindowTest {
 protected:
  explicit MainWindowTest(kit::LocalTime now) : clock_(now) {}

  void SetUp() override {
    DecisionWindowTest::SetUp();
    window_ = dialog_->create(nullptr);
    ASSERT_NE(window_, nullptr);
    pump(60);
  }
  void TearDown() override {
    dialog_.reset();
    pump(20);
    settings_.remove();
    clock_.remove();
    files_.remove();
    std::error_code ignored;
    if (!scratch_.empty()) std::filesystem::remove_all(scratch_, ignored);
    DecisionWindowTest::TearDown();
  }

  // A fresh folder of this test's own outside the working folder, removed afterwards.
  std::filesystem::path scratch() {
    scratch_ = std::filesystem::temp_directory_path() /
               ("decision_main_" + std::to_string(GetCurrentProcessId()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(scratch_);
    std::filesystem::create_directories(scratch_);
    return scratch_;
  }
  std::string title() const { return kit::get_window_text(window_); }
  // The title as shown, with any character GBK lacks.
  std::u8string exact_title() const { return kit::get_window_text_u8(window_); }

  kit::testing::FixedClock clock_;
  // Before the window, which reads the recent decisions as it opens.
  kit::testing::ScratchUserSettings settings_;
  DecisionSession session_;
  const Decision& current_ = session_.decision();
  Decision wizard_{};
  kit::DialogPtr<DecisionDialog> dialog_ = kit::make_dialog<DecisionDialog>(module(), session_, wizard_);
  HWND window_ = nullptr;
  kit::testing::RecordedFileDialogs files_;

 private:
  std::filesystem::path scratch_;
};

}  // namespace decision::testing
