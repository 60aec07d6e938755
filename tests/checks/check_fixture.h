// A sheeting case for the section-check tests: a four-column test profile
// whose resistances are round numbers, and analysis results that each test
// sets by hand.  With support widths of 0.1 m and a reference bearing length
// of 100 mm the web crippling at a support equals the tabulated value.
#pragma once

#include <string>

#include "checks/dim1.h"
#include "core/run_context.h"
#include "diaphragm/platbitar.h"
#include "driver/inkvop.h"

namespace kvop::test {

// Column t (1..4): nominal thickness 0.4 + 0.1 t mm, self weight t, group
// rows 5..8: I = 1e-6 t, M = t, C7 = 1, C8 = 1.25; rows 9..12: I = 2e-6 t,
// M = t + 0.5; web crippling 10 t; fastenings A = 20 t, D = 10 t.
inline ProfileRecord check_profile(const std::string& designation = "TEST") {
  ProfileRecord p;
  p.designation.set(designation);
  p.thickness_count = 4;
  p.origin_code = 1;
  const float general[12] = {0.045f, 0.2f, 0.8f, 2.0f,  1.0f, 0.8f,
                             0.9f,   0.0f, 0.0f, 0.25f, 0.3f, 2.1f};
  for (int k = 1; k <= 12; ++k) p.general(k) = general[k - 1];
  for (int t = 1; t <= 10; ++t) {
    const float ft = static_cast<float>(t);
    p.per_thickness(1, t) = 0.4f + 0.1f * ft;
    p.per_thickness(3, t) = 0.36f + 0.1f * ft;
    p.per_thickness(4, t) = ft;
    p.per_thickness(5, t) = 1e-6f * ft;
    p.per_thickness(6, t) = ft;
    p.per_thickness(7, t) = 1.0f;
    p.per_thickness(8, t) = 1.25f;
    p.per_thickness(9, t) = 2e-6f * ft;
    p.per_thickness(10, t) = ft + 0.5f;
    p.per_thickness(11, t) = 1.0f;
    p.per_thickness(12, t) = 1.25f;
    p.per_thickness(13, t) = 10.0f * ft;
    p.per_thickness(14, t) = 100.0f;
    p.per_thickness(22, t) = 50.0f;
    p.per_thickness(23, t) = 20.0f * ft;
    p.per_thickness(24, t) = 100.0f;
    p.per_thickness(25, t) = 10.0f * ft;
  }
  return p;
}

// A flat roof of `nfack` spans of 5 m, continuous over the inner supports,
// cantilevers of 0.3 m, broad flange on the purlins, no loads yet.
struct CheckCase {
  RunContext ctx;
  InputCase& in = ctx.in;
  AnalysisResults& an = ctx.an;
  CheckResults& chk = ctx.chk;

  explicit CheckCase(int nfack, const std::string& designation = "TEST") {
    blkdat(in);
    in.nprof = 1;
    in.pnamn(1).set(designation);
    in.pnamn(2).set(designation);
    in.nfack = nfack;
    in.spv.fill(5.0f);
    in.upplbredd.fill(0.1f);
    in.konsv = in.konsh = 0.3f;
    in.vandr(1) = 2;
    in.taklutn = 0.0f;
    in.nedbkrav = 1;
    in.nedbkvot = 150.0f;
    ctx.prof = check_profile(designation);
    an.gammad = an.gammad1 = 1.0f;
    for (int j = 1; j <= 20; ++j) {
      an.snittpos(j, 4) = 0.1f;
      an.snittpos(j, 5) = 0.9f;
    }
    an.analysed = true;
  }
  // Moving keeps the references on the moved record.
  CheckCase(CheckCase&& o) noexcept : ctx(std::move(o.ctx)) {}
  CheckCase& operator=(CheckCase&&) = delete;
};

// The check sweeps of one pass of profile ip, with the sheet pieces of the
// case as the driver prepares them.
inline void sweep(CheckCase& c, int ip = 1) {
  platbitar(c.in, c.an, c.ctx.dia);
  dim1(c.ctx, ip, c.chk);
}

// A left sheet end (LED) with 1 m beyond it on a 45 degree slope whose
// fastenings take the whole force along the slope: R = 4 at the full
// category (Rwe = 10), T ~ R, K0 = 2, so u1 = 0.952381*(0.4 + 1.0) = 1.333
// fails on the anchorage alone.
inline CheckCase anchored_end(int oflans) {
  CheckCase c(2);
  c.in.skarvtyp(1) = 1;
  c.in.konsv = 1.0f;
  c.in.oflans = oflans;
  c.in.taklutn = 45.0f;
  c.in.kvottak = 1.0f;
  c.an.reakt(1, 1) = 4.0f;
  return c;
}

}  // namespace kvop::test
