// Load distribution along the sheet: the distributed loads of one load case
// lumped into 40 point loads per member, and the line loads located on the
// sheet.  Members r = 0 (left cantilever), 1..nfack (spans), nfack+1 (right
// cantilever); slot s = 1..40 stands for the segment whose centre lies at
// (s - 0.5) * langd(r) / 40 from the member's left end, and slot 41 of every
// member is an overflow slot carried into slot 1 of the next member.
#pragma once

#include "core/analysis_results.h"
#include "core/input_case.h"

namespace kvop {

using Punktlast = Arr2<float, 0, 21, 1, 41>;

// Where a line load acts.
enum class Linjplats {
  fack,     // in span t, at distance a from support t
  konsv,    // on the left cantilever, at distance a from support 1
  konsh,    // on the right cantilever, at distance a from support nfack+1
  utanfor,  // its span number names no span of the sheet: not applied
};

struct Linjlage {
  Linjplats plats = Linjplats::utanfor;
  int t = 0;
  float a = 0;
};

// Locates a line load in span t at the distance a from support t on the
// sheet.  A distance beyond the end of its span moves the load on into the
// next span, a negative one back into the previous span; t and a are left as
// the last move leaves them (unchanged when the load lies in its span or on
// a cantilever from the start), so that locating them again finds the same
// place.  A load standing exactly on an interior support acts at distance 0
// of the span to its right; one beyond the last span or before the first
// lies on the cantilever.
Linjlage linjnorm(const InputCase& in, int& t, float& a);

// The start slot K of the snow pocket's maximum at the distance fickavst
// from the left support of its span of length L: 40 * fickavst / L truncated
// towards zero.  The slot table ends at the overflow slot 41, so the input
// reader refuses a pocket whose K lies beyond it.
double fickslot(float fickavst, float L);

// Fills the slots of the load case: the uniform load on the spans, the drifts
// beyond the cantilevers, the snow pocket, the edge zone and the overflow.
// Expects the cantilever rows and every slot 41 to be 0 on entry; every span
// slot 1..40 is set.  A pocket whose start slot lies beyond 41 (which the
// reader refuses) is not placed.
void lastford(const InputCase& in, const Lastfall& lf, Punktlast& punktlast);

}  // namespace kvop
