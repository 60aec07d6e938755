// skriva: the result section of the report for one profile - the detailed
// table of a load case, or the graphical summary of the utilisation ratios of
// all load cases.  Every line goes through a layout written as the report's
// line layout.
#include "output/skriva.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "core/cp1252.h"
#include "core/markets.h"
#include "core/real32.h"
#include "core/format.h"
#include "core/joint_names.h"

namespace kvop {

namespace {
// The integer part (towards zero) of a percentage; a value beyond any column
// (or not a number) becomes one that fills its field with asterisks.
int percent_of(double v) {
  if (std::isnan(v) || v >= 1.0e9) return 1000000000;
  if (v <= -1.0e9) return -1000000000;
  return static_cast<int>(v);
}
}  // namespace

int percent(float r) { return percent_of(100.0 * r + 0.5); }
// Two load cases combined: the larger of the two values is truncated.
int percent(float r1, float r2) { return percent_of(std::max(100.0 * r1 + 0.5, 100.0 * r2 + 0.5)); }

namespace {

using notation::Layout;
using notation::Value;

void put(RunContext& ctx, const Layout& layout, std::span<const Value> values) {
  notation::write(ctx.channels.report, layout, values);
}
void put(RunContext& ctx, const Layout& layout, std::initializer_list<Value> values = {}) {
  notation::write(ctx.channels.report, layout, values);
}

// Texts of the tables, as Windows-1252 bytes at their exact widths.
struct Texts {
  // Drawing symbols by skarvtyp 0..5 of the span's left / right support.
  std::array<std::string, 6> start{"---", "_--", "===", "==+", "--=", "==-"};
  std::array<std::string, 6> end{"---", "---", "---", "---", "---", "--="};
  std::array<std::string, 6> joint{
      std::string(kSkarvnamn[0]), std::string(kSkarvnamn[1]), std::string(kSkarvnamn[2]),
      std::string(kSkarvnamn[3]), std::string(kSkarvnamn[4]), std::string(kSkarvnamn[5])};
  std::array<std::string, 2> direction{enc("LAST MOT PLÅT   "), enc("LAST FRÅN PLÅT  ")};
  std::array<std::string, 6> state{std::string(20, ' '),        enc("VANLIGT LASTFALL    "),
                                   enc("BRUKSGRÄNSTILLSTÅND "), std::string(20, ' '),
                                   enc("EXC IGT LASTFALL    "), enc("BROTTGRÄNSTILLSTÅND ")};
  std::array<std::string, 4> check{
      enc("KONTROLL BÄRFÖRMÅGA             "), enc("KONTROLL BÄRFÖRMÅGA, DEFORMATION"),
      enc("KONTROLL DEFORMATION            "), enc("KONTROLL SKIVVERKAN             ")};
  std::string blank3 = "   ";
};

const Texts& texts() {
  static const Texts t;
  return t;
}

// An entry of a table indexed by joint type; a type outside the table (which
// the input reader never lets through) shows blanks rather than reading past
// the table.
const std::string& by_type(const std::array<std::string, 6>& table, int type,
                           const std::string& blank) {
  return type >= 0 && type <= 5 ? table[static_cast<std::size_t>(type)] : blank;
}

// Header selection per load case 1..4: load direction, check text and the
// base of the state text (all 1-based indices into the tables above).
constexpr std::array<int, 4> kDirection = {1, 1, 2, 1};
constexpr std::array<int, 4> kCheck = {1, 2, 1, 4};
constexpr std::array<int, 4> kStateBase = {4, 1, 4, 4};

// What every call prepares.
struct Prepared {
  bool continuity = false;     // a continuous inner support and h >= 0.065 m
  std::vector<float> overlap;  // ol(i), index i - 1
};

Prepared prepare(const RunContext& ctx) {
  const InputCase& in = ctx.in;
  Prepared p;
  bool continuous_inner = false;
  for (int i = 2; i <= in.nfack; ++i) {
    const int t = in.skarvtyp(i);
    if (t == 0 || t == 2 || t == 3 || t == 5) continuous_inner = true;
  }
  p.continuity = continuous_inner && ctx.prof.general(no(General::height)) >= 0.065f;
  for (int i = 1; i <= in.nfack + 1; ++i) {
    const float span = in.spv(std::min(i, in.nfack));
    p.overlap.push_back(f32(static_cast<double>(0.01f) * in.skarvprc(i) * span));
  }
  return p;
}

float mm(float metres) { return f32(1000.0 * metres); }

// The safety-class note: inner supports of continuous sheeting are designed
// in safety class 1.
void safety_note(RunContext& ctx) {
  static const Layout kNote(
      "(/,4X,'I KONTINUERLIG ELLER KONTINUERLIGT SKARVAD PLÅT ÄR INNERSTÖD',"
      "/,4X,'DIMENSIONERAD I SÄKERHETSKLASS 1',/,4X)");
  put(ctx, kNote);
}

bool wants_safety_note(const RunContext& ctx, const Prepared& p) {
  return ctx.in.sakkl >= 2 && p.continuity &&
         market_rules(ctx.in.marknadskod).inner_supports_class1;
}

// The most values of a row: the supports of 20 spans.  The list of a row is
// made once with room for that and reused from row to row.
constexpr std::size_t kRowValues = 21;

// --- Detailed table of one load case ---------------------------------------

void table_header(RunContext& ctx, int lc) {
  static const Layout kRoof("(/,4X,'LASTFALL',I2,8X,A16,6X,A20,/,4X,18X,A32,/,1X)");
  static const Layout kWall(
      "(/,4X,'LASTFALL',I2,8X,A16,/,4X,18X,A20,',  ',A20,/,4X,18X,A20,',  ',A20,/,1X)");
  static const std::string kCapacity = enc("KONTROLL BÄRFÖRMÅGA ");
  static const std::string kUltimate = enc("BROTTGRÄNSTILLSTÅND ");
  static const std::string kDeflection = enc("KONTROLL DEFORMATION");
  static const std::string kService = enc("BRUKSGRÄNSTILLSTÅND ");
  const InputCase& in = ctx.in;
  const Texts& t = texts();
  const std::size_t k = static_cast<std::size_t>(lc - 1);
  const std::string& direction = t.direction[static_cast<std::size_t>(kDirection[k] - 1)];
  if (in.vagg == 1) {
    put(ctx, kWall, {lc, direction, kCapacity, kUltimate, kDeflection, kService});
    return;
  }
  int state = kStateBase[k];
  if (in.sakkl > 0)
    state += 2;
  else if (market_rules(in.marknadskod).names_load_cases)
    state += 1;
  int check = kCheck[k];
  if (lc == 2 && in.sakkl > 0) check = 3;
  put(ctx, kRoof,
      {lc, direction, t.state[static_cast<std::size_t>(state - 1)],
       t.check[static_cast<std::size_t>(check - 1)]});
}

// The row of support i in the table, by its joint type.
void support_row(RunContext& ctx, int lc, int i, const Prepared& p) {
  static const Layout kPlain("(4X,13X,A8,18X,F6.2,F9.2)");
  static const Layout kOverlap("(4X,13X,A8,F4.2,14X,F6.2,F9.2,F7.2)");
  static const Layout kDouble("(4X,13X,A8,F5.2,13X,F6.2,F9.2,/,4X,13X,8X,F5.2)");
  const InputCase& in = ctx.in;
  const AnalysisResults& an = ctx.an;
  const int type = in.skarvtyp(i);
  static const std::string kBlank8(8, ' ');
  const std::string& name = by_type(texts().joint, type, kBlank8);
  const float ol = p.overlap[static_cast<std::size_t>(i - 1)];
  switch (type) {
    case 2:
    case 3:
      put(ctx, kOverlap, {name, ol, an.mstod(lc, i), an.reakt(lc, i), an.dskruv(lc, i)});
      break;
    case 4:  // a Gerber hinge carries no fastener force
      put(ctx, kOverlap, {name, ol, an.mstod(lc, i), an.reakt(lc, i)});
      break;
    case 5: {
      // The two ends of the double overlap: into the span to the right of
      // the support and (negative) into the span to its left.
      const float right = f32(static_cast<double>(in.spv(i)) * skarvrel1(an, i));
      const float left = i >= 2 ? f32(-(1.0 - skarvrel2(an, i)) * in.spv(i - 1)) : 0.0f;
      put(ctx, kDouble, {name, right, an.mstod(lc, i), an.reakt(lc, i), left});
      break;
    }
    default: put(ctx, kPlain, {name, an.mstod(lc, i), an.reakt(lc, i)});
  }
}

void detailed_table(RunContext& ctx, int lc, const Prepared& p) {
  static const Layout kRule("(4X,67('-'))");
  static const Layout kHeads(
      "(4X,'FACK   SPV  SKARV/PLÅT- PLÅTTJLK MFÄLT  MSTÖD UPPLREAKT',' DSKRUV  DEF',"
      "/,4X,' NR     M        ÄNDE M     MM   KNM/M  KNM/M     KN/M ','  KN/M    MM')");
  static const Layout kCantilever("(4X,3X,F7.2,51X,F6.1)");
  static const Layout kLastSupport("(4X,13X,A8,18X,F6.2,F9.2)");
  static const Layout kSpan("(4X,I3,F7.2,15X,F6.2,F7.2,23X,F6.1)");
  static const Layout kTitle("(/,/,4X,'UTNYTTJANDEGRADER %')");
  static const Layout kSpanNumbers("(/,4X,'FACK  NR',3X,8(I4,2X),(/,4X,15X,8(I4,2X)))");
  static const Layout kSupports("(4X,'STÖD    ',1X,9(I3,3X),(/,4X,15X,9(I3,3X)))");
  static const Layout kSpans("(4X,'FÄLT    ',3X,8(I4,2X),(/,4X,17X,8(I4,2X)))");
  static const Layout kDeflections("(4X,'DEF.    ',3X,8(I4,2X),(/,4X,17X,8(I4,2X)))");
  const InputCase& in = ctx.in;
  const AnalysisResults& an = ctx.an;
  const CheckResults& chk = ctx.chk;
  const int n = in.nfack;

  table_header(ctx, lc);
  put(ctx, kRule);
  put(ctx, kHeads);
  put(ctx, kRule);
  if (in.skarvtyp(1) == 0) put(ctx, kCantilever, {in.konsv, mm(chk.nedbkons(lc, 1))});
  for (int j = 1; j <= n; ++j) {
    support_row(ctx, lc, j, p);
    put(ctx, kSpan, {j, in.spv(j), chk.plattj(j), an.mfalt(lc, j), mm(chk.nedbfalt(lc, j))});
  }
  static const std::string kBlank8(8, ' ');
  put(ctx, kLastSupport,
      {by_type(texts().joint, in.skarvtyp(n + 1), kBlank8), an.mstod(lc, n + 1),
       an.reakt(lc, n + 1)});
  if (in.skarvtyp(n + 1) == 0) put(ctx, kCantilever, {in.konsh, mm(chk.nedbkons(lc, 2))});
  put(ctx, kRule);

  put(ctx, kTitle);
  std::vector<Value> v;
  v.reserve(kRowValues);
  for (int j = 1; j <= n; ++j) v.emplace_back(j);
  put(ctx, kSpanNumbers, v);
  if (!(lc == 2 && in.sakkl >= 1)) {
    v.clear();
    for (int i = 1; i <= n + 1; ++i) v.emplace_back(percent(chk.KVOTS(lc, i)));
    put(ctx, kSupports, v);
    v.clear();
    for (int j = 1; j <= n; ++j) v.emplace_back(percent(chk.KVOTF(lc, j)));
    put(ctx, kSpans, v);
    if (wants_safety_note(ctx, p) && lc != 4) safety_note(ctx);
  }
  if (lc == 2 || in.vagg == 1) {
    v.clear();
    for (int j = 1; j <= n; ++j) v.emplace_back(percent(chk.KVOTD(lc, j)));
    put(ctx, kDeflections, v);
  }
}

// --- Graphical summary ------------------------------------------------------

// Spans k..m of one page of the summary.
struct Page {
  int k, m;
  bool first, last;
};

std::vector<Page> pages(int nfack) {
  std::vector<Page> list;
  for (int k = 1; k <= nfack; k += 8) {
    const int m = std::min(nfack, k + 7);
    list.push_back({k, m, k == 1, m == nfack});
  }
  return list;
}

// The drawing of the sheet over the spans of a page, its support markers and
// the span numbers.  `marker` is the first support's marker ("A" or "0");
// `v` is the caller's list for the rows.
void page_head(RunContext& ctx, const Page& pg, const std::string& marker,
               std::vector<Value>& v) {
  static const Layout kDrawing("(/,4X,8X,A3,8(A3,A3),A3)");
  static const Layout kMarkers("(4X,8X,3X,9(A1,5X))");
  static const Layout kNumbers("(4X,'FACK    ',3X,8(I4,2X))");
  static const std::string kRightEnd = "_  ";
  static const std::string kZero = "0";
  const InputCase& in = ctx.in;
  const Texts& t = texts();
  const std::string& b = t.blank3;
  v.clear();
  if (pg.first)
    v.emplace_back(in.skarvtyp(1) == 1 ? b : t.start[0]);
  else
    v.emplace_back(by_type(t.end, in.skarvtyp(pg.k), b));
  for (int j = pg.k; j <= pg.m; ++j) {
    v.emplace_back(by_type(t.start, in.skarvtyp(j), b));
    v.emplace_back(by_type(t.end, in.skarvtyp(j + 1), b));
  }
  if (pg.last)
    v.emplace_back(in.skarvtyp(in.nfack + 1) == 1 ? kRightEnd : t.start[0]);
  else
    v.emplace_back(by_type(t.start, in.skarvtyp(pg.m + 1), b));
  put(ctx, kDrawing, v);

  v.clear();
  v.emplace_back(marker);
  for (int i = pg.k + 1; i <= pg.m + 1; ++i) v.emplace_back(kZero);
  put(ctx, kMarkers, v);

  v.clear();
  for (int j = pg.k; j <= pg.m; ++j) v.emplace_back(j);
  put(ctx, kNumbers, v);
}

void graphical_summary(RunContext& ctx, const Prepared& p) {
  static const Layout kSpvFirst("(4X,'SPV  M',F5.2,9F6.2)");
  static const Layout kSpvLater("(4X,'SPV  M',5X,9F6.2)");
  static const Layout kThickness("(/,4X,'TJLK MM ',3X,8F6.2)");
  static const Layout kPageMark("('^')");
  static const Layout kTitle("(/,/,4X,'UTNYTTJANDEGRADER %')");
  static const Layout kDirection("(/,4X,A16)");
  static const Layout kSupports("(4X,'STÖD    ',1X,9(I3,3X))");
  static const Layout kSpans("(4X,'FÄLT    ',3X,8(I4,2X))");
  static const Layout kDeflections("(4X,'DEF.    ',3X,8(I4,2X))");
  const InputCase& in = ctx.in;
  const CheckResults& chk = ctx.chk;
  const Texts& t = texts();
  const bool wall = in.vagg == 1;
  const std::vector<Page> list = pages(in.nfack);

  // The first support of the drawing is marked "A" until the second page of
  // the geometry is drawn; from then on it is "0".
  static const std::string kA = "A", kZero = "0";
  const std::string* marker = &kA;
  std::vector<Value> v;
  v.reserve(kRowValues);
  for (const Page& pg : list) {
    if (!pg.first) marker = &kZero;
    page_head(ctx, pg, *marker, v);
    v.clear();
    if (pg.first) v.emplace_back(in.konsv);
    for (int j = pg.k; j <= pg.m; ++j) v.emplace_back(in.spv(j));
    if (pg.last) v.emplace_back(in.konsh);
    put(ctx, pg.first ? kSpvFirst : kSpvLater, v);
    v.clear();
    for (int j = pg.k; j <= pg.m; ++j) v.emplace_back(chk.plattj(j));
    put(ctx, kThickness, v);
  }
  if (list.size() > 1) put(ctx, kPageMark);

  put(ctx, kTitle);
  for (const Page& pg : list) {
    page_head(ctx, pg, *marker, v);
    put(ctx, kDirection, {t.direction[0]});
    v.clear();
    for (int i = pg.k; i <= pg.m + 1; ++i)
      v.emplace_back(percent(chk.KVOTS(1, i), chk.KVOTS(2, i)));
    put(ctx, kSupports, v);
    v.clear();
    for (int j = pg.k; j <= pg.m; ++j) v.emplace_back(percent(chk.KVOTF(1, j), chk.KVOTF(2, j)));
    put(ctx, kSpans, v);
    v.clear();
    for (int j = pg.k; j <= pg.m; ++j) v.emplace_back(percent(chk.KVOTD(wall ? 1 : 2, j)));
    put(ctx, kDeflections, v);

    put(ctx, kDirection, {t.direction[1]});
    v.clear();
    for (int i = pg.k; i <= pg.m + 1; ++i) v.emplace_back(percent(chk.KVOTS(3, i)));
    put(ctx, kSupports, v);
    v.clear();
    for (int j = pg.k; j <= pg.m; ++j) v.emplace_back(percent(chk.KVOTF(3, j)));
    put(ctx, kSpans, v);
    if (wall) {
      v.clear();
      for (int j = pg.k; j <= pg.m; ++j) v.emplace_back(percent(chk.KVOTD(3, j)));
      put(ctx, kDeflections, v);
    }
  }
  if (wants_safety_note(ctx, p)) safety_note(ctx);
}

}  // namespace

void skriva(RunContext& ctx, int lc) {
  const InputCase& in = ctx.in;
  if (lc < 1 || lc > 4 || in.nfack < 1 || in.nfack > 20) return;
  const Prepared p = prepare(ctx);
  if (in.vagg == 1 && (lc == 2 || lc == 4)) return;
  if (in.utskr == 1)
    detailed_table(ctx, lc, p);
  else
    graphical_summary(ctx, p);
}

}  // namespace kvop
