// Load-span tables: cells against whole engine runs of the same sheet with
// the load made by the case's own snow or wind, the shape of the curves, and
// the program's command line and files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "analysis/load_cases.h"
#include "driver/dimber.h"
#include "driver/inkvop.h"
#include "driver/inledn.h"
#include "load_span.h"
#include "profiles/profile_db.h"
#include "table_output.h"
#include "test_support.h"

namespace kvop {
namespace {

namespace fs = std::filesystem;
using tab::Cell;
using tab::Governs;
using tab::Options;
using tab::Table;
using tab::Value;
using test::ScratchDir;
using test::TestRun;

const fs::path kBin = fs::path(KVOP_BINARY_DIR) / "bin";

// A delivered profile as the engine loads it.
ProfileRecord delivered(const std::string& name) {
  ScratchDir dir;
  TestRun run(dir.path());
  EXPECT_TRUE(run.ctx.channels.database.open_read(kBin / "PROFILKV.BIN"));
  EXPECT_EQ(pdread(run.ctx, Text<8>(name), ProfileScaling::scaled, NotFound::silent), 0) << name;
  clfile(run.ctx);
  return run.ctx.prof;
}

// Which value of a cell a run checks.
enum class Kind { uls, sls, uplift };

// A 32-bit load factor f near 1/gammad and a value x for which the engine's
// product gammad·f·x rounds to the same 32-bit load as `want`.
void source_for(double want, double gd, float& f, float& x) {
  const float target = static_cast<float>(want);
  f = static_cast<float>(1.0 / gd);
  for (int tries = 0; tries < 16; ++tries) {
    const double factor = gd * f;
    x = static_cast<float>(want / factor);
    for (int k = 0; k < 8; ++k) {
      const float made = static_cast<float>(factor * x);
      if (made == target) return;
      x = std::nextafter(x, made < target ? 1e30f : -1e30f);
    }
    f = std::nextafter(f, tries % 2 ? 1e30f : -1e30f);
  }
  ADD_FAILURE() << "no source value gives the load " << want;
}

// A whole engine run (lookup in the delivered database through BRASKO.INI,
// both analysis passes, the checks and the report) of the cell's sheet with
// the load q made by the case's own snow (roof, towards the sheet),
// serviceability snow, or wind: the case's load is the table's load.
// Returns the largest ratio of the checks the value belongs to.
struct EngineRun {
  float ratio = 0;
  float load = 0;  // the load the engine built for the load case
};

EngineRun engine_run(const std::string& profile, const Options& o, const Cell& c, Kind kind,
                     double q) {
  ScratchDir dir;
  TestRun run(dir.path());
  dir.write("BRASKO.INI", kBin.string() + "\r\n");
  EXPECT_TRUE(run.ctx.channels.report.open_write(dir.path() / "CASE.RED"));
  InputCase& in = run.ctx.in;
  blkdat(in);
  in.nprof = 1;
  in.pnamn(1).set(profile);
  in.marknadskod = o.marknadskod;
  in.sakkl = o.sakkl;
  in.vagg = o.wall ? 1 : 0;
  in.vandr(1) = o.vandr;
  in.nfack = c.layout;
  for (int j = 1; j <= c.layout; ++j) {
    in.spv(j) = static_cast<float>(c.span);
    in.tjlk(j) = c.t_mm;
  }
  for (int i = 1; i <= c.layout + 1; ++i)
    in.upplbredd(i) = i == 1 || i == c.layout + 1 ? o.end_support_m : o.inner_support_m;
  in.konsv = in.konsh = 0;  // the sheet ends on the end supports
  in.taklutn = 0;
  in.egentyngd = 0;
  in.snolast = 0;
  in.snoform = 1;
  in.psi0sno = in.psi1sno = in.psi0vind = 0;
  in.vind.fill(0.0f);
  const int m = o.marknadskod;
  for (int f = 1; f <= 6; ++f) in.partkf(f, m) = 1.0f;

  AnalysisResults factors;
  sakerhetsfaktorer(in, factors);
  const double gd = factors.gammad;
  int lc = 1;
  if (!o.wall && kind == Kind::uls) {
    source_for(q, gd, in.partkf(5, m), in.snolast);  // design snow: gammad x factor x snow
  } else if (!o.wall && kind == Kind::sls) {
    lc = 2;
    in.psi1sno = 1;
    in.partkf(5, m) = 0;  // no design snow in load case 1
    in.snolast = static_cast<float>(q);
  } else if (!o.wall && kind == Kind::uplift) {
    lc = 3;
    in.vind(2) = in.vind(4) = 1;
    source_for(q, gd, in.partkf(6, m), in.vind(1));  // design suction: gammad x factor x wind
  } else if (kind == Kind::uplift) {
    lc = 3;
    in.vind(2) = in.vind(4) = 1;
    in.vind(1) = static_cast<float>(q);
  } else {
    in.vind(3) = in.vind(6) = 1;  // wind towards the wall
    in.vind(1) = static_cast<float>(q);
  }
  inledn(run.ctx);
  defork(run.ctx);
  EXPECT_EQ(dimber(run.ctx), 0) << run.err.str();

  EngineRun r;
  r.load = std::fabs(run.ctx.an.belastning(lc).lf.q);
  const CheckResults& chk = run.ctx.chk;
  r.ratio = -1e9f;
  if (kind == Kind::sls) {
    for (int j = 1; j <= c.layout; ++j) r.ratio = std::max(r.ratio, chk.KVOTD(lc, j));
  } else {
    for (int i = 1; i <= c.layout + 1; ++i) r.ratio = std::max(r.ratio, chk.KVOTS(lc, i));
    for (int j = 1; j <= c.layout; ++j) r.ratio = std::max(r.ratio, chk.KVOTF(lc, j));
  }
  return r;
}

const Value& value_of(const Cell& c, Kind k) {
  return k == Kind::uls ? c.uls : k == Kind::sls ? c.sls : c.uplift;
}

// Every cell of a small table: at the tabulated load every check of its
// load case passes in the whole engine run; at 1 % more one fails.
void expect_cells_match_engine(const std::string& profile, const Options& o) {
  const ProfileRecord prof = delivered(profile);
  const Table t = tab::load_span_table(prof, o);
  ASSERT_FALSE(t.cells.empty());
  for (const Cell& c : t.cells) {
    for (Kind k : {Kind::uls, Kind::sls, Kind::uplift}) {
      const Value& v = value_of(c, k);
      const std::string where = profile + " layout " + std::to_string(c.layout) + " span " +
                                std::to_string(c.span) + " t " + std::to_string(c.t_mm) +
                                " value " + std::to_string(static_cast<int>(k));
      if (!v.has) {
        ADD_FAILURE() << "no value: " << where;
        continue;
      }
      const EngineRun at = engine_run(profile, o, c, k, v.q);
      EXPECT_EQ(at.load, static_cast<float>(v.q)) << where;
      EXPECT_LE(at.ratio, 1.0f) << where << " q " << v.q;
      const EngineRun above = engine_run(profile, o, c, k, v.q * 1.01);
      EXPECT_GT(above.ratio, 1.0f) << where << " q " << v.q;
    }
  }
}

TEST(KvoptabCells, RoofCellsAgreeWithWholeEngineRuns) {
  Options o;
  o.from = 1.5;
  o.to = 10.5;
  o.step = 4.5;
  expect_cells_match_engine("R820U", o);  // Sweden, class 2, narrow flange on the purlin
  o.marknadskod = 3;
  o.sakkl = 1;
  o.vandr = 2;
  o.inner_support_m = 0.16f;
  o.from = 2.0;
  o.to = 6.0;
  o.step = 4.0;
  expect_cells_match_engine("R45", o);
  o.marknadskod = 5;
  o.sakkl = 3;
  o.layouts = {2};
  expect_cells_match_engine("TR70", o);
  // Aluminium: the interaction of moment and reaction is quadratic.
  o.marknadskod = 4;
  o.sakkl = 2;
  o.layouts = {2, 3};
  o.from = 1.0;
  o.to = 3.0;
  o.step = 1.0;
  expect_cells_match_engine("R35AL", o);
}

TEST(KvoptabCells, WallCellsAgreeWithWholeEngineRuns) {
  Options o;
  o.wall = true;
  o.from = 2.0;
  o.to = 7.0;
  o.step = 5.0;
  for (int market : {1, 3}) {
    o.marknadskod = market;
    expect_cells_match_engine("R45", o);
  }
}

TEST(KvoptabCells, WallWithoutDeflectionRuleHasNoServiceabilityValue) {
  Options o;
  o.wall = true;
  o.marknadskod = 2;
  o.from = o.to = 4.0;
  const Table t = tab::load_span_table(delivered("R45"), o);
  for (const Cell& c : t.cells) {
    EXPECT_FALSE(c.sls.has);
    EXPECT_EQ(c.sls.governs, Governs::none);
    EXPECT_TRUE(c.uls.has);
    EXPECT_TRUE(c.uplift.has);
  }
  EXPECT_NE(tab::csv_table(t).find(",,none,"), std::string::npos);
}

// Single spans, the thickest and the thinnest sheet: where the span moment
// governs, q·L² stays constant (up to the cantilever of half a support
// width and the table's grid); below the change to the end support's web
// crippling the reaction q·(L/2 + a) stays constant, and the change lies
// where the two curves cross.
TEST(KvoptabCurves, SpanMomentAndCripplingCurvesCrossWhereTheGoverningCheckChanges) {
  const ProfileRecord prof = delivered("R820U");
  Options o;
  o.layouts = {1};
  const Table t = tab::load_span_table(prof, o);
  const double a = o.end_support_m / 2;
  for (int column : {1, prof.thickness_count}) {
    std::vector<const Cell*> cells;
    for (const Cell& c : t.cells)
      if (c.column == column) cells.push_back(&c);
    ASSERT_EQ(cells.size(), 45u);
    const Cell* last_e = nullptr;
    const Cell* first_f = nullptr;
    for (const Cell* c : cells) {
      if (c->uls.governs == Governs::end_web_crippling && !first_f) last_e = c;
      if (c->uls.governs == Governs::span_moment && !first_f) first_f = c;
    }
    ASSERT_TRUE(last_e && first_f) << "column " << column;
    // Once the span moment governs it governs to the longest span.
    for (const Cell* c : cells) {
      if (c->span >= first_f->span) {
        EXPECT_EQ(c->uls.governs, Governs::span_moment) << c->span;
      }
    }

    // Each tabulated load q stands for a true limit in [q, q + grid); the
    // constant of a curve must lie in every such interval of its cells.
    auto constant = [&](Governs g, auto measure) {
      double lo = 0, hi = 1e30;
      for (const Cell* c : cells) {
        if (c->uls.governs != g) continue;
        lo = std::max(lo, c->uls.q * measure(c->span));
        hi = std::min(hi, (c->uls.q + tab::load_grid(c->uls.q)) * measure(c->span));
      }
      EXPECT_LE(lo, hi * (1 + 1e-4)) << governs_word(g) << " column " << column;
      return 0.5 * (lo + hi);
    };
    // Mid-span moment q·L²/8 less the cantilever's q·a²/2.
    const double C = constant(Governs::span_moment, [&](double L) { return L * L - 4 * a * a; });
    // End reaction q·(L/2 + a).
    const double K = constant(Governs::end_web_crippling, [&](double L) { return L / 2 + a; });
    const Cell& shortest = *cells.front();
    const Cell& longest = *cells.back();
    ASSERT_EQ(shortest.uls.governs, Governs::end_web_crippling);
    // The crossing of C/L² and K/(L/2 + a).
    double lo = shortest.span, hi = longest.span;
    for (int k = 0; k < 60; ++k) {
      const double L = 0.5 * (lo + hi);
      (C / (L * L - 4 * a * a) > K / (L / 2 + a) ? lo : hi) = L;
    }
    EXPECT_LE(last_e->span, lo + 0.01) << "column " << column;
    EXPECT_GE(first_f->span, lo - 0.01) << "column " << column;
    EXPECT_NEAR(first_f->span - last_e->span, o.step, 1e-9);
  }
}

// More spans carry more towards the sheet at long spans, the thicker sheet
// carries more, and the class-1 rule for the inner supports of a Swedish
// roof raises the two-span load over that of a market without it.
TEST(KvoptabCurves, ValuesRiseWithThicknessAndFallWithSpan) {
  Options o;
  o.from = 2.0;
  o.to = 8.0;
  o.step = 1.0;
  const Table t = tab::load_span_table(delivered("R820U"), o);
  const std::size_t nc = t.columns.size(), ns = t.spans.size();
  for (std::size_t li = 0; li < o.layouts.size(); ++li)
    for (std::size_t si = 0; si < ns; ++si)
      for (std::size_t ci = 0; ci < nc; ++ci) {
        const Cell& c = t.cells[(li * ns + si) * nc + ci];
        for (Kind k : {Kind::uls, Kind::sls, Kind::uplift}) {
          ASSERT_TRUE(value_of(c, k).has);
          if (ci > 0) {
            const Cell& thinner = t.cells[(li * ns + si) * nc + ci - 1];
            EXPECT_GE(value_of(c, k).q, value_of(thinner, k).q);
          }
          if (si > 0) {
            const Cell& shorter = t.cells[(li * ns + si - 1) * nc + ci];
            EXPECT_LT(value_of(c, k).q, value_of(shorter, k).q);
          }
        }
      }
}

// The program: files written whole, the CSV columns, messages and statuses.
struct Program {
  ScratchDir dir;
  std::string err;
  int run(const std::string& args) {
    const std::string errfile = (dir.path() / "err.txt").string();
    // Under the sanitizers the leak check passes over fontconfig's caches.
    const std::string lsan =
        "LSAN_OPTIONS=suppressions='" KVOP_SOURCE_DIR "/tests/tools/fontconfig.supp' ";
    const std::string cmd = "cd '" + dir.path().string() + "' && " + lsan + "'" +
                            (kBin / "kvoptab").string() + "' " + args + " >out.txt 2>'" + errfile +
                            "'";
    const int st = std::system(cmd.c_str());
    err = dir.read("err.txt");
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  }
  std::set<std::string> files() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path()))
      names.insert(e.path().filename().string());
    return names;
  }
};

TEST(KvoptabProgram, WritesCsvJsonAndChartFromTheNamedDatabase) {
  Program p;
  const std::string db = " --database '" + (kBin / "PROFILKV.BIN").string() + "'";
  ASSERT_EQ(p.run("r820u --layouts 1,3 --from 3 --to 4 --step 0.5 --csv t.csv --json t.json "
                  "--plot t.svg" +
                  db),
            0)
      << p.err;
  const std::vector<std::string> lines = test::split_lines(p.dir.read("t.csv"));
  ASSERT_EQ(lines.size(), 1u + 2 * 3 * 10);
  EXPECT_EQ(lines[0],
            "layout,span_m,t_mm,q_uls,governs_uls,q_sls,governs_sls,q_uplift,governs_uplift");
  EXPECT_EQ(lines[1].substr(0, 14), "1,3.00,0.90,9.");
  EXPECT_EQ(lines.back().substr(0, 12), "3,4.00,1.50,");
  const std::string json = p.dir.read("t.json");
  EXPECT_NE(json.find("\"self_weight_deducted\": false"), std::string::npos);
  EXPECT_EQ(p.dir.read("t.svg").substr(0, 5), "<?xml");
  const std::string text = p.dir.read("out.txt");
  EXPECT_NE(text.find("PLÅTENS EGENTYNGD ÄR EJ AVDRAGEN"), std::string::npos);
  EXPECT_NE(text.find("TRE LIKA FACK - BROTTGRÄNS, LAST MOT PLÅTEN"), std::string::npos);

  ASSERT_EQ(p.run("R820U --layouts 2 --from 3 --to 3 --plot t.pdf --csv -" + db), 0) << p.err;
  EXPECT_EQ(p.dir.read("t.pdf").substr(0, 5), "%PDF-");
  EXPECT_EQ(test::split_lines(p.dir.read("out.txt")).size(), 11u);  // CSV in place of the text
}

TEST(KvoptabProgram, FindsTheDatabaseBesideItselfAndThroughBraskoIni) {
  Program p;
  ASSERT_EQ(p.run("R45 --layouts 3 --from 2 --to 2 --json -"), 0) << p.err;  // build tree
  EXPECT_NE(p.dir.read("out.txt").find("\"profile\": \"R45\""), std::string::npos);
  p.dir.write("BRASKO.INI", kBin.string() + "\r\n");
  ASSERT_EQ(p.run("R45 --layouts 1 --from 2 --to 2 --csv -"), 0) << p.err;
  EXPECT_EQ(test::split_lines(p.dir.read("out.txt")).size(),
            1u + static_cast<std::size_t>(delivered("R45").thickness_count));
  p.dir.write("BRASKO.INI", "/nonexistent/dir\r\n");
  EXPECT_EQ(p.run("R45"), 2);
  EXPECT_NE(p.err.find("PROFILDATABASEN FINNS EJ"), std::string::npos) << p.err;
}

TEST(KvoptabProgram, RefusesUnknownProfilesAndBadRangesAndWritesNothing) {
  Program p;
  const std::string db = " --database '" + (kBin / "PROFILKV.BIN").string() + "'";
  EXPECT_EQ(p.run("R999 --csv t.csv" + db), 1);
  EXPECT_NE(p.err.find("PROFILEN R999 FINNS EJ"), std::string::npos) << p.err;
  EXPECT_EQ(p.run("R820U --from 5 --to 4 --csv t.csv" + db), 64);
  EXPECT_EQ(p.run("R820U --step 0 --csv t.csv" + db), 64);
  EXPECT_EQ(p.run("R820U --layouts 4 --csv t.csv" + db), 64);
  EXPECT_EQ(p.run("R820U --market 6 --csv t.csv" + db), 64);
  EXPECT_EQ(p.run("R820U --plot t.png --csv t.csv" + db), 64);
  EXPECT_EQ(p.run("R820U --csv - --json -" + db), 64);
  EXPECT_EQ(p.run("R820U --orientation sideways" + db), 64);
  EXPECT_EQ(p.run("R820U --csv no/such/dir/t.csv" + db), 1);
  EXPECT_EQ(p.files(), (std::set<std::string>{"err.txt", "out.txt"}));
}

}  // namespace
}  // namespace kvop
