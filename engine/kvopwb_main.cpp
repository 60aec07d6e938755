// kvopwb: the calculation engine.  Without arguments it runs the case of
// "~INDATA~.TMP" in the working directory, exactly as the input editor starts
// it; the optional flags only add information around that run.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>

#include "driver/kvopwb.h"
#include "driver/run_json.h"

int main(int argc, char** argv) {
  CLI::App app{
      "kvopwb - dimensioning of trapezoidal steel sheeting for roofs and walls.\n"
      "Reads ~INDATA~.TMP and BRASKO.INI in the working directory and writes the\n"
      "report <case>.RED (and SKIVA.INS when the case asks for diaphragm action).\n"
      "Exit status: 0 success, 1 dimensioning failed (profile lookup), 2 input file\n"
      "missing or not readable, 3 report file not created, 4 diaphragm step failed,\n"
      "64 bad command line."};
  std::string json_file;
  app.add_option("--json", json_file, "write an account of the run as JSON to FILE")
      ->type_name("FILE");
  app.set_version_flag("--version", std::string("kvopwb ") + KVOP_VERSION);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int rc = app.exit(e);
    return rc == 0 ? 0 : kvop::kExitUsage;
  }

  kvop::RunContext ctx;
  if (isatty(STDIN_FILENO)) ctx.keyboard = &std::cin;
  const int rc = kvop::kvopwb(ctx);

  if (!json_file.empty()) {
    std::ofstream out(json_file, std::ios::binary);
    out << kvop::run_to_json(ctx, rc).dump(1) << '\n';
    if (!out) {
      std::cerr << "kvopwb: cannot write " << json_file << '\n';
      return rc != 0 ? rc : kvop::kExitUsage;
    }
  }
  return rc;
}
