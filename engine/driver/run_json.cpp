#include "driver/run_json.h"

#include <filesystem>
#include <system_error>

#include "core/json_values.h"
#include "driver/case_file.h"
#include "driver/case_layout.h"
#include "output/analysis_json.h"
#include "output/checks_json.h"
#include "output/comparison_json.h"
#include "output/diaphragm_json.h"
#include "output/prepared_json.h"
#include "output/profile_json.h"

namespace kvop {

using nlohmann::json;

namespace {

// One entry of a field as the account shows it.
json entry_json(const FieldSlot& slot, bool whole) {
  if (slot.i) return *slot.i;
  if (slot.f) return whole ? json(static_cast<long long>(*slot.f)) : json_real(*slot.f);
  return json_text(slot.text_view());
}

}  // namespace

json case_to_json(const InputCase& in) {
  // The fields of the case file layout, each under its name: a single value,
  // or the entries the case uses (the counts are clamped, so that a case
  // refused half-way is still described safely).  The line loads form one
  // object per load.
  CaseFile cf;
  cf.in = in;
  json c;
  const int nl = used_entries(case_field(CaseField::linjavst), in);
  json ll = json::array();
  for (int k = 1; k <= nl; ++k) ll.push_back(json::object());
  for (const CaseFieldDef& def : case_fields()) {
    if (!def.in_record) continue;
    const bool load_part = def.extent == Extent::line_loads && def.id != CaseField::linjfack;
    if (def.entries == 1) {
      c[std::string(def.name)] = entry_json(def.slot(cf, 1), false);
      continue;
    }
    json a = json::array();
    for (int i = 1; i <= used_entries(def, in); ++i) {
      // Whole numbers held in a real (diaphragm values) show as integers.
      const CaseRecord* rec = record_of(def.id, i);
      const json v = entry_json(def.slot(cf, i), rec && rec->range == Range::exact_whole);
      if (load_part)
        ll[static_cast<std::size_t>(i - 1)][std::string(def.name)] = v;
      else
        a.push_back(v);
    }
    if (!load_part) c[std::string(def.name)] = a;
  }
  c["linjlast"] = ll;
  // Values formed from the case rather than stored in it.
  c["rednamn"] = json_text(in.rednamn.view());
  c["indnamn"] = json_text(in.indnamn.view());
  c["skivnamn"] = json_text(in.skivnamn.view());
  c["vextak"] = in.vextak;
  c["nprof"] = in.nprof;
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

}  // namespace

json run_to_json(const RunContext& ctx, int status) {
  json run = {{"status", status},
              {"database", database_path(ctx)},
              {"walkability", walkability_to_json(ctx)},
              {"case", case_to_json(ctx.in)},
              {"prepared", prepared_to_json(ctx)},
              {"profile", profile_to_json(ctx)},
              {"analysis", analysis_to_json(ctx)},
              {"checks", checks_to_json(ctx)},
              {"diaphragm", diaphragm_to_json(ctx)}};
  // A comparison of profiles: the other parts describe its last profile.
  if (!ctx.compared.empty()) run["comparison"] = comparison_to_json(ctx.comparison);
  return run;
}

}  // namespace kvop
