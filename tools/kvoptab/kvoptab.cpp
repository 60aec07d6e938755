// kvoptab: load-span tables of one profile of the profile database, for every
// thickness of it, from the engine's own analysis and section checks.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "catalogue.h"
#include "core/cp1252.h"
#include "core/file_names.h"
#include "core/install_layout.h"
#include "load_span.h"
#include "plot.h"
#include "profiles/profile_db.h"
#include "table_output.h"

namespace fs = std::filesystem;

namespace {

constexpr int kUsage = 64;  // a bad command line

int fail(const std::string& message, int status = 1) {
  std::cerr << "kvoptab: " << message << '\n';
  return status;
}

fs::path program_dir(const char* argv0) {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
  return fs::absolute(argv0, ec).parent_path();
}

// Opens the profile database on the run's database channel: the file named
// on the command line, else the one the engine finds through BRASKO.INI in
// the working directory, else the one beside the program or in the
// installed layout.  A message on failure.
bool open_database(kvop::RunContext& ctx, const std::string& named, const char* argv0,
                   std::string& why) {
  if (!named.empty()) {
    if (ctx.channels.database.open_read(named)) return true;
    why = "PROFILDATABASEN KAN EJ ÖPPNAS: " + named;
    return false;
  }
  if (kvop::find_file(ctx.dir, "BRASKO.INI")) {
    std::ostringstream err;
    const kvop::Console keep = ctx.console;
    ctx.console.err = &err;
    const int status = kvop::opdbas(ctx);
    ctx.console = keep;
    if (status == 0) return true;
    why = kvop::cp1252::to_utf8(err.str());
    while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
    return false;
  }
  if (const auto dir = kvop::find_data_dir(program_dir(argv0))) {
    if (const auto db = kvop::find_file(*dir, "PROFILKV.BIN"))
      if (ctx.channels.database.open_read(*db)) return true;
  }
  why = "PROFILDATABASEN FINNS EJ: VARKEN --database, BRASKO.INI I ARBETSKATALOGEN ELLER "
        "PROFILKV.BIN VID PROGRAMMET";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"kvoptab - lastspännviddstabeller (load-span tables) för en profil"};
  app.allow_windows_style_options(false);
  kvop::tab::Options opt;
  std::string profile, database, csv_file, json_file, plot_file, orientation = "narrow";
  double end_mm = 100, inner_mm = 100;
  bool wall = false;
  app.add_option("profile", profile, "profile designation, e.g. R820U")->required();
  app.add_option("--database", database, "the profile database file PROFILKV.BIN");
  app.add_option("--market", opt.marknadskod, "market: 1 SVERIGE, 2 POLEN, 3 NORGE, 4 FINLAND, 5 DANMARK")
      ->check(CLI::Range(1, 5))
      ->capture_default_str();
  app.add_option("--class", opt.sakkl, "safety or reliability class 1..3")
      ->check(CLI::Range(1, 3))
      ->capture_default_str();
  app.add_flag("--wall", wall, "a wall (default: a roof)");
  app.add_option("--orientation", orientation,
                 "narrow (narrow flange on the purlin, SF MOT REGEL) or broad (BF MOT REGEL)")
      ->check(CLI::IsMember({"narrow", "broad"}))
      ->capture_default_str();
  app.add_option("--end-support", end_mm, "width of the end supports, mm")
      ->check(CLI::Range(10.0, 1000.0))
      ->capture_default_str();
  app.add_option("--inner-support", inner_mm, "width of the inner supports, mm")
      ->check(CLI::Range(10.0, 1000.0))
      ->capture_default_str();
  app.add_option("--deflection-limit", opt.deflection_ratio,
                 "deflection limit L/N (default: the engine's, L/150 roof, L/75 wall)")
      ->check(CLI::Range(10.0, 10000.0));
  app.add_option("--from", opt.from, "first span, m")->capture_default_str();
  app.add_option("--to", opt.to, "last span, m")->capture_default_str();
  app.add_option("--step", opt.step, "span step, m")->capture_default_str();
  app.add_option("--layouts", opt.layouts, "numbers of equal spans, e.g. 1,3")
      ->delimiter(',')
      ->check(CLI::Range(1, 3));
  app.add_option("--csv", csv_file, "write the table as CSV to FILE (- for standard output)");
  app.add_option("--json", json_file, "write the table as JSON to FILE (- for standard output)");
  app.add_option("--plot", plot_file, "draw the table into FILE.svg or FILE.pdf");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : kUsage;
  }

  opt.wall = wall;
  opt.vandr = orientation == "broad" ? 2 : 1;
  opt.end_support_m = static_cast<float>(end_mm / 1000.0);
  opt.inner_support_m = static_cast<float>(inner_mm / 1000.0);
  std::sort(opt.layouts.begin(), opt.layouts.end());
  opt.layouts.erase(std::unique(opt.layouts.begin(), opt.layouts.end()), opt.layouts.end());
  if (opt.layouts.empty()) return fail("--layouts: INGEN FACKINDELNING ANGIVEN", kUsage);
  if (!(opt.from >= 0.1 && opt.from <= 30.0) || !(opt.to >= opt.from && opt.to <= 30.0))
    return fail("SPÄNNVIDDERNA SKA LIGGA MELLAN 0.1 OCH 30 M MED --from HÖGST --to", kUsage);
  if (!(opt.step >= 0.01)) return fail("--step SKA VARA MINST 0.01 M", kUsage);
  if ((opt.to - opt.from) / opt.step > 2000) return fail("HÖGST 2001 SPÄNNVIDDER", kUsage);
  if (csv_file == "-" && json_file == "-")
    return fail("--csv OCH --json KAN EJ BÅDA SKRIVA TILL STANDARD OUTPUT", kUsage);
  kvop::tab::PlotFormat format = kvop::tab::PlotFormat::svg;
  if (!plot_file.empty()) {
    std::string ext = fs::path(plot_file).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".pdf")
      format = kvop::tab::PlotFormat::pdf;
    else if (ext != ".svg")
      return fail("--plot: FILEN SKA SLUTA PÅ .svg ELLER .pdf: " + plot_file, kUsage);
  }

  // The profile.
  std::string name = profile;
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const std::string name_cp = kvop::cp1252::from_utf8(name);
  if (name_cp.empty() || name_cp.size() > 8)
    return fail("PROFILBETECKNINGEN " + profile + " ÄR EJ 1 TILL 8 TECKEN", kUsage);
  kvop::RunContext ctx;
  std::ostringstream quiet_out, quiet_err;
  ctx.console = kvop::Console{&quiet_out, &quiet_err};
  std::string why;
  if (!open_database(ctx, database, argv[0], why)) return fail(why, 2);
  const int status =
      kvop::pdread(ctx, kvop::Text<8>(name_cp), kvop::ProfileScaling::scaled,
                   kvop::NotFound::silent);
  kvop::clfile(ctx);
  if (status != 0)
    return fail("PROFILEN " + name + " FINNS EJ I PROFILDATABASEN (ELLER KAN EJ LÄSAS)", 1);

  const kvop::tab::Table tab = kvop::tab::load_span_table(ctx.prof, opt);

  // Every output is made in full before any file is written, and each file
  // is written whole or not at all.
  struct Out {
    std::string file, bytes;
  };
  std::vector<Out> outs;
  bool text_to_stdout = true;
  if (!csv_file.empty()) outs.push_back({csv_file, kvop::tab::csv_table(tab)});
  if (!json_file.empty()) outs.push_back({json_file, kvop::tab::json_table(tab)});
  if (csv_file == "-" || json_file == "-") text_to_stdout = false;
  if (!plot_file.empty()) {
    std::string bytes = kvop::tab::plot_chart(tab, format, why);
    if (bytes.empty()) return fail("--plot: " + why + "; INGET SKRIVET");
    outs.push_back({plot_file, std::move(bytes)});
  }
  int result = 0;
  for (const Out& o : outs) {
    if (o.file == "-") {
      std::cout << o.bytes;
      continue;
    }
    if (!kvop::write_file_atomically(o.file, o.bytes, why)) result = fail(why);
  }
  if (text_to_stdout) std::cout << kvop::tab::text_table(tab);
  std::cout.flush();
  return result != 0 || !std::cout ? 1 : 0;
}
