// One worked case of the case library as its readable source (decision/cases/*.case,
// UTF-8, line-based; the format is described in decision/cases/README.md), and its
// conversion into the decision record the program reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "decision/document/decision.h"

namespace case_writer {

// What a case keeps to, beyond the file format's own limits: a handful of alternatives
// and results reads at a glance, a description fits a grid cell of the main window
// (its report shows 30 bytes) and a result fits its row in the alternative panel.
constexpr int kMinCaseAlternatives = 2;
constexpr int kMaxCaseAlternatives = 6;
constexpr int kMinCaseResults = 2;
constexpr int kMaxCaseResults = 6;
constexpr std::size_t kMaxDescriptionBytes = 30;  // GBK bytes
constexpr std::size_t kMaxResultBytes = 24;       // GBK bytes

struct SourceResult {
  std::string text;  // UTF-8
  int probability = 0;
  int value = 0;
};

struct SourceAlternative {
  std::string description;  // UTF-8
  std::vector<SourceResult> results;
};

struct CaseSource {
  std::string title;       // UTF-8
  int method = 0;          // base_of, 1..3
  std::string background;  // UTF-8, lines joined by CR LF
  std::string finish;      // UTF-8, lines joined by CR LF
  std::vector<SourceAlternative> alternatives;
};

// Parses a source text.  On failure returns false and sets error to "line N: what is
// wrong" (or a message about the whole case when no single line is at fault).
bool parse_case_source(std::string_view text, CaseSource& source, std::string& error);

// Converts the texts to GBK and fills decision (reset first), with base_of, counts,
// probabilities and values.  Refuses a text GBK cannot hold, one that holds the record
// separator "〓" or is the unfilled placeholder, a description or result text longer
// than its limit, and a title that cannot name a case file.  title_gbk receives the
// title as the directory file holds it.
bool make_case_decision(const CaseSource& source, decision::Decision& decision, std::string& title_gbk,
                        std::string& error);

}  // namespace case_writer
