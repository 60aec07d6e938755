#include "table_output.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/cp1252.h"
#include "core/markets.h"
#include "output/skrivp.h"

namespace kvop::tab {
namespace {

std::string fmt(const char* f, double v) {
  char b[64];
  std::snprintf(b, sizeof b, f, v);
  return b;
}

// A length as short as it is exact to a millimetre: two decimals, three when
// needed.
std::string span_text(double s) {
  const bool cm = std::fabs(s * 100 - std::round(s * 100)) < 1e-6;
  return fmt(cm ? "%.2f" : "%.3f", s);
}

std::string trimmed(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

std::string designation(const Table& tab) {
  return cp1252::to_utf8(tab.prof.designation.trimmed());
}

const char* layout_text(int layout) {
  switch (layout) {
    case 1: return "ETT FACK";
    case 2: return "TVÅ LIKA FACK";
    default: return "TRE LIKA FACK";
  }
}

// What a value is, by the kind of table.
struct Kind {
  const char* title;
  Value Cell::*value;
};

Kind kinds(bool wall, int k) {
  switch (k) {
    case 0:
      return {wall ? "BROTTGRÄNS, VIND MOT PLÅTEN" : "BROTTGRÄNS, LAST MOT PLÅTEN", &Cell::uls};
    case 1: return {"BRUKSGRÄNS, NEDBÖJNING", &Cell::sls};
    default:
      return {wall ? "BROTTGRÄNS, VIND FRÅN PLÅTEN" : "BROTTGRÄNS, LYFTANDE LAST", &Cell::uplift};
  }
}

const Cell& cell(const Table& tab, std::size_t layout_ix, std::size_t span_ix,
                 std::size_t col_ix) {
  const std::size_t nc = tab.columns.size(), ns = tab.spans.size();
  return tab.cells[(layout_ix * ns + span_ix) * nc + col_ix];
}

// The deflection limit of every cell, as the engine sets it for the case.
std::string deflection_text(const Table& tab) {
  const InputCase in = cell_case(tab.prof, tab.opt, 1, 1.0, 1);
  return fmt("L/%.0f", in.nedbkvot);
}

}  // namespace

std::string load_text(double q) { return fmt(q >= 1.0 ? "%.2f" : "%.3f", q); }

std::string market_name(int marknadskod) {
  return trimmed(market_rules(marknadskod).name);
}

std::string orientation_text(int vandr) { return kvop::orientation_text(vandr); }

std::string text_table(const Table& tab) {
  const Options& o = tab.opt;
  const MarketRules& m = market_rules(o.marknadskod);
  std::string out;
  out += "LAST-SPÄNNVIDDSTABELL FÖR PROFIL " + designation(tab) + "\n";
  out += market_name(o.marknadskod) + "  " +
         trimmed(m.method[static_cast<std::size_t>(std::clamp(o.sakkl, 0, 3))]) + "  " +
         (o.wall ? "VÄGG" : "TAK") + "  " + orientation_text(o.vandr) + "\n";
  out += "UPPLAGSBREDD ÄNDSTÖD " + fmt("%.0f", o.end_support_m * 1000.0) + " MM, MELLANSTÖD " +
         fmt("%.0f", o.inner_support_m * 1000.0) + " MM.  NEDBÖJNINGSGRÄNS " +
         deflection_text(tab) + "\n";
  out += "LÅSTA TJOCKLEKAR.  LASTER I KN/M2.  PLÅTENS EGENTYNGD ÄR EJ AVDRAGEN.\n";
  out += "BROTTGRÄNS: STÖRSTA DIMENSIONERANDE LAST.  BRUKSGRÄNS: STÖRSTA KARAKTERISTISKA LAST\n";
  out += "VID NEDBÖJNINGSGRÄNSEN.\n";
  out += "DIMENSIONERANDE KONTROLL:  F FÄLTMOMENT  S STÖDMOMENT OCH STÖDREAKTION\n";
  out += "  E LIVBUCKLING VID ÄNDSTÖD  M STÖDMOMENT VID LYFTANDE STÖDREAKTION  D NEDBÖJNING\n";
  out += "  - INGEN KONTROLL BEGRÄNSAR LASTEN\n";

  for (std::size_t li = 0; li < o.layouts.size(); ++li) {
    for (int k = 0; k < 3; ++k) {
      const Kind kind = kinds(o.wall, k);
      out += "\n" + std::string(layout_text(o.layouts[li])) + " - " + kind.title + "\n";
      out += "SPÄNNVIDD";
      for (int c : tab.columns)
        out += fmt("%7.2f MM", tab.prof.per_thickness(no(Row::nominal_thickness), c));
      out += "\n      (M)\n";
      for (std::size_t si = 0; si < tab.spans.size(); ++si) {
        char head[16];
        std::snprintf(head, sizeof head, "%9s", span_text(tab.spans[si]).c_str());
        out += head;
        for (std::size_t ci = 0; ci < tab.columns.size(); ++ci) {
          const Value& v = cell(tab, li, si, ci).*kind.value;
          char b[24];
          std::snprintf(b, sizeof b, "%8s %c", v.has ? load_text(v.q).c_str() : "-",
                        governs_code(v.governs));
          out += b;
        }
        out += "\n";
      }
    }
  }
  return out;
}

std::string csv_table(const Table& tab) {
  std::string out =
      "layout,span_m,t_mm,q_uls,governs_uls,q_sls,governs_sls,q_uplift,governs_uplift\n";
  auto value = [](const Value& v) {
    return (v.has ? load_text(v.q) : std::string()) + "," + std::string(governs_word(v.governs));
  };
  for (const Cell& c : tab.cells) {
    out += std::to_string(c.layout) + "," + span_text(c.span) + "," + fmt("%.2f", c.t_mm) + "," +
           value(c.uls) + "," + value(c.sls) + "," + value(c.uplift) + "\n";
  }
  return out;
}

std::string json_table(const Table& tab) {
  const Options& o = tab.opt;
  nlohmann::json j;
  j["profile"] = designation(tab);
  j["market"] = o.marknadskod;
  j["market_name"] = market_name(o.marknadskod);
  j["class"] = o.sakkl;
  j["wall"] = o.wall;
  j["orientation"] = o.vandr == 2 ? "broad_flange_on_purlin" : "narrow_flange_on_purlin";
  j["end_support_mm"] = std::round(o.end_support_m * 1000.0);
  j["inner_support_mm"] = std::round(o.inner_support_m * 1000.0);
  j["deflection_limit"] = deflection_text(tab);
  j["self_weight_deducted"] = false;
  j["unit"] = "kN/m2";
  nlohmann::json rows = nlohmann::json::array();
  auto value = [](const Value& v) {
    nlohmann::json x;
    x["q"] = v.has ? nlohmann::json(std::stod(load_text(v.q))) : nlohmann::json(nullptr);
    x["governs"] = std::string(governs_word(v.governs));
    return x;
  };
  for (const Cell& c : tab.cells) {
    nlohmann::json r;
    r["layout"] = c.layout;
    r["span_m"] = std::stod(span_text(c.span));
    r["t_mm"] = std::stod(fmt("%.2f", c.t_mm));
    r["uls"] = value(c.uls);
    r["sls"] = value(c.sls);
    r["uplift"] = value(c.uplift);
    rows.push_back(r);
  }
  j["cells"] = rows;
  return j.dump(1) + "\n";
}

}  // namespace kvop::tab
