#include "output/analysis_json.h"

#include <algorithm>

#include "core/json_values.h"

namespace kvop {

using nlohmann::json;

namespace {

// Rows lc = 1..4 of a per-load-case table of spans 1..n, 11 sections each.
template <class A>
json per_section(const A& a, int n) {
  json out = json::array();
  for (int lc = 1; lc <= 4; ++lc) {
    json spans = json::array();
    for (int j = 1; j <= n; ++j) {
      json row = json::array();
      for (int k = 1; k <= 11; ++k) row.push_back(json_real(a(lc)(j, k)));
      spans.push_back(row);
    }
    out.push_back(spans);
  }
  return out;
}

}  // namespace

// The analysis results as the last analysis pass left them.
json analysis_to_json(const RunContext& ctx) {
  const AnalysisResults& an = ctx.an;
  if (!an.analysed) return json::object();
  const int n = std::clamp(ctx.in.nfack, 1, 20);
  json a;
  a["gammad"] = json_real(an.gammad);
  a["gammad1"] = json_real(an.gammad1);
  a["xired"] = json_real(an.xired);
  a["bandix"] = an.bandix;
  a["styvkvot"] = json_list(an.styvkvot, n);
  json pos = json::array();
  for (int j = 1; j <= n; ++j) {
    json row = json::array();
    for (int k = 1; k <= 11; ++k) row.push_back(json_real(an.snittpos(j, k)));
    pos.push_back(row);
  }
  a["snittpos"] = pos;
  a["snittmom"] = per_section(an.snittmom, n);
  a["snittnedb"] = per_section(an.snittnedb, n);
  a["mstod"] = json_table(an.mstod, 4, n + 1);
  a["reakt"] = json_table(an.reakt, 4, n + 1);
  a["dskruv"] = json_table(an.dskruv, 4, n + 1);
  a["mfalt"] = json_table(an.mfalt, 4, n);
  a["mfalt2"] = json_table(an.mfalt2, 4, n);
  a["nedbtal"] = json_table(an.nedbtal, 4, n);
  a["tvarv"] = json_table(an.tvarv, 4, n);
  a["tvarh"] = json_table(an.tvarh, 4, n);
  a["konstal"] = json_table(an.konstal, 4, 2);
  // The loads of each load case (zero for those a wall does not have): the
  // distributed loads and the line-load intensities of the case's line loads.
  const int nlinj = std::clamp(ctx.in.nlinj, 0, 5);
  json laster = json::array();
  for (int lc = 1; lc <= 4; ++lc) {
    const Belastning& b = an.belastning(lc);
    json P = json::array();
    for (int k = 1; k <= nlinj; ++k) P.push_back(json_real(b.P(k)));
    laster.push_back({{"q", json_real(b.lf.q)},
                      {"pL", json_real(b.lf.pL)},
                      {"pR", json_real(b.lf.pR)},
                      {"pP", json_real(b.lf.pP)},
                      {"qe", json_real(b.lf.qe)},
                      {"E", json_real(b.lf.E)},
                      {"P", P}});
  }
  a["belastning"] = laster;
  return a;
}

// The walkability warnings of the report: the spans longer than their
// walkable length, the maximum sheet length, the unchecked fully perforated
// profile.
json walkability_to_json(const RunContext& ctx) { return walk_to_json(ctx.walk); }

json walk_to_json(const WalkResults& w) {
  json spans = json::array();
  for (int k = 1; k <= std::clamp(w.count, 0, 20); ++k) spans.push_back(w.spans(k));
  return {{"checked", w.checked},
          {"spans", spans},
          {"max_sheet_length", w.sheet_too_long},
          {"fully_perforated", w.fully_perforated}};
}

}  // namespace kvop
