// Feeds arbitrary bytes to the decision reader.  A refused text must leave the
// decision as it was; an accepted one must write a text that reads back to the very
// same text.  The evaluation and report texts run on what was read, to reach them
// with odd content too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "decision/document/dec_format.h"
#include "decision/document/decision.h"

namespace {

using decision::Decision;

const Decision& reset_template() {
  static const Decision decision = [] {
    Decision d;
    decision::reset_decision(d);
    return d;
  }();
  return decision;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace decision;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  Decision decision = reset_template();
  if (read_decision_text(decision, text) != kDecOk) {
    if (!(decision == reset_template())) std::abort();  // a refused text changed the decision
    return 0;
  }

  std::string written = write_decision_text(decision);
  Decision again = reset_template();
  if (read_decision_text(again, written) != kDecOk) std::abort();
  if (write_decision_text(again) != written) std::abort();

  compute_totals(decision);
  RankingHints hints = compute_ranking(decision);
  if (hints.too_close && (decision.best_index == 0 || decision.runner_up_index == 0)) std::abort();
  // A summary is its frame (6 + 8 bytes) around at most 28 bytes of the text.
  if (summary_text(decision.background).size() > 42 || summary_text(decision.finish_str).size() > 42) std::abort();
  for (int i = 1; i <= decision.deci_count; ++i) alternative_report_text(decision, i);
  return 0;
}
