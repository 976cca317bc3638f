// RecoveryFile: this run's copy of the decision being edited, kept on disk so that a
// crash, a power cut or a killed process loses nothing.  Platform-free: the folder and
// the run id come from the program (the user's application data, the process id and
// start time), the tests give their own.
//
// In the folder, a run's files are "recovery-<run id>.dec" (the decision, scrambled as a
// .dec file), ".name" (its file name, GBK) and ".lock" (held while the run lives, see
// kit/text/run_lock.h).  A file whose lock is gone was left by a run that did not end;
// another run takes it by renaming it to its own name first, so two runs never share
// one.  A taken file that does not read as a sound decision is set aside under
// "unsound-<run id>.dec", never deleted unread.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "decision/document/decision.h"
#include "kit/text/run_lock.h"

namespace decision {

// A recovered decision whose name file is missing goes by this name.
inline constexpr char8_t kRecoveredName[] = u8"恢复的决策.dec";

class RecoveryFile {
 public:
  RecoveryFile(std::filesystem::path folder, std::string run_id);

  // Takes this run's lock; false (and nothing is ever written) when it cannot.
  bool start();
  bool started() const { return lock_.held(); }

  // Replaces this run's recovery file with text (a .dec text) under file_name, each file
  // in one step.  False when it could not be written.
  bool write(const std::filesystem::path& file_name, std::string_view text);
  // Removes this run's recovery file (the decision was saved or its changes undone).
  void remove();
  // The normal end of the run: the file goes, then the lock.
  void end();

  // Takes the next file left by a run that did not end as this run's own and reads it:
  // true with its decision and name; false when none is left.  Unsound files met on
  // the way are set aside.  Call before this run writes.
  bool take_left_over(Decision& decision, std::filesystem::path& file_name);

  const std::filesystem::path& decision_path() const { return decision_path_; }

 private:
  std::filesystem::path file_of(std::string_view run_id, const char* extension) const;

  std::filesystem::path folder_;
  std::string run_id_;
  std::filesystem::path decision_path_, name_path_;
  std::filesystem::path written_name_;
  bool name_written_ = false;
  kit::RunLock lock_;
};

}  // namespace decision
