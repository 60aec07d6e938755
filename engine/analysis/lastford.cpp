#include "analysis/lastford.h"

#include <algorithm>
#include <cmath>

namespace kvop {
namespace {

// Segment lengths of the members: langd(r) / 40.
using Delta = Arr<float, 0, 21>;

void add(float& slot, double load) { slot = static_cast<float>(slot + load); }

// A walk along the sheet from slot to slot, members rmin..rmax.
struct Walk {
  int r, s, rmin, rmax;
  bool valid() const { return r >= rmin && r <= rmax; }
  bool right() {
    if (++s > 40) {
      ++r;
      s = 1;
    }
    return valid();
  }
  bool left() {
    if (--s < 1) {
      --r;
      s = 40;
    }
    return valid();
  }
};

// The position of a walk advances by the segment length of the member that
// holds the segment it enters, also when it crosses into the next member.
void advance(float& pos, const Delta& dl, const Walk& w) {
  pos = static_cast<float>(pos + static_cast<double>(dl(w.r)));
}

// Triangular drift beyond a cantilever: from the free end, load falling
// linearly from `peak` to 0 at `length`.
void drift(Punktlast& pl, const Delta& dl, Walk w, float x, float peak, float length,
           bool rightwards) {
  while (!(x > length)) {
    add(pl(w.r, w.s),
        static_cast<double>(dl(w.r)) * peak * (1.0 - static_cast<double>(x) / length));
    if (!(rightwards ? w.right() : w.left())) return;
    advance(x, dl, w);
  }
}

void snow_pocket(const InputCase& in, const Lastfall& lf, const Delta& dl, Punktlast& pl) {
  const int n = in.nfack;
  const int ff = in.fickfack;
  const float L = in.spv(ff);
  const float delta = dl(ff);
  const float d = in.fickavst;
  const float lr = in.ficklgd;
  const float lm = in.fickmaxlgd;
  const float pP = lf.pP;
  const double kd = fickslot(d, L);
  // Start slot of the maximum.  A pocket cannot start before its span.  The
  // reader refuses a start beyond the overflow slot 41; a pocket handed over
  // with one anyway is not placed rather than written outside the slot table.
  if (!(kd <= 41.0)) return;
  const int K = static_cast<int>(std::max(kd, 0.0));
  const bool ramps = delta <= lr;

  // Rising ramp, leftwards from slot K; y is the distance from d to the
  // segment centre and e the distance from d to the segment's right edge,
  // both walked by the segment length of each member entered.  A slot is
  // loaded while its right edge lies within lr; one whose centre lies beyond
  // the foot of the ramp gets no snow (the linear ramp would give it a load
  // against the snow's direction).
  if (ramps) {
    Walk w{ff, K, 0, n + 1};
    float y;
    float e;
    if (K >= 1) {
      y = static_cast<float>(d - (K - 0.5) * delta);
      e = static_cast<float>(d - K * static_cast<double>(delta));
    } else {
      w.left();  // slot 40 of the member to the left of the pocket span
      y = static_cast<float>(d + dl(w.r) / 2.0);
      e = d;
    }
    while (w.valid() && !(e > lr)) {
      if (y <= lr)
        add(pl(w.r, w.s), static_cast<double>(dl(w.r)) * pP * (1.0 - static_cast<double>(y) / lr));
      if (!w.left()) break;
      advance(y, dl, w);
      advance(e, dl, w);
    }
  }

  // Constant part, rightwards from slot K+1 (counted on into the next member
  // when K is 40 or 41); e is the distance from d to the segment's right
  // edge.  It ends after the slot that reaches lm.
  Walk w{ff, K + 1, 0, n + 1};
  float e;
  if (K + 1 <= 40) {
    e = static_cast<float>((K + 1) * static_cast<double>(delta) - d);
  } else {
    w = Walk{ff + 1, K + 1 - 40, 0, n + 1};
    e = static_cast<float>(static_cast<float>(40 * static_cast<double>(delta) - d) +
                           w.s * static_cast<double>(dl(ff + 1)));
  }
  bool ended = false;
  while (w.valid()) {
    add(pl(w.r, w.s), static_cast<double>(dl(w.r)) * pP);
    if (w.r == ff ? e >= lm : e > lm) {
      ended = true;
      break;
    }
    if (!w.right()) break;
    advance(e, dl, w);
  }
  if (!ramps || !ended) return;

  // Falling ramp from the slot after the last constant one; y is the distance
  // from the end of the constant part to the segment centre and e to its
  // right edge, walked as in the constant part.  When the constant part
  // filled its member to the end, the ramp's m-th slot in the next member is
  // taken at m segment lengths.
  const bool from_member_end = w.s == 40;
  if (!w.right()) return;
  float y = from_member_end ? dl(w.r) : static_cast<float>(dl(w.r) / 2.0);
  e = dl(w.r);
  while (!(e > lr)) {
    add(pl(w.r, w.s), static_cast<double>(dl(w.r)) * pP * (1.0 - static_cast<double>(y) / lr));
    if (!w.right()) break;
    advance(y, dl, w);
    advance(e, dl, w);
  }
}

}  // namespace

double fickslot(float fickavst, float L) { return std::trunc(40.0 * fickavst / L); }

void lastford(const InputCase& in, const Lastfall& lf, Punktlast& pl) {
  const int n = in.nfack;
  Delta dl;
  dl(0) = in.konsv / 40.0f;
  for (int j = 1; j <= n; ++j) dl(j) = in.spv(j) / 40.0f;
  dl(n + 1) = in.konsh / 40.0f;

  // Uniform load on the spans; the cantilevers take it in closed form.
  for (int j = 1; j <= n; ++j) {
    const float p = static_cast<float>(static_cast<double>(lf.q) * in.spv(j) / 40);
    for (int s = 1; s <= 40; ++s) pl(j, s) = p;
  }

  // Drifts that reach beyond the cantilevers, walked from the free ends.
  if (lf.pL != 0 && in.trivlgd > in.konsv + static_cast<double>(0.01f)) {
    const float x = static_cast<float>(in.konsv + dl(1) / 2.0);
    drift(pl, dl, Walk{1, 1, 0, n + 1}, x, lf.pL, in.trivlgd, true);
  }
  if (lf.pR != 0 && in.trihlgd > in.konsh + static_cast<double>(0.01f)) {
    const float x = static_cast<float>(in.konsh + dl(n) / 2.0);
    drift(pl, dl, Walk{n, 40, 0, n + 1}, x, lf.pR, in.trihlgd, false);
  }

  if (lf.pP != 0 && in.fickfack >= 1 && in.fickfack <= n) snow_pocket(in, lf, dl, pl);

  // Edge zone from the left free end, over the spans only.
  if (lf.qe != 0) {
    Walk w{1, 1, 1, n};
    float x = static_cast<float>(in.konsv + dl(1) / 2.0);
    while (x <= lf.E) {
      add(pl(w.r, w.s), static_cast<double>(dl(w.r)) * lf.qe);
      if (!w.right()) break;
      advance(x, dl, w);
    }
  }

  // Overflow slots into slot 1 of the next member; the last span's overflow
  // lies on the right cantilever.
  for (int j = 1; j <= n; ++j) add(pl(j + 1, 1), pl(j, 41));
}

Linjlage linjnorm(const InputCase& in, int& t, float& a) {
  const int n = in.nfack;
  if (t < 1 || t > n) return {Linjplats::utanfor, t, a};
  // Each move passes one support and is handed back to t and a; a distance
  // that is no number never settles.
  for (int moves = 0; moves <= 4 * 20 + 4; ++moves) {
    const float L = in.spv(t);
    if (a >= 0 && a < L) return {Linjplats::fack, t, a};
    if (t == 1 && a < 0) return {Linjplats::konsv, 1, -a};
    if (t == n && a >= L)
      return {Linjplats::konsh, n + 1, static_cast<float>(a - static_cast<double>(L))};
    if (a >= L) {
      a = static_cast<float>(a - static_cast<double>(L));
      ++t;
    } else if (a < 0) {
      --t;
      a = static_cast<float>(a + static_cast<double>(in.spv(t)));
    } else {
      break;
    }
  }
  return {Linjplats::utanfor, t, a};
}

}  // namespace kvop
