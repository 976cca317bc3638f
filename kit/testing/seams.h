// Test support: the recording seams.  While one of these guards lives, the kit's message
// box, its file dialogs, or its program starts, shell opens, registry reads and recent
// documents go to the guard, which records them and gives the answers a test set, instead of reaching the
// platform.
#pragma once

#include <windows.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "kit/file_dialog.h"
#include "kit/launch.h"
#include "kit/message_box.h"
#include "kit/text/wide.h"

namespace kit::testing {

struct ShownMessage {
  HWND owner;
  std::string text;  // GBK, as the programs' texts are
  std::string caption;
  UINT flags;
  std::u8string exact_text;  // as shown, with any character GBK lacks
};

// Records every show_message instead of showing a box.  The n-th box gets answers[n]
// (IDYES, IDNO, IDCANCEL for a question) while there is one, every later box answer.
class RecordedMessages {
 public:
  RecordedMessages() {
    current_ = this;
    previous_ = set_message_seam(record);
  }
  ~RecordedMessages() { remove(); }
  RecordedMessages(const RecordedMessages&) = delete;
  RecordedMessages& operator=(const RecordedMessages&) = delete;

  // Puts the seam that was there back now (before the guard goes).
  void remove() {
    if (current_ != this) return;
    set_message_seam(previous_);
    current_ = nullptr;
  }

  std::vector<ShownMessage> shown;
  std::vector<int> answers;
  int answer = IDOK;

 private:
  static int record(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags) {
    RecordedMessages& self = *current_;
    self.shown.push_back({owner, to_gbk(text), to_gbk(caption), flags, to_u8(text)});
    if (self.shown.size() > self.answers.size()) return self.answer;
    return self.answers[self.shown.size() - 1];
  }

  static inline RecordedMessages* current_ = nullptr;
  MessageSeam previous_ = nullptr;
};

// Answers the open and save dialogs: records what the last one was asked, and answers
// with answer, or cancels while answer is empty.
class RecordedFileDialogs {
 public:
  RecordedFileDialogs() {
    current_ = this;
    previous_ = set_file_dialog_seam(record);
  }
  ~RecordedFileDialogs() { remove(); }
  RecordedFileDialogs(const RecordedFileDialogs&) = delete;
  RecordedFileDialogs& operator=(const RecordedFileDialogs&) = delete;

  void remove() {
    if (current_ != this) return;
    set_file_dialog_seam(previous_);
    current_ = nullptr;
  }

  std::filesystem::path answer;
  int calls = 0;
  FileDialogKind kind{};
  std::string filter, extension;
  std::filesystem::path proposed;

 private:
  static bool record(HWND, FileDialogKind kind, const FileDialogRequest& request, std::filesystem::path& path) {
    RecordedFileDialogs& self = *current_;
    ++self.calls;
    self.kind = kind;
    self.filter = request.filter;
    self.extension = request.default_extension;
    self.proposed = request.proposed_name;
    if (self.answer.empty()) return false;
    path = self.answer;
    return true;
  }

  static inline RecordedFileDialogs* current_ = nullptr;
  FileDialogSeam previous_ = nullptr;
};

// One program start or shell open: its command line or target, and show command.
struct LaunchCall {
  std::string text;  // GBK
  int show_command;
  std::filesystem::path target{};  // a shell open's target as given, with any character
};

// Records program starts, shell opens and recent documents, and answers registry reads
// from a table.
class RecordedLaunches {
 public:
  RecordedLaunches() {
    current_ = this;
    LaunchSeam seam;
    seam.start_program_command = record_start;
    seam.shell_open = record_open;
    seam.read_registry_default = read_classes_root;
    seam.show_html_help = record_help;
    seam.add_recent_document = record_recent;
    previous_ = set_launch_seam(seam);
  }
  ~RecordedLaunches() { remove(); }
  RecordedLaunches(const RecordedLaunches&) = delete;
  RecordedLaunches& operator=(const RecordedLaunches&) = delete;

  void remove() {
    if (current_ != this) return;
    set_launch_seam(previous_);
    current_ = nullptr;
  }

  std::vector<LaunchCall> starts;
  std::vector<LaunchCall> opens;
  std::vector<std::filesystem::path> help_files;
  std::vector<std::filesystem::path> recent_documents;
  bool help_answer = true;
  int start_answer = kProgramStarted;
  int open_answer = kShellSuccessAbove + 1;
  // Sub-key of HKEY_CLASSES_ROOT -> its default value; other keys are missing.
  std::map<std::string, std::string> classes_root;

 private:
  static int record_start(std::string_view command_line, int show_command) {
    current_->starts.push_back({std::string(command_line), show_command});
    return current_->start_answer;
  }
  static int record_open(std::wstring_view target, int show_command) {
    current_->opens.push_back({to_gbk(target), show_command, std::filesystem::path(target)});
    return current_->open_answer;
  }
  static bool record_help(const std::filesystem::path& chm_path) {
    current_->help_files.push_back(chm_path);
    return current_->help_answer;
  }
  static void record_recent(const std::filesystem::path& file) { current_->recent_documents.push_back(file); }
  static long read_classes_root(HKEY root, std::string_view sub_key, std::string& value) {
    if (root != HKEY_CLASSES_ROOT) return ERROR_FILE_NOT_FOUND;
    const auto found = current_->classes_root.find(std::string(sub_key));
    if (found == current_->classes_root.end()) return ERROR_FILE_NOT_FOUND;
    value = found->second;
    return ERROR_SUCCESS;
  }

  static inline RecordedLaunches* current_ = nullptr;
  LaunchSeam previous_;
};

}  // namespace kit::testing
