// Results of the multi-span analysis krdef, per load case lc = 1..4 and span
// j or support i.  Each load case overwrites only its own entries; a wall
// leaves load cases 2 and 4 as they were.
#pragma once

#include "core/fixed_arrays.h"

namespace kvop {

// The distributed loads of one load case (kN/m2, lengths m).
struct Lastfall {
  float q = 0;   // uniform load
  float pL = 0;  // peak of the drift at the left end
  float pR = 0;  // peak of the drift at the right end
  float pP = 0;  // peak of the snow pocket
  float qe = 0;  // extra load of the edge zone at the left end
  float E = 0;   // length of the edge zone from the left free end
};

// One design load case: the distributed loads and the line-load intensities.
struct Belastning {
  Lastfall lf;
  Arr<float, 1, 5> P;
};

struct AnalysisResults {
  float gammad = 1.0f;   // load factor of the chosen safety class
  float gammad1 = 1.0f;  // load factor of safety class 1
  float xired = 1.0f;    // self-weight reduction factor
  int bandix = 1;        // market column of partkf

  Arr2<float, 1, 4, 1, 20> mfalt;    // governing field moment
  Arr2<float, 1, 4, 1, 20> mfalt2;   // governing joint-section moment
  Arr2<float, 1, 4, 1, 20> nedbtal;  // governing deflection x stiffness
  Arr2<float, 1, 4, 1, 21> mstod;    // support moment (hogging negative)
  Arr2<float, 1, 4, 1, 21> reakt;    // support reaction
  Arr2<float, 1, 4, 1, 21> dskruv;   // force at the far end of an overlap
  Arr2<float, 1, 4, 1, 20> tvarv;    // shear at the left end of a span
  Arr2<float, 1, 4, 1, 20> tvarh;    // shear at the right end of a span
  Arr2<float, 1, 4, 1, 2> konstal;   // tip deflection x stiffness, left/right

  Arr2<float, 1, 20, 1, 11> snittpos;  // section positions relative to span
  // Per load case, the moment and the deflection x stiffness at the eleven
  // sections snittpos of every span, end moments included; the cantilever
  // tips are konstal.
  Arr<Arr2<float, 1, 20, 1, 11>, 1, 4> snittmom;
  Arr<Arr2<float, 1, 20, 1, 11>, 1, 4> snittnedb;
  // The relative span stiffnesses this analysis used: 1.0 in pass 1, in
  // pass 2 what the checks of pass 1 set.  The checks of the last pass set
  // their own copy anew, which no longer belongs to these results.
  Arr<float, 1, 20> styvkvot;
  // The loads of every load case analysed, as the terms were built from.
  Arr<Belastning, 1, 4> belastning;

  bool analysed = false;  // krdef has run at least once in this run
  int pass = 0;           // the analysis pass (1 or 2) whose results these are
};

// Relative positions of the joint sections at support i.
inline float skarvrel1(const AnalysisResults& a, int i) { return a.snittpos(i, 4); }
inline float skarvrel2(const AnalysisResults& a, int i) { return a.snittpos(i - 1, 5); }

}  // namespace kvop
