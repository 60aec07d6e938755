#include "driver/case_layout.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "analysis/lastford.h"
#include "core/markets.h"
#include "driver/case_file.h"

namespace kvop {

void FieldSlot::set_text(std::string_view s) const {
  std::fill_n(text, text_len, ' ');
  std::copy_n(s.begin(), std::min(text_len, s.size()), text);
}

namespace {

FieldSlot of(int& v) { return {&v, nullptr, nullptr, 0}; }
FieldSlot of(float& v) { return {nullptr, &v, nullptr, 0}; }
template <std::size_t N>
FieldSlot of(Text<N>& t) {
  return {nullptr, nullptr, t.c.data(), N};
}

using K = FieldKind;
using E = Extent;
using F = CaseField;

// One row per field: id, name, kind, extent, entries, kept in the input
// case record, where it is stored.
#define KVOP_FIELD(id, kind, extent, entries, in_record, expr) \
  CaseFieldDef { F::id, #id, K::kind, E::extent, entries, in_record,    \
                 [](CaseFile& cf, [[maybe_unused]] int i) { return of(expr); } }

const std::array kFields = {
    KVOP_FIELD(indatafil, text, one, 1, true, cf.in.indatafil),
    KVOP_FIELD(rubrik, text, one, 1, true, cf.in.rubrik),
    KVOP_FIELD(marknadskod, integer, one, 1, true, cf.in.marknadskod),
    KVOP_FIELD(sakkl, integer, one, 1, true, cf.in.sakkl),
    KVOP_FIELD(vagg, integer, one, 1, true, cf.in.vagg),
    KVOP_FIELD(nfack, integer, one, 1, true, cf.in.nfack),
    KVOP_FIELD(spv, real, spans, 20, true, cf.in.spv(i)),
    KVOP_FIELD(locked, integer, one, 1, false, cf.locked),
    KVOP_FIELD(tjlk, real, spans, 20, true, cf.in.tjlk(i)),
    KVOP_FIELD(skarvtyp, integer, supports, 21, true, cf.in.skarvtyp(i)),
    KVOP_FIELD(konsv, real, one, 1, true, cf.in.konsv),
    KVOP_FIELD(mbkonsv, integer, one, 1, true, cf.in.mbkonsv),
    KVOP_FIELD(konsh, real, one, 1, true, cf.in.konsh),
    KVOP_FIELD(mbkonsh, integer, one, 1, true, cf.in.mbkonsh),
    KVOP_FIELD(skarvprc, real, supports, 21, true, cf.in.skarvprc(i)),
    KVOP_FIELD(upplbredd, real, supports, 21, true, cf.in.upplbredd(i)),
    KVOP_FIELD(egentyngd, real, one, 1, true, cf.in.egentyngd),
    // Record 22 of a Swedish roof: the snow value, or 0 when record 22a
    // holds it (snow_on_next); it is stored in snolast.
    KVOP_FIELD(snow_value, real, one, 1, false, cf.in.snolast),
    KVOP_FIELD(snolast, real, one, 1, true, cf.in.snolast),
    KVOP_FIELD(snoform, real, one, 1, true, cf.in.snoform),
    KVOP_FIELD(trivform, real, one, 1, true, cf.in.trivform),
    KVOP_FIELD(trivlgd, real, one, 1, true, cf.in.trivlgd),
    KVOP_FIELD(trihform, real, one, 1, true, cf.in.trihform),
    KVOP_FIELD(trihlgd, real, one, 1, true, cf.in.trihlgd),
    KVOP_FIELD(fickfack, integer, one, 1, true, cf.in.fickfack),
    KVOP_FIELD(fickform, real, one, 1, true, cf.in.fickform),
    KVOP_FIELD(fickmaxlgd, real, one, 1, true, cf.in.fickmaxlgd),
    KVOP_FIELD(ficklgd, real, one, 1, true, cf.in.ficklgd),
    KVOP_FIELD(fickavst, real, one, 1, true, cf.in.fickavst),
    KVOP_FIELD(nlinj, integer, one, 1, true, cf.in.nlinj),
    KVOP_FIELD(linjfack, integer, line_loads, 5, true, cf.in.linjfack(i)),
    KVOP_FIELD(linjavst, real, line_loads, 5, true, cf.in.linjlast(i).linjavst),
    KVOP_FIELD(brottned, real, line_loads, 5, true, cf.in.linjlast(i).brottned),
    KVOP_FIELD(bruksned, real, line_loads, 5, true, cf.in.linjlast(i).bruksned),
    KVOP_FIELD(brottupp, real, line_loads, 5, true, cf.in.linjlast(i).brottupp),
    KVOP_FIELD(taktyp, integer, one, 1, true, cf.in.taktyp),
    KVOP_FIELD(vex_code, integer, one, 1, false, cf.vex_code),
    KVOP_FIELD(kvottak, real, one, 1, true, cf.in.kvottak),
    KVOP_FIELD(taklutn, real, one, 1, true, cf.in.taklutn),
    KVOP_FIELD(oflans, integer, one, 1, true, cf.in.oflans),
    KVOP_FIELD(vind, real, fixed, 7, true, cf.in.vind(i)),
    KVOP_FIELD(nedbkvot, real, one, 1, true, cf.in.nedbkvot),
    KVOP_FIELD(nedbkrav, integer, one, 1, true, cf.in.nedbkrav),
    KVOP_FIELD(psi0sno, real, one, 1, true, cf.in.psi0sno),
    KVOP_FIELD(psi1sno, real, one, 1, true, cf.in.psi1sno),
    KVOP_FIELD(psi0vind, real, one, 1, true, cf.in.psi0vind),
    KVOP_FIELD(psi1vind, real, one, 1, true, cf.in.psi1vind),
    KVOP_FIELD(pnamn, text, fixed, 5, true, cf.in.pnamn(i)),
    KVOP_FIELD(mikroband, integer, one, 1, true, cf.in.mikroband),
    KVOP_FIELD(sidoverl, real, fixed, 5, true, cf.in.sidoverl(i)),
    KVOP_FIELD(vandr, integer, fixed, 5, true, cf.in.vandr(i)),
    KVOP_FIELD(perfo, integer, fixed, 5, true, cf.in.perfo(i)),
    KVOP_FIELD(utskr, integer, one, 1, true, cf.in.utskr),
    KVOP_FIELD(iskiv, integer, one, 1, true, cf.in.iskiv),
    // D1..D4 and D6..D13; entries 2 to 6 are whole numbers (see the records).
    KVOP_FIELD(skivdata, real, fixed, 12, true, cf.in.skivdata(i)),
    KVOP_FIELD(d5, real, one, 1, false, cf.d5),
    KVOP_FIELD(skivtext, text, fixed, 5, true, cf.in.skivtext(i)),
};
#undef KVOP_FIELD

static_assert(kFields.size() == static_cast<std::size_t>(F::skivtext) + 1);

using P = Presence;
using Fm = Form;
using R = Range;

// The records in file order.  Roof means vagg = 0, wall vagg != 0.
const CaseRecord kRecords[] = {
    {"1", P::always, Fm::a8, F::indatafil, 0, R::any, 0, 0, CaseRule::case_name},
    {"2", P::always, Fm::a80, F::rubrik, 0},
    {"3", P::always, Fm::i2, F::marknadskod, 0, R::list, 1, 5},
    {"4", P::always, Fm::i2, F::sakkl, 0, R::list, 0, 3},
    {"5", P::always, Fm::i2, F::vagg, 0, R::list, 0, 1},
    {"6", P::always, Fm::i2, F::nfack, 0, R::list, 1, 20},
    {"7", P::always, Fm::f7_3, F::spv, 0, R::positive},
    {"8", P::always, Fm::i2, F::locked, 0},
    {"9", P::locked, Fm::f7_3, F::tjlk, 0},
    // Joint line t names the supports whose joint type is t.
    {"10", P::always, Fm::i3_joints, F::skarvtyp, 1, R::supports_or_0},
    {"11", P::always, Fm::i3_joints, F::skarvtyp, 2, R::supports_or_0},
    {"12", P::always, Fm::i3_joints, F::skarvtyp, 3, R::supports_or_0},
    {"13", P::always, Fm::i3_joints, F::skarvtyp, 4, R::supports_or_0},
    {"14", P::always, Fm::i3_joints, F::skarvtyp, 5, R::supports_or_0},
    {"15", P::always, Fm::free_real, F::konsv, 0},
    {"16", P::always, Fm::free_int, F::mbkonsv, 0},
    {"17", P::always, Fm::free_real, F::konsh, 0},
    {"18", P::always, Fm::free_int, F::mbkonsh, 0},
    {"19", P::always, Fm::f5_2, F::skarvprc, 0},
    {"20", P::always, Fm::f5_2, F::upplbredd, 0, R::not_negative},
    {"21", P::roof, Fm::free_real, F::egentyngd, 0},
    {"22", P::roof_snow_value, Fm::free_real, F::snow_value, 0},
    {"22a", P::roof_snow_next, Fm::free_real, F::snolast, 0},
    {"22b", P::roof_snow_direct, Fm::free_real, F::snolast, 0},
    {"23", P::roof, Fm::free_real, F::snoform, 0},
    {"24", P::roof, Fm::free_real, F::trivform, 0},
    {"25", P::roof, Fm::free_real, F::trivlgd, 0},
    {"26", P::roof, Fm::free_real, F::trihform, 0},
    {"27", P::roof, Fm::free_real, F::trihlgd, 0},
    {"28", P::roof, Fm::free_int, F::fickfack, 0},
    // The pocket's span is checked once its shape factor tells whether it
    // is placed; the fault names record 28.
    {"29", P::roof, Fm::free_real, F::fickform, 0, R::any, 0, 0, CaseRule::pocket_span},
    {"30", P::roof, Fm::free_real, F::fickmaxlgd, 0},
    {"31", P::roof, Fm::free_real, F::ficklgd, 0},
    {"32", P::roof, Fm::free_real, F::fickavst, 0, R::any, 0, 0, CaseRule::pocket_distance},
    {"33", P::roof, Fm::free_int, F::nlinj, 0, R::list, 0, 5},
    // Always five line-load lines: span, distance, ultimate down,
    // serviceability down, ultimate up.
    {"34", P::roof, Fm::i3_4f7_3, F::linjfack, 1},
    {"35", P::roof, Fm::i3_4f7_3, F::linjfack, 2},
    {"36", P::roof, Fm::i3_4f7_3, F::linjfack, 3},
    {"37", P::roof, Fm::i3_4f7_3, F::linjfack, 4},
    {"38", P::roof, Fm::i3_4f7_3, F::linjfack, 5, R::any, 0, 0, CaseRule::line_load_spans},
    {"39", P::roof, Fm::i2, F::taktyp, 0, R::list, 0, 2},
    {"40", P::roof_vex, Fm::i2, F::vex_code, 0},
    {"41", P::roof_vex, Fm::free_real, F::kvottak, 0},
    {"42", P::roof, Fm::free_real, F::taklutn, 0},
    {"43", P::roof, Fm::i2, F::oflans, 0, R::list, 0, 2},
    {"44", P::roof, Fm::free_real, F::vind, 1},
    {"45", P::roof, Fm::free_real, F::vind, 2},
    {"46", P::roof, Fm::free_real, F::vind, 3},
    {"47", P::roof_uninsulated, Fm::free_real, F::vind, 4},
    {"48", P::roof_uninsulated, Fm::free_real, F::vind, 5},
    // A wall's wind, towards the sheet first.
    {"44w", P::wall, Fm::free_real, F::vind, 1},
    {"45w", P::wall, Fm::free_real, F::vind, 3},
    {"46w", P::wall, Fm::free_real, F::vind, 6},
    {"47w", P::wall, Fm::free_real, F::vind, 7},
    {"48w", P::wall, Fm::free_real, F::vind, 2},
    {"49w", P::wall, Fm::free_real, F::vind, 4},
    {"50w", P::wall, Fm::free_real, F::vind, 5},
    {"51", P::always, Fm::free_real, F::nedbkvot, 0},
    {"52", P::always, Fm::i2, F::nedbkrav, 0, R::list, 0, 2},
    {"53", P::always, Fm::free_real, F::psi0sno, 0},
    {"54", P::always, Fm::free_real, F::psi1sno, 0},
    {"55", P::always, Fm::free_real, F::psi0vind, 0},
    {"56", P::always, Fm::free_real, F::psi1vind, 0},
    {"57", P::always, Fm::a8, F::pnamn, 1},
    {"58", P::always, Fm::free_int, F::mikroband, 0},
    {"59", P::always, Fm::free_real, F::sidoverl, 1},
    {"60", P::always, Fm::i2, F::vandr, 1, R::list, 1, 2},
    {"61", P::roof_insulated, Fm::i2, F::perfo, 1, R::list, 0, 2},
    {"62", P::always, Fm::i2, F::utskr, 0},
    {"63", P::roof_insulated, Fm::i2, F::iskiv, 0},
    // Thirteen diaphragm values; D5 is read and not kept.  The whole
    // numbers are held in a real and must stay exact there.
    {"D1", P::diaphragm, Fm::free_real, F::skivdata, 1},
    {"D2", P::diaphragm, Fm::free_int, F::skivdata, 2, R::exact_whole},
    {"D3", P::diaphragm, Fm::free_int, F::skivdata, 3, R::exact_whole},
    {"D4", P::diaphragm, Fm::free_int, F::skivdata, 4, R::exact_whole},
    {"D5", P::diaphragm, Fm::free_real, F::d5, 0},
    {"D6", P::diaphragm, Fm::free_int, F::skivdata, 5, R::exact_whole},
    {"D7", P::diaphragm, Fm::free_int, F::skivdata, 6, R::exact_whole},
    {"D8", P::diaphragm, Fm::free_real, F::skivdata, 7},
    {"D9", P::diaphragm, Fm::free_real, F::skivdata, 8},
    {"D10", P::diaphragm, Fm::free_real, F::skivdata, 9},
    {"D11", P::diaphragm, Fm::free_real, F::skivdata, 10},
    {"D12", P::diaphragm, Fm::free_real, F::skivdata, 11},
    {"D13", P::diaphragm, Fm::free_real, F::skivdata, 12},
    {"T1", P::diaphragm, Fm::a80, F::skivtext, 1},
    {"T2", P::diaphragm, Fm::a80, F::skivtext, 2},
    {"T3", P::diaphragm, Fm::a80, F::skivtext, 3},
    {"T4", P::diaphragm, Fm::a80, F::skivtext, 4},
    {"T5", P::diaphragm, Fm::a80, F::skivtext, 5},
};

bool roof(const InputCase& in) { return in.vagg == 0; }
bool roof_insulated(const InputCase& in) { return roof(in) && in.taktyp > 0; }

}  // namespace

std::span<const CaseFieldDef> case_fields() { return kFields; }

const CaseFieldDef& case_field(CaseField id) { return kFields[static_cast<std::size_t>(id)]; }

std::span<const CaseRecord> case_records() { return kRecords; }

bool record_present(const CaseRecord& rec, const CaseFile& cf) {
  const InputCase& in = cf.in;
  switch (rec.when) {
    case P::always: return true;
    case P::locked: return cf.locked == 1;
    case P::roof: return roof(in);
    case P::roof_snow_value: return roof(in) && market_rules(in.marknadskod).snow_in_two_steps;
    case P::roof_snow_next:
      return roof(in) && market_rules(in.marknadskod).snow_in_two_steps && cf.snow_on_next;
    case P::roof_snow_direct: return roof(in) && !market_rules(in.marknadskod).snow_in_two_steps;
    case P::roof_vex: return roof(in) && in.taktyp == 2;
    case P::roof_uninsulated: return roof(in) && in.taktyp == 0;
    case P::wall: return !roof(in);
    case P::roof_insulated: return roof_insulated(in);
    case P::diaphragm: return roof_insulated(in) && in.iskiv < 2;
  }
  return false;
}

int used_entries(const CaseFieldDef& def, const InputCase& in) {
  const int n = std::clamp(in.nfack, 0, 20);
  switch (def.extent) {
    case E::one: return 1;
    case E::spans: return n;
    case E::supports: return n > 0 ? n + 1 : 0;
    case E::line_loads: return std::clamp(in.nlinj, 0, 5);
    case E::fixed: return def.entries;
  }
  return 0;
}

std::string entry_name(const CaseFieldDef& def, int entry) {
  if (def.id == F::d5) return "unused value";
  if (def.id == F::vex_code) return "unused code";
  if (def.id == F::locked) return "locked-thickness flag";
  if (def.id == F::snow_value) return "snolast";
  if (def.entries == 1 || entry == 0) return std::string(def.name);
  return std::string(def.name) + "(" + std::to_string(entry) + ")";
}

std::string outside(std::string_view what, long v, long lo, long hi) {
  return std::string(what) + " " + std::to_string(v) + " is outside " + std::to_string(lo) + ".." +
         std::to_string(hi);
}

std::string metres(float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f m", static_cast<double>(v));
  return buf;
}

int placed_pocket_span(const InputCase& in) { return in.snoform >= in.fickform ? 0 : in.fickfack; }

RuleFault rule_fault(CaseRule rule, const CaseFile& cf) {
  const InputCase& in = cf.in;
  switch (rule) {
    case CaseRule::none:
    case CaseRule::case_name: return {};
    case CaseRule::pocket_span: {
      // A pocket that is placed lies in one of the spans: the echo would
      // show a pocket that the analysis never loads.
      const int pocket = placed_pocket_span(in);
      if (pocket < 0 || pocket > in.nfack)
        return {outside("span", pocket, 0, in.nfack) + " (0 = no snow pocket)", F::fickfack, 0};
      return {};
    }
    case CaseRule::pocket_distance: {
      const int span = placed_pocket_span(in);
      if (span < 1 || span > in.nfack) return {};
      // The distance is measured into the span from its left support; a
      // negative one would put the pocket before its span and give its
      // rising ramp a negative length.
      if (in.fickavst < 0.0f)
        return {"the snow pocket's distance " + metres(in.fickavst) +
                    " is negative; it is measured from the left support of span " +
                    std::to_string(span),
                F::fickavst, 0};
      // The slots of a span end with its overflow slot 41: a pocket whose
      // maximum starts further out does not lie in its span, and placing
      // only what fits would lose part of its load.
      const float L = in.spv(span);
      if (fickslot(in.fickavst, L) <= 41.0) return {};
      return {"the snow pocket's distance " + metres(in.fickavst) + " lies beyond span " +
                  std::to_string(span) + " of length " + metres(L) +
                  "; the pocket belongs in a later span",
              F::fickavst, 0};
    }
    case CaseRule::line_load_spans: {
      // The loads that count must stand on a span of the sheet; without a
      // first span the engine drops them all.
      const int loads = in.linjfack(1) == 0 ? 0 : std::clamp(in.nlinj, 0, 5);
      for (int k = 1; k <= loads; ++k) {
        const int f = in.linjfack(k);
        if (f < 1 || f > in.nfack)
          return {outside("span", f, 1, in.nfack) + " (line load " + std::to_string(k) + " of " +
                      std::to_string(loads) + ")",
                  F::linjfack, k};
      }
      return {};
    }
  }
  return {};
}

std::string range_fault(const CaseRecord& rec, const InputCase& in, long v) {
  const CaseFieldDef& def = case_field(rec.field);
  switch (rec.range) {
    case R::list:
      if (v < rec.lo || v > rec.hi) return outside(entry_name(def, rec.entry), v, rec.lo, rec.hi);
      return {};
    case R::supports_or_0:
      if (v < 0 || v > in.nfack + 1) return outside("support", v, 0, in.nfack + 1);
      return {};
    case R::exact_whole:
      if (v < -16777216 || v > 16777216) return outside("value", v, -16777216, 16777216);
      return {};
    default: return {};
  }
}

const CaseRecord* record_of(CaseField field, int entry) {
  for (const CaseRecord& r : kRecords)
    if (r.field == field && (entry == 0 || r.entry == 0 || r.entry == entry)) return &r;
  return nullptr;
}

}  // namespace kvop
