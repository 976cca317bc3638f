// DecisionSession: the decision the main window works on, with its file name, whether
// there is one yet and the window's title, and every operation that changes them.
// Platform-free: the window asks the user and shows what an operation returns; the
// rules live here and are tested on any host.  Texts are GBK; the file name is a path of
// the platform's own kind, and the texts that show it (title, questions) are UTF-8, so
// that every name the platform allows is shown as it is.
//
// Every change of the decision ends in one place (changed()), which keeps the totals
// and the ranking up to date, records the step for undo and keeps the recovery file.
// Unsaved changes are judged by content: the decision's .dec text against the text it
// had when it was last started, opened or saved.
#pragma once

#include <deque>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "decision/document/decision.h"
#include "decision/workspace/recovery_file.h"
#include "kit/local_time.h"

namespace decision {

inline constexpr char8_t kTitlePrefix[] = u8"择优宝 V1.2 — ";
inline constexpr char8_t kNoDecisionTitle[] = u8"当前未有决策";
// What Open and Save ask the file dialogs for.
inline constexpr char kDecisionFileFilter[] = "决策文件(*.dec)|*.dec|";
inline constexpr char kDecisionFileExtension[] = "dec";
// What the summaries take when the large input box is closed empty.
inline constexpr char kBackgroundFallback[] = "在这里记录决策的背景：为何事，达到何种目标等。";
inline constexpr char kRecordFallback[] = "在这里记录决策的执行情况（可以随时添加内容）。";

// The question before a decision with unsaved changes is replaced or closed, and the
// one at start about a decision a run left behind.
inline constexpr char kQuestionCaption[] = "择优宝";
// Undo goes back at least this many changes.
inline constexpr std::size_t kUndoSteps = 100;

// "新决策(12-6 9：5).dec": month, day, hour and minute without leading zeros.
std::filesystem::path new_decision_name(const kit::LocalTime& now);
// "“name”已修改。是否保存修改？"
std::u8string unsaved_question(const std::filesystem::path& file_name);
// "上次未正常关闭，有未保存的决策“name”。是否恢复？"
std::u8string recovery_question(const std::filesystem::path& file_name);

class DecisionSession {
 public:
  // No decision and no name until the first start or open; the record underneath
  // holds the initial content, which a case's text is read over.
  DecisionSession();

  const Decision& decision() const { return decision_; }
  bool has_decision() const { return has_decision_; }
  // The name Save proposes and the title shows: the file's, the case's or a new one.
  const std::filesystem::path& file_name() const { return file_name_; }
  // "择优宝 V1.2 — " and the file name, or "当前未有决策" before the first decision.
  std::u8string title() const;
  // The hints of the current ranking.
  const RankingHints& hints() const { return hints_; }
  // Whether the decision differs from what was last started, opened or saved.
  bool modified() const { return has_decision_ && text_ != saved_text_; }

  // The insertion list: "在方案k之前" for k = 1..count and "在方案count之后", entry i
  // standing for position i + 1; "方案数量已满" alone at nine.  The deletion list:
  // "方案k" for each alternative, or "不可删除" alone below two.  The last entry of each is
  // the one the window selects.
  std::vector<std::string> insert_positions() const;
  std::vector<std::string> delete_positions() const;

  // A blank decision of count (2..9) alternatives, named by now.  kShapeOk, or
  // kBadPosition for another count (nothing changes).
  int start_blank(int count, const kit::LocalTime& now);
  // The case's text read over the decision, under the case's name (GBK).  A code of
  // dec_format.h; on failure nothing changes.
  int start_from_case(std::string_view case_text, std::string_view case_name);
  // The file at path read into a copy; only a sound file replaces the decision and
  // names it after the file.  A code of dec_format.h; on failure nothing changes.
  int open(const std::filesystem::path& path);
  // Writes the decision to path; only a written file renames it.  kDecOk or
  // kDecSaveFailed (the old file and the name are kept).
  int save(const std::filesystem::path& path);

  // A reset alternative at position pos (1..count + 1), or alternative pos deleted.
  // A code of decision.h (kInsertFull, kDeleteTooFew, kBadPosition: nothing changes).
  int insert_at(int pos);
  int delete_at(int pos);
  // A panel's kept copy replaces alternative index (1..count); kBadPosition otherwise.
  int accept_alternative(int index, const Alternative& alternative);
  // The texts of the two summaries; an empty text takes the summary's fallback.
  void set_background(std::string_view text);
  void set_record(std::string_view text);

  // A finished wizard's decision: over the current one (name kept), or as a new
  // decision named by now.
  void finish_wizard_revision(const Decision& revised);
  void finish_wizard_new(const Decision& made, const kit::LocalTime& now);

  // The evaluation method (base_of) a value picker switched to; kBadPosition for a
  // value that is not one.
  int set_method(int method);

  // Undo and redo walk the changes since the last start or open; a new change drops
  // what could be redone.  False when there is nothing to walk to.
  bool can_undo() const { return !undo_.empty(); }
  bool can_redo() const { return !redo_.empty(); }
  bool undo();
  bool redo();

  // From now on every change is written to recovery (started by the caller), and the
  // file is removed whenever there are no unsaved changes.
  void use_recovery(RecoveryFile& recovery) { recovery_ = &recovery; }
  // A decision a run that did not end left in the recovery folder, taken as this run's:
  // true with its name, for the window to ask about; then restore_left_over opens it
  // (with unsaved changes, a fresh history) or discard_left_over removes it.
  bool find_left_over(std::filesystem::path& file_name);
  void restore_left_over();
  void discard_left_over();
  // The program ends normally: the recovery file goes, and nothing more is kept.
  void end_run();

 private:
  // Every change of the decision ends here.
  void changed();
  // A decision started, opened or restored: a fresh history; saved tells whether it
  // counts as unchanged.
  void started(bool saved);
  // After an undo or redo: the decision as it now is, and its recovery file.
  void walked();
  // Totals, ranking, text and the state the next change is undone to.
  void settle();
  void keep_recovery_file();

  Decision decision_{};
  std::filesystem::path file_name_;
  bool has_decision_ = false;
  RankingHints hints_{};
  // The .dec text of the decision, and of what it was when last started, opened, saved.
  std::string text_;
  std::string saved_text_;
  // The decisions before each change (newest last), and those undone (newest last).
  std::deque<Decision> undo_;
  std::vector<Decision> redo_;
  // The decision as the last change left it: what the next change is undone to.
  Decision last_{};
  RecoveryFile* recovery_ = nullptr;
  Decision left_over_{};
  std::filesystem::path left_over_name_;
};

}  // namespace decision
