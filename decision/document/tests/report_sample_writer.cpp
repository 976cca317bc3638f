// Writes sample report pages for the checks that look at whole files: the HTML
// validator and the rendered picture.
//
//   decision_report_samples <output folder> <case source>
//
// The folder is made when missing.
//
// "marked.htm" is the nine-by-nine decision whose every text is full of markup
// characters and line breaks; "case.htm" is the report of one worked case of the case
// library (decision/cases/*.case), ranked as the program ranks it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "case_source.h"
#include "decision/document/decision_report.h"
#include "decision/document/tests/report_samples.h"
#include "kit/text/utf8.h"

namespace {

bool write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out.flush());
}

bool case_report(const std::string& source_path, std::string& page) {
  std::ifstream in(source_path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  case_writer::CaseSource source;
  decision::Decision d;
  std::string title, error;
  if (!in || !case_writer::parse_case_source(text, source, error) ||
      !case_writer::make_case_decision(source, d, title, error)) {
    std::fprintf(stderr, "%s: cannot read the case: %s\n", source_path.c_str(), error.c_str());
    return false;
  }
  decision::compute_totals(d);
  decision::compute_ranking(d);
  page = decision::decision_report_html(d, {kit::gbk_to_u8(title + ".dec"), "2026年12月8日 16:30"});
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: decision_report_samples <output folder> <case source>\n");
    return 2;
  }
  const std::string folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::string page;
  if (!case_report(argv[2], page)) return 1;
  if (!write_file(folder + "/case.htm", page)) return 1;
  const decision::Decision marked = decision::testing::marked_decision();
  if (!write_file(folder + "/marked.htm",
                  decision::decision_report_html(marked, decision::testing::sample_heading())))
    return 1;
  return 0;
}
