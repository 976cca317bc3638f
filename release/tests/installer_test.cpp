// decision_setup.exe run silently the way a user's machine would run it: into a folder
// of its own under the temporary folder, then compared with the staged program folder it
// was built from; its shortcuts read back through the shell, its entry in the list of
// installed programs and its registration of ".dec" files read from the registry, a
// decision file opened through the shell; the uninstaller run as the list runs it.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "kit/handles.h"
#include "kit/testing/host_path.h"
#include "kit/testing/pixels.h"
#include "kit/testing/screenshot.h"
#include "kit/testing/test_folder.h"
#include "facelore/res/resource_ids.h"
#include "release/product.h"

namespace release {
namespace {

namespace fs = std::filesystem;
using kit::testing::raw_contents;
using kit::testing::write_raw;

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\decision";
constexpr wchar_t kClasses[] = L"Software\\Classes\\";
constexpr wchar_t kOpenCommand[] = L"\\shell\\open\\command";
constexpr wchar_t kMissing[] = L"<missing>";
constexpr wchar_t kProductName[] = L"" DECISION_PRODUCT_NAME;
constexpr DWORD kProcessTimeoutMs = 60000;

// Process, thread and job handles: closed with CloseHandle, null when missing.
using UniqueObject = kit::UniqueHandle<HANDLE, kit::FileHandleTraits>;

// Every file under folder, by its path relative to folder, with its size.
std::map<std::wstring, std::uintmax_t> files_under(const fs::path& folder) {
  std::map<std::wstring, std::uintmax_t> files;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(folder, error))
    if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).wstring()] = entry.file_size();
  return files;
}

fs::path known_folder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  fs::path result;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}

struct Shortcut {
  bool loaded = false;
  std::wstring target;
  std::wstring working_folder;
};

Shortcut read_shortcut(const fs::path& file) {
  Shortcut shortcut;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link))))
    return shortcut;
  IPersistFile* persist = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
    if (SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
      wchar_t text[MAX_PATH] = {};
      link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
      shortcut.target = text;
      text[0] = 0;
      link->GetWorkingDirectory(text, MAX_PATH);
      shortcut.working_folder = text;
      shortcut.loaded = true;
    }
    persist->Release();
  }
  link->Release();
  return shortcut;
}

// A text value of HKLM\\key (name null: its default value), or kMissing.
std::wstring machine_text(const std::wstring& key, const wchar_t* name = nullptr) {
  wchar_t text[1024] = {};
  DWORD size = sizeof(text);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
    return kMissing;
  return text;
}

std::wstring registry_text(const wchar_t* name) { return machine_text(kUninstallKey, name); }

bool machine_key_exists(const std::wstring& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

bool uninstall_entry_exists() { return machine_key_exists(kUninstallKey); }

// The program identifier ".dec" files are registered to, and a text under a class key.
std::wstring class_text(const std::wstring& key) { return machine_text(kClasses + key); }
std::wstring dec_prog_id() { return class_text(L".dec"); }

// Runs command_line and waits until it and every process it started have ended (the
// uninstaller copies itself to the temporary folder and runs the copy): the processes
// share a job.  Returns the first process's exit code, or -1.
int run_to_the_end(std::wstring command_line) {
  UniqueObject job(CreateJobObjectW(nullptr, nullptr));
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      nullptr, &startup, &process))
    return -1;
  UniqueObject process_handle(process.hProcess);
  UniqueObject thread_handle(process.hThread);
  AssignProcessToJobObject(job.get(), process.hProcess);
  ResumeThread(process.hThread);
  if (WaitForSingleObject(process.hProcess, kProcessTimeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD exit_code = 0;
  GetExitCodeProcess(process.hProcess, &exit_code);
  for (DWORD waited = 0; waited < kProcessTimeoutMs; waited += 50) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!QueryInformationJobObject(job.get(), JobObjectBasicAccountingInformation, &accounting,
                                   sizeof(accounting), nullptr) ||
        accounting.ActiveProcesses == 0)
      return static_cast<int>(exit_code);
    Sleep(50);
  }
  return -1;
}

// The first visible top-level window of process_id whose title holds title_part.
HWND visible_window_of(DWORD process_id, const std::wstring& title_part) {
  struct Search {
    DWORD process_id;
    const std::wstring& title_part;
    HWND found;
  } search{process_id, title_part, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        if (owner != search.process_id || !IsWindowVisible(window) ||
            std::wstring(title).find(search.title_part) == std::wstring::npos)
          return TRUE;
        search.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The visible top-level window, of any process but skip_process_id, whose title holds
// title_part, waited for.
HWND wait_for_window_titled(const std::wstring& title_part, DWORD skip_process_id) {
  for (DWORD waited = 0; waited < kProcessTimeoutMs; waited += 50) {
    HWND found = nullptr;
    for (HWND window = GetTopWindow(nullptr); window && !found; window = GetWindow(window, GW_HWNDNEXT)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      wchar_t title[256] = {};
      GetWindowTextW(window, title, 256);
      if (owner != skip_process_id && IsWindowVisible(window) &&
          std::wstring(title).find(title_part) != std::wstring::npos)
        found = window;
    }
    if (found) return found;
    Sleep(50);
  }
  return nullptr;
}

void end_process_of(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  UniqueObject process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process_id));
  if (!process) return;
  TerminateProcess(process.get(), 1);
  WaitForSingleObject(process.get(), kProcessTimeoutMs);
}

// A program started as a shortcut starts it: in a given working folder, shown normally.
// Closed (or, failing that, ended) when the holder goes.
class StartedProgram {
 public:
  StartedProgram(const fs::path& program, const fs::path& working_folder) {
    std::wstring command_line = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        working_folder.c_str(), &startup, &process))
      return;
    process_.reset(process.hProcess);
    CloseHandle(process.hThread);
    id_ = process.dwProcessId;
  }
  // A process another call started (its handle, now the holder's).
  explicit StartedProgram(HANDLE process) : process_(process), id_(GetProcessId(process)) {}
  ~StartedProgram() {
    if (!process_) return;
    if (HWND window = visible_window_of(id_, L"")) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), kProcessTimeoutMs);
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  DWORD id() const { return id_; }
  // Its main window once shown, waited for; null when it never shows one.
  HWND window(const std::wstring& title_part) const {
    for (DWORD waited = 0; process_ && waited < kProcessTimeoutMs; waited += 50) {
      if (HWND found = visible_window_of(id_, title_part)) return found;
      if (WaitForSingleObject(process_.get(), 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }
  // Closes window as its close box does; true when the process then ends.
  bool closes(HWND window) const {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_.get(), kProcessTimeoutMs) == WAIT_OBJECT_0;
  }

 private:
  UniqueObject process_;
  DWORD id_ = 0;
};

class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    stage_ = kit::testing::host_path(DECISION_INSTALLER_STAGE);
    setup_ = kit::testing::host_path(DECISION_SETUP_EXE);
    // A name with a space and Chinese characters, as "Program Files\择优宝" has.
    folder_ = fs::temp_directory_path() / L"installer test" / kProductName;
    fs::remove_all(folder_.parent_path());
    start_menu_ = known_folder(FOLDERID_CommonPrograms) / kProductName;
    desktop_shortcut_ = known_folder(FOLDERID_PublicDesktop) / (std::wstring(kProductName) + L".lnk");
  }
  void TearDown() override {
    if (fs::exists(folder_ / L"uninstall.exe")) uninstall();
    std::error_code ignored;
    fs::remove_all(folder_.parent_path(), ignored);
    CoUninitialize();
  }

  // The folder goes last on the command line and unquoted: the installer takes the rest.
  int install() { return run_to_the_end(L"\"" + setup_.wstring() + L"\" /S /D=" + folder_.wstring()); }
  int uninstall() { return run_to_the_end(L"\"" + (folder_ / L"uninstall.exe").wstring() + L"\" /S"); }

  fs::path stage_;
  fs::path setup_;
  fs::path folder_;
  fs::path start_menu_;
  fs::path desktop_shortcut_;
};

TEST_F(Installer, InstallsEveryFileOfTheProgramFolderWithShortcutsAndAnUninstallEntry) {
  const auto staged = files_under(stage_);
  ASSERT_GT(staged.size(), 10u) << "nothing staged in " << stage_;
  ASSERT_TRUE(staged.count(L"decision.exe") && staged.count(L"help.chm") && staged.count(L"gr.gr"));
  ASSERT_EQ(install(), 0);

  auto installed = files_under(folder_);
  EXPECT_EQ(installed.erase(L"uninstall.exe"), 1u);
  EXPECT_EQ(installed, staged);
  EXPECT_EQ(raw_contents(folder_ / L"gr.gr"), raw_contents(stage_ / L"gr.gr"));

  // Every shortcut starts in the install folder, where the program finds its pictures.
  const std::wstring product = kProductName;
  const struct {
    fs::path file;
    const wchar_t* target;
  } shortcuts[] = {
      {start_menu_ / (product + L".lnk"), L"decision.exe"},
      {start_menu_ / (product + L" 帮助.lnk"), L"help.chm"},
      {start_menu_ / (L"卸载 " + product + L".lnk"), L"uninstall.exe"},
      {desktop_shortcut_, L"decision.exe"},
  };
  for (const auto& expected : shortcuts) {
    const Shortcut shortcut = read_shortcut(expected.file);
    ASSERT_TRUE(shortcut.loaded) << expected.file;
    EXPECT_EQ(fs::path(shortcut.target), folder_ / expected.target) << expected.file;
    EXPECT_EQ(fs::path(shortcut.working_folder), folder_) << expected.file;
  }

  EXPECT_EQ(registry_text(L"DisplayName"), product);
  EXPECT_EQ(registry_text(L"DisplayVersion"), L"" DECISION_VERSION_TEXT);
  EXPECT_EQ(registry_text(L"Publisher"), L"" PRODUCT_MAKER);
  EXPECT_EQ(fs::path(registry_text(L"InstallLocation")), folder_);
  EXPECT_EQ(registry_text(L"UninstallString"), L"\"" + (folder_ / L"uninstall.exe").wstring() + L"\"");
  DWORD size_kb = 0;
  DWORD bytes = sizeof(size_kb);
  ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, L"EstimatedSize", RRF_RT_REG_DWORD, nullptr,
                         &size_kb, &bytes),
            ERROR_SUCCESS);
  std::uintmax_t staged_bytes = 0;
  for (const auto& [name, file_size] : staged) staged_bytes += file_size;
  EXPECT_GE(size_kb, staged_bytes / 1024);
  EXPECT_LE(size_kb, staged_bytes / 1024 + staged.size() + 1);
}

TEST_F(Installer, UninstallRemovesWhatItInstalledAndKeepsTheUsersFilesAndTheirFolder) {
  ASSERT_EQ(install(), 0);
  write_raw(folder_ / L"我的决策.dec", "mine");
  write_raw(folder_ / L"exp" / L"my case.dec", "mine too");
  ASSERT_EQ(uninstall(), 0);

  EXPECT_FALSE(uninstall_entry_exists());
  EXPECT_FALSE(fs::exists(start_menu_));
  EXPECT_FALSE(fs::exists(desktop_shortcut_));
  const std::map<std::wstring, std::uintmax_t> left = {{L"我的决策.dec", 4}, {L"exp\\my case.dec", 8}};
  EXPECT_EQ(files_under(folder_), left);
}

TEST_F(Installer, UninstallWithNothingOfTheUsersRemovesTheFolder) {
  ASSERT_EQ(install(), 0);
  ASSERT_EQ(uninstall(), 0);
  EXPECT_FALSE(fs::exists(folder_));
  EXPECT_FALSE(uninstall_entry_exists());
}

TEST_F(Installer, InstallingOverAnInstallationReplacesTheProgramFilesAndKeepsTheUsersFiles) {
  ASSERT_EQ(install(), 0);
  write_raw(folder_ / L"gr.gr", "damaged");
  write_raw(folder_ / L"我的决策.dec", "mine");
  ASSERT_EQ(install(), 0);

  EXPECT_EQ(raw_contents(folder_ / L"gr.gr"), raw_contents(stage_ / L"gr.gr"));
  EXPECT_EQ(raw_contents(folder_ / L"我的决策.dec"), "mine");
  ASSERT_EQ(uninstall(), 0);
  EXPECT_EQ(files_under(folder_).size(), 1u);
}

// Started as its Start menu shortcut starts it, the installed program shows its installed
// background: points of gr.gr no control covers show on the window.  (Wine also finds a
// picture beside the program, so the working folder itself is checked on the shortcuts.)
TEST_F(Installer, InstalledProgramStartedFromItsShortcutPaintsItsBackground) {
  ASSERT_EQ(install(), 0);
  const Shortcut shortcut = read_shortcut(start_menu_ / (std::wstring(kProductName) + L".lnk"));
  ASSERT_TRUE(shortcut.loaded);
  kit::UniqueBitmap picture(static_cast<HBITMAP>(LoadImageW(nullptr, (folder_ / L"gr.gr").c_str(), IMAGE_BITMAP, 0,
                                                            0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  const kit::testing::Pixels background = kit::testing::of_bitmap(picture.get());
  ASSERT_FALSE(background.empty());
  {
    StartedProgram program(shortcut.target, shortcut.working_folder);
    const HWND window = program.window(kProductName);
    ASSERT_NE(window, nullptr);
    // Beside the command column, below it, and right of the grid.
    const POINT points[] = {{174, 400}, {10, 450}, {885, 300}};
    int matching = 0;
    for (DWORD waited = 0; waited < kProcessTimeoutMs && matching < 3; waited += 100) {
      Sleep(100);
      const kit::testing::Pixels shown = kit::testing::shown(window);
      matching = 0;
      for (const POINT& p : points)
        if (!shown.empty() && shown.at(p.x, p.y) == background.at(p.x, p.y)) ++matching;
    }
    kit::testing::save_screenshot(window, "installed_decision.bmp");
    EXPECT_EQ(matching, 3);
  }
}

// A decision file in a folder of the user's, opened as a double click opens it: the shell
// starts the installed program with it, which shows it; nothing is asked on closing.
TEST_F(Installer, RegistersDecFilesToOpenInTheProgramWithTheirOwnIcon) {
  ASSERT_EQ(install(), 0);
  const std::wstring prog_id = dec_prog_id();
  EXPECT_TRUE(prog_id.starts_with(L"" PRODUCT_MAKER L".")) << prog_id;
  const fs::path program = folder_ / L"decision.exe";
  const std::wstring quoted = L"\"" + program.wstring() + L"\"";
  EXPECT_EQ(class_text(prog_id + kOpenCommand), quoted + L" \"%1\"");
  EXPECT_EQ(class_text(prog_id + L"\\DefaultIcon"), quoted + L",-" + std::to_wstring(DOCUMENT_ICON_ID));
  HICON icon = nullptr;
  EXPECT_EQ(ExtractIconExW(program.c_str(), -DOCUMENT_ICON_ID, &icon, nullptr, 1), 1u) << "no such icon";
  if (icon) DestroyIcon(icon);

  const fs::path file = folder_.parent_path() / L"我的 文件" / L"x y.dec";
  fs::create_directories(file.parent_path());
  fs::copy_file(folder_ / L"exp" / L"买车还是不买车.dec", file);  // a case it installed
  SHELLEXECUTEINFOW open = {};
  open.cbSize = sizeof(open);
  open.fMask = SEE_MASK_NOCLOSEPROCESS;
  open.lpVerb = L"open";
  open.lpFile = file.c_str();
  open.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&open) && open.hProcess);
  const StartedProgram decision(open.hProcess);
  const HWND window = decision.window(L"— x y.dec");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(decision.closes(window));
}

// The registration goes with the installation it points to, and stays when another
// folder's program has taken it over since.
TEST_F(Installer, UninstallRemovesItsOwnDecRegistrationOnly) {
  ASSERT_EQ(install(), 0);
  const std::wstring prog_id = dec_prog_id();
  ASSERT_EQ(uninstall(), 0);
  EXPECT_EQ(dec_prog_id(), kMissing);
  EXPECT_FALSE(machine_key_exists(kClasses + prog_id));

  ASSERT_EQ(install(), 0);
  const std::wstring elsewhere = L"\"C:\\elsewhere\\decision.exe\" \"%1\"";
  const std::wstring command_key = kClasses + prog_id + kOpenCommand;
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, command_key.c_str(), nullptr, REG_SZ, elsewhere.c_str(),
                            static_cast<DWORD>((elsewhere.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  ASSERT_EQ(uninstall(), 0);
  EXPECT_EQ(dec_prog_id(), prog_id);
  EXPECT_EQ(class_text(prog_id + kOpenCommand), elsewhere);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kClasses + prog_id).c_str());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kClasses) + L".dec").c_str());
}

// facelore's installer button starts the installer from facelore's own folder (its
// working folder), through the real program start: the installer's welcome page opens.
TEST(FaceloreInstallerButton, StartsTheInstallerFromFacelorsFolder) {
  const fs::path folder = kit::testing::host_path(FACELORE_STAGE);
  ASSERT_TRUE(fs::exists(folder / L"deci" / L"decision_setup.exe"));
  StartedProgram facelore(folder / L"facelore.exe", folder);
  const HWND window = facelore.window(L"" FACELORE_PRODUCT_NAME);
  ASSERT_NE(window, nullptr);
  const HWND button = GetDlgItem(window, IDC_INSTALLER);
  ASSERT_NE(button, nullptr);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_INSTALLER, BN_CLICKED), reinterpret_cast<LPARAM>(button));

  const HWND setup = wait_for_window_titled(kProductName, facelore.id());
  ASSERT_NE(setup, nullptr);
  Sleep(500);  // the welcome page's pictures and texts painted
  RECT area{};
  GetWindowRect(setup, &area);
  kit::testing::save_screen_area(area, "installer_welcome.bmp");
  end_process_of(setup);
}

}  // namespace
}  // namespace release
