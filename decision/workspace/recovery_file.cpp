// RecoveryFile: writing, taking over and setting aside recovery files.
#include "decision/workspace/recovery_file.h"

#include <utility>
#include <vector>

#include "decision/document/dec_format.h"
#include "kit/text/file_io.h"
#include "kit/text/utf8.h"

namespace decision {

namespace {

namespace fs = std::filesystem;

constexpr char kPrefix[] = "recovery-";
constexpr char kUnsoundPrefix[] = "unsound-";
constexpr char kDecExtension[] = ".dec";
constexpr char kNameExtension[] = ".name";
constexpr char kLockExtension[] = ".lock";
// Written at every edit, which must not wait for the disk: each file is still replaced in
// one step, and the system writes it out within seconds.
constexpr bool kNoFlush = false;
// A file name is short; a longer name file is not one of ours.
constexpr std::size_t kMaxNameBytes = 4096;
// Marks a name file as UTF-8; an older run wrote GBK without it.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string name_file_bytes(const fs::path& name) {
  return std::string(kUtf8Mark) + std::string(kit::as_bytes(name.u8string()));
}

fs::path name_from_bytes(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return fs::path(kit::as_u8(bytes.substr(kUtf8Mark.size())));
  return kit::path_from_gbk(bytes);
}

// The run ids of the recovery files in folder.
std::vector<std::string> recovery_run_ids(const fs::path& folder) {
  std::vector<std::string> ids;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    const std::string_view prefix = kPrefix, extension = kDecExtension;
    if (name.size() > prefix.size() + extension.size() && name.starts_with(prefix) && name.ends_with(extension))
      ids.push_back(name.substr(prefix.size(), name.size() - prefix.size() - extension.size()));
  }
  return ids;
}

}  // namespace

RecoveryFile::RecoveryFile(fs::path folder, std::string run_id)
    : folder_(std::move(folder)), run_id_(std::move(run_id)) {
  decision_path_ = file_of(run_id_, kDecExtension);
  name_path_ = file_of(run_id_, kNameExtension);
}

fs::path RecoveryFile::file_of(std::string_view run_id, const char* extension) const {
  return folder_ / (std::string(kPrefix) + std::string(run_id) + extension);
}

bool RecoveryFile::start() { return !folder_.empty() && lock_.acquire(file_of(run_id_, kLockExtension)); }

// The name changes seldom: its file is written only when it does, before the decision,
// so that a decision on disk always has its name beside it.
bool RecoveryFile::write(const fs::path& file_name, std::string_view text) {
  if (!started()) return false;
  if (!name_written_ || written_name_ != file_name) {
    if (kit::replace_path_bytes(name_path_, name_file_bytes(file_name), kNoFlush) != kit::kFileOk) return false;
    written_name_ = file_name;
    name_written_ = true;
  }
  std::string bytes(text);
  scramble_bytes(bytes);
  return kit::replace_path_bytes(decision_path_, bytes, kNoFlush) == kit::kFileOk;
}

void RecoveryFile::remove() {
  std::error_code ignored;
  fs::remove(decision_path_, ignored);
  fs::remove(name_path_, ignored);
  name_written_ = false;
}

void RecoveryFile::end() {
  if (!started()) return;
  remove();
  lock_.release();
}

bool RecoveryFile::take_left_over(Decision& decision, fs::path& file_name) {
  if (!started()) return false;
  for (const std::string& id : recovery_run_ids(folder_)) {
    if (id == run_id_ || kit::lock_is_held(file_of(id, kLockExtension))) continue;
    // The rename is the claim: it fails when another run took the file first.
    std::error_code error;
    fs::rename(file_of(id, kDecExtension), decision_path_, error);
    if (error) continue;
    fs::rename(file_of(id, kNameExtension), name_path_, error);
    const bool named = !error;
    fs::remove(file_of(id, kLockExtension), error);  // left by a holder that kept no file lock

    std::string text;
    Decision read;
    reset_decision(read);
    bool sound = kit::read_path_bytes(decision_path_, text, kMaxDecFileBytes) == kit::kFileOk;
    if (sound) {
      scramble_bytes(text);
      sound = read_decision_text(read, text) == kDecOk;
    }
    if (!sound) {
      fs::rename(decision_path_, folder_ / (std::string(kUnsoundPrefix) + id + kDecExtension), error);
      fs::remove(name_path_, error);
      continue;
    }
    std::string name;
    const bool name_read = named && kit::read_path_bytes(name_path_, name, kMaxNameBytes) == kit::kFileOk;
    file_name = name_read ? name_from_bytes(name) : fs::path();
    if (file_name.empty()) file_name = kRecoveredName;
    decision = read;
    return true;
  }
  return false;
}

}  // namespace decision
