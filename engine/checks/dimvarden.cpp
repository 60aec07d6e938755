#include "checks/dimvarden.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/markets.h"
#include "core/real32.h"

namespace kvop {
namespace {

constexpr float kPi = 3.14159f;
constexpr float kPer180 = 1.0f / 180.0f;
constexpr float kThird = 0.333333f;
constexpr float kMaxWidth = 0.2f;  // support width counted in web crippling (m)

void scale_row(Dimvarden& dv, int row, double f) {
  for (int t = 1; t <= 10; ++t) dv.arbtab(row, t) = f32(dv.arbtab(row, t) * f);
}

}  // namespace

bool designation_has(const Text<8>& designation, std::string_view word) {
  const std::string_view d = designation.view();
  for (std::size_t p = 0; p < 4; ++p)
    if (p + word.size() <= d.size() && d.substr(p, word.size()) == word) return true;
  return false;
}

float ieff(const Dimvarden& dv, int t, int flag) {
  if (flag == 1) return f32((2.0 * dv.iyta(t) + dv.iytb(t)) * kThird);
  return dv.iyta(t);
}

int perforation_code(const InputCase& in, const ProfileRecord& prof, int ip) {
  const int code = in.perfo(ip);
  if (code <= 0) return code;
  const float h = prof.general(no(General::height));
  const float E = prof.general(no(General::elastic_modulus));
  if ((h <= 0.05f && E > 1.0f) || (h <= 0.038f && E < 1.0f)) return 2;
  return code;
}

Dimvarden dimvarden(const CheckInput& ctx, int ip) {
  const InputCase& in = ctx.in;
  const ProfileRecord& p = ctx.prof;
  const AnalysisResults& an = ctx.an;
  const int n = std::clamp(in.nfack, 1, 20);
  Dimvarden dv;
  dv.NT = std::clamp(static_cast<int>(p.thickness_count), 1, 10);

  // 1. A fresh working copy of the thickness table.
  dv.arbtab = p.per_thickness;

  // 2. Perforated webs of these profiles are not made in the thinnest sheet.
  const Text<8>& name = p.designation;
  const bool thin_excluded = designation_has(name, "R820M") || designation_has(name, "R820S") ||
                             designation_has(name, "R820U") || designation_has(name, "R46FA");
  dv.perfo = perforation_code(in, p, ip);
  dv.t0 = dv.perfo > 0 && thin_excluded ? 2 : 1;
  // A profile offered in one thickness only keeps that one.
  dv.t0 = std::min(dv.t0, dv.NT);

  // 3. Extra side lap and perforation.
  const float E = p.general(no(General::elastic_modulus));
  const float s = in.sidoverl(ip);
  if (s > 0.001f) {
    const double nn = static_cast<double>(p.general(no(General::cover_width))) /
                      p.general(no(General::module_width));
    const double ns = nn - s;
    dv.sidfaktor = f32(std::max(1.0, nn / ns - ns / (50.0 * s)));
    for (Row row : {Row::stiffness_broad, Row::moment_broad, Row::stiffness_narrow,
                    Row::moment_narrow, Row::web_crippling})
      scale_row(dv, no(row), dv.sidfaktor);
  }
  if (dv.perfo > 0) {
    for (Row row :
         {Row::stiffness_broad, Row::moment_broad, Row::stiffness_narrow, Row::moment_narrow})
      scale_row(dv, no(row), p.general(no(General::perforation_moment)));
    scale_row(dv, no(Row::web_crippling), p.general(no(General::perforation_web)));
  }

  // 4. Partial factors and the orientation of the profile on the purlins.
  dv.gammaM = market_rules(in.marknadskod).gammaM;
  dv.gammaW = market_rules(in.marknadskod).gammaW;
  // The first rows of the groups that serve the two signs (stiffness,
  // moment, C7, C8 follow one another).
  int ga = no(Row::stiffness_broad), gb = no(Row::stiffness_broad);
  dv.g = p.general(no(General::threshold_broad));
  if (in.vandr(ip) == 2) {
    gb = no(Row::stiffness_narrow);
  } else if (in.vandr(ip) == 1) {
    ga = no(Row::stiffness_narrow);
    dv.g = p.general(no(General::threshold_narrow));
  }
  const double gm = dv.gammaM, gw = dv.gammaW;
  for (int t = 1; t <= 10; ++t) {
    dv.iyta(t) = dv.arbtab(ga, t);
    dv.mrda(t) = f32(dv.arbtab(ga + 1, t) / gm);
    dv.C7(t) = dv.arbtab(ga + 2, t);
    dv.C8(t) = dv.arbtab(ga + 3, t);
    dv.iytb(t) = dv.arbtab(gb, t);
    dv.mrdb(t) = f32(dv.arbtab(gb + 1, t) / gm);
    dv.rw0(t) = f32(dv.arbtab(no(Row::web_crippling), t) / gw);
    dv.A(t) = f32(dv.arbtab(no(Row::fastening_along_slope), t) / gm);
    dv.D(t) = f32(dv.arbtab(no(Row::end_fastening), t) / gm);
    dv.P22(t) = f32(dv.arbtab(no(Row::seam_shear), t) / gm);
    dv.P24(t) = f32(dv.arbtab(no(Row::shear_buckling), t) / gm);
  }
  dv.steel = E > 1.0f;
  dv.no_anchorage_b = designation_has(name, "R820M") || designation_has(name, "R820P");

  // 5. Web crippling at the real support width, capped at 0.2 m.  The
  // thickness terms are the same at every support and taken once.
  std::array<double, 10> tc, la;
  for (int t = 1; t <= 10; ++t) {
    tc[t - 1] = std::sqrt(12.5 * dv.arbtab(no(Row::core_thickness), t));
    la[t - 1] = std::sqrt(static_cast<double>(dv.arbtab(no(Row::bearing_length), t)));
  }
  for (int i = 1; i <= n + 1; ++i) {
    const double ss = std::sqrt(1000.0 * std::min(in.upplbredd(i), kMaxWidth));
    for (int t = 1; t <= 10; ++t)
      dv.rwst(i, t) = f32(dv.rw0(t) * (tc[t - 1] + ss) / (tc[t - 1] + la[t - 1]));
  }

  // 6. Force along the slope from the reactions.
  const float alfa = f32(static_cast<double>(in.taklutn) * kPi * kPer180);
  double c = in.kvottak;
  if (in.vextak != 0 && in.kvottak <= 1.01f && in.taklutn > 7.5f)
    c = in.kvottak / (1.0 - (1.0 - in.kvottak) / (8.0 * std::sin(static_cast<double>(alfa))));
  const double tana = std::tan(static_cast<double>(alfa));
  for (int lc = 1; lc <= 4; ++lc)
    for (int i = 1; i <= n + 1; ++i) dv.fstod(lc, i) = f32(an.reakt(lc, i) * tana / c);

  // 7. Locked thicknesses: the first column that reaches the wanted one.
  dv.locked = in.tjlk(1) > 0.1f;
  dv.L.fill(0);
  if (dv.locked) {
    for (int j = 1; j <= n; ++j) {
      int col = dv.NT;
      for (int t = 1; t <= dv.NT; ++t) {
        if (in.tjlk(j) <= dv.arbtab(no(Row::nominal_thickness), t)) {
          col = t;
          break;
        }
      }
      dv.L(j) = col;
    }
  }

  // 9. Stiffness form of each span: weighted where a support moment beside
  // the span is large against the field moment (serviceability case of a
  // roof, the wind-towards case of a wall).
  const int lcs = in.vagg == 1 ? 1 : 2;
  for (int j = 1; j <= n; ++j) {
    const double half = 0.5 * std::fabs(an.mfalt(lcs, j));
    const bool weighted =
        half < std::fabs(an.mstod(lcs, j)) || half < std::fabs(an.mstod(lcs, j + 1));
    dv.flag(j) = weighted ? 1 : 2;
  }
  return dv;
}

}  // namespace kvop
