// Reading a case source and turning it into a decision record.
#include "case_source.h"

#include <charconv>
#include <optional>

#include "decision/document/case_directory.h"
#include "decision/document/dec_format.h"
#include "host_text.h"
#include "kit/text/gbk.h"

namespace case_writer {

namespace {

enum class Field { kNone, kTitle, kMethod, kBackground, kFinish, kAlternative, kResult };

struct Key {
  std::string_view name;
  Field field;
};

constexpr Key kKeys[] = {
    {"title:", Field::kTitle},           {"method:", Field::kMethod},
    {"background:", Field::kBackground}, {"finish:", Field::kFinish},
    {"alternative:", Field::kAlternative}, {"result:", Field::kResult},
};

std::string_view trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

std::string line_message(int line, std::string_view what) {
  return "line " + std::to_string(line) + ": " + std::string(what);
}

// A whole decimal integer with an optional sign, nothing else.
std::optional<int> parse_int(std::string_view s) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

// The next blank-separated word of s, removed from s.
std::string_view take_word(std::string_view& s) {
  s = trim(s);
  const std::size_t end = s.find_first_of(" \t");
  const std::string_view word = s.substr(0, end);
  s = end == std::string_view::npos ? std::string_view() : trim(s.substr(end));
  return word;
}

// "<probability> <value> <text>".
bool parse_result(std::string_view rest, int line, SourceResult& result, std::string& error) {
  const std::optional<int> probability = parse_int(take_word(rest));
  const std::optional<int> value = parse_int(take_word(rest));
  if (!probability || !value) {
    error = line_message(line, "a result reads \"result: <probability 0..10> <value -10..10> <text>\"");
    return false;
  }
  if (*probability < decision::kMinProbability || *probability > decision::kMaxProbability) {
    error = line_message(line, "probability " + std::to_string(*probability) + " is outside 0..10");
    return false;
  }
  if (*value < decision::kMinValue || *value > decision::kMaxValue) {
    error = line_message(line, "value " + std::to_string(*value) + " is outside -10..10");
    return false;
  }
  if (rest.empty()) {
    error = line_message(line, "the result has no text");
    return false;
  }
  result = {std::string(rest), *probability, *value};
  return true;
}

// The lines of a multi-line text joined with CR LF, blank lines at either end dropped.
std::string join_text(const std::vector<std::string_view>& lines) {
  std::size_t first = 0;
  std::size_t last = lines.size();
  while (first < last && trim(lines[first]).empty()) ++first;
  while (last > first && trim(lines[last - 1]).empty()) --last;
  std::string text;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) text += "\r\n";
    std::string_view line = lines[i];
    line = line.substr(0, line.find_last_not_of(" \t") + 1);
    text += line;
  }
  return text;
}

bool check_counts(const CaseSource& source, std::string& error) {
  const auto count = static_cast<int>(source.alternatives.size());
  if (count < kMinCaseAlternatives || count > kMaxCaseAlternatives) {
    error = "the case has " + std::to_string(count) + " alternatives; it needs " +
            std::to_string(kMinCaseAlternatives) + " to " + std::to_string(kMaxCaseAlternatives);
    return false;
  }
  for (std::size_t i = 0; i < source.alternatives.size(); ++i) {
    const auto results = static_cast<int>(source.alternatives[i].results.size());
    if (results < kMinCaseResults || results > kMaxCaseResults) {
      error = "alternative " + std::to_string(i + 1) + " has " + std::to_string(results) +
              " results; it needs " + std::to_string(kMinCaseResults) + " to " +
              std::to_string(kMaxCaseResults);
      return false;
    }
  }
  return true;
}

}  // namespace

bool parse_case_source(std::string_view text, CaseSource& source, std::string& error) {
  source = CaseSource();
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark

  Field open_text = Field::kNone;  // background or finish while its lines are read
  std::vector<std::string_view> text_lines;
  bool seen[7] = {};
  auto close_text = [&] {
    if (open_text == Field::kBackground) source.background = join_text(text_lines);
    if (open_text == Field::kFinish) source.finish = join_text(text_lines);
    open_text = Field::kNone;
    text_lines.clear();
  };

  int line_number = 0;
  for (std::size_t pos = 0; pos <= text.size();) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (line.ends_with('\r')) line.remove_suffix(1);
    pos = end + 1;
    ++line_number;
    if (line.starts_with('#')) continue;

    const Key* key = nullptr;
    for (const Key& k : kKeys) {
      if (line.starts_with(k.name)) key = &k;
    }
    if (!key) {
      if (open_text != Field::kNone) {
        text_lines.push_back(line);
      } else if (!trim(line).empty()) {
        error = line_message(line_number, "text outside a field (a field line starts with a key such as "
                                          "\"result:\")");
        return false;
      }
      continue;
    }

    close_text();
    const std::string_view rest = trim(line.substr(key->name.size()));
    const bool once = key->field != Field::kAlternative && key->field != Field::kResult;
    if (once && seen[static_cast<int>(key->field)]) {
      error = line_message(line_number, std::string(key->name) + " is given twice");
      return false;
    }
    seen[static_cast<int>(key->field)] = true;

    switch (key->field) {
      case Field::kTitle:
        source.title = rest;
        break;
      case Field::kMethod: {
        const std::optional<int> method = parse_int(rest);
        if (!method || *method < decision::ByEvaluation || *method > decision::ByUtility) {
          error = line_message(line_number, "the method is 1 (evaluation), 2 (likes) or 3 (utility)");
          return false;
        }
        source.method = *method;
        break;
      }
      case Field::kBackground:
      case Field::kFinish:
        open_text = key->field;
        if (!rest.empty()) text_lines.push_back(rest);
        break;
      case Field::kAlternative:
        if (rest.empty()) {
          error = line_message(line_number, "the alternative has no description");
          return false;
        }
        source.alternatives.push_back({std::string(rest), {}});
        break;
      case Field::kResult: {
        if (source.alternatives.empty()) {
          error = line_message(line_number, "a result before the first alternative");
          return false;
        }
        SourceResult result;
        if (!parse_result(rest, line_number, result, error)) return false;
        source.alternatives.back().results.push_back(std::move(result));
        break;
      }
      case Field::kNone:
        break;
    }
  }
  close_text();

  if (source.title.empty()) {
    error = "the case has no title";
    return false;
  }
  if (source.method == 0) {
    error = "the case has no method";
    return false;
  }
  if (source.background.empty() || source.finish.empty()) {
    error = source.background.empty() ? "the case has no background" : "the case has no finish text";
    return false;
  }
  return check_counts(source, error);
}

bool make_case_decision(const CaseSource& source, decision::Decision& decision, std::string& title_gbk,
                        std::string& error) {
  // One text into GBK, checked for what the format and the windows need.
  auto convert = [&error](std::string_view what, const std::string& utf8, std::size_t limit,
                          std::string& gbk) {
    if (!utf8_to_gbk(utf8, gbk)) {
      error = std::string(what) + " \"" + utf8 + "\" is not UTF-8 text that GBK can hold";
      return false;
    }
    if (kit::gbk_find(gbk, decision::kRecordSeparator) != std::string::npos) {
      error = std::string(what) + " \"" + utf8 + "\" holds the record separator";
      return false;
    }
    if (gbk == decision::kPlaceholderText) {
      error = std::string(what) + " is the unfilled placeholder";
      return false;
    }
    if (limit != 0 && gbk.size() > limit) {
      error = std::string(what) + " \"" + utf8 + "\" is " + std::to_string(gbk.size()) +
              " bytes in GBK; at most " + std::to_string(limit) + " fit";
      return false;
    }
    return true;
  };

  decision::reset_decision(decision);
  if (!convert("the title", source.title, 0, title_gbk)) return false;
  if (!decision::is_offerable_case_title(title_gbk)) {
    error = "the title \"" + source.title + "\" cannot name a case file";
    return false;
  }
  if (!convert("the background", source.background, 0, decision.background) ||
      !convert("the finish text", source.finish, 0, decision.finish_str)) {
    return false;
  }
  decision.base_of = source.method;
  decision.deci_count = static_cast<int>(source.alternatives.size());
  for (int i = 1; i <= decision.deci_count; ++i) {
    const SourceAlternative& from = source.alternatives[static_cast<std::size_t>(i - 1)];
    decision::Alternative& to = decision.alternatives[static_cast<std::size_t>(i)];
    if (!convert("the description", from.description, kMaxDescriptionBytes, to.deci_str)) return false;
    to.result_count = static_cast<int>(from.results.size());
    for (int k = 1; k <= to.result_count; ++k) {
      const SourceResult& result = from.results[static_cast<std::size_t>(k - 1)];
      const auto slot = static_cast<std::size_t>(k);
      if (!convert("the result", result.text, kMaxResultBytes, to.result_str[slot])) return false;
      to.result_prob[slot] = result.probability;
      to.result_value[slot] = result.value;
    }
  }
  return true;
}

}  // namespace case_writer
