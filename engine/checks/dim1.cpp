#include "checks/dim1.h"

#include <algorithm>

#include "checks/faltkontroll.h"
#include "checks/stodkontroll.h"
#include "diaphragm/platbitar.h"

namespace kvop {
namespace {

constexpr float kSmallReserve = 0.01f;  // reserves up to this are reported as none

// Cuts the supports into sheets and gives every support of sheet k its
// starting column in tjix(k, i).  A new sheet begins at every inner support
// with a joint; a free right end (LED) belongs to no sheet.  With locked
// thicknesses support i takes the column of span i; the last support, where
// the sheet of the last span runs on as a cantilever, takes that span's.
void skivindelning(const InputCase& in, const Dimvarden& dv, CheckResults& chk) {
  const int n = std::clamp(in.nfack, 1, 20);
  chk.tjix.fill(0);
  const int last = in.skarvtyp(n + 1) == 1 ? n : n + 1;
  int k = 1;
  for (int i = 1; i <= last; ++i) {
    if (i > 1 && i <= n && in.skarvtyp(i) != 0) ++k;
    chk.tjix(k, i) = dv.locked ? std::max(dv.L(std::min(i, n)), dv.t0) : dv.t0;
  }
}

// The last outcome of a check of one support or span in one load case, with
// the column (0: none yet) and the rule for a reaction away from the support
// it was found with.
template <class V>
struct Senaste {
  int t = 0;
  bool regel1 = false;
  V v{};
};

// The sweeps over the load cases of one pass.  A support check (interaction
// of one sheet) and the span checks depend only on the load case, the
// support or span and the column, so each keeps its last outcome: the final
// sweep, which mostly meets the columns the search left, takes it over
// instead of repeating the arithmetic.
struct Svep {
  const CheckInput& ctx;
  const Dimvarden& dv;
  CheckResults& res;
  bool fixed = false;    // no column may change
  bool slutlig = false;  // the final sweep: reserves are stored
  bool failed = false;
  Arr2<Senaste<Stodkvot>, 1, 4, 1, 21> stod_senast{};
  Arr2<Senaste<float>, 1, 4, 1, 20> falt_senast{}, nedb_senast{};

  Stodkvot kvot_stod(int lc, int i, int t, bool regel1) {
    Senaste<Stodkvot>& m = stod_senast(lc, i);
    if (m.t != t || m.regel1 != regel1) m = {t, regel1, interaktion(ctx, dv, lc, i, t, regel1)};
    return m.v;
  }
  float kvot_falt(int lc, int j, int t) {
    Senaste<float>& m = falt_senast(lc, j);
    if (m.t != t) m = {t, false, faltkvot(ctx, dv, lc, j, t)};
    return m.v;
  }
  float nedb_falt(int lc, int j, int t) {
    Senaste<float>& m = nedb_senast(lc, j);
    if (m.t != t) m = {t, false, nedbojning(ctx, dv, lc, j, t)};
    return m.v;
  }

  const InputCase& in() const { return ctx.in; }
  CheckResults& chk() { return res; }
  int n() const { return std::clamp(ctx.in.nfack, 1, 20); }

  // Writes a raised column back over the supports of sheet k walked so far.
  void skriv_tillbaka(int k, int from, int first, int t) {
    for (int m = from; m >= std::max({first, from - 20, 1}); --m) chk().tjix(k, m) = t;
  }

  // Repeats a check with ever thicker columns until it passes or the column
  // is the thickest.
  template <class Check>
  Stodkvot hoj(int& t, Check check) {
    Stodkvot r = check(t);
    while (r.kvot > 1.0f && !fixed) {
      if (t >= dv.NT) {
        failed = true;
        break;
      }
      ++t;
      r = check(t);
    }
    return r;
  }

  bool lagra_reserv(int lc) const { return slutlig && lc != 3 && !(ctx.in.vagg == 1 && lc == 2); }

  void lagra_stod(int lc, int i, const Stodkvot& r) {
    chk().KVOTS(lc, i) = r.kvot;
    if (r.har_reserv && lagra_reserv(lc))
      chk().skivstod(lc, i) = r.reserv <= kSmallReserve ? 0.0f : r.reserv;
  }

  // Span j of sheet k (first support `first`) with the running column t.
  void falt(int lc, int j, int k, int first, int& t) {
    Stodkvot f = hoj(t, [&](int tt) { return Stodkvot{kvot_falt(lc, j, tt)}; });
    chk().KVOTF(lc, j) = f.kvot;

    float nedb = 0;
    if (rapporterad_nedbojning(in(), nedb_falt(lc, j, t), nedb)) chk().nedbfalt(lc, j) = nedb;
    if (nedb_kontrolleras(in(), lc)) {
      Stodkvot d = hoj(t, [&](int tt) {
        const float delta = nedb_falt(lc, j, tt);
        float shown = 0;
        if (rapporterad_nedbojning(in(), delta, shown)) chk().nedbfalt(lc, j) = shown;
        return Stodkvot{nedbkvot(in(), j, delta)};
      });
      chk().KVOTD(lc, j) = d.kvot;
    }
    if (!fixed) skriv_tillbaka(k, j, first, t);
    if (f.kvot <= 1.0f && lagra_reserv(lc)) {
      const float v = faltreserv(in(), dv, j, t);
      chk().skivfalt(lc, j) = v <= kSmallReserve ? 0.0f : v;
    }
  }

  void lastfall(int lc) {
    const int n = this->n();
    const CheckInput& c = ctx;
    CheckResults& ch = chk();
    int k = 1, first = 1;
    int t = ch.tjix(1, 1);
    for (int i = 1; i <= n + 1; ++i) {
      const int typ = in().skarvtyp(i);
      const bool inner = i > 1 && i <= n;
      if (inner && (typ == 2 || typ == 3 || typ == 4)) {
        // Single overlap or Gerber joint: the arriving sheet carries the
        // support whatever the sign of the reaction; the next sheet begins.
        if (fixed) t = ch.tjix(k, i - 1);
        const Stodkvot r = hoj(t, [&](int tt) { return kvot_stod(lc, i, tt, false); });
        if (!fixed) skriv_tillbaka(k, i - 1, first, t);
        lagra_stod(lc, i, r);
        ++k;
        first = i;
        t = ch.tjix(k, i);
      } else if (inner && typ == 1) {
        // Butt joint: the sheet that starts here is thickened.
        const int tp = ch.tjix(k, i - 1);
        ++k;
        first = i;
        t = ch.tjix(k, i);
        const Stodkvot r = hoj(t, [&](int tt) { return stumskarv(c, dv, lc, i, tt, tp); });
        if (!fixed) ch.tjix(k, i) = t;
        lagra_stod(lc, i, r);
      } else if (inner && typ == 5) {
        dubbel(lc, i, k, first, t);
      } else if (i == n + 1 && typ == 1) {
        // Free right end, checked with the last sheet's column.
        if (fixed) t = ch.tjix(k, n);
        const Stodkvot r = hoj(t, [&](int tt) { return andstod(c, dv, lc, true, tt, ch.lasfl); });
        if (!fixed) skriv_tillbaka(k, n, first, t);
        lagra_stod(lc, i, r);
      } else {
        // A support inside the sheet, or a sheet end running on as a cantilever.
        if (fixed)
          t = ch.tjix(k, i);
        else
          ch.tjix(k, i) = t;
        Stodkvot r;
        if (i == 1 && typ == 1)
          r = hoj(t, [&](int tt) { return andstod(c, dv, lc, false, tt, ch.lasfl); });
        else
          r = hoj(t, [&](int tt) { return kvot_stod(lc, i, tt, true); });
        if (!fixed) skriv_tillbaka(k, i, first, t);
        lagra_stod(lc, i, r);
      }
      if (i <= n) falt(lc, i, k, first, t);
    }
    // Cantilever tips with the first sheet's column and the last sheet's.
    ch.nedbkons(lc, 1) = konsolnedb(c, dv, lc, 1, ch.tjix(1, 1), dv.flag(1));
    ch.nedbkons(lc, 2) = konsolnedb(c, dv, lc, 2, ch.tjix(k, n), dv.flag(n));
  }

  // Double overlap at support i: the span after it is checked first with
  // the new sheet's starting column, then the support with both sheets, then
  // the span again with the new sheet's final column.  The span check of the
  // caller is the second one.
  void dubbel(int lc, int i, int& k, int& first, int& t) {
    CheckResults& ch = chk();
    const CheckInput& c = ctx;
    const int kp = k;
    int tp = ch.tjix(kp, i - 1);
    ++k;
    first = i;
    t = ch.tjix(k, i);
    const int tc78 = t;
    falt(lc, i, k, first, t);

    const float Lp = sheet_length(in(), ctx.dia, i - 1);
    const float Ln = sheet_length(in(), ctx.dia, i);
    const Arr2<float, 1, 30, 1, 10>& w = ctx.prof.per_thickness;
    Stodkvot r = dubbel_overlapp(c, dv, lc, i, t, tp, tc78, false);
    while (r.kvot > 1.0f && !fixed) {
      const bool can_p = tp < dv.NT, can_n = t < dv.NT;
      if (!can_p && !can_n) {
        failed = true;
        break;
      }
      // Thicken the sheet whose extra weight costs less; a tie thickens the
      // previous sheet.
      bool raise_p = can_p;
      if (can_p && can_n) {
        const float dp = static_cast<float>((static_cast<double>(w(4, tp + 1)) - w(4, tp)) * Lp);
        const float dn = static_cast<float>((static_cast<double>(w(4, t + 1)) - w(4, t)) * Ln);
        raise_p = dn >= dp;
      }
      if (raise_p)
        ++tp;
      else
        ++t;
      r = dubbel_overlapp(c, dv, lc, i, t, tp, tc78, true);
    }
    lagra_stod(lc, i, r);
    if (!fixed) {
      ch.tjix(k, i) = t;
      for (int m = 1; m <= i - 1; ++m)
        if (ch.tjix(kp, m) != 0) ch.tjix(kp, m) = std::max(ch.tjix(kp, m), tp);
    }
  }
};

// Results of the final sweep.
void resultat(const CheckInput& ctx, const Dimvarden& dv, CheckResults& chk) {
  const InputCase& in = ctx.in;
  const int n = std::clamp(in.nfack, 1, 20);
  chk.over = false;
  for (int lc = 1; lc <= 4; ++lc) {
    for (int j = 1; j <= n; ++j)
      if (chk.KVOTF(lc, j) > 1.0f || chk.KVOTD(lc, j) > 1.0f) chk.over = true;
    for (int i = 1; i <= n + 1; ++i)
      if (chk.KVOTS(lc, i) > 1.0f) chk.over = true;
  }
  // The highest-numbered sheet holding support j decides span j.
  auto column = [&](int j) {
    for (int k = 20; k >= 1; --k)
      if (chk.tjix(k, j) != 0) return chk.tjix(k, j);
    return 0;
  };
  const float ref = dv.iyta(chk.tjix(1, 1));
  for (int j = 1; j <= n; ++j) {
    const int t = column(j);
    chk.plattj(j) = dv.arbtab(no(Row::nominal_thickness), t);
    chk.styvkvot(j) = static_cast<float>(static_cast<double>(dv.iyta(t)) / ref);
  }
  if (in.vextak != 0) bandavst(ctx, chk);
  // The partial-coefficient method reports no strength ratios for the
  // serviceability case.
  if (in.sakkl != 0) {
    for (int i = 1; i <= n + 1; ++i) chk.KVOTS(2, i) = 0;
    for (int j = 1; j <= n; ++j) chk.KVOTF(2, j) = 0;
  }
}

}  // namespace

void dim1(const CheckInput& ctx, int ip, CheckResults& chk) {
  const Dimvarden dv = dimvarden(ctx, ip);
  skivindelning(ctx.in, dv, chk);
  chk.lasfl = ctx.in.oflans == 2 ? 1 : 0;

  const bool walls = ctx.in.vagg == 1;
  auto sweep = [&](Svep& s) {
    for (int lc = 1; lc <= 4; ++lc)
      if (!(walls && lc == 2)) s.lastfall(lc);
  };
  Svep s{ctx, dv, chk};
  s.fixed = dv.locked;
  if (!dv.locked) {
    sweep(s);
    s.fixed = true;
  }
  chk.failed = s.failed;
  s.slutlig = true;
  sweep(s);
  resultat(ctx, dv, chk);
  chk.checked = true;
}

}  // namespace kvop
