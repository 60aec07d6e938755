#include "diaphragm/platbitar.h"

#include <algorithm>

#include "core/real32.h"

namespace kvop {
namespace {

constexpr float kHalf = 0.5f;
constexpr float kMinHinge = 0.05f;  // shortest piece beyond a hinge support
constexpr float kGerber = 0.1f;     // allowance of a Gerber joint

float hinge_piece(float width) { return std::max(f32(double(kHalf) * width), kMinHinge); }

}  // namespace

void platbitar(const InputCase& in, const AnalysisResults& an, DiaphragmResults& dia) {
  const int n = std::clamp(in.nfack, 1, 20);
  dia.vansk.fill(0.0f);
  dia.hosk.fill(0.0f);
  dia.plangd.fill(0.0f);
  for (int j = 1; j <= n; ++j) {
    // Piece to the left of the support where span j's sheet begins.
    float v = 0;
    if (j == 1) {
      v = in.konsv > 0 ? in.konsv : f32(double(kHalf) * in.upplbredd(1));
    } else {
      switch (in.skarvtyp(j)) {
        case 1: v = hinge_piece(in.upplbredd(j)); break;
        case 2:
        case 3: v = f32(double(kHalf) * in.upplbredd(j)); break;
        case 4: v = f32(double(kGerber) - double(in.spv(j)) * skarvrel1(an, j)); break;
        case 5: v = f32((1.0 - double(skarvrel2(an, j))) * in.spv(j - 1)); break;
        default: v = 0; break;  // continuous: the sheet's own piece follows below
      }
    }
    dia.vansk(j) = v;

    // Piece beyond support j+1.
    float h = 0;
    if (j == n) {
      h = in.konsh > 0 ? in.konsh : f32(double(kHalf) * in.upplbredd(n + 1));
    } else {
      switch (in.skarvtyp(j + 1)) {
        case 1: h = hinge_piece(in.upplbredd(j + 1)); break;
        case 2:
        case 3:
        case 5: h = f32(double(in.spv(j + 1)) * skarvrel1(an, j + 1)); break;
        case 4: h = f32(double(in.spv(j + 1)) * skarvrel1(an, j + 1) + kGerber); break;
        default: h = 0; break;
      }
    }
    dia.hosk(j) = h;

    float len = f32(double(dia.vansk(j)) + in.spv(j) + dia.hosk(j));
    const bool runs_on = j >= 2 && in.skarvtyp(j) == 0;
    if (runs_on) len = f32(double(len) + dia.plangd(j - 1));
    dia.plangd(j) = len;
    if (runs_on) dia.vansk(j) = dia.vansk(j - 1);
  }
  dia.vansk(n + 1) = 0;
  dia.computed = true;
}

float sheet_length(const InputCase& in, const DiaphragmResults& dia, int j) {
  const int n = std::clamp(in.nfack, 1, 20);
  int last = j;
  while (last < n && in.skarvtyp(last + 1) == 0) ++last;
  return dia.plangd(last);
}

}  // namespace kvop
