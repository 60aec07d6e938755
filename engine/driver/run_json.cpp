#include "driver/run_json.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "analysis/analysis_json.h"
#include "checks/checks_json.h"
#include "core/json_values.h"
#include "diaphragm/diaphragm_json.h"
#include "profiles/profile_json.h"

namespace kvop {

using nlohmann::json;

namespace {

template <class A>
json reals(const A& a, int from, int to) {
  json out = json::array();
  for (int i = from; i <= to; ++i) out.push_back(json_real(a(i)));
  return out;
}

template <class A>
json ints(const A& a, int from, int to) {
  json out = json::array();
  for (int i = from; i <= to; ++i) out.push_back(a(i));
  return out;
}

}  // namespace

json case_to_json(const InputCase& in) {
  // The counts decide how much of each array is in use; they are clamped so
  // that a case refused half-way is still described safely.
  const int n = std::clamp(in.nfack, 0, 20);
  const int nl = std::clamp(in.nlinj, 0, 5);
  json c;
  c["indatafil"] = json_text(in.indatafil.view());
  c["rednamn"] = json_text(in.rednamn.view());
  c["indnamn"] = json_text(in.indnamn.view());
  c["skivnamn"] = json_text(in.skivnamn.view());
  c["rubrik"] = json_text(in.rubrik.view());
  c["marknadskod"] = in.marknadskod;
  c["sakkl"] = in.sakkl;
  c["vagg"] = in.vagg;
  c["taktyp"] = in.taktyp;
  c["vextak"] = in.vextak;
  c["kvottak"] = json_real(in.kvottak);
  c["nfack"] = in.nfack;
  c["spv"] = reals(in.spv, 1, n);
  c["tjlk"] = reals(in.tjlk, 1, n);
  c["skarvtyp"] = ints(in.skarvtyp, 1, n > 0 ? n + 1 : 0);
  c["skarvprc"] = reals(in.skarvprc, 1, n > 0 ? n + 1 : 0);
  c["upplbredd"] = reals(in.upplbredd, 1, n > 0 ? n + 1 : 0);
  c["konsv"] = json_real(in.konsv);
  c["konsh"] = json_real(in.konsh);
  c["mbkonsv"] = in.mbkonsv;
  c["mbkonsh"] = in.mbkonsh;
  c["egentyngd"] = json_real(in.egentyngd);
  c["snolast"] = json_real(in.snolast);
  c["snoform"] = json_real(in.snoform);
  c["trivform"] = json_real(in.trivform);
  c["trivlgd"] = json_real(in.trivlgd);
  c["trihform"] = json_real(in.trihform);
  c["trihlgd"] = json_real(in.trihlgd);
  c["fickfack"] = in.fickfack;
  c["fickform"] = json_real(in.fickform);
  c["fickavst"] = json_real(in.fickavst);
  c["ficklgd"] = json_real(in.ficklgd);
  c["fickmaxlgd"] = json_real(in.fickmaxlgd);
  c["nlinj"] = in.nlinj;
  c["linjfack"] = ints(in.linjfack, 1, nl);
  json ll = json::array();
  for (int k = 1; k <= nl; ++k) {
    const Linjlast& l = in.linjlast(k);
    ll.push_back({{"bruksned", json_real(l.bruksned)},
                  {"brottned", json_real(l.brottned)},
                  {"brottupp", json_real(l.brottupp)},
                  {"linjavst", json_real(l.linjavst)}});
  }
  c["linjlast"] = ll;
  c["vind"] = reals(in.vind, 1, 7);
  c["taklutn"] = json_real(in.taklutn);
  c["oflans"] = in.oflans;
  c["nedbkvot"] = json_real(in.nedbkvot);
  c["nedbkrav"] = in.nedbkrav;
  c["psi0sno"] = json_real(in.psi0sno);
  c["psi1sno"] = json_real(in.psi1sno);
  c["psi0vind"] = json_real(in.psi0vind);
  c["psi1vind"] = json_real(in.psi1vind);
  json pn = json::array();
  for (int k = 1; k <= 5; ++k) pn.push_back(json_text(in.pnamn(k).view()));
  c["pnamn"] = pn;
  c["nprof"] = in.nprof;
  c["mikroband"] = in.mikroband;
  c["sidoverl"] = reals(in.sidoverl, 1, 5);
  c["perfo"] = ints(in.perfo, 1, 5);
  c["vandr"] = ints(in.vandr, 1, 5);
  c["utskr"] = in.utskr;
  c["iskiv"] = in.iskiv;
  json sd = json::array();
  for (int k = 1; k <= 12; ++k) {
    if (skivdata_is_integer(k))
      sd.push_back(static_cast<long long>(in.skivdata(k)));
    else
      sd.push_back(json_real(in.skivdata(k)));
  }
  c["skivdata"] = sd;
  json st = json::array();
  for (int k = 1; k <= 5; ++k) st.push_back(json_text(in.skivtext(k).view()));
  c["skivtext"] = st;
  json pk = json::array();
  for (int m = 1; m <= 5; ++m) {
    json row = json::array();
    for (int f = 1; f <= 6; ++f) row.push_back(json_real(in.partkf(f, m)));
    pk.push_back(row);
  }
  c["partkf"] = pk;  // partkf[m-1][f-1]: the six factors of market m
  return c;
}

namespace {

// The profile database the run opened, as an absolute path with links
// resolved, so that a reader can tell which installation's database it was;
// empty when none was opened.
std::string database_path(const RunContext& ctx) {
  const std::filesystem::path& p = ctx.channels.database.path();
  if (p.empty()) return {};
  std::error_code ec;
  std::filesystem::path full = std::filesystem::weakly_canonical(p, ec);
  if (ec) full = std::filesystem::absolute(p, ec);
  return full.string();
}

// The walkability warnings of the report: the spans longer than their
// walkable length, the maximum sheet length, the unchecked fully perforated
// profile.
json walkability_to_json(const RunContext& ctx) {
  const CheckResults& c = ctx.chk;
  json spans = json::array();
  if (c.gabar_run)
    for (int j = 1; j <= std::clamp(ctx.in.nfack, 0, 20); ++j)
      if (c.gabfl(j) == 1) spans.push_back(j);
  return {{"checked", c.gabar_run},
          {"spans", spans},
          {"max_sheet_length", c.gabar_run && c.maxlangdfl == 1},
          {"fully_perforated", c.gabar_run && ctx.in.perfo(1) > 1}};
}

}  // namespace

json run_to_json(const RunContext& ctx, int status) {
  return {{"status", status},
          {"database", database_path(ctx)},
          {"walkability", walkability_to_json(ctx)},
          {"case", case_to_json(ctx.in)},
          {"profile", profile_to_json(ctx)},
          {"analysis", analysis_to_json(ctx)},
          {"checks", checks_to_json(ctx)},
          {"diaphragm", diaphragm_to_json(ctx)}};
}

}  // namespace kvop
