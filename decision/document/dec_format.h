// The ".dec" decision file: GBK text of key records, each closed by the separator
// "〓", every byte XORed with one mask on disk.  Writing, reading (into a checked copy
// first), the scrambling and the file access around them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "decision/document/decision.h"

namespace decision {

inline constexpr char kRecordSeparator[] = "\xA1\xFE";     // 〓
inline constexpr char kSeparatorStandIn[] = "\xA3\xBD";    // ＝ stored for a 〓 typed into a text
constexpr unsigned char kDecMask = 0x5C;

// Decision files are small; anything larger is not one of ours.
constexpr std::size_t kMaxDecFileBytes = 1024 * 1024;

enum DecResult : int {
  kDecOk = 0,
  kDecFileMissing = 1,       // cannot be opened: kDecFileMissingText
  kDecFileCorrupt = 2,       // too large or unreadable: kDecFileCorruptText
  kDecSaveFailed = 3,        // kDecSaveFailedText; the old file is untouched
  // The text does not make a sound decision (also shown as kDecFileCorruptText):
  kDecMissingRecord = 4,     // a record the reader looks for is not there
  kDecBadNumber = 5,         // a number record that is not a decimal integer
  kDecOutOfRange = 6,        // a count, probability, value or base_of out of its range
  kDecFileUnreadable = 7,    // there, but held by another program or not ours to read
};

inline constexpr char kDecFileMissingText[] = "文件不存在！";
inline constexpr char kDecFileMissingCaption[] = "择优宝";
inline constexpr char kDecFileUnreadableText[] = "该文件正被其他程序使用或无权读取，无法打开。";
inline constexpr char kDecFileCorruptText[] = "决策文件已损坏或格式不正确，无法打开。";
inline constexpr char kDecFileCorruptCaption[] = "无法打开决策文件";
inline constexpr char kDecSaveFailedText[] = "无法保存决策文件，原有文件未被改动。";
inline constexpr char kDecSaveFailedCaption[] = "保存失败";

struct DecMessage {
  const char* text = nullptr;  // nullptr for kDecOk
  const char* caption = nullptr;
};

// The message box the window shows for a result code.
DecMessage dec_message(int code);

// The text of the decision: background, finish_str, deci_count, then per alternative
// deci_str, result_count, result_str, result_prob, result_value, then base_of.
// A "〓" inside a text is stored as "＝", so every record stays whole.
std::string write_decision_text(const Decision& decision);

// Parses text into a copy of decision (slots the text does not mention keep their
// content), checks it, and only then makes the copy the decision.  A key counts only
// at the start of a record.  On failure (kDecMissingRecord, kDecBadNumber,
// kDecOutOfRange) decision is untouched.  The rank indices are not touched.
int read_decision_text(Decision& decision, std::string_view text);

// XORs every byte with kDecMask; the same call scrambles and unscrambles.
void scramble_bytes(std::string& bytes);

// Writes the scrambled text to path, replacing the old file in one step.
// kDecOk or kDecSaveFailed (the old file is then as it was).
int save_decision_file(const Decision& decision, const std::filesystem::path& path);

// Reads the whole file, unscrambles it and reads it into decision.  kDecOk,
// kDecFileMissing, kDecFileUnreadable, kDecFileCorrupt or a reader code; decision is
// untouched on failure.
int load_decision_file(Decision& decision, const std::filesystem::path& path);

// A case file of the case library: the whole file unscrambled into text, with the
// limits of load_decision_file, up to the first byte that unscrambles to zero.
// kDecOk, kDecFileMissing, kDecFileUnreadable or kDecFileCorrupt.
int read_case_file(const std::filesystem::path& path, std::string& text);

}  // namespace decision
