// The case writer: reads the case library's sources and writes the folder the program
// reads its worked cases from.
//
//   case_writer <list file> <output folder>
//
// The list file (UTF-8, one path a line) names the sources in the order the library
// lists them.  Each case becomes "<title>.dec" (the program's own writer, scrambled as
// every decision file is; the name is the title's UTF-8 characters, as the painter
// names its pictures) and the directory "目录.txt" gets one line, GBK, with every title
// in full-width brackets: the library reads only that first line.  Every source is
// checked before anything is written; a bad source names its file and line and writes
// nothing.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "case_source.h"
#include "decision/document/case_directory.h"
#include "decision/document/dec_format.h"

namespace {

namespace fs = std::filesystem;

// Paths are UTF-8 text; std::filesystem turns them into the host's own file names.
fs::path utf8_path(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string path_text(const fs::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

bool read_text(const fs::path& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool write_bytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

struct WrittenCase {
  std::string title_utf8;
  std::string title_gbk;
  std::string file_bytes;  // scrambled
};

int fail(const std::string& message) {
  std::fprintf(stderr, "case_writer: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return fail("usage: case_writer <list file> <output folder>");
  const fs::path list_path = utf8_path(argv[1]);
  const fs::path out_dir = utf8_path(argv[2]);

  std::string list;
  if (!read_text(list_path, list)) return fail("cannot read the list " + path_text(list_path));
  std::vector<std::string> sources;
  for (std::size_t pos = 0; pos < list.size();) {
    std::size_t end = list.find('\n', pos);
    if (end == std::string::npos) end = list.size();
    std::string line = list.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) sources.push_back(line);
    pos = end + 1;
  }
  if (sources.empty()) return fail("the list names no case");
  if (sources.size() > decision::kMaxCaseTitles) {
    return fail("the list names " + std::to_string(sources.size()) + " cases; the library shows at most " +
                std::to_string(decision::kMaxCaseTitles));
  }

  std::vector<WrittenCase> cases;
  std::set<std::string> titles;
  for (const std::string& source_name : sources) {
    const fs::path source_path = utf8_path(source_name);
    const std::string where = path_text(source_path);
    std::string text;
    if (!read_text(source_path, text)) return fail(where + ": cannot read it");

    case_writer::CaseSource source;
    std::string error;
    if (!case_writer::parse_case_source(text, source, error)) return fail(where + ": " + error);
    // The build knows a case's output by its source's name, so the two must agree.
    if (path_text(source_path.stem()) != source.title) {
      return fail(where + ": the title \"" + source.title + "\" differs from the file's name");
    }
    if (!titles.insert(source.title).second) return fail(where + ": a second case titled " + source.title);

    decision::Decision decision;
    WrittenCase written;
    if (!case_writer::make_case_decision(source, decision, written.title_gbk, error)) {
      return fail(where + ": " + error);
    }
    written.title_utf8 = source.title;
    written.file_bytes = decision::write_decision_text(decision);
    // What the program will read must come back as this very decision.
    decision::Decision check;
    decision::reset_decision(check);
    if (decision::read_decision_text(check, written.file_bytes) != decision::kDecOk || !(check == decision)) {
      return fail(where + ": the written text does not read back");
    }
    decision::scramble_bytes(written.file_bytes);
    cases.push_back(std::move(written));
  }

  std::error_code ec;
  fs::create_directories(out_dir, ec);
  if (ec) return fail("cannot create " + path_text(out_dir) + ": " + ec.message());
  std::string directory;
  for (const WrittenCase& c : cases) {
    const fs::path file = out_dir / utf8_path(c.title_utf8 + ".dec");
    if (!write_bytes(file, c.file_bytes)) return fail("cannot write " + path_text(file));
    directory += "\xA1\xBE" + c.title_gbk + "\xA1\xBF";  // 【title】
  }
  directory += "\r\n";
  const fs::path directory_file = out_dir / fs::path(u8"\u76EE\u5F55.txt");  // 目录.txt
  if (!write_bytes(directory_file, directory)) return fail("cannot write " + path_text(directory_file));
  return 0;
}
