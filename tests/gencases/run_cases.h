// The cases of the build comparison: varied sheeting cases whose values a
// run can use, made as case records for the engine's case file writer.  The
// cases cover every market and class, roofs of the three roof types and
// walls, 1 to 20 spans, every joint type, locked thicknesses, cantilevers
// with and without end-support flags, drifts, a snow pocket, up to five line
// loads (also beyond the end of their span), edge zones, both report
// layouts and the diaphragm data.  The same seed always gives the same cases.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <random>
#include <string>

#include "driver/case_file.h"
#include "driver/inkvop.h"
#include "driver/input_fields.h"

namespace kvop::gencases {

class Dice {
 public:
  explicit Dice(unsigned seed) : rng_(seed) {}

  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  template <class T>
  T one_of(std::initializer_list<T> list) {
    return *(list.begin() + pick(0, static_cast<int>(list.size()) - 1));
  }
  // A value between lo and hi with `decimals` decimals, as the reader gets
  // it from its decimal text.
  float real(double lo, double hi, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const long a = std::lround(lo * scale);
    // A bound rounded below the other (a length that took up all of its
    // span) leaves the one value.
    const long b = std::max(a, std::lround(hi * scale));
    const long k = std::uniform_int_distribution<long>(a, b)(rng_);
    return value(static_cast<double>(k) / scale, decimals);
  }
  // The 32-bit value of the decimal text of v.
  static float value(double v, int decimals = 3) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return infield::free_real(buf).value;
  }

 private:
  std::mt19937 rng_;
};

inline CaseFile make_case(Dice& d, const std::string& name) {
  CaseFile cf;
  InputCase& in = cf.in;
  blkdat(in);
  in.indatafil.set(name);
  in.marknadskod = d.pick(1, 5);
  in.sakkl = d.pick(0, 3);
  in.vagg = d.chance(0.3) ? 1 : 0;
  in.nfack = d.one_of({1, 1, 2, 2, 3, 3, 3, 4, 5, 6, 8, 12, 20});
  const int n = in.nfack;
  in.rubrik.set("GENERERAT FALL " + name + " MARKNAD " + std::to_string(in.marknadskod) +
                (in.vagg ? " V\xC4GG" : " TAK"));
  for (int j = 1; j <= n; ++j) in.spv(j) = d.real(0.8, 9.0, 3);
  if (d.chance(0.2)) {
    cf.locked = 1;
    for (int j = 1; j <= n; ++j)
      in.tjlk(j) = Dice::value(d.one_of({0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.2}));
  }
  // Every inner support gets a joint type; the end supports follow the
  // cantilevers anyway, but are sometimes named on the joint lines too.
  for (int i = 1; i <= n + 1; ++i)
    if ((i > 1 && i < n + 1) || d.chance(0.2)) in.skarvtyp(i) = d.one_of({0, 0, 1, 2, 3, 4, 5});
  auto cantilever = [&] {
    const double pick = d.one_of({0.0, 0.0, 0.05, 0.1, 0.11, 0.3, 0.6, -1.0});
    return pick < 0 ? d.real(0, 1.5, 2) : Dice::value(pick, 2);
  };
  in.konsv = cantilever();
  in.mbkonsv = d.chance(0.15) ? 1 : 0;
  in.konsh = cantilever();
  in.mbkonsh = d.chance(0.15) ? 1 : 0;
  for (int i = 1; i <= n + 1; ++i)
    in.skarvprc(i) =
        Dice::value(d.one_of({10.10, 10.10, 15.08, 5.50, 6.00, 5.99, 20.20, 8.12, 12.05}), 2);
  const bool same_widths = d.chance(0.5);
  for (int i = 1; i <= n + 1; ++i)
    in.upplbredd(i) =
        Dice::value(same_widths ? 0.10 : d.one_of({0.06, 0.08, 0.10, 0.12, 0.16, 0.20}), 2);

  if (in.vagg == 0) {
    in.egentyngd = d.real(0.1, 1.2, 2);
    in.snolast = d.real(0.5, 4.5, 1);
    cf.snow_on_next = in.marknadskod == 1 && d.chance(0.3);
    in.snoform = Dice::value(d.one_of({0.8, 0.8, 1.0, 0.72}), 2);
    in.trivform = Dice::value(d.one_of({0.8, 1.6, 2.4, 3.2}), 1);
    in.trivlgd = d.chance(0.4) ? d.real(0.5, 8.0, 1) : 0.0f;
    in.trihform = Dice::value(d.one_of({0.8, 1.6, 2.4}), 1);
    in.trihlgd = d.chance(0.3) ? d.real(0.5, 6.0, 1) : 0.0f;
    const bool pocket = d.chance(0.3);
    in.fickfack = pocket ? d.pick(1, n) : 0;
    in.fickform = Dice::value(d.one_of({0.8, 1.2, 1.6, 2.0, 2.4}), 1);
    if (pocket) {
      const double span = in.spv(in.fickfack);
      const float length = d.real(0.2, span, 2);
      in.fickmaxlgd = d.real(0, length, 2);
      in.ficklgd = length;
      in.fickavst = d.real(0, span - length, 2);
    }
    in.nlinj = d.one_of({0, 0, 0, 1, 2, 3, 5});
    for (int k = 1; k <= 5; ++k) {
      Linjlast& l = in.linjlast(k);
      if (k > in.nlinj) {
        in.linjfack(k) = 0;
        l = {};
        continue;
      }
      in.linjfack(k) = d.pick(1, n);
      // Also before the span's left support or beyond its end.
      l.linjavst = d.real(-0.5, in.spv(in.linjfack(k)) + 0.5, 3);
      l.brottned = d.real(0, 4, 3);
      l.bruksned = d.real(0, 3, 3);
      l.brottupp = d.real(0, 2, 3);
    }
    in.taktyp = d.one_of({0, 1, 1, 2});
    if (in.taktyp == 2) {
      in.vextak = 1;
      cf.vex_code = d.pick(0, 3);
      in.kvottak = Dice::value(d.one_of({10000.0, 0.5, 0.3}), 1);
    }
    in.taklutn = Dice::value(d.one_of({3.6, 0.0, 7.0, 10.0, 14.0, 27.0}), 1);
    in.oflans = d.pick(0, 2);
    in.vind(1) = d.real(0.3, 1.2, 2);
    in.vind(2) = Dice::value(d.one_of({1.0, 1.2, 2.0}), 2);
    in.vind(3) = Dice::value(d.one_of({0.2, 0.3, 0.5}), 2);
    if (in.taktyp == 0) {
      in.vind(4) = Dice::value(d.one_of({1.8, 2.5}), 2);
      in.vind(5) = d.real(0.5, 4.0, 2);
    }
  } else {
    // Wind towards the wall with its corner zone, then away from it.
    in.vind(1) = d.real(0.3, 1.2, 2);
    in.vind(3) = Dice::value(d.one_of({0.8, 1.0}), 2);
    in.vind(6) = Dice::value(d.one_of({0.8, 1.2}), 2);
    in.vind(7) = d.real(0, 2.0, 2);
    in.vind(2) = Dice::value(d.one_of({0.5, 0.7}), 2);
    in.vind(4) = Dice::value(d.one_of({1.2, 1.4}), 2);
    in.vind(5) = d.real(0, 2.0, 2);
  }
  in.nedbkvot = Dice::value(d.one_of({0.0, 0.0, 150.0, 200.0, 75.0, 90.5}), 1);
  in.nedbkrav = d.one_of({0, 1, 2});
  const bool usual = d.chance(0.7);
  in.psi0sno = Dice::value(usual ? 0.7 : 0.6, 1);
  in.psi1sno = Dice::value(usual ? 0.4 : 0.2, 1);
  in.psi0vind = Dice::value(usual ? 0.3 : 0.6, 1);
  in.psi1vind = Dice::value(0.2, 1);
  in.pnamn(1).set(d.one_of<const char*>({"R820", "R820P", "R820M", "R820U", "R820MSTD", "R820S",
                                         "R45", "R70", "R20", "R35AL", "R46FA", "PL45", "TR70",
                                         "TH135", "X35"}));
  in.mikroband = d.chance(0.3) ? 1 : 0;
  in.sidoverl(1) = Dice::value(d.one_of({0.0, 0.0, 0.05}), 2);
  in.vandr(1) = d.pick(1, 2);
  const bool diaphragm_records = in.vagg == 0 && in.taktyp > 0;
  if (diaphragm_records) in.perfo(1) = d.pick(0, 2);
  in.utskr = d.one_of({0, 0, 1, 1, 2});
  in.iskiv = 2;
  if (diaphragm_records) {
    in.iskiv = d.pick(0, 2);
    if (in.iskiv < 2) {
      // D1..D13: whole numbers in D2, D3, D4, D6 and D7; D5 is not kept.
      for (int k = 1; k <= 12; ++k)
        in.skivdata(k) =
            skivdata_is_integer(k) ? static_cast<float>(d.pick(1, 9)) : d.real(0.1, 30, 2);
      cf.d5 = d.real(0.1, 30, 2);
      for (int t = 1; t <= 5; ++t)
        in.skivtext(t).set("SKIVTEXT " + std::to_string(t) + " F\xD6R " + name);
    }
  }
  return cf;
}

}  // namespace kvop::gencases

