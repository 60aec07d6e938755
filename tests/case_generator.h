// Random sheeting cases for the round-trip tests of the case file: every
// branch of the layout (roof and wall, the five markets, the three roof
// types, diaphragm action or none, locked thicknesses, line loads) with
// values that the file's fields can hold.  Reals are made from decimal text
// by the engine's own field reader, as a file would give them.
#pragma once

#include <string>

#include "driver/case_file.h"
#include "driver/inkvop.h"
#include "gencases/run_cases.h"

namespace kvop::test {

class CaseGenerator : public gencases::Dice {
 public:
  explicit CaseGenerator(unsigned seed) : Dice(seed) {}

  std::string word(int max_len) {
    static const char letters[] = "ABCDEFGHIJKLMNOPRSTUVXYZ0123456789";
    std::string s;
    const int n = pick(1, max_len);
    for (int i = 0; i < n; ++i) s += letters[pick(0, static_cast<int>(sizeof letters) - 2)];
    return s;
  }

  CaseFile next() {
    CaseFile cf;
    InputCase& in = cf.in;
    blkdat(in);
    in.indatafil.set(word(8));
    in.rubrik.set(word(20) + " \xC5\xC4\xD6 " + word(30));  // ÅÄÖ in Windows-1252
    in.marknadskod = pick(1, 5);
    in.sakkl = pick(0, 3);
    in.vagg = pick(0, 3) == 0 ? 1 : 0;
    in.nfack = pick(1, 20);
    const int n = in.nfack;
    for (int i = 1; i <= n; ++i) in.spv(i) = real(0.5, 30, 3);
    cf.locked = pick(0, 1);
    if (cf.locked) {
      const float t = real(0.5, 1.5, 2);
      for (int i = 1; i <= n; ++i) in.tjlk(i) = t;
    }
    for (int j = 2; j <= n; ++j) {
      in.skarvtyp(j) = pick(0, 5);
      in.skarvprc(j) = real(0, 50.5, 2);
    }
    in.konsv = pick(0, 1) ? real(0, 2, 2) : 0.0f;
    in.konsh = pick(0, 1) ? real(0, 2, 2) : 0.0f;
    in.mbkonsv = pick(0, 1);
    in.mbkonsh = pick(0, 1);
    for (int j = 1; j <= n + 1; ++j) in.upplbredd(j) = real(0.04, 0.2, 2);
    if (in.vagg == 0) {
      in.egentyngd = real(0.1, 1.5, 2);
      cf.snow_on_next = in.marknadskod == 1 && pick(0, 1);
      in.snolast = real(0.5, 4.5, 2);
      in.snoform = real(0.5, 1.2, 2);
      in.trivform = real(0.8, 3, 2);
      in.trivlgd = pick(0, 1) ? real(1, 8, 2) : 0.0f;
      in.trihform = real(0.8, 3, 2);
      in.trihlgd = pick(0, 1) ? real(1, 8, 2) : 0.0f;
      in.fickfack = pick(0, n);
      in.fickform = real(0.5, 3, 2);
      // A pocket the engine places starts within its span.
      in.fickavst = real(0, in.fickfack > 0 ? std::min(3.0f, in.spv(in.fickfack)) : 3.0, 2);
      in.ficklgd = real(0, 3, 2);
      in.fickmaxlgd = real(0, 1, 2);
      in.nlinj = pick(0, 5);
      for (int k = 1; k <= 5; ++k) {
        in.linjfack(k) = k <= in.nlinj ? pick(1, n) : 0;
        in.linjlast(k) = {real(0, 5, 3), real(0, 7, 3), real(0, 3, 3), real(0, 5, 3)};
      }
      in.taktyp = pick(0, 2);
      in.vextak = in.taktyp == 2 ? 1 : 0;
      if (in.taktyp == 2) {
        cf.vex_code = pick(1, 2);
        in.kvottak = cf.vex_code == 2 ? 10000.0f : real(0.2, 1, 2);
      }
      in.taklutn = real(0, 30, 1);
      in.oflans = pick(0, 2);
      for (int k = 1; k <= (in.taktyp == 0 ? 5 : 3); ++k) in.vind(k) = real(0, 2, 2);
      if (in.taktyp > 0) in.perfo(1) = pick(0, 2);
    } else {
      for (int k = 1; k <= 7; ++k) in.vind(k) = real(0, 2, 2);
    }
    in.nedbkvot = pick(0, 1) ? real(50, 400, 0) : 0.0f;
    in.nedbkrav = pick(0, 2);
    in.psi0sno = real(0, 1, 2);
    in.psi1sno = real(0, 1, 2);
    in.psi0vind = real(0, 1, 2);
    in.psi1vind = real(0, 1, 2);
    static const char* profiles[] = {"R45", "R820", "R820M", "R820MSTD", "PL45", "TR70"};
    in.pnamn(1).set(profiles[pick(0, 5)]);
    in.mikroband = pick(0, 1);
    in.sidoverl(1) = static_cast<float>(pick(0, 2));
    in.vandr(1) = pick(1, 2);
    in.utskr = pick(0, 1);
    in.iskiv = 2;
    if (in.vagg == 0 && in.taktyp > 0) {
      in.iskiv = pick(0, 2);
      if (in.iskiv < 2) {
        for (int k = 1; k <= 12; ++k)
          in.skivdata(k) =
              skivdata_is_integer(k) ? static_cast<float>(pick(0, 40)) : real(0, 50, 3);
        cf.d5 = real(0, 10, 2);
        for (int t = 1; t <= 5; ++t) in.skivtext(t).set(word(40));
      }
    }
    return cf;
  }

};

}  // namespace kvop::test
