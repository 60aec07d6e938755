// The design load cases and the continuous-sheet analysis.
#include "analysis/krdef.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "driver/inkvop.h"

namespace kvop {
namespace {

// A flat roof whose serviceability load case (2) carries the self weight g
// alone as a uniform load; spans of L, cantilevers of 2 cm, continuous.
RunContext roof(int nfack, float L = 6.0f, float g = 1.0f) {
  RunContext ctx;
  blkdat(ctx.in);
  InputCase& in = ctx.in;
  in.nfack = nfack;
  for (int j = 1; j <= 20; ++j) in.spv(j) = L;
  in.konsv = in.konsh = 0.02f;
  in.taklutn = 0;
  in.snolast = 0;
  in.egentyngd = g;
  in.sakkl = 2;
  return ctx;
}

// The analysis as the driver runs it: the prepared values from the case,
// then the pass.
void run(RunContext& ctx, int pass = 1) {
  prepare_analysis(ctx.in, ctx.prep);
  krdef(ctx, pass);
}

double rel(double x, double ref) { return std::abs(x / ref - 1); }

TEST(Krdef, EqualSpansUnderUniformLoad) {
  RunContext two = roof(2);
  run(two);
  const AnalysisResults& a = two.an;
  EXPECT_LT(rel(a.mstod(2, 2), -36.0 / 8), 1e-3);
  EXPECT_LT(rel(a.reakt(2, 2), 1.25 * 6), 2e-3);
  EXPECT_LT(rel(a.reakt(2, 1), 0.375 * 6 + 0.02), 1e-3);  // with the cantilever
  EXPECT_NEAR(a.tvarh(2, 1), 0.625 * 6, 0.01);
  EXPECT_NEAR(a.mfalt(2, 1), 2.52, 0.01);  // at 0.35 L and 0.40 L
  EXPECT_NEAR(a.mstod(2, 1), -0.0002, 1e-8);

  RunContext three = roof(3);
  run(three);
  for (int i : {2, 3}) {
    EXPECT_LT(rel(three.an.mstod(2, i), -3.6), 1e-3) << i;
    EXPECT_LT(rel(three.an.reakt(2, i), 1.1 * 6), 2e-3) << i;
  }
  EXPECT_LT(rel(three.an.nedbtal(2, 1), 0.00688 * 1296), 2e-3);  // end span at 0.45 L
  // Joint sections at 0.10 L and 0.90 L; the smaller moment is at 0.90 L.
  EXPECT_FLOAT_EQ(three.an.snittpos(1, 4), 0.10f);
  EXPECT_NEAR(three.an.snittpos(1, 5), 0.90f, 1e-6);
  EXPECT_NEAR(three.an.mfalt2(2, 1), 36 * (0.045 - 0.09), 0.01);
}

TEST(Krdef, SingleSpanWithCantileversAndADriftOnOne) {
  RunContext ctx = roof(1, 4.0f);
  ctx.in.konsv = 1.5f;
  ctx.in.konsh = 0.001f;
  run(ctx);
  const double a = 1.5, L = 4.0;
  EXPECT_NEAR(ctx.an.mstod(2, 1), -a * a / 2, 1e-6);
  EXPECT_NEAR(ctx.an.mfalt(2, 1), 8 * 0.55 * 0.45 + 0.45 * -a * a / 2, 2e-3);  // at 0.55 L
  EXPECT_NEAR(ctx.an.reakt(2, 1), 2.0 + a + a * a / 2 / L, 1e-4);
  // Tip of an overhanging beam: w a (4 a2 L - L3 + 3 a3)/24; the lumping
  // makes the span's end rotation 0.03 % larger.
  EXPECT_NEAR(ctx.an.konstal(2, 1), a * (4 * a * a * L - L * L * L + 3 * a * a * a) / 24, 2e-3);

  // A drift of 0.6 m ending on a 1.0 m cantilever: resultant p l/2 at 0.8 m.
  RunContext d = roof(1, 6.0f, 0.0f);
  d.in.konsv = 1.0f;
  d.in.snolast = d.in.psi1sno = 1.0f;
  d.in.snoform = 0.0f;
  d.in.trivform = 2.0f;
  d.in.trivlgd = 0.6f;
  run(d);
  EXPECT_NEAR(d.an.mstod(2, 1), -0.6 * 0.8, 1e-6);
  EXPECT_NEAR(d.an.reakt(2, 1) + d.an.reakt(2, 2), 0.6, 1e-6);
}

TEST(Krdef, HingeAndGerberJoints) {
  RunContext led = roof(2);
  led.in.snolast = 2.0f;
  led.in.psi0sno = 0.7f;
  led.in.psi1sno = 0.5f;
  led.in.skarvtyp(2) = 1;
  run(led);
  for (int lc = 1; lc <= 4; ++lc) EXPECT_EQ(led.an.mstod(lc, 2), 0.0f) << lc;
  EXPECT_NEAR(led.an.mfalt(2, 1), 1.8 * 36 / 8, 2e-3);  // q = 0.5 x 2 x 0.8 + 1
  EXPECT_NEAR(led.an.reakt(2, 2), 1.8 * 6, 2e-3);

  // Gerber hinge 0.2 L into span 2: the suspended 0.8 L hangs on it with
  // 0.4 qL, so M = -(0.02 + 0.08) qL2 and the hinge section carries nothing.
  RunContext g = roof(2);
  g.in.skarvtyp(2) = 4;
  g.in.skarvprc(2) = 20.0f;
  g.in.vind(1) = 2.0f;  // load case 3 lifts
  run(g);
  EXPECT_LT(rel(g.an.mstod(2, 2), -3.6), 1e-3);
  EXPECT_NEAR(g.an.mfalt2(2, 2), 0.0, 1e-4);
  EXPECT_NEAR(g.an.mfalt2(3, 2), 0.0, 1e-4);
  // Deflection of the suspended length, 5 q l4/384, plus half the hinge deflection: the 1.2 m tip
  // of span 1 (own load, hinge force 2.4, less the rotation (9 - 7.2) x 1.2).
  const double tip = std::pow(1.2, 4) / 8 + 2.4 * std::pow(1.2, 3) / 3 - 1.8 * 1.2;
  EXPECT_NEAR(g.an.nedbtal(2, 2), 5 * std::pow(4.8, 4) / 384 + tip / 2, 0.02);
}

// A single overlap at support 2: load case 2 presses down (self weight),
// load case 3 lifts (wind suction).
RunContext overlap(int typ, float L2 = 6.0f) {
  RunContext ctx = roof(2, 6.0f, 0.3f);
  ctx.in.spv(2) = L2;
  ctx.in.vind(1) = ctx.in.vind(2) = ctx.in.vind(4) = 1.0f;
  ctx.in.skarvtyp(2) = typ;
  return ctx;
}

TEST(Krdef, SingleOverlapsUnderUpliftAndDownwardLoad) {
  RunContext oml = overlap(2), nit = overlap(3);
  run(oml);
  run(nit);
  const double q3 = 0.3 - 0.91 * 1.5;
  EXPECT_EQ(oml.an.mstod(3, 2), 0.0f);                  // opens into a hinge
  EXPECT_LT(rel(nit.an.mstod(3, 2), -q3 * 4.5), 1e-3);  // holds as continuous
  EXPECT_EQ(nit.an.dskruv(3, 2), 0.0f);
  // Downward, both flexible; without flexibility coefficients the equation
  // is (L + (1 - b + b2) L)/3 M = -qL3/12, and the 0.606 m overlap splits the
  // support force.
  const double b = 0.101;
  for (const RunContext* c : {&oml, &nit}) {
    const double M = c->an.mstod(2, 2);
    EXPECT_LT(rel(M, -(0.3 * 216 / 12) / ((6 + (1 - b + b * b) * 6) / 3)), 2e-3);
    EXPECT_NEAR(c->an.reakt(2, 2), c->an.tvarh(2, 1) - M / (b * 6), 1e-4);
    EXPECT_NEAR(c->an.dskruv(2, 2), -c->an.tvarv(2, 2) - M / (b * 6), 1e-4);
  }
  // Flexibility lets the support moment go.
  RunContext soft = overlap(2);
  soft.prof.general(8) = soft.prof.general(9) = 5.0f;
  run(soft);
  EXPECT_LT(soft.an.mstod(2, 2), 0.0f);
  EXPECT_GT(soft.an.mstod(2, 2), oml.an.mstod(2, 2));
  // An overlap shorter than 0.1 m: an ordinary reaction.
  RunContext shrt = overlap(2, 0.9f);
  run(shrt);
  EXPECT_EQ(shrt.an.dskruv(2, 2), 0.0f);
  EXPECT_NEAR(shrt.an.reakt(2, 2), shrt.an.tvarh(2, 1) + shrt.an.tvarv(2, 2), 1e-5);
}

TEST(Krdef, WallHasLoadCasesOneAndThreeOnly) {
  RunContext ctx = roof(2, 4.5f);
  InputCase& in = ctx.in;
  in.vagg = 1;
  in.vind(1) = 0.5f;
  in.vind(2) = in.vind(4) = 0.6f;  // away from the sheet
  in.vind(3) = in.vind(6) = 0.8f;  // towards it
  in.nlinj = 1;                    // no line loads on a wall
  in.linjlast(1).brottned = 50.0f;
  ctx.an.mstod(2, 2) = ctx.an.reakt(4, 1) = 7.0f;
  run(ctx);
  EXPECT_LT(rel(ctx.an.mstod(1, 2), -0.75 * 0.8 * 4.5 * 4.5 / 8), 1e-3);
  EXPECT_LT(rel(ctx.an.mstod(3, 2), 0.75 * 0.6 * 4.5 * 4.5 / 8), 1e-3);
  EXPECT_EQ(ctx.an.mstod(2, 2), 7.0f);
  EXPECT_EQ(ctx.an.reakt(4, 1), 7.0f);
  // The loads the wall was analysed with (wind 0.5 times its factor 1.5):
  // towards the sheet 0.75 * 0.8, away from it -0.75 * 0.6; no line load;
  // nothing kept for 2 and 4.
  EXPECT_NEAR(ctx.an.belastning(1).lf.q, 0.6, 1e-6);
  EXPECT_NEAR(ctx.an.belastning(3).lf.q, -0.45, 1e-6);
  EXPECT_EQ(ctx.an.belastning(1).P(1), 0.0f);
  EXPECT_EQ(ctx.an.belastning(2).lf.q, 0.0f);
  EXPECT_EQ(ctx.an.belastning(4).lf.q, 0.0f);
}

TEST(Krdef, SlopeScalesSnowAndConvertsSelfWeightOnceAcrossPasses) {
  RunContext ctx = roof(1, 6.0f, 0.5f);
  ctx.in.taklutn = 30.0f;
  ctx.in.snolast = 2.0f;
  ctx.in.psi1sno = 1.0f;
  const double g = 0.5 * std::cos(30 * 3.14159 / 180);
  run(ctx, 1);
  run(ctx, 2);
  run(ctx, 1);  // a later profile of the list
  // The case keeps the self weight as read; every pass uses it on the slope.
  EXPECT_EQ(ctx.in.egentyngd, 0.5f);
  EXPECT_NEAR(ctx.prep.egentyngd, g, 1e-6);
  EXPECT_NEAR(ctx.an.mfalt(2, 1), (0.75 * 2.0 * 0.8 + g) * 36 / 8, 2e-3);
  // The results keep the loads the moments were computed with, also when a
  // later pass takes the load terms over.
  EXPECT_NEAR(ctx.an.belastning(2).lf.q, 0.75 * 2.0 * 0.8 + g, 1e-6);
  EXPECT_EQ(ctx.an.belastning(2).lf.pL, 0.0f);
}

TEST(Krdef, StiffnessRatiosSetInPassOneAndUsedInPassTwo) {
  // Spans 6 and 4 m: M (6 + 4/k)/3 = -(6^3/24 + 4^3/(24 k)), k = EI2/EI1.
  RunContext ctx = roof(2);
  ctx.in.spv(2) = 4.0f;
  // Ratios left over from an earlier profile do not enter pass 1.
  ctx.chk.styvkvot(1) = 3.0f;
  run(ctx, 1);
  EXPECT_LT(rel(ctx.an.mstod(2, 2), -(9.0 + 64.0 / 24) * 3 / 10), 1e-3);
  EXPECT_EQ(ctx.chk.styvkvot(1), 3.0f);
  ctx.chk.styvkvot(1) = 1.0f;
  ctx.chk.styvkvot(2) = 2.0f;
  run(ctx, 2);
  EXPECT_LT(rel(ctx.an.mstod(2, 2), -(9.0 + 64.0 / 48) * 3 / 8), 1e-3);
}

TEST(Krdef, LineLoadsInTheNextSpanAndOnBothCantilevers) {
  RunContext ctx = roof(2, 6.0f, 0.0f);
  InputCase& in = ctx.in;
  in.konsv = in.konsh = 0.5f;
  in.nlinj = 3;
  in.linjfack(1) = 1;
  in.linjlast(1) = {2.0f, 0, 0, 7.0f};  // span 2 at 1.0 m
  in.linjfack(2) = 1;
  in.linjlast(2) = {1.0f, 0, 0, -0.3f};  // left cantilever
  in.linjfack(3) = 2;
  in.linjlast(3) = {1.5f, 0, 0, 6.4f};  // right cantilever
  run(ctx);
  EXPECT_EQ(ctx.prep.linjfack(1), 2);
  EXPECT_FLOAT_EQ(ctx.prep.linjavst(1), 1.0f);
  EXPECT_EQ(in.linjfack(1), 1);  // the case as read
  EXPECT_FLOAT_EQ(in.linjlast(1).linjavst, 7.0f);
  const AnalysisResults& a = ctx.an;
  EXPECT_NEAR(a.mstod(2, 1), -0.3, 1e-6);
  EXPECT_NEAR(a.mstod(2, 3), -0.6, 1e-6);
  EXPECT_NEAR(a.reakt(2, 1) + a.reakt(2, 2) + a.reakt(2, 3), 4.5, 1e-5);
  EXPECT_NEAR(a.reakt(2, 2) * 6 + a.reakt(2, 3) * 12, 2.0 * 7.0 - 0.3 + 1.5 * 12.4, 1e-3);
}

TEST(Krdef, ReactionsBalanceEveryLoadKindAndCantileverSlotsStayInTheirCase) {
  RunContext ctx = roof(4, 5.0f, 0.4f);
  InputCase& in = ctx.in;
  in.spv(2) = 7.0f;
  in.konsv = 0.6f;
  in.konsh = 0.3f;
  in.snolast = 2.0f;
  in.psi1sno = 1.0f;
  in.trivform = 2.0f;
  in.trivlgd = 4.0f;
  in.trihform = 1.6f;
  in.trihlgd = 2.0f;
  in.fickfack = 1;  // against support 1: its ramp reaches the cantilever
  in.fickform = 2.4f;
  in.ficklgd = 1.0f;
  in.fickmaxlgd = 0.5f;
  in.nlinj = 1;
  in.linjfack(1) = 2;
  in.linjlast(1) = {1.0f, 0, 0, 3.0f};
  in.vind(1) = in.vind(2) = in.vind(4) = 1.0f;
  run(ctx);
  const double load = 2.0 * 0.8 + 0.4;
  const double drifts = 2.0 * 1.2 * 4.0 / 2 + 2.0 * 0.8 * 2.0 / 2;
  // The pocket's rising ramp has 0.6 m of its 1.0 m on the cantilever.
  const double pocket = 2.0 * 1.6 * (0.5 + 0.5 + 0.6 * (1 + 0.4) / 2);
  double sum = 0;
  for (int i = 1; i <= 5; ++i) sum += ctx.an.reakt(2, i);
  EXPECT_NEAR(sum, load * 22.9 + drifts + pocket + 1.0, 0.02 * (drifts + pocket));
  // Wind suction after the snow cases: the cantilever has its own load only.
  EXPECT_NEAR(ctx.an.mstod(3, 1), -(0.4 - 0.91 * 1.5) * 0.18, 1e-6);
}

// The full sheet of the benchmarks in small: drifts, pocket, edge zone, line
// loads (one moved on into the next span), mixed joints and unequal spans.
RunContext mixed_roof() {
  RunContext ctx = roof(6, 5.0f, 0.4f);
  InputCase& in = ctx.in;
  in.spv(3) = 6.5f;
  in.spv(6) = 4.0f;
  in.konsv = 0.6f;
  in.konsh = 0.4f;
  in.snolast = 2.0f;
  in.psi0sno = 0.7f;
  in.psi1sno = 0.4f;
  in.trivform = 2.4f;
  in.trivlgd = 6.0f;
  in.trihform = 1.8f;
  in.trihlgd = 3.0f;
  in.fickfack = 4;
  in.fickform = 2.0f;
  in.fickavst = 1.5f;
  in.ficklgd = 2.0f;
  in.fickmaxlgd = 1.0f;
  in.vind(1) = 0.6f;
  in.vind(2) = 1.0f;
  in.vind(4) = 1.8f;
  in.vind(5) = 3.0f;
  in.skarvtyp(3) = 2;
  in.skarvtyp(4) = 3;
  in.skarvtyp(5) = 4;
  in.skarvprc(5) = 20.0f;
  in.nlinj = 2;
  in.linjfack(1) = 2;
  in.linjlast(1) = {1.0f, 1.35f, 0.9f, 6.0f};  // beyond span 2: span 3 at 1.0 m
  in.linjfack(2) = 5;
  in.linjlast(2) = {0.5f, 0.7f, 0.4f, 2.0f};
  ctx.prof.general(8) = 0.002f;
  ctx.prof.general(9) = 0.001f;
  return ctx;
}

bool same_bits(const AnalysisResults& a, const AnalysisResults& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Krdef, SecondPassTakesOverTheLoadTermsWithTheSameBits) {
  for (int vagg : {0, 1}) {
    RunContext ctx = mixed_roof();
    ctx.in.vagg = vagg;
    if (vagg == 1) ctx.in.nlinj = 0;
    run(ctx, 1);
    for (int j = 1; j <= 6; ++j) ctx.chk.styvkvot(j) = j % 2 == 0 ? 1.6f : 1.0f;
    // The same second pass once from the kept terms, once from the start.
    RunContext fresh = mixed_roof();
    fresh.in = ctx.in;
    fresh.prep = ctx.prep;
    fresh.prof = ctx.prof;
    fresh.an = ctx.an;
    fresh.chk = ctx.chk;
    run(ctx, 2);
    run(fresh, 2);
    EXPECT_TRUE(same_bits(ctx.an, fresh.an)) << "vagg " << vagg;
    EXPECT_EQ(ctx.prep.linjfack(1), vagg == 1 ? 2 : 3);
  }
}

// The analysis of loads given per load case is the analysis of the case when
// the given loads are those the case builds, bit for bit, in both passes; a
// given load scales the results of its own load case only.
TEST(Krdef, GivenLoadsAnalyseAsTheCaseBuildsThem) {
  for (int vagg : {0, 1}) {
    for (int pass : {1, 2}) {
      RunContext ctx = mixed_roof();
      ctx.in.vagg = vagg;
      if (vagg == 1) ctx.in.nlinj = 0;
      for (int j = 1; j <= 6; ++j) ctx.chk.styvkvot(j) = j % 2 == 0 ? 1.6f : 1.0f;
      run(ctx, pass);

      RunContext given = mixed_roof();
      given.in = ctx.in;
      given.prep = ctx.prep;
      Arr<Belastning, 1, 4> laster;
      AnalysisResults factors;
      sakerhetsfaktorer(given.in, factors);
      for (int lc = 1; lc <= 4; ++lc)
        laster(lc) = belastning(given.in, given.prep, factors, slope_factor(given.in), lc);
      krdef(given.in, given.prep, given.prof, ctx.chk.styvkvot, pass, laster, given.an);
      EXPECT_TRUE(same_bits(ctx.an, given.an)) << "vagg " << vagg << " pass " << pass;
    }
  }

  // Uniform loads alone on three equal spans: twice the load in load case 1
  // doubles its support moment; load case 3 stays as given.
  RunContext ctx = roof(3);
  prepare_analysis(ctx.in, ctx.prep);
  Arr<Belastning, 1, 4> laster;
  laster(1).lf.q = 1.0f;
  laster(3).lf.q = -0.5f;
  krdef(ctx.in, ctx.prep, ctx.prof, ctx.chk.styvkvot, 1, laster, ctx.an);
  const float m1 = ctx.an.mstod(1, 2), m3 = ctx.an.mstod(3, 2);
  EXPECT_LT(rel(m1, -3.6), 1e-3);
  EXPECT_LT(rel(m3, 1.8), 1e-3);
  EXPECT_EQ(ctx.an.mstod(2, 2), 0.0f);
  laster(1).lf.q = 2.0f;
  krdef(ctx.in, ctx.prep, ctx.prof, ctx.chk.styvkvot, 1, laster, ctx.an);
  EXPECT_LT(rel(ctx.an.mstod(1, 2), 2.0 * m1), 1e-6);
  EXPECT_EQ(ctx.an.mstod(3, 2), m3);
}

TEST(Krdef, ALoadChangedBetweenCallsIsAnalysedAnew) {
  // One span of 6 m under its self weight alone (load case 2): M = g L²/8.
  RunContext ctx = roof(1, 6.0f, 1.0f);
  run(ctx, 1);
  EXPECT_LT(rel(ctx.an.mfalt(2, 1), 4.5), 2e-3);
  ctx.in.egentyngd = 2.0f;
  run(ctx, 1);
  EXPECT_LT(rel(ctx.an.mfalt(2, 1), 9.0), 2e-3);
  // A longer span with the same load: g L²/8 with L = 7 m.
  ctx.in.spv(1) = 7.0f;
  run(ctx, 2);
  EXPECT_LT(rel(ctx.an.mfalt(2, 1), 2.0 * 49 / 8), 2e-3);
  // The case unchanged, a prepared value changed: the loads are built anew.
  ctx.prep.egentyngd = 1.0f;
  krdef(ctx, 2);
  EXPECT_LT(rel(ctx.an.mfalt(2, 1), 1.0 * 49 / 8), 2e-3);
  ctx.in.nlinj = 1;
  ctx.in.linjfack(1) = 1;
  ctx.in.linjlast(1) = {4.0f, 0, 0, 3.5f};
  prepare_analysis(ctx.in, ctx.prep);
  krdef(ctx, 2);
  const double m_line = 2.0 * 49 / 8 + 4.0 * 7 / 4;  // g = 2.0 again, P at mid-span
  EXPECT_LT(rel(ctx.an.mfalt(2, 1), m_line), 2e-3);
  ctx.prep.linjavst(1) = 0.7f;  // the same line load moved near the support
  krdef(ctx, 2);
  // Largest at 0.45 L: 2 x 3.15 x 3.85 / 2 + 4 x 0.7 x 0.55.
  EXPECT_LT(rel(ctx.an.mfalt(2, 1), 3.15 * 3.85 + 4 * 0.7 * 0.55), 2e-3);
}

TEST(Krdef, AnEqualSpanTakesTheTablesOfAnEarlierSpanWithTheSameLoadsOnly) {
  // Four equal simple spans: a drift on span 1 only, a line load in span 3.
  // Spans 2 and 4 carry the same slot loads (span 1's differ), and span 3's
  // line load is its own.
  RunContext ctx = roof(4, 5.0f, 1.0f);
  InputCase& in = ctx.in;
  for (int i = 2; i <= 4; ++i) in.skarvtyp(i) = 1;
  in.konsh = 0.0f;  // no end moment on span 4
  in.snolast = 1.0f;
  in.psi1sno = 1.0f;
  in.snoform = 0.0f;
  in.trivform = 2.0f;
  in.trivlgd = 3.0f;
  in.nlinj = 1;
  in.linjfack(1) = 3;
  in.linjlast(1) = {2.0f, 0, 0, 2.5f};
  run(ctx);
  const AnalysisResults& an = ctx.an;
  EXPECT_LT(rel(an.mfalt(2, 2), 1.0 * 25 / 8), 2e-3);
  EXPECT_EQ(an.mfalt(2, 4), an.mfalt(2, 2));
  EXPECT_EQ(an.nedbtal(2, 4), an.nedbtal(2, 2));
  EXPECT_LT(rel(an.mfalt(2, 3), 1.0 * 25 / 8 + 2.0 * 5 / 4), 2e-3);
  EXPECT_GT(an.mfalt(2, 1), an.mfalt(2, 2) * 1.05);
}

TEST(Krdef, EqualSpansWithDifferentLoadsKeepTheirOwnResults) {
  // Three equal spans, a line load only in the middle one: the outer spans
  // share their slot loads, the middle one carries 2 kN/m more at mid-span.
  RunContext ctx = roof(3, 6.0f, 1.0f);
  ctx.in.skarvtyp(2) = ctx.in.skarvtyp(3) = 1;  // hinges: three simple spans
  ctx.in.nlinj = 1;
  ctx.in.linjfack(1) = 2;
  ctx.in.linjlast(1) = {2.0f, 0, 0, 3.0f};
  run(ctx);
  EXPECT_LT(rel(ctx.an.mfalt(2, 1), 4.5), 2e-3);
  EXPECT_LT(rel(ctx.an.mfalt(2, 2), 4.5 + 2.0 * 6 / 4), 2e-3);
  EXPECT_EQ(ctx.an.mfalt(2, 1), ctx.an.mfalt(2, 3));
  EXPECT_LT(rel(ctx.an.reakt(2, 2), 3.0 + 3.0 + 1.0), 1e-3);
}

}  // namespace
}  // namespace kvop
