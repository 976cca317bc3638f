// DecisionSession: the main window's decision, its name and title, and the operations
// on them.
#include "decision/workspace/decision_session.h"

#include <cstdio>

#include "decision/document/dec_format.h"
#include "kit/text/utf8.h"

namespace decision {

namespace {

constexpr char kInsertBefore[] = "在方案%d之前";
constexpr char kInsertAfter[] = "在方案%d之后";
constexpr char kAlternativesFull[] = "方案数量已满";
constexpr char kCannotDelete[] = "不可删除";

// A format with one %d filled in (the formats are GBK; the number is ASCII).
std::string with_number(const char* format, int n) {
  char text[64];
  std::snprintf(text, sizeof text, format, n);
  return text;
}

}  // namespace

std::filesystem::path new_decision_name(const kit::LocalTime& now) {
  char name[64];
  std::snprintf(name, sizeof name, "新决策(%d-%d %d：%d).dec", now.month, now.day, now.hour, now.minute);
  return kit::path_from_gbk(name);
}

std::u8string unsaved_question(const std::filesystem::path& file_name) {
  return u8"“" + file_name.u8string() + u8"”已修改。是否保存修改？";
}

std::u8string recovery_question(const std::filesystem::path& file_name) {
  return u8"上次未正常关闭，有未保存的决策“" + file_name.u8string() + u8"”。是否恢复？";
}

DecisionSession::DecisionSession() { reset_decision(decision_); }

std::u8string DecisionSession::title() const {
  return kTitlePrefix + (has_decision_ ? file_name_.u8string() : kNoDecisionTitle);
}

std::vector<std::string> DecisionSession::insert_positions() const {
  const int count = decision_.deci_count;
  if (count >= kMaxAlternatives) return {kAlternativesFull};
  std::vector<std::string> entries;
  for (int i = 1; i <= count; ++i) entries.push_back(with_number(kInsertBefore, i));
  entries.push_back(with_number(kInsertAfter, count));
  return entries;
}

std::vector<std::string> DecisionSession::delete_positions() const {
  const int count = decision_.deci_count;
  if (count < kMinAlternatives) return {kCannotDelete};
  std::vector<std::string> entries;
  for (int i = 1; i <= count; ++i) entries.push_back(alternative_label(i));
  return entries;
}

int DecisionSession::start_blank(int count, const kit::LocalTime& now) {
  if (count < kMinAlternatives || count > kMaxAlternatives) return kBadPosition;
  reset_decision(decision_);
  decision_.deci_count = count;
  for (int i = 1; i <= kLastSlot; ++i) reset_alternative(decision_.alternatives[static_cast<std::size_t>(i)]);
  file_name_ = new_decision_name(now);
  has_decision_ = true;
  started(true);
  return kShapeOk;
}

int DecisionSession::start_from_case(std::string_view case_text, std::string_view case_name) {
  const int result = read_decision_text(decision_, case_text);
  if (result != kDecOk) return result;
  file_name_ = kit::path_from_gbk(case_name);
  has_decision_ = true;
  started(true);
  return kDecOk;
}

int DecisionSession::open(const std::filesystem::path& path) {
  Decision opened = decision_;
  const int result = load_decision_file(opened, path);
  if (result != kDecOk) return result;
  decision_ = opened;
  file_name_ = path.filename();
  has_decision_ = true;
  started(true);
  return kDecOk;
}

int DecisionSession::save(const std::filesystem::path& path) {
  const int result = save_decision_file(decision_, path);
  if (result != kDecOk) return result;
  file_name_ = path.filename();
  saved_text_ = text_;
  keep_recovery_file();
  return kDecOk;
}

int DecisionSession::insert_at(int pos) {
  const int result = insert_alternative(decision_, pos);
  if (result == kShapeOk) changed();
  return result;
}

int DecisionSession::delete_at(int pos) {
  const int result = delete_alternative(decision_, pos);
  if (result == kShapeOk) changed();
  return result;
}

int DecisionSession::accept_alternative(int index, const Alternative& alternative) {
  if (index < 1 || index > decision_.deci_count) return kBadPosition;
  decision_.alternatives[static_cast<std::size_t>(index)] = alternative;
  changed();
  return kShapeOk;
}

void DecisionSession::set_background(std::string_view text) {
  decision_.background = text.empty() ? kBackgroundFallback : text;
  changed();
}

void DecisionSession::set_record(std::string_view text) {
  decision_.finish_str = text.empty() ? kRecordFallback : text;
  changed();
}

void DecisionSession::finish_wizard_revision(const Decision& revised) {
  decision_ = revised;
  changed();
}

// The wizard's work is a new decision not saved yet.
void DecisionSession::finish_wizard_new(const Decision& made, const kit::LocalTime& now) {
  decision_ = made;
  file_name_ = new_decision_name(now);
  has_decision_ = true;
  started(false);
}

int DecisionSession::set_method(int method) {
  if (method < ByEvaluation || method > ByUtility) return kBadPosition;
  decision_.base_of = method;
  changed();
  return kShapeOk;
}

bool DecisionSession::undo() {
  if (undo_.empty()) return false;
  redo_.push_back(decision_);
  decision_ = undo_.back();
  undo_.pop_back();
  walked();
  return true;
}

bool DecisionSession::redo() {
  if (redo_.empty()) return false;
  undo_.push_back(decision_);
  decision_ = redo_.back();
  redo_.pop_back();
  walked();
  return true;
}

bool DecisionSession::find_left_over(std::filesystem::path& file_name) {
  if (!recovery_ || !recovery_->take_left_over(left_over_, left_over_name_)) return false;
  file_name = left_over_name_;
  return true;
}

void DecisionSession::restore_left_over() {
  decision_ = left_over_;
  file_name_ = left_over_name_;
  has_decision_ = true;
  started(false);
}

void DecisionSession::discard_left_over() {
  if (recovery_) recovery_->remove();
}

void DecisionSession::end_run() {
  if (recovery_) recovery_->end();
  recovery_ = nullptr;
}

// A change that leaves the text as it was (a kept panel that changed nothing) is no
// step of the history.
void DecisionSession::changed() {
  compute_totals(decision_);
  hints_ = compute_ranking(decision_);
  std::string text = write_decision_text(decision_);
  if (text == text_) return;
  undo_.push_back(last_);
  if (undo_.size() > kUndoSteps) undo_.pop_front();
  redo_.clear();
  last_ = decision_;
  text_ = std::move(text);
  keep_recovery_file();
}

void DecisionSession::started(bool saved) {
  undo_.clear();
  redo_.clear();
  settle();
  saved_text_ = saved ? text_ : std::string();
  keep_recovery_file();
}

void DecisionSession::walked() {
  settle();
  keep_recovery_file();
}

void DecisionSession::settle() {
  compute_totals(decision_);
  hints_ = compute_ranking(decision_);
  text_ = write_decision_text(decision_);
  last_ = decision_;
}

// The recovery file exists exactly while there are unsaved changes.
void DecisionSession::keep_recovery_file() {
  if (!recovery_) return;
  if (modified())
    recovery_->write(file_name_, text_);
  else
    recovery_->remove();
}

}  // namespace decision
