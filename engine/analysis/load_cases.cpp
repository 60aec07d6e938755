#include "analysis/load_cases.h"

#include <algorithm>
#include <cmath>

#include "core/markets.h"

namespace kvop {
namespace {

// The constants of the slope factor, as 32-bit reals.
constexpr float kPi = 3.14159f;
constexpr float kPer180 = 1.0f / 180.0f;

float f32(double v) { return static_cast<float>(v); }

}  // namespace

float slope_factor(const InputCase& in) {
  return f32(std::cos(static_cast<double>(in.taklutn) * kPi * kPer180));
}

void prepare_analysis(const InputCase& in, PreparedCase& prep) {
  prep.egentyngd = in.egentyngd;
  prep.linjfack = in.linjfack;
  for (int k = 1; k <= 5; ++k) prep.linjavst(k) = in.linjlast(k).linjavst;
  if (in.nfack < 1 || in.nfack > 20) return;  // no sheet to analyse
  prep.egentyngd = f32(static_cast<double>(in.egentyngd) * slope_factor(in));
  const int nl = in.vagg == 1 ? 0 : std::clamp(in.nlinj, 0, 5);
  for (int k = 1; k <= nl; ++k) linjnorm(in, prep.linjfack(k), prep.linjavst(k));
}

void sakerhetsfaktorer(const InputCase& in, AnalysisResults& an) {
  an.bandix = in.marknadskod;
  const int k = in.sakkl;
  const bool klass = k >= 1 && k <= 3;
  auto by_class = [&](float g1, float g2, float g3) {
    return !klass ? 1.0f : k == 1 ? g1 : k == 2 ? g2 : g3;
  };
  const MarketRules& market = market_rules(in.marknadskod);
  an.xired = market.xired;
  an.gammad = by_class(market.gammad[0], market.gammad[1], market.gammad[2]);
  an.gammad1 = market.gammad1_own ? market.gammad1 : an.gammad;
}

Belastning belastning(const InputCase& in, const PreparedCase& prep, const AnalysisResults& an,
                      float c, int lc) {
  // Factor column of the market; a code outside the table takes the last.
  const int m = market_rules(in.marknadskod).partkf_column;
  auto pk = [&](int f) -> double { return in.partkf(f, m); };
  const double g = prep.egentyngd;
  const double cc = static_cast<double>(c) * c;
  const double gd = an.gammad, gd1 = an.gammad1, xi = an.xired;
  Belastning b;
  Lastfall& lf = b.lf;
  float s = 0;

  if (in.vagg == 1) {
    const float w = f32(in.vind(1) * pk(6));
    if (lc == 1) {
      lf.q = f32(w * in.vind(3));
      lf.qe = f32((static_cast<double>(in.vind(6)) - in.vind(3)) * w);
      lf.E = in.vind(7);
    } else {
      lf.q = f32(-(w * in.vind(2)));
      lf.qe = f32(-(static_cast<double>(in.vind(4)) - in.vind(2)) * w);
      lf.E = in.vind(5);
    }
    return b;  // no snow and no line loads on a wall
  }

  const bool no_gammad = market_rules(in.marknadskod).self_weight_without_gammad;
  const float G1 = no_gammad ? f32(xi * g) : f32(xi * gd * g);
  const float G4 = no_gammad ? f32(xi * g) : f32(xi * gd1 * g);
  auto line = [&](float Linjlast::*field) {
    for (int k = 1; k <= 5; ++k) b.P(k) = f32(static_cast<double>(c) * (in.linjlast(k).*field));
  };
  switch (lc) {
    case 1: {
      s = f32(cc * gd * in.snolast * pk(5));
      const float w1 = f32(gd * in.vind(1) * pk(6) * in.psi0vind);
      lf.q = f32(static_cast<double>(s) * in.snoform + G1 * pk(3) +
                 static_cast<double>(w1) * in.vind(3));
      line(&Linjlast::brottned);
      break;
    }
    case 2:
      s = f32(cc * in.psi1sno * in.snolast * pk(2));
      lf.q = f32(static_cast<double>(s) * in.snoform + g * pk(1));
      line(&Linjlast::bruksned);
      break;
    case 3: {
      const float w3 = f32(gd * in.vind(1) * pk(6));
      lf.q = f32(g * pk(4) - static_cast<double>(w3) * in.vind(2));
      lf.qe = f32(-(static_cast<double>(in.vind(4)) - in.vind(2)) * w3);
      lf.E = in.vind(5);
      line(&Linjlast::brottupp);
      return b;  // wind suction: no snow
    }
    default: {
      s = f32(cc * gd1 * in.snolast * in.psi0sno * pk(5));
      const float w4 = f32(gd1 * in.vind(1) * pk(6));
      lf.q = f32(static_cast<double>(s) * in.snoform + G4 * pk(3) +
                 static_cast<double>(w4) * in.vind(3));
      line(&Linjlast::brottned);
      break;
    }
  }
  lf.pL = f32(static_cast<double>(s) * (static_cast<double>(in.trivform) - in.snoform));
  lf.pR = f32(static_cast<double>(s) * (static_cast<double>(in.trihform) - in.snoform));
  lf.pP = f32(static_cast<double>(s) * (static_cast<double>(in.fickform) - in.snoform));
  return b;
}

}  // namespace kvop
