#pragma once

#include "checks/dimvarden.h"

namespace kvop {

// Field-moment ratio of span j in load case lc with column t.
[[nodiscard]] float faltkvot(const CheckInput& ctx, const Dimvarden& dv, int lc, int j, int t);

// Deflection of span j (m) with column t, before any wall factor.
[[nodiscard]] float nedbojning(const CheckInput& ctx, const Dimvarden& dv, int lc, int j, int t);

// The span deflection as reported: the roof's own, a wall's scaled by the
// market's factor.  False where a wall's span deflection is not computed.
[[nodiscard]] bool rapporterad_nedbojning(const InputCase& in, float delta, float& nedb);

// Whether span deflections are checked in this load case.
[[nodiscard]] bool nedb_kontrolleras(const InputCase& in, int lc);

// Deflection ratio of span j for the deflection delta (m).
[[nodiscard]] float nedbkvot(const InputCase& in, int j, float delta);

// Deflection of a cantilever tip (side 1 left, 2 right) with column t and the
// stiffness form of the span beside it.
[[nodiscard]] float konsolnedb(const CheckInput& ctx, const Dimvarden& dv, int lc, int side, int t,
                               int flag);

// Diaphragm reserve of span j with column t.
[[nodiscard]] float faltreserv(const InputCase& in, const Dimvarden& dv, int j, int t);

// Fastening-band spacings of a VEX roof after the final sweep.
void bandavst(const CheckInput& ctx, CheckResults& chk);

}  // namespace kvop
