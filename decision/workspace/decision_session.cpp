// DecisionSession: the main window's decision, its name and title, and the operations
// on them.
#include "decision/workspace/decision_session.h"

#include <cstdio>

#include "decision/document/dec_format.h"
#include "kit/text/gbk.h"

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

std::string new_decision_name(const kit::LocalTime& now) {
  char name[64];
  std::snprintf(name, sizeof name, "新决策(%d-%d %d：%d).dec", now.month, now.day, now.hour, now.minute);
  return name;
}

DecisionSession::DecisionSession() { reset_decision(decision_); }

std::string DecisionSession::title() const {
  return std::string(kTitlePrefix) + (has_decision_ ? file_name_ : kNoDecisionTitle);
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
  changed();
  return kShapeOk;
}

int DecisionSession::start_from_case(std::string_view case_text, std::string_view case_name) {
  const int result = read_decision_text(decision_, case_text);
  if (result != kDecOk) return result;
  file_name_ = std::string(case_name);
  has_decision_ = true;
  changed();
  return kDecOk;
}

int DecisionSession::open(std::string_view path) {
  Decision opened = decision_;
  const int result = load_decision_file(opened, path);
  if (result != kDecOk) return result;
  decision_ = opened;
  file_name_ = std::string(kit::bare_file_name(path));
  has_decision_ = true;
  changed();
  return kDecOk;
}

int DecisionSession::save(std::string_view path) {
  const int result = save_decision_file(decision_, path);
  if (result != kDecOk) return result;
  file_name_ = std::string(kit::bare_file_name(path));
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

void DecisionSession::finish_wizard_new(const Decision& made, const kit::LocalTime& now) {
  decision_ = made;
  file_name_ = new_decision_name(now);
  has_decision_ = true;
  changed();
}

void DecisionSession::changed() {
  compute_totals(decision_);
  hints_ = compute_ranking(decision_);
}

}  // namespace decision
