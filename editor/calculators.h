// The calculators of the editor: the peak velocity pressure of the wind
// (EN 1991-1-4) and the snow drift at an abutment to a taller building
// (EN 1991-1-3).  Plain functions of their inputs, without the forms.
#pragma once

namespace kvop::editor {

// Terrain categories 0, I, II, III and IV (EN 1991-1-4 table 4.1).
struct Terrain {
  double z0;    // roughness length, m
  double zmin;  // minimum height, m
};
Terrain terrain(int category);  // category 0..4

struct WindResult {
  double qb;  // basic velocity pressure, kN/m2 (4.10)
  double kr;  // terrain factor (4.5)
  double cr;  // roughness factor at the height (4.4)
  double Iv;  // turbulence intensity (4.7)
  double qp;  // peak velocity pressure, kN/m2 (4.8)
};

// Peak velocity pressure at height z (m) for the reference wind speed vb
// (m/s) and the terrain category, with orography factor c0 = 1, turbulence
// factor kI = 1 and air density 1.25 kg/m3.
WindResult peak_velocity_pressure(double vb, double z, int category);

struct DriftInput {
  double b1;         // width of the taller building, m
  double b2;         // width of the lower roof, m
  double h;          // height of the step, m
  double ls_min;     // lower bound of the drift length, m (5 m in EN 1991-1-3)
  double mu_min;     // lower bound of the drift shape factor (0.8)
  double alpha;      // slope of the taller building's roof, degrees
  double sk;         // characteristic ground snow load, kN/m2
  double gamma = 2;  // weight density of snow, kN/m3
};

struct DriftResult {
  double mu_w;  // shape factor of drifting (5.8)
  double mu_s;  // shape factor of snow sliding from the upper roof
  double mu2;   // shape factor at the step: mu_s + mu_w
  double ls;    // drift length, m
};

// Drift on a lower roof at a taller building (EN 1991-1-3 5.3.6 and
// annex B): mu_w = (b1 + b2) / 2h, at most gamma h / sk and within mu_min
// .. 4.0; ls = 2h within ls_min .. 15 m; mu_s = 0 for an upper roof of slope
// up to 15 degrees, else half the upper roof's shape factor 0.8 (5.3.3)
// spread over ls.
DriftResult snow_drift(const DriftInput& in);

// The shape factor of the drift at distance x (m) from the step: linear from
// mu2 at the step to mu1 at ls.
double drift_shape_at(const DriftResult& d, double mu1, double x);

}  // namespace kvop::editor
