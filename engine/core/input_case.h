// The input case record: one sheeting case as read from the calculation input
// file, with the defaults of blkdat for every field a case does not read.
// Lengths in m, area loads kN/m2, line loads kN/m, thicknesses mm, angles deg.
#pragma once

#include "core/fixed_arrays.h"

namespace kvop {

// Line load k: the three intensities (kN/m) and the distance from the left
// support of its span (m), stored in this order.
struct Linjlast {
  float bruksned = 0;  // serviceability load downwards
  float brottned = 0;  // ultimate load downwards
  float brottupp = 0;  // ultimate load upwards
  float linjavst = 0;  // distance from support linjfack(k)
};

struct InputCase {
  Text<8> indatafil;  // case name
  Text<12> rednamn;   // report file name: base + ".RED"
  Text<12> indnamn;   // base + ".IND"
  Text<12> skivnamn;  // diaphragm exchange file name
  Text<80> rubrik;    // title of the case

  int marknadskod = 1;  // 1 SVERIGE, 2 POLEN, 3 NORGE, 4 FINLAND, 5 DANMARK
  int sakkl = 0;        // 0 method M, 1..3 partial-coefficient method class
  int vagg = 0;         // 0 roof, 1 wall
  int taktyp = 1;       // 0 non-insulated, 1 insulated, 2 VEX roof
  int vextak = 0;       // 1 = VEX roof
  float kvottak = 10000;

  int nfack = 3;                // number of spans, 1..20
  Arr<float, 1, 20> spv;        // span lengths
  Arr<float, 1, 20> tjlk;       // locked thickness per span
  Arr<int, 1, 21> skarvtyp;     // joint type per support, 0..5
  Arr<float, 1, 21> skarvprc;   // packed joint extent right.left (percent)
  Arr<float, 1, 21> upplbredd;  // support widths
  float konsv = 0, konsh = 0;   // cantilever lengths
  int mbkonsv = 0, mbkonsh = 0;

  float egentyngd = 0.4f;
  float snolast = 2.5f, snoform = 0.8f;
  float trivform = 0.8f, trivlgd = 0;
  float trihform = 0.8f, trihlgd = 0;
  int fickfack = 0;
  float fickform = 0.8f, fickavst = 0, ficklgd = 0, fickmaxlgd = 0;

  int nlinj = 0;
  Arr<int, 1, 5> linjfack;
  Arr<Linjlast, 1, 5> linjlast;

  Arr<float, 1, 7> vind;
  float taklutn = 3.6f;
  int oflans = 0;
  float nedbkvot = 0;
  int nedbkrav = 0;
  float psi0sno = 0, psi1sno = 0, psi0vind = 0, psi1vind = 0;

  Arr<Text<8>, 1, 5> pnamn;
  int nprof = 0;
  int mikroband = 0;
  Arr<float, 1, 5> sidoverl;
  Arr<int, 1, 5> perfo;
  Arr<int, 1, 5> vandr;
  int utskr = 0;
  int iskiv = 0;

  // Diaphragm values D1..D4 and D6..D13, passed on unchanged to the exchange
  // file.  Entries 2 to 6 (D2, D3, D4, D6, D7) are integers held exactly.
  Arr<float, 1, 12> skivdata;
  Arr<Text<80>, 1, 5> skivtext;

  Arr2<float, 1, 6, 1, 5> partkf;  // factor f of market m: partkf(f, m)
};

// Whether skivdata(k) is one of the integer diaphragm values.
inline bool skivdata_is_integer(int k) { return k >= 2 && k <= 6; }

}  // namespace kvop
