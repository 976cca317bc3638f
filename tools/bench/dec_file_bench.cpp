// dec_file_bench: times save_decision_file and load_decision_file on the benchmark's
// nine-by-nine decision with long texts, natively, and prints min, median and max in
// microseconds per operation.  Every load is checked to give back what was saved.
// Then what every edit costs: the recovery file's write alone, and a whole change of
// the session (totals, ranking, text, undo step and the recovery file).
//
//   dec_file_bench FOLDER [RUNS]
#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "decision/document/dec_format.h"
#include "decision/workspace/decision_session.h"
#include "decision/workspace/recovery_file.h"
#include "tools/bench/long_decision.h"

namespace {

// <chrono> does not build with the GBK execution character set (its unit suffixes), so
// the clock is C's, or the platform's where MinGW lacks C's.
#ifdef _WIN32
double now_us() {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}
#else
double now_us() {
  std::timespec now{};
  std::timespec_get(&now, TIME_UTC);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}
#endif

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void print_row(const char* name, const std::vector<double>& times) {
  const auto [low, high] = std::minmax_element(times.begin(), times.end());
  std::printf("%-18s %5zu %8.0f %8.0f %8.0f\n", name, times.size(), *low, median(times), *high);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: dec_file_bench FOLDER [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 200;
  if (runs < 1) return 2;
  const std::filesystem::path path = std::filesystem::path(argv[1]) / "long.dec";

  decision::Decision original;
  decision::bench::fill_long_decision(original);
  const std::string expected = decision::write_decision_text(original);

  std::vector<double> saves;
  std::vector<double> loads;
  // Interleaved, one untimed round first: save, then load what was just saved.
  for (int run = 0; run <= runs; ++run) {
    double start = now_us();
    if (decision::save_decision_file(original, path) != decision::kDecOk) {
      std::fprintf(stderr, "cannot save %s\n", path.c_str());
      return 1;
    }
    const double saved = now_us() - start;

    decision::Decision loaded;
    start = now_us();
    if (decision::load_decision_file(loaded, path) != decision::kDecOk) {
      std::fprintf(stderr, "cannot load %s\n", path.c_str());
      return 1;
    }
    const double read = now_us() - start;
    if (decision::write_decision_text(loaded) != expected) {
      std::fprintf(stderr, "%s does not give back the decision saved\n", path.c_str());
      return 1;
    }
    if (run == 0) continue;
    saves.push_back(saved);
    loads.push_back(read);
  }
  const auto bytes = std::filesystem::file_size(path);
  std::filesystem::remove(path);

  // Each edit of the session writes the recovery file; the background alternates so
  // that every edit is a change.
  decision::RecoveryFile recovery(argv[1], "bench");
  if (!recovery.start()) {
    std::fprintf(stderr, "cannot lock a recovery file in %s\n", argv[1]);
    return 1;
  }
  std::vector<double> recovery_writes;
  std::vector<double> edits;
  decision::DecisionSession session;
  session.use_recovery(recovery);
  session.start_from_case(expected, "long.dec");
  for (int run = 0; run <= runs; ++run) {
    double start = now_us();
    if (!recovery.write("long.dec", expected)) {
      std::fprintf(stderr, "cannot write the recovery file\n");
      return 1;
    }
    const double written = now_us() - start;
    start = now_us();
    session.set_background(run % 2 ? original.background : original.background + "。");
    const double edited = now_us() - start;
    if (run == 0) continue;
    recovery_writes.push_back(written);
    edits.push_back(edited);
  }
  session.end_run();

  std::printf("\n%-18s %5s %8s %8s %8s\n", "file operation", "runs", "min us", "median", "max us");
  print_row("save 9 x 9", saves);
  print_row("open 9 x 9", loads);
  print_row("recovery write", recovery_writes);
  print_row("edit + recovery", edits);
  std::printf("(a decision of 9 alternatives of 9 results with long texts, %ju bytes on disk;\n"
              " microseconds per save_decision_file / load_decision_file, per write of the\n"
              " recovery file, and per change of the session with its recovery file)\n",
              static_cast<std::uintmax_t>(bytes));
  return 0;
}
