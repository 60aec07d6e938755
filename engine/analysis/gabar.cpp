// gabar: walkability during erection and maintenance.  Each span is compared
// with the span a person may walk unsupported on, which depends on the
// thickness chosen for the span, the joints at its ends and the perforation.
#include "analysis/gabar.h"

#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/real32.h"
#include "report/format.h"

namespace kvop {
namespace {

using notation::Layout;

// The thickness column of span j: that of the highest-numbered sheet covering
// support j; 0 when no sheet covers it (the checks have not run).
int column_of_span(const RunContext& ctx, int j) {
  int t = 0;
  for (int k = 1; k <= ctx.in.nfack; ++k)
    if (ctx.chk.tjix(k, j) != 0) t = ctx.chk.tjix(k, j);
  return t;
}

}  // namespace

void gabar(RunContext& ctx) {
  static const Layout kFirst("(/,4X,'OBS!! GÅBARHETEN ÖVERSKRIDEN I FACK NR: ',I2)");
  static const Layout kFurther("(4X,A40,I2)");
  static const Layout kSheetLength("(/,4X,'OBS!! MAX PLÅTLÄNGD ÖVERSKRIDEN')");
  static const Layout kPerforated(
      "(/,4X,'GÅBARHETEN FÖR HELPERFORERAD PROFIL ÄR EJ KONTROLLERAD,',"
      "/,4X,'KONTAKTA NÄRMASTE MELBROKKONTOR FÖR INFORMATION')");
  // Ditto marks under "GÅBARHETEN ÖVERSKRIDEN I FACK NR: ".
  static const std::string kDitto = std::string(10, ' ') + '"' + std::string(10, ' ') + '"' +
                                    std::string(10, ' ') + '"' + std::string(5, ' ') + ": ";
  const InputCase& in = ctx.in;
  const ProfileRecord& prof = ctx.prof;
  const int n = in.nfack;
  if (n < 1 || n > 20) return;

  // Walkable spans per thickness column: G1 for a span without a continuous
  // end, G2 for one with a continuous end.  A partly perforated sheet loses
  // 0.60 m against an unperforated one.
  const float d = in.perfo(1) == 1 ? -0.59f : 0.01f;
  const int columns = prof.thickness_count;
  auto g1 = [&](int t) { return f32(10000.0 * prof.per_thickness(16, t) + d); };
  auto g2 = [&](int t) { return f32(10000.0 * prof.per_thickness(19, t) + d); };
  auto ov = [&](int j) { return f32(static_cast<double>(0.01f) * in.skarvprc(j) * in.spv(j)); };

  std::vector<int> flagged;
  ctx.chk.gabfl.fill(0);
  ctx.chk.gabar_run = true;
  for (int j = 1; j <= n; ++j) {
    const int t = column_of_span(ctx, j);
    if (t < 1 || t > columns || t > 10) continue;  // no thickness chosen: nothing to judge
    const float span = in.spv(j);
    bool over = false;
    if (n == 1) {
      over = g1(t) < span;
    } else if (j == 1) {
      over = (in.skarvtyp(2) == 0 ? g2(t) : g1(t)) < span;
    } else if (j == n) {
      const int J = in.skarvtyp(n);
      if (J == 0)
        over = g2(t) < span;
      else if (J == 1)
        over = g1(t) < span;
      else
        over = f32(static_cast<double>(ov(n)) + g1(t)) < span;
    } else {
      const int left = in.skarvtyp(j), right = in.skarvtyp(j + 1);
      float limit;
      if (left == 0)
        limit = right == 0 ? f32(static_cast<double>(1.1f) * g2(t)) : g2(t);
      else if (left == 1)
        limit = right == 0 ? g2(t) : g1(t);
      else
        limit = f32(static_cast<double>(ov(j)) + (right == 0 ? g2(t) : g1(t)));
      over = limit < span;
    }
    if (over) {
      flagged.push_back(j);
      ctx.chk.gabfl(j) = 1;
    }
  }

  Channel& report = ctx.channels.report;
  for (std::size_t k = 0; k < flagged.size(); ++k) {
    if (k == 0)
      notation::write(report, kFirst, {flagged[k]});
    else
      notation::write(report, kFurther, {kDitto, flagged[k]});
  }
  if (ctx.chk.maxlangdfl == 1) notation::write(report, kSheetLength);
  if (in.perfo(1) > 1) notation::write(report, kPerforated);
}

}  // namespace kvop
