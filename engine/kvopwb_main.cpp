// kvopwb: the calculation engine.  Without arguments it runs the case of
// "~INDATA~.TMP" in the working directory, exactly as the input editor starts
// it; the optional flags only add information around that run.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>

#include "core/channels.h"
#include "core/cp1252.h"
#include "driver/account_file.h"
#include "driver/kvopwb.h"
#include "driver/profile_list.h"

namespace {

// The optional flags.  Returns -1 to run, or the exit status of a --help,
// --version or bad command line.
int parse_flags(int argc, char** argv, std::string& json_file,
                std::optional<std::string>& profiles) {
  CLI::App app{
      "kvopwb - dimensioning of trapezoidal steel sheeting for roofs and walls.\n"
      "Reads ~INDATA~.TMP and BRASKO.INI in the working directory and writes the\n"
      "report <case>.RED (and SKIVA.INS when the case asks for diaphragm action).\n"
      "Exit status: 0 success, 1 dimensioning failed (profile lookup), 2 input file\n"
      "missing or not readable, 3 report file not created, 4 diaphragm step failed,\n"
      "5 an output file (report, SKIVA.INS, the --json file) not written in full,\n"
      "64 bad command line (or --json naming a file of the run, or --profiles naming\n"
      "a profile the database does not hold)."};
  app.add_option("--json", json_file, "write an account of the run as JSON to FILE")
      ->type_name("FILE");
  app.add_option("--profiles", profiles,
                 "compare profiles: dimension the case with each of LIST (designations\n"
                 "separated by commas) or of the whole database (all), and end the report\n"
                 "with a comparison, lightest passing profile first; no SKIVA.INS")
      ->type_name("LIST|all");
  app.set_version_flag("--version", std::string("kvopwb ") + KVOP_VERSION);
  // "--json /path" names a file, also on Windows, where CLI11 would take
  // "/path" for an option.
  app.allow_windows_style_options(false);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int rc = app.exit(e);
    return rc == 0 ? 0 : kvop::kExitUsage;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  kvop::console_writes_bytes_as_given();
  // The editor starts the engine without arguments: that run builds no
  // command-line parser.
  std::string json_file;
  std::optional<std::string> profiles;
  if (argc > 1) {
    const int rc = parse_flags(argc, argv, json_file, profiles);
    if (rc >= 0) return rc;
  }

  // The account must not replace a file of the run; refused before the run.
  if (!json_file.empty()) {
    const std::string conflict = kvop::account_file_conflict(".", json_file);
    if (!conflict.empty()) {
      std::cerr << kvop::cp1252::to_utf8(conflict) << '\n';
      return kvop::kExitUsage;
    }
  }

  kvop::RunContext ctx;
  if (isatty(STDIN_FILENO)) ctx.keyboard = &std::cin;
  if (profiles) {
    std::string fault;
    const int rc = kvop::choose_profiles(ctx, *profiles, fault);
    if (!fault.empty()) std::cerr << "kvopwb: --profiles: " << kvop::cp1252::to_utf8(fault) << '\n';
    if (rc != kvop::kExitOk) return rc;
  }
  const int rc = kvop::kvopwb(ctx);
  return json_file.empty() ? rc : kvop::write_account(ctx, json_file, rc);
}
