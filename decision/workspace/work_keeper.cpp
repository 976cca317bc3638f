// WorkKeeper: the question, Save's dialog, the undo items and keys, the recovery offer.
#include "decision/workspace/work_keeper.h"

#include "decision/document/dec_format.h"
#include "decision/res/resource_ids.h"
#include "kit/file_dialog.h"
#include "kit/main_window.h"
#include "kit/message_box.h"
#include "kit/text/wide.h"

namespace decision {

namespace {

constexpr char kUndoItem[] = "撤销(&U)\tCtrl+Z";
constexpr char kRedoItem[] = "重做(&R)\tCtrl+Y";
constexpr kit::KeyCommand kKeys[] = {
    {'Z', kit::kCtrl, IDM_UNDO},
    {'Y', kit::kCtrl, IDM_REDO},
    {'Z', kit::kCtrl | kit::kShift, IDM_REDO},
    // The command column's keys, as its buttons' tips name them.
    {'N', kit::kCtrl, IDC_NEW},
    {'O', kit::kCtrl, IDC_OPEN},
    {'S', kit::kCtrl, IDC_SAVE},
    {VK_F1, kit::kNoModifier, IDC_SHOW_HELP},
    {'E', kit::kCtrl, IDC_EXPORT_REPORT},
    // Enter presses the focused button or opens the focused box.
    {VK_RETURN, kit::kNoModifier, IDM_PRESS_FOCUSED},
};

}  // namespace

void WorkKeeper::attach(HWND window) {
  window_ = window;
  kit::insert_system_menu_item(window, IDM_ABOUT_BOX, IDM_UNDO, kUndoItem);
  kit::insert_system_menu_item(window, IDM_ABOUT_BOX, IDM_REDO, kRedoItem);
  update_menu();
  keys_.attach(window, kKeys);
}

void WorkKeeper::detach() {
  keys_.detach();
  window_ = nullptr;
}

bool WorkKeeper::may_discard() {
  if (!session_.modified()) return true;
  switch (kit::show_message(window_, unsaved_question(session_.file_name()), kQuestionCaption,
                            MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return save_with_dialog();
    case IDNO: return true;
    default: return false;
  }
}

bool WorkKeeper::choose_file_to_open(std::filesystem::path& path) const {
  const kit::FileDialogRequest request{.filter = kDecisionFileFilter, .default_extension = kDecisionFileExtension};
  return kit::choose_file(window_, kit::FileDialogKind::Open, request, path);
}

bool WorkKeeper::save_with_dialog() {
  std::filesystem::path path;
  const kit::FileDialogRequest request{.filter = kDecisionFileFilter,
                                       .default_extension = kDecisionFileExtension,
                                       .proposed_name = session_.file_name()};
  return kit::choose_file(window_, kit::FileDialogKind::Save, request, path) && save_to(path) == kDecOk;
}

// Open panels stay open; their edits are not part of the decision and are not saved.
int WorkKeeper::save_to(const std::filesystem::path& path) {
  const int result = show_failure(session_.save(path));
  if (result != kDecOk) return result;
  kit::set_window_text(window_, session_.title());
  if (saved_) saved_(path);
  return result;
}

int WorkKeeper::show_failure(int dec_result) const {
  if (dec_result != kDecOk) {
    const DecMessage message = dec_message(dec_result);
    kit::show_message(window_, message.text, message.caption);
  }
  return dec_result;
}

void WorkKeeper::update_menu() const {
  kit::enable_system_menu_item(window_, IDM_UNDO, session_.can_undo());
  kit::enable_system_menu_item(window_, IDM_REDO, session_.can_redo());
}

bool WorkKeeper::offer_left_over() {
  std::filesystem::path name;
  while (session_.find_left_over(name)) {
    if (kit::show_message(window_, recovery_question(name), kQuestionCaption, MB_YESNO | MB_ICONQUESTION) == IDYES) {
      session_.restore_left_over();
      return true;
    }
    session_.discard_left_over();
  }
  return false;
}

}  // namespace decision
