#pragma once

#include "checks/dimvarden.h"

namespace kvop {

// The outcome of one support check for given thickness columns: the ratio
// and, where the check includes the anchorage along the slope, the diaphragm
// reserve that the fastenings leave.
struct Stodkvot {
  float kvot = 0;
  bool har_reserv = false;
  float reserv = 0;
};

// Safety-class-1 factor gammad1/gammad of an inner support in load case 1 of
// a Swedish case with a profile of at least 64 mm; 1 where the rule does not
// apply.
[[nodiscard]] float sk1_faktor(const CheckInput& ctx, int lc, int i);

// Support with the moment-reaction interaction of one sheet (continuous
// support, a sheet running on as a cantilever, single overlaps, Gerber
// joints).  `regel1`: a reaction away from the support is checked in bending
// alone.
[[nodiscard]] Stodkvot interaktion(const CheckInput& ctx, const Dimvarden& dv, int lc, int i, int t,
                                   bool regel1);

// Inner butt joint: both sheet ends bear on the support (columns t and tp).
[[nodiscard]] Stodkvot stumskarv(const CheckInput& ctx, const Dimvarden& dv, int lc, int i, int t,
                                 int tp);

// Double overlap: the new sheet (column t) and the previous one (tp) act
// together; tc78 is the column whose interaction coefficients apply.
[[nodiscard]] Stodkvot dubbel_overlapp(const CheckInput& ctx, const Dimvarden& dv, int lc, int i,
                                       int t, int tp, int tc78, bool regel1);

// Sheet end on the left (support 1) or the right (support nfack+1), with the
// end anchorage; may lock the top flange (lasfl) when the case allows it.
[[nodiscard]] Stodkvot andstod(const CheckInput& ctx, const Dimvarden& dv, int lc, bool hoger,
                               int t, int& lasfl);

}  // namespace kvop
