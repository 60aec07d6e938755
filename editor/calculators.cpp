#include "calculators.h"

#include <algorithm>
#include <cmath>

namespace kvop::editor {

Terrain terrain(int category) {
  static constexpr Terrain kTable[5] = {
      {0.003, 1.0},  // 0: sea, coastal area exposed to the open sea
      {0.01, 1.0},   // I: lakes, flat land without obstacles
      {0.05, 2.0},   // II: low vegetation, isolated obstacles
      {0.3, 5.0},    // III: regular cover of vegetation or buildings
      {1.0, 10.0},   // IV: at least 15 % of the surface covered by buildings over 15 m
  };
  return kTable[std::clamp(category, 0, 4)];
}

WindResult peak_velocity_pressure(double vb, double z, int category) {
  constexpr double rho = 1.25;    // air density, kg/m3
  constexpr double z0_II = 0.05;  // roughness length of terrain II
  const Terrain t = terrain(category);
  const double zz = std::max(z, t.zmin);  // below zmin the pressure of zmin holds
  WindResult r{};
  r.qb = 0.5 * rho * vb * vb / 1000.0;
  r.kr = 0.19 * std::pow(t.z0 / z0_II, 0.07);
  r.cr = r.kr * std::log(zz / t.z0);
  r.Iv = 1.0 / std::log(zz / t.z0);  // kI / (c0 ln(z/z0)), kI = c0 = 1
  r.qp = (1.0 + 7.0 * r.Iv) * r.cr * r.cr * r.qb;
  return r;
}

DriftResult snow_drift(const DriftInput& in) {
  DriftResult r{};
  const double h = std::max(in.h, 1e-6);
  r.mu_w = (in.b1 + in.b2) / (2.0 * h);
  if (in.sk > 0) r.mu_w = std::min(r.mu_w, in.gamma * h / in.sk);
  r.mu_w = std::clamp(r.mu_w, in.mu_min, std::max(in.mu_min, 4.0));
  r.ls = std::clamp(2.0 * h, in.ls_min, std::max(in.ls_min, 15.0));
  // Sliding snow: half of the upper roof's snow, shape factor mu1 of
  // table 5.2, as a triangle over ls.
  double mu1_upper = 0.0;
  if (in.alpha <= 30.0)
    mu1_upper = 0.8;
  else if (in.alpha < 60.0)
    mu1_upper = 0.8 * (60.0 - in.alpha) / 30.0;
  r.mu_s = in.alpha <= 15.0 ? 0.0 : 2.0 * 0.5 * mu1_upper * in.b1 / r.ls;
  r.mu2 = r.mu_s + r.mu_w;
  return r;
}

double drift_shape_at(const DriftResult& d, double mu1, double x) {
  if (x >= d.ls) return mu1;
  const double xx = std::max(0.0, x);
  return d.mu2 - (d.mu2 - mu1) * xx / d.ls;
}

}  // namespace kvop::editor
