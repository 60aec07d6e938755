#include "test_support.h"

#include <fstream>
#include <iterator>
#include <random>

#include "core/cp1252.h"

namespace kvop::test {

ScratchDir::ScratchDir() {
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("kvop-test-" + std::to_string(rd()) + std::to_string(rd()));
  } while (std::filesystem::exists(path_));
  std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void ScratchDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream f(path_ / name, std::ios::binary);
  f << bytes;
}

std::string ScratchDir::read(const std::string& name) const {
  std::ifstream f(path_ / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

bool ScratchDir::exists(const std::string& name) const {
  return std::filesystem::exists(path_ / name);
}

TestRun::TestRun(const std::filesystem::path& dir) {
  ctx.dir = dir;
  ctx.console = Console{&out, &err};
  ctx.clock = [] { return LocalTime{2026, 3, 5, 14, 7, 9, 42}; };
}

ReportRun::ReportRun() { run.ctx.channels.report.open_write(dir.path() / "T.RED"); }

std::vector<std::string> ReportRun::report_lines() {
  run.ctx.channels.report.close();
  return split_lines(cp1252::to_utf8(dir.read("T.RED")));
}

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + '\n';
  return s;
}

}  // namespace kvop::test
