#include "checks/faltkontroll.h"

#include <algorithm>
#include <cmath>

#include "core/markets.h"
#include "core/real32.h"

namespace kvop {
namespace {

constexpr float kSign = 0.001f;  // a field moment above this sags
constexpr float kStep1 = 4.5f;   // deflection steps of the span (m)
constexpr float kStep2 = 6.0f;
constexpr float kPer150 = 0.00666667f;  // L/150
constexpr float kPer30mm = 33.3333f;    // 1/0.030 m
constexpr float kPer200 = 0.005f;       // L/200
constexpr double kE = 1.0e8;
constexpr float kFastening = 0.8f;
constexpr float kBandMin = 0.3f, kBandTrimmer = 4.6f, kBandPlain = 2.0f, kBandMax = 3.75f;

}  // namespace

float faltkvot(const CheckInput& ctx, const Dimvarden& dv, int lc, int j, int t) {
  const float M1 = ctx.an.mfalt(lc, j), M2 = ctx.an.mfalt2(lc, j);
  const float r1 = M1 > kSign ? dv.mrdb(t) : dv.mrda(t);
  const float r2 = M2 > kSign ? dv.mrdb(t) : dv.mrda(t);
  return std::max(f32(std::fabs(M1) / r1), f32(std::fabs(M2) / r2));
}

float nedbojning(const CheckInput& ctx, const Dimvarden& dv, int lc, int j, int t) {
  const double EI = kE * ctx.prof.general(no(General::elastic_modulus)) * ieff(dv, t, dv.flag(j));
  return f32(ctx.an.nedbtal(lc, j) / EI);
}

bool rapporterad_nedbojning(const InputCase& in, float delta, float& nedb) {
  if (in.vagg != 1) {
    nedb = delta;
    return true;
  }
  const float factor = market_rules(in.marknadskod).wall_deflection;
  if (factor == 0.0f) return false;
  nedb = f32(static_cast<double>(factor) * delta);
  return true;
}

bool nedb_kontrolleras(const InputCase& in, int lc) {
  return in.vagg == 1 ? lc == 1 || lc == 3 : lc == 2;
}

float nedbkvot(const InputCase& in, int j, float delta) {
  const float L = in.spv(j);
  const double d = std::fabs(static_cast<double>(delta));
  if (in.vagg == 1) {
    float w;
    if (!rapporterad_nedbojning(in, delta, w)) return 0.0f;
    return f32(std::fabs(static_cast<double>(w)) / f32(static_cast<double>(L) / in.nedbkvot));
  }
  if (in.nedbkrav != 1) return f32(d / f32(static_cast<double>(L) / in.nedbkvot));
  if (L < kStep1) return f32(d / f32(static_cast<double>(L) * kPer150));
  if (L <= kStep2) return f32(d * kPer30mm);
  return f32(d / f32(static_cast<double>(L) * kPer200));
}

float konsolnedb(const CheckInput& ctx, const Dimvarden& dv, int lc, int side, int t, int flag) {
  const double EI = kE * ctx.prof.general(no(General::elastic_modulus)) * ieff(dv, t, flag);
  return f32(ctx.an.konstal(lc, side) / EI);
}

float faltreserv(const InputCase& in, const Dimvarden& dv, int j, int t) {
  const double L = in.spv(j);
  return f32(std::min(kFastening * static_cast<double>(dv.P22(t)),
                      kFastening * static_cast<double>(dv.P24(t)) / (L * L)));
}

void bandavst(const CheckInput& ctx, CheckResults& chk) {
  const InputCase& in = ctx.in;
  const int n = std::clamp(in.nfack, 1, 20);
  // Utilisation left by the uplift load case.
  float u = chk.KVOTS(3, 1);
  for (int i = 2; i <= n + 1; ++i) u = std::max(u, chk.KVOTS(3, i));
  for (int j = 1; j <= n; ++j) u = std::max(u, chk.KVOTF(3, j));

  const double b = ctx.prof.general(no(General::module_width));
  const int nmax = static_cast<int>(std::trunc(kBandMax / b));
  const double Pf = static_cast<double>(in.vind(1)) * in.vind(2);
  const double P = in.partkf(4, std::clamp(ctx.an.bandix, 1, 5));
  const double g = ctx.prep.egentyngd;  // on the slope
  const float gP = f32(g * P);
  // Where the self weight outweighs the suction, or nothing is used in
  // uplift (no formula then), the bands may stand at the widest spacing.
  if (gP > f32(Pf) || u <= 0.0f || Pf <= 0.0) {
    chk.bandavst1 = chk.bandavst2 = f32(b * nmax);
    return;
  }
  const double x = 1.0 / u - (P / u - 1.0) * g / Pf;
  // x is positive here; a small u gives a large x, so the count is capped
  // before it is made an integer.
  auto count = [&](double k) {
    return static_cast<int>(std::min(std::trunc(k * (x + kBandMin)), static_cast<double>(nmax)));
  };
  chk.bandavst1 = f32(b * count(kBandTrimmer));
  chk.bandavst2 = f32(b * count(kBandPlain));
}

}  // namespace kvop
