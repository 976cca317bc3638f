// DecisionSession: the decision the main window works on, with its file name, whether
// there is one yet and the window's title, and every operation that changes them.
// Platform-free: the window asks the user and shows what an operation returns; the
// rules live here and are tested on any host.  Paths and texts are GBK.
//
// Every change of the decision ends in one place (changed()), which keeps the totals
// and the ranking up to date.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "decision/document/decision.h"
#include "kit/local_time.h"

namespace decision {

inline constexpr char kTitlePrefix[] = "择优宝 V1.2 — ";
inline constexpr char kNoDecisionTitle[] = "当前未有决策";
// What Open and Save ask the file dialogs for.
inline constexpr char kDecisionFileFilter[] = "决策文件(*.dec)|*.dec|";
inline constexpr char kDecisionFileExtension[] = "dec";
// What the summaries take when the large input box is closed empty.
inline constexpr char kBackgroundFallback[] = "在这里记录决策的背景：为何事，达到何种目标等。";
inline constexpr char kRecordFallback[] = "在这里记录决策的执行情况（可以随时添加内容）。";

// "新决策(12-6 9：5).dec": month, day, hour and minute without leading zeros.
std::string new_decision_name(const kit::LocalTime& now);

class DecisionSession {
 public:
  // No decision and no name until the first start or open; the record underneath
  // holds the initial content, which a case's text is read over.
  DecisionSession();

  const Decision& decision() const { return decision_; }
  bool has_decision() const { return has_decision_; }
  // The name Save proposes and the title shows: the file's, the case's or a new one.
  const std::string& file_name() const { return file_name_; }
  // "择优宝 V1.2 — " and the file name, or "当前未有决策" before the first decision.
  std::string title() const;
  // The hints of the current ranking.
  const RankingHints& hints() const { return hints_; }

  // The insertion list: "在方案k之前" for k = 1..count and "在方案count之后", entry i
  // standing for position i + 1; "方案数量已满" alone at nine.  The deletion list:
  // "方案k" for each alternative, or "不可删除" alone below two.  The last entry of each is
  // the one the window selects.
  std::vector<std::string> insert_positions() const;
  std::vector<std::string> delete_positions() const;

  // A blank decision of count (2..9) alternatives, named by now.  kShapeOk, or
  // kBadPosition for another count (nothing changes).
  int start_blank(int count, const kit::LocalTime& now);
  // The case's text read over the decision, under the case's name.  A code of
  // dec_format.h; on failure nothing changes.
  int start_from_case(std::string_view case_text, std::string_view case_name);
  // The file at path read into a copy; only a sound file replaces the decision and
  // names it after the file.  A code of dec_format.h; on failure nothing changes.
  int open(std::string_view path);
  // Writes the decision to path; only a written file renames it.  kDecOk or
  // kDecSaveFailed (the old file and the name are kept).
  int save(std::string_view path);

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

  // The decision the value pickers of the panels switch the method of (base_of) in
  // place; that one setting does not go through the session.
  Decision& decision_for_pickers() { return decision_; }

 private:
  // Every change of the decision ends here.
  void changed();

  Decision decision_{};
  std::string file_name_;
  bool has_decision_ = false;
  RankingHints hints_{};
};

}  // namespace decision
