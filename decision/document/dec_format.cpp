#include "decision/document/dec_format.h"

#include <algorithm>
#include <vector>

#include "kit/text/file_io.h"
#include "kit/text/gbk.h"

namespace decision {

namespace {

constexpr std::string_view kSeparator{kRecordSeparator, 2};    // 〓
constexpr std::string_view kStandIn{kSeparatorStandIn, 2};     // ＝

constexpr std::string_view kKeyBackground = "background=";
// The writer puts two spaces between the background's separator and this key.
constexpr std::string_view kKeyFinish = "  finish_str=";
constexpr std::string_view kKeyDeciCount = "deci_count=";
constexpr std::string_view kKeyDeciStr = "deci_str=";
constexpr std::string_view kKeyResultCount = "result_count=";
constexpr std::string_view kKeyResultStr = "result_str=";
constexpr std::string_view kKeyResultProb = "result_prob=";
constexpr std::string_view kKeyResultValue = "result_value=";
constexpr std::string_view kKeyBaseOf = "base_of=";

// A text value, character by character: a "〓" becomes "＝" so it cannot close the
// record early, and a lead byte left without its trail byte at the very end is
// dropped, since it would pair with the first byte of the separator that follows.
void append_text_value(std::string& out, std::string_view value) {
  for (std::size_t pos = 0; pos < value.size();) {
    std::size_t step = kit::gbk_char_length(value, pos);
    std::string_view ch = value.substr(pos, step);
    if (ch == kSeparator) {
      out += kStandIn;
    } else if (!(step == 1 && kit::is_gbk_lead_byte(static_cast<unsigned char>(ch[0])))) {
      out += ch;
    }
    pos += step;
  }
}

void append_text_record(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  append_text_value(out, value);
  out += kSeparator;
}

void append_number_record(std::string& out, std::string_view key, int value) {
  out += key;
  out += std::to_string(value);
  out += kSeparator;
}

// The records of a text, each without its separator.  Bytes after the last separator
// are an unfinished record and do not count.  The separator is searched character by
// character, so half of a double-byte character never ends a record.
std::vector<std::string_view> split_records(std::string_view text) {
  std::vector<std::string_view> records;
  std::size_t pos = 0;
  for (;;) {
    std::size_t sep = kit::gbk_find(text, kSeparator, pos);
    if (sep == std::string_view::npos) break;
    records.push_back(text.substr(pos, sep - pos));
    pos = sep + kSeparator.size();
  }
  return records;
}

// "%d" as the writer puts it: an optional minus sign and a few digits.  Longer digit
// runs cannot be in range anyway and are refused before they could overflow.
bool parse_number(std::string_view value, int& out) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < value.size() && value[pos] == '-') {
    negative = true;
    ++pos;
  }
  std::size_t digits = value.size() - pos;
  if (digits < 1 || digits > 4) return false;
  int n = 0;
  for (; pos < value.size(); ++pos) {
    char c = value[pos];
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  out = negative ? -n : n;
  return true;
}

// Finds records by key over one split text.  Records 1, 2, 3 and 9 are looked up
// anywhere; the repeated records 4 to 8 in the writer's order, through one cursor.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : records_(split_records(text)) {}

  int error() const { return error_; }

  // The first record with key; the cursor moves past it when move_cursor is set.
  bool find_anywhere(std::string_view key, std::string_view& value, bool move_cursor = false) {
    return find_from(0, key, value, move_cursor);
  }

  // The next record with key at or after the cursor; the cursor moves past it.
  bool find_next(std::string_view key, std::string_view& value) { return find_from(cursor_, key, value, true); }

  bool number_anywhere(std::string_view key, int low, int high, int& out) {
    std::string_view value;
    return find_anywhere(key, value) && check_number(value, low, high, out);
  }

  bool number_next(std::string_view key, int low, int high, int& out) {
    std::string_view value;
    return find_next(key, value) && check_number(value, low, high, out);
  }

 private:
  bool find_from(std::size_t from, std::string_view key, std::string_view& value, bool move_cursor) {
    if (error_ != kDecOk) return false;
    for (std::size_t i = from; i < records_.size(); ++i) {
      if (records_[i].substr(0, key.size()) == key) {
        value = records_[i].substr(key.size());
        if (move_cursor) cursor_ = i + 1;
        return true;
      }
    }
    error_ = kDecMissingRecord;
    return false;
  }

  bool check_number(std::string_view value, int low, int high, int& out) {
    int n = 0;
    if (!parse_number(value, n)) {
      error_ = kDecBadNumber;
      return false;
    }
    if (n < low || n > high) {
      error_ = kDecOutOfRange;
      return false;
    }
    out = n;
    return true;
  }

  std::vector<std::string_view> records_;
  std::size_t cursor_ = 0;
  int error_ = kDecOk;
};

// Fills work from the records; false at the first record missing or out of range,
// with the reason in reader.error().
bool parse_into(Decision& work, RecordReader& reader) {
  std::string_view value;

  if (!reader.find_anywhere(kKeyBackground, value)) return false;
  work.background.assign(value);
  // The repeated records follow the execution record.
  if (!reader.find_anywhere(kKeyFinish, value, true)) return false;
  work.finish_str.assign(value);

  int count = 0;
  if (!reader.number_anywhere(kKeyDeciCount, 1, kMaxAlternatives, count)) return false;
  work.deci_count = count;

  for (int i = 1; i <= count; ++i) {
    if (!reader.find_next(kKeyDeciStr, value)) return false;
    work.alternatives[i].deci_str.assign(value);
  }
  for (int i = 1; i <= count; ++i) {
    if (!reader.number_next(kKeyResultCount, 0, kMaxResults, work.alternatives[i].result_count))
      return false;
  }
  for (int i = 1; i <= count; ++i) {
    Alternative& alternative = work.alternatives[i];
    for (int k = 1; k <= alternative.result_count; ++k) {
      if (!reader.find_next(kKeyResultStr, value)) return false;
      alternative.result_str[k].assign(value);
    }
  }
  for (int i = 1; i <= count; ++i) {
    Alternative& alternative = work.alternatives[i];
    for (int k = 1; k <= alternative.result_count; ++k)
      if (!reader.number_next(kKeyResultProb, kMinProbability, kMaxProbability, alternative.result_prob[k]))
        return false;
  }
  for (int i = 1; i <= count; ++i) {
    Alternative& alternative = work.alternatives[i];
    for (int k = 1; k <= alternative.result_count; ++k)
      if (!reader.number_next(kKeyResultValue, kMinValue, kMaxValue, alternative.result_value[k]))
        return false;
  }
  if (!reader.number_anywhere(kKeyBaseOf, ByEvaluation, ByUtility, work.base_of))
    return false;
  return true;
}

}  // namespace

DecMessage dec_message(int code) {
  switch (code) {
    case kDecOk:
      return {};
    case kDecFileMissing:
      return {kDecFileMissingText, kDecFileMissingCaption};
    case kDecFileUnreadable:
      return {kDecFileUnreadableText, kDecFileMissingCaption};
    case kDecSaveFailed:
      return {kDecSaveFailedText, kDecSaveFailedCaption};
    default:
      return {kDecFileCorruptText, kDecFileCorruptCaption};
  }
}

std::string write_decision_text(const Decision& decision) {
  // Loop bounds stay inside the arrays whatever the record holds.
  int count = std::min(std::max(decision.deci_count, 0), kLastSlot);
  auto results = [](const Alternative& a) { return std::min(std::max(a.result_count, 0), kLastSlot); };

  std::string out;
  append_text_record(out, kKeyBackground, decision.background);
  append_text_record(out, kKeyFinish, decision.finish_str);
  append_number_record(out, kKeyDeciCount, decision.deci_count);
  for (int i = 1; i <= count; ++i) append_text_record(out, kKeyDeciStr, decision.alternatives[i].deci_str);
  for (int i = 1; i <= count; ++i)
    append_number_record(out, kKeyResultCount, decision.alternatives[i].result_count);
  for (int i = 1; i <= count; ++i) {
    const Alternative& a = decision.alternatives[i];
    for (int k = 1; k <= results(a); ++k) append_text_record(out, kKeyResultStr, a.result_str[k]);
  }
  for (int i = 1; i <= count; ++i) {
    const Alternative& a = decision.alternatives[i];
    for (int k = 1; k <= results(a); ++k) append_number_record(out, kKeyResultProb, a.result_prob[k]);
  }
  for (int i = 1; i <= count; ++i) {
    const Alternative& a = decision.alternatives[i];
    for (int k = 1; k <= results(a); ++k) append_number_record(out, kKeyResultValue, a.result_value[k]);
  }
  append_number_record(out, kKeyBaseOf, decision.base_of);
  return out;
}

int read_decision_text(Decision& decision, std::string_view text) {
  Decision work = decision;
  RecordReader reader(text);
  if (!parse_into(work, reader)) return reader.error();
  decision = std::move(work);
  return kDecOk;
}

void scramble_bytes(std::string& bytes) {
  for (char& b : bytes) b = static_cast<char>(static_cast<unsigned char>(b) ^ kDecMask);
}

int save_decision_file(const Decision& decision, const std::filesystem::path& path) {
  std::string bytes = write_decision_text(decision);
  scramble_bytes(bytes);
  return kit::replace_path_bytes(path, bytes) == kit::kFileOk ? kDecOk : kDecSaveFailed;
}

namespace {

// The whole file, unscrambled.  kDecOk, kDecFileMissing, kDecFileUnreadable or
// kDecFileCorrupt (text empty).
int read_unscrambled(const std::filesystem::path& path, std::string& text) {
  text.clear();
  int result = kit::read_path_bytes(path, text, kMaxDecFileBytes);
  if (result == kit::kFileCannotOpen) return kDecFileMissing;
  if (result == kit::kFileUnreadable) return kDecFileUnreadable;
  if (result != kit::kFileOk) {
    text.clear();
    return kDecFileCorrupt;
  }
  scramble_bytes(text);
  return kDecOk;
}

}  // namespace

int read_case_file(const std::filesystem::path& path, std::string& text) {
  const int result = read_unscrambled(path, text);
  // The case text is a C string to the windows it goes to: it ends at the first byte
  // that unscrambles to zero.
  if (result == kDecOk) text.resize(std::min(text.find('\0'), text.size()));
  return result;
}

int load_decision_file(Decision& decision, const std::filesystem::path& path) {
  std::string text;
  int result = read_unscrambled(path, text);
  if (result != kDecOk) return result;
  return read_decision_text(decision, text);
}

}  // namespace decision
