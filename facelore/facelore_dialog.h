// The main window of facelore: the user chooses a facial part, one of its features
// and the option that matches the person, reads the feature's definition and asks for
// the analysis of the pick.  A fixed-size dialog drawn over "gr.bmp"; its labels and
// hot areas are see-through SkinButtons and its three text boxes BitmapEdits.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "facelore/catalogue.h"
#include "kit/bitmap_edit.h"
#include "kit/dialog.h"
#include "kit/handles.h"
#include "kit/local_time.h"
#include "kit/skin_button.h"
#include "facelore/resource_text_source.h"

namespace facelore {

// The installer of the sister program is offered from this day on (the window asks
// the kit's clock, kit::local_now, which tests stop).
inline constexpr kit::LocalTime kInstallerOfferedFrom{2009, 1, 11};
bool installer_offered(const kit::LocalTime& today);

// The relative path of the sister program's installer, started with SW_SHOW.
inline constexpr char kInstallerCommand[] = "deci//decision_setup.exe";

class FaceloreDialog : public kit::Dialog {
 public:
  // What the user is asked to choose next; kComplete once a part, a feature and an
  // option are chosen, the only step in which the analysis runs.
  enum Step : int { kComplete = 0, kChoosePart = 1, kChooseFeature = 2, kChooseOption = 3 };

  // module holds the dialog templates, pictures and texts (the program itself).
  explicit FaceloreDialog(HINSTANCE module);

  // Runs the window modally; returns IDOK when closed by its Close button.
  INT_PTR run(HWND owner);
  // Creates the window modeless (hidden until shown).
  HWND create(HWND owner);

  int selection_step() const { return selection_step_; }
  const CurrentFeature& current_feature() const { return current_; }
  HICON program_icon() const { return icon_.get(); }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  void on_destroy() override;
  // On a monitor of another scale: size, places, pictures and margins anew.
  void lay_out_at_dpi() override;

 private:
  // The steps of on_init_dialog.
  void place_controls();
  void skin_buttons();
  void skin_text_boxes();
  void dress_text_boxes();
  void skin_result_labels();

  // Handlers.
  void on_part_changed();
  void on_feature_changed();
  void on_option_changed();
  void update_prompts();
  void analyse_pick();
  void open_about();
  void start_installer();
  void paint();

  // The current entry of a drop-down list (0 when none is selected) and its text.
  int list_selection(int id) const;
  std::string list_text(int id) const;
  void fill_list(int id, const std::vector<std::string_view>& labels);

  HINSTANCE module_;
  ResourceTextSource texts_;
  CurrentFeature current_;
  int selection_step_ = kChoosePart;
  int part_ = 0;
  int feature_ = 0;
  int option_ = 0;

  kit::UniqueIcon icon_;

  // Set up from layout::kButtons, in its order.
  kit::SkinButton analyse_button_;
  kit::SkinButton close_button_;
  kit::SkinButton about_button_;
  kit::SkinButton installer_button_;
  kit::SkinButton heading_label_;
  std::array<kit::SkinButton, 3> prompts_;
  std::array<kit::SkinButton, 4> result_labels_;
  kit::BitmapEdit definition_box_;
  kit::BitmapEdit character_box_;
  kit::BitmapEdit advice_box_;
};

}  // namespace facelore
