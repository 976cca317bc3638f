// startup_timer.exe: times how long programs take from the start of their process to a
// visible, fully painted main window, and prints min, median and max per program.
//
//   startup_timer RUNS PROGRAM [PROGRAM ...] [--yardstick PROGRAM [PROGRAM ...] ...]
//   PROGRAM: [--floor] name program.exe background.bmp [--ignore=x,y,w,h]
//
// The first program is the yardstick: every other program's median is also given as a
// ratio of its median.  --yardstick makes the next program the yardstick of those after
// it (a bare window of another size for another product).  --floor makes the next
// program the floor of those after it in its group (a product's template alone): their
// medians are given as a ratio of its median too.  Each program starts in its
// own folder (where its background picture lies).  One warm-up start per program, not
// counted, records what the settled window shows; a timed start ends when the screen
// shows exactly that.  --ignore leaves one rectangle of the client area out of that
// comparison: an animation there never holds still.  Places are layout pixels, scaled
// with the background picture to the window's DPI.  The timed starts are interleaved
// (A B A B ...), so a slow spell of the machine hits all programs alike.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/bench/bench_clock.h"
#include "kit/dpi.h"
#include "kit/handles.h"
#include "kit/scaled_picture.h"

namespace {

constexpr DWORD kStartTimeoutMs = 20000;   // a start that takes longer is a failure
constexpr DWORD kSettleMs = 1500;          // the warm-up window's time to finish everything
constexpr DWORD kPollMs = 2;               // between two looks at the screen
constexpr DWORD kExitTimeoutMs = 5000;     // after WM_CLOSE, before the process is killed
constexpr DWORD kPauseBetweenStartsMs = 200;
constexpr int kCornerInset = 2;            // background pixels checked near each corner

struct Program {
  std::string name;
  std::wstring path;
  std::wstring folder;
  std::wstring background;  // file name in folder
  std::vector<std::uint8_t> settled;  // the client area of the settled window (32-bit rows)
  int width = 0;
  int height = 0;
  RECT ignored{};                   // client pixels not compared (empty: none)
  std::size_t yardstick = 0;        // index of the program its ratio is to
  std::size_t floor = SIZE_MAX;     // index of its template alone (none: SIZE_MAX)
  std::vector<double> times_ms;     // to the complete picture
  std::vector<double> visible_ms;   // to the visible window
};

std::wstring widen(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  wide.resize(wide.size() - 1);
  return wide;
}

// The pointer stays in a screen corner no window covers, so no hover effect changes
// what a window shows.
void park_pointer() {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

struct WindowSearch {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND visible_main_window(DWORD process_id) {
  WindowSearch search{process_id, nullptr};
  EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The client area of window as the screen shows it, as 32-bit top-down rows.
bool capture_client(HWND window, int& width, int& height, std::vector<std::uint8_t>& pixels) {
  RECT client{};
  if (!GetClientRect(window, &client)) return false;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  width = client.right;
  height = client.bottom;
  if (width <= 0 || height <= 0) return false;
  kit::WindowDc screen(nullptr);
  kit::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  kit::UniqueBitmap picture(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !picture) return false;
  {
    kit::SelectGuard selected(memory.get(), picture.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY);
    GdiFlush();
  }
  const auto* first = static_cast<const std::uint8_t*>(bits);
  pixels.assign(first, first + static_cast<std::size_t>(width) * height * 4);
  return true;
}

bool is_ignored(const Program& program, int x, int y) {
  const POINT point{x, y};
  return PtInRect(&program.ignored, point) != FALSE;
}

// True when shown is the settled picture outside the ignored rectangle.
bool shows_settled(const Program& program, const std::vector<std::uint8_t>& shown) {
  if (shown.size() != program.settled.size()) return false;
  const RECT& skip = program.ignored;
  const std::size_t row_bytes = static_cast<std::size_t>(program.width) * 4;
  for (int y = 0; y < program.height; ++y) {
    const std::uint8_t* a = shown.data() + y * row_bytes;
    const std::uint8_t* b = program.settled.data() + y * row_bytes;
    if (y < skip.top || y >= skip.bottom || skip.left >= skip.right) {
      if (std::memcmp(a, b, row_bytes) != 0) return false;
      continue;
    }
    const std::size_t left = static_cast<std::size_t>(std::clamp<LONG>(skip.left, 0, program.width)) * 4;
    const std::size_t right = static_cast<std::size_t>(std::clamp<LONG>(skip.right, 0, program.width)) * 4;
    if (std::memcmp(a, b, left) != 0 || std::memcmp(a + right, b + right, row_bytes - right) != 0) return false;
  }
  return true;
}

COLORREF pixel_at(const std::vector<std::uint8_t>& pixels, int width, int x, int y) {
  const std::uint8_t* p = pixels.data() + (static_cast<std::size_t>(y) * width + x) * 4;
  return RGB(p[2], p[1], p[0]);
}

// True when the settled window shows its background picture near all four corners (those
// outside the ignored rectangle): the check that a window really is "painted", not an
// empty frame.
bool shows_background(const Program& program, int dpi) {
  const std::wstring file = program.folder + L"\\" + program.background;
  kit::UniqueBitmap picture = kit::load_scaled_picture_file(file, dpi);
  kit::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!picture || !dc) {
    std::fprintf(stderr, "%s: cannot read its background picture\n", program.name.c_str());
    return false;
  }
  kit::SelectGuard selected(dc.get(), picture.get());
  const int right = program.width - 1 - kCornerInset;
  const int bottom = program.height - 1 - kCornerInset;
  const POINT corners[] = {{kCornerInset, kCornerInset}, {right, kCornerInset}, {kCornerInset, bottom}, {right, bottom}};
  for (const POINT& p : corners) {
    if (is_ignored(program, p.x, p.y)) continue;
    if (GetPixel(dc.get(), p.x, p.y) != pixel_at(program.settled, program.width, p.x, p.y)) {
      std::fprintf(stderr, "%s: the window does not show its background at (%ld, %ld)\n", program.name.c_str(),
                   p.x, p.y);
      return false;
    }
  }
  return true;
}

// Saves what the settled window showed as <name>-settled.bmp in $SCREENSHOT_DIR, if set:
// the picture every timed start waits for.
void save_settled(const Program& program) {
  const char* folder = std::getenv("SCREENSHOT_DIR");
  if (!folder || !*folder) return;
  const std::string path = std::string(folder) + "\\" + program.name + "-settled.bmp";
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), program.width, -program.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  // Opaque: the alpha bytes the screen leaves are not part of the picture.
  std::vector<std::uint8_t> pixels = program.settled;
  for (std::size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 0xFF;
  const auto pixel_bytes = static_cast<DWORD>(pixels.size());
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + pixel_bytes;
  if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info, sizeof(info), 1, out);
    std::fwrite(pixels.data(), 1, pixel_bytes, out);
    std::fclose(out);
  }
}

class RunningProgram {
 public:
  bool start(const Program& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring command = L"\"" + program.path + L"\"";
    if (!CreateProcessW(program.path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        program.folder.c_str(), &startup, &info_))
      return false;
    started_ = true;
    return true;
  }

  // Waits for the visible main window; null after the timeout or when the program ended.
  HWND wait_for_window(double deadline) const {
    while (now_ms() < deadline) {
      if (HWND window = visible_main_window(info_.dwProcessId)) return window;
      if (WaitForSingleObject(info_.hProcess, 1) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }

  ~RunningProgram() {
    if (!started_) return;
    if (HWND window = visible_main_window(info_.dwProcessId)) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, kExitTimeoutMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// The warm-up start: records what the settled window shows.
bool record_settled(Program& program) {
  park_pointer();
  RunningProgram running;
  if (!running.start(program)) {
    std::fprintf(stderr, "%s: cannot start it (error %lu)\n", program.name.c_str(), GetLastError());
    return false;
  }
  HWND window = running.wait_for_window(now_ms() + kStartTimeoutMs);
  if (!window) {
    std::fprintf(stderr, "%s: no visible window\n", program.name.c_str());
    return false;
  }
  Sleep(kSettleMs);
  const int dpi = kit::window_dpi(window);
  if (!IsRectEmpty(&program.ignored)) {
    const kit::PixelRect r = kit::scale_rect({program.ignored.left, program.ignored.top,
                                              program.ignored.right - program.ignored.left,
                                              program.ignored.bottom - program.ignored.top},
                                             dpi);
    program.ignored = {r.x, r.y, r.x + r.w, r.y + r.h};
  }
  if (!capture_client(window, program.width, program.height, program.settled)) return false;
  return shows_background(program, dpi);
}

// One timed start: the times to the visible window and to the complete picture.  False
// on a failure (already reported).
bool time_start(const Program& program, double& visible_ms, double& painted_ms) {
  park_pointer();
  RunningProgram running;
  const double start = now_ms();
  const double deadline = start + kStartTimeoutMs;
  if (!running.start(program)) {
    std::fprintf(stderr, "%s: cannot start it (error %lu)\n", program.name.c_str(), GetLastError());
    return false;
  }
  HWND window = running.wait_for_window(deadline);
  if (!window) {
    std::fprintf(stderr, "%s: no visible window\n", program.name.c_str());
    return false;
  }
  visible_ms = now_ms() - start;
  std::vector<std::uint8_t> shown;
  int width = 0;
  int height = 0;
  while (now_ms() < deadline) {
    if (capture_client(window, width, height, shown) && width == program.width && height == program.height &&
        shows_settled(program, shown)) {
      painted_ms = now_ms() - start;
      return true;
    }
    Sleep(kPollMs);
  }
  std::size_t differing = 0;
  for (std::size_t i = 0; i + 3 < shown.size() && shown.size() == program.settled.size(); i += 4) {
    const int x = static_cast<int>(i / 4 % static_cast<std::size_t>(program.width));
    const int y = static_cast<int>(i / 4 / static_cast<std::size_t>(program.width));
    if (!is_ignored(program, x, y) && std::memcmp(&shown[i], &program.settled[i], 3) != 0) ++differing;
  }
  std::fprintf(stderr, "%s: the window never showed its settled picture (%zu pixels differ)\n",
               program.name.c_str(), differing);
  return false;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void print_table(const std::vector<Program>& programs, int dpi) {
  std::printf("\nstart-ups at %d DPI (%d %%)\n", dpi, dpi * 100 / kit::kBaseDpi);
  std::printf("%-18s %5s %8s %8s %8s %8s %-14s %10s %8s\n", "start-up", "runs", "min ms", "median", "max ms", "ratio",
              " to", "visible at", "/ floor");
  for (const Program& program : programs) {
    const auto [low, high] = std::minmax_element(program.times_ms.begin(), program.times_ms.end());
    const double middle = median(program.times_ms);
    const Program& yardstick = programs[program.yardstick];
    std::printf("%-18s %5zu %8.0f %8.0f %8.0f %8.2f %-14s %10.0f", program.name.c_str(), program.times_ms.size(),
                *low, middle, *high, middle / median(yardstick.times_ms), (" " + yardstick.name).c_str(),
                median(program.visible_ms));
    if (program.floor != SIZE_MAX) std::printf(" %8.2f", middle / median(programs[program.floor].times_ms));
    std::printf("\n");
  }
  std::printf("(ms from the start of the process to the complete picture; ratio: median over the median\n"
              " of the program named under \"to\"; visible at: median ms to the visible window;\n"
              " / floor: median over the median of the product's template alone)\n");
}

// "--ignore=x,y,w,h" as a rectangle; false when it is not one.
bool parse_ignored(const char* argument, RECT& rect) {
  int x = 0, y = 0, w = 0, h = 0;
  if (std::sscanf(argument, "--ignore=%d,%d,%d,%d", &x, &y, &w, &h) != 4 || w <= 0 || h <= 0) return false;
  rect = {x, y, x + w, y + h};
  return true;
}

int usage() {
  std::fprintf(stderr,
               "usage: startup_timer RUNS name program.exe background.bmp [--ignore=x,y,w,h] [...]"
               " [--yardstick name program.exe background.bmp ...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  constexpr int kFieldsPerProgram = 3;
  if (argc < 2 + kFieldsPerProgram) return usage();
  const int runs = std::atoi(argv[1]);
  if (runs < 1) return 2;
  std::vector<Program> programs;
  std::size_t yardstick = 0;
  std::size_t floor = SIZE_MAX;
  for (int i = 2; i < argc;) {
    if (std::strcmp(argv[i], "--yardstick") == 0) {
      yardstick = programs.size();
      floor = SIZE_MAX;
      ++i;
      continue;
    }
    if (std::strcmp(argv[i], "--floor") == 0) {
      floor = programs.size();
      ++i;
      continue;
    }
    if (i + kFieldsPerProgram > argc) return usage();
    Program program;
    program.name = argv[i];
    program.path = widen(argv[i + 1]);
    program.background = widen(argv[i + 2]);
    program.yardstick = yardstick;
    if (floor != programs.size()) program.floor = floor;
    i += kFieldsPerProgram;
    if (i < argc && std::strncmp(argv[i], "--ignore=", 9) == 0) {
      if (!parse_ignored(argv[i], program.ignored)) return usage();
      ++i;
    }
    const std::size_t slash = program.path.find_last_of(L"\\/");
    program.folder = slash == std::wstring::npos ? L"." : program.path.substr(0, slash);
    programs.push_back(std::move(program));
  }
  if (programs.empty() || yardstick >= programs.size()) return usage();

  std::printf("%d interleaved starts of each program after one warm-up start\n", runs);
  std::fflush(stdout);
  for (Program& program : programs) {
    if (!record_settled(program)) return 1;
    save_settled(program);
    Sleep(kPauseBetweenStartsMs);
  }
  for (int run = 0; run < runs; ++run) {
    for (Program& program : programs) {
      double visible = 0;
      double painted = 0;
      if (!time_start(program, visible, painted)) return 1;
      program.visible_ms.push_back(visible);
      program.times_ms.push_back(painted);
      Sleep(kPauseBetweenStartsMs);
    }
  }
  print_table(programs, kit::window_dpi(nullptr));
  return 0;
}
