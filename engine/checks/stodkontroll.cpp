#include "checks/stodkontroll.h"

#include <algorithm>
#include <cmath>

#include "core/markets.h"
#include "core/real32.h"

namespace kvop {
namespace {

constexpr float kMomentWidth1 = 0.125f;  // moment reduction over the support width
constexpr float kMomentWidth2 = 0.25f;
constexpr float kFastening = 0.8f;     // reduction of the fastening capacity
constexpr float kBearing = 0.909091f;  // 1/1.1
constexpr float kEnd = 0.952381f;      // 1/1.05
constexpr float kMinHeight = 0.064f;   // profiles of at least this height: class-1 rule
constexpr float kNoReserve = 10000.0f;

// Ratio in bending alone under a reaction away from the support.
float lyft(float M, float mrdb) { return f32(static_cast<double>(M) / mrdb); }

// Moment-reaction interaction with the resistances Rw and Mr.
float interaktionskvot(double R, double M, double s, double Rw, double Mr, double C7, double C8,
                       float g, bool linear, double F) {
  const float rho = f32(std::fabs(R) / Rw);
  if (rho <= g) {
    const float q = f32((std::fabs(M) - R * s * kMomentWidth1) / Mr);
    return f32(q * F);
  }
  const double Mp = f32(std::fabs(M) - R * s * kMomentWidth2) * F;
  const double Rf = R * F;
  float I;
  if (linear)
    I = f32((Mp / Mr + C7 * Rf / Rw) / C8);
  else
    I = f32((C7 * (Mp / Mr) * (Mp / Mr) + (Rf / Rw) * (Rf / Rw)) / C8);
  const float rhoF = f32(rho * F);
  const float mF = f32(std::fabs(M) / Mr * F);
  return std::max({I, rhoF, mF});
}

// Anchorage terms along the slope: the fastenings and the bearing.
float forankring(float kvot, double T, double R, double Rw, double As, bool no_b) {
  const float a = f32(T / (kFastening * As));
  const float B = no_b ? 0.0f : f32(kFastening * R / (Rw + a) * kBearing);
  return std::max({kvot, a, B});
}

float reserv_interaktion(double T, double R, double Rw, double As, bool no_b) {
  const double v1 = kFastening * As - T;
  const double v2 = no_b ? kNoReserve : kFastening * As * (1.1 - kFastening * R / Rw) - T;
  return f32(std::min(v1, v2));
}

}  // namespace

float sk1_faktor(const CheckInput& ctx, int lc, int i) {
  const InputCase& in = ctx.in;
  const bool applies = i != 1 && i != in.nfack + 1 && lc == 1 && in.skarvtyp(i) != 4 &&
                       market_rules(in.marknadskod).inner_supports_class1 &&
                       ctx.prof.general(no(General::height)) >= kMinHeight;
  if (!applies || ctx.an.gammad == 0.0f) return 1.0f;
  return f32(static_cast<double>(ctx.an.gammad1) / ctx.an.gammad);
}

Stodkvot interaktion(const CheckInput& ctx, const Dimvarden& dv, int lc, int i, int t,
                     bool regel1) {
  const float R = ctx.an.reakt(lc, i), M = ctx.an.mstod(lc, i);
  Stodkvot r;
  if (regel1 && R < 0) {
    r.kvot = lyft(M, dv.mrdb(t));
    return r;
  }
  const float Rw = dv.rwst(i, t), T = dv.fstod(lc, i);
  r.kvot = interaktionskvot(R, M, ctx.in.upplbredd(i), Rw, dv.mrda(t), dv.C7(t), dv.C8(t), dv.g,
                            dv.steel, sk1_faktor(ctx, lc, i));
  if (lc != 3) {
    r.kvot = forankring(r.kvot, T, R, Rw, dv.A(t), dv.no_anchorage_b);
    r.har_reserv = true;
    r.reserv = reserv_interaktion(T, R, Rw, dv.A(t), dv.no_anchorage_b);
  }
  return r;
}

Stodkvot stumskarv(const CheckInput& ctx, const Dimvarden& dv, int lc, int i, int t, int tp) {
  const float R = ctx.an.reakt(lc, i);
  Stodkvot r;
  if (R < 0) {
    r.kvot = lyft(ctx.an.mstod(lc, i), dv.mrdb(t));
    return r;
  }
  const double Rj = 0.5 * (static_cast<double>(dv.rwst(i, tp)) + dv.rwst(i, t));
  r.kvot = f32(std::fabs(R) / f32(Rj));
  if (lc != 3) {
    const double T = dv.fstod(lc, i);
    const double As = static_cast<double>(dv.A(t)) + dv.A(tp);
    r.kvot = std::max(r.kvot, f32(T / (kFastening * As)));
    r.har_reserv = true;
    r.reserv = f32(kFastening * As - T);
  }
  return r;
}

Stodkvot dubbel_overlapp(const CheckInput& ctx, const Dimvarden& dv, int lc, int i, int t, int tp,
                         int tc78, bool regel1) {
  const float R = ctx.an.reakt(lc, i), M = ctx.an.mstod(lc, i);
  Stodkvot r;
  if (regel1 && R < 0) {
    r.kvot = lyft(M, f32(static_cast<double>(dv.mrdb(t)) + dv.mrdb(tp)));
    return r;
  }
  const float Mrs = f32(static_cast<double>(dv.mrda(t)) + dv.mrda(tp));
  const float Rws = f32(static_cast<double>(dv.rwst(i, t)) + dv.rwst(i, tp));
  const float As = f32(static_cast<double>(dv.A(t)) + dv.A(tp));
  r.kvot = interaktionskvot(R, M, ctx.in.upplbredd(i), Rws, Mrs, dv.C7(tc78), dv.C8(tc78), dv.g,
                            true, sk1_faktor(ctx, lc, i));
  if (lc != 3) {
    const float T = dv.fstod(lc, i);
    r.kvot = forankring(r.kvot, T, R, Rws, As, dv.no_anchorage_b);
    r.har_reserv = true;
    r.reserv = reserv_interaktion(T, R, Rws, As, dv.no_anchorage_b);
  }
  return r;
}

Stodkvot andstod(const CheckInput& ctx, const Dimvarden& dv, int lc, bool hoger, int t,
                 int& lasfl) {
  const InputCase& in = ctx.in;
  const int i = hoger ? in.nfack + 1 : 1;
  const float R = ctx.an.reakt(lc, i);
  Stodkvot r;
  if (R < 0) {
    // Uplift: the left end is checked in bending, the right end not at all.
    r.kvot = hoger ? 0.0f : lyft(ctx.an.mstod(lc, i), dv.mrdb(t));
    return r;
  }
  const float h = ctx.prof.general(no(General::height));
  const float s = in.upplbredd(i);
  const float kons = hoger ? in.konsh : in.konsv;
  const int endflag = hoger ? in.mbkonsh : in.mbkonsv;
  // An end that the case marks is practically relieved of web crippling.
  const double fdiv = endflag == 1 ? (hoger ? 10000.0 : 100000.0) : 1.0;

  // Category of the end support by the length beyond it.
  float Rwe = dv.rwst(i, t);
  int c = 2;
  if (kons < f32(1.5 * h + 0.5 * s)) {
    Rwe = f32(0.5 * Rwe);
    c = 1;
  }
  const float krypp = f32(std::fabs(R) / (fdiv * Rwe));
  if (lc == 3) {
    r.kvot = krypp;
    return r;
  }

  const double T = dv.fstod(lc, i);
  const double D = dv.D(t), A = dv.A(t), P22 = dv.P22(t);
  for (;;) {
    const double K = lasfl == 0 ? ctx.prof.general(no(General::anchorage_free))
                                : ctx.prof.general(no(General::anchorage_locked));
    const bool relieved = lasfl == 1 || endflag == 1;
    float e = 0;
    if (!relieved) {
      const float u1 = f32(kEnd * (R / Rwe + T * K / (kFastening * Rwe)));
      const float u2 = f32(T * K / (kFastening * Rwe));
      const float u3 = f32(T / (c * D));
      e = std::max({u1, u2, u3});
    }
    r.kvot = std::max(krypp, e);

    // Reserve of the end fastenings for the diaphragm.
    double v = relieved ? std::min(kFastening * A, kFastening * P22)
                        : std::min({kFastening * Rwe * (1.05 - R / Rwe) / K - T,
                                    kFastening * Rwe / K - T, kFastening * A, kFastening * P22});
    if (v < 0) v = 0;
    r.har_reserv = true;
    r.reserv = relieved ? f32(v) : f32(std::min(v, c * D - T));

    if (r.kvot > 1.0f && in.oflans >= 1 && lasfl == 0) {
      lasfl = 1;  // lock the top flange and check again
      continue;
    }
    if (r.kvot > 1.0f && in.oflans != 2) lasfl = 0;
    return r;
  }
}

}  // namespace kvop
