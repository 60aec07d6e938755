#include "driver/account_file.h"

#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/channels.h"
#include "core/cp1252.h"
#include "core/file_names.h"
#include "driver/kvopwb.h"
#include "driver/run_json.h"

namespace kvop {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kInputName = "~INDATA~.TMP";

// The report name that record 1 of the input file gives (Windows-1252), or
// nothing when the file cannot be read or its first line gives no name.
std::optional<std::string> report_name(const fs::path& dir) {
  const auto input = find_file(dir, kInputName);
  if (!input) return std::nullopt;
  std::ifstream f(*input, std::ios::binary);
  char first[9] = {};
  f.read(first, 8);
  std::string_view name(first, static_cast<std::size_t>(f.gcount()));
  name = name.substr(0, name.find_first_of("\r\n"));
  name = name.substr(0, name.find(' '));
  if (name.empty()) return std::nullopt;
  return std::string(name) + ".RED";
}

}  // namespace

std::string account_file_conflict(const fs::path& dir, const std::string& file) {
  struct RunFile {
    std::string name;  // Windows-1252
    std::string what;
  };
  std::vector<RunFile> files = {{std::string(kInputName), "the calculation input file"},
                                {"BRASKO.INI", "the settings file"},
                                {"SKIVA.INS", "the diaphragm exchange file"}};
  if (auto red = report_name(dir)) files.push_back({*red, "the report of the case"});

  fs::path account(file);
  if (account.is_relative()) account = dir / account;
  const fs::path parent = account.parent_path();
  std::error_code ec;
  const bool in_dir = fs::equivalent(parent.empty() ? fs::path(".") : parent, dir, ec);
  for (const RunFile& f : files) {
    bool same = in_dir && same_ignoring_case(account.filename().string(), cp1252::to_utf8(f.name));
    if (!same) {
      const auto existing = find_file(dir, f.name);
      same = existing && fs::equivalent(account, *existing, ec);
    }
    if (same)
      return "kvopwb: --json " + cp1252::from_utf8(file) + " names " + f.what + " " + f.name +
             ", which the run account would replace; give another file name";
  }
  return {};
}

int write_account(const RunContext& ctx, const std::string& file, int rc) {
  const std::string failure = write_whole_file(file, run_to_json(ctx, rc).dump(1) + "\n");
  if (failure.empty()) return rc;
  ctx.console.error("kvopwb: " + shown_path(file) + ": " + cp1252::from_utf8(failure) +
                    "; the run account is incomplete");
  return rc != kExitOk ? rc : kExitWrite;
}

}  // namespace kvop
