// Sheet pieces: the reach of every sheet beyond its supports and the sheet
// lengths, from the span and joint layout.
#include "diaphragm/platbitar.h"

#include <gtest/gtest.h>

#include "driver/inkvop.h"

namespace kvop {
namespace {

struct Layout {
  InputCase in;
  AnalysisResults an;
  DiaphragmResults dia;
  explicit Layout(int nfack) {
    blkdat(in);
    in.nfack = nfack;
    in.spv.fill(5.0f);
    in.upplbredd.fill(0.1f);
    in.konsv = in.konsh = 0.0f;
    for (int j = 1; j <= 20; ++j) {
      an.snittpos(j, 4) = 0.1f;
      an.snittpos(j, 5) = 0.9f;
    }
  }
  void run() { platbitar(in, an, dia); }
};

TEST(Platbitar, OneSpanWithoutCantilevers) {
  Layout l(1);
  l.in.spv(1) = 4.0f;
  l.run();
  EXPECT_FLOAT_EQ(l.dia.vansk(1), 0.05f);
  EXPECT_FLOAT_EQ(l.dia.hosk(1), 0.05f);
  EXPECT_FLOAT_EQ(l.dia.plangd(1), 4.1f);
  EXPECT_EQ(l.dia.vansk(2), 0.0f);
  EXPECT_TRUE(l.dia.computed);
}

TEST(Platbitar, ContinuousSheetAccumulatesItsLength) {
  Layout l(3);
  l.in.konsv = 0.3f;
  l.in.konsh = 0.4f;
  l.run();
  EXPECT_FLOAT_EQ(l.dia.plangd(3), 0.3f + 15.0f + 0.4f);
  EXPECT_FLOAT_EQ(l.dia.vansk(2), 0.3f);
  EXPECT_FLOAT_EQ(l.dia.vansk(3), 0.3f);
  EXPECT_EQ(l.dia.hosk(1), 0.0f);
  EXPECT_FLOAT_EQ(sheet_length(l.in, l.dia, 1), l.dia.plangd(3));
}

TEST(Platbitar, HingePieceAtLeast50mm) {
  Layout l(2);
  l.in.skarvtyp(2) = 1;
  l.in.upplbredd(2) = 0.06f;
  l.run();
  EXPECT_FLOAT_EQ(l.dia.hosk(1), 0.05f);
  EXPECT_FLOAT_EQ(l.dia.vansk(2), 0.05f);
  l.in.upplbredd(2) = 0.2f;
  l.run();
  EXPECT_FLOAT_EQ(l.dia.hosk(1), 0.1f);
}

TEST(Platbitar, GerberJointReachesIntoTheNextSpan) {
  Layout l(3);
  l.in.skarvtyp(2) = 4;
  l.an.snittpos(2, 4) = 0.2f;  // hinge at 20 % of span 2
  l.run();
  EXPECT_FLOAT_EQ(l.dia.hosk(1), 1.1f);
  EXPECT_FLOAT_EQ(l.dia.vansk(2), -0.9f);
  EXPECT_FLOAT_EQ(l.dia.plangd(1), 0.05f + 5.0f + 1.1f);
  EXPECT_FLOAT_EQ(sheet_length(l.in, l.dia, 2), -0.9f + 10.0f + 0.05f);
}

TEST(Platbitar, OverlapsReachOverTheJointSections) {
  Layout l(3);
  l.in.skarvtyp(2) = 5;  // double overlap: 0.1 of span 1 to the left
  l.in.skarvtyp(3) = 2;  // single overlap: half the support width
  l.in.spv(1) = 6.0f;
  l.run();
  EXPECT_FLOAT_EQ(l.dia.hosk(1), 0.5f);   // 5 * 0.1 into span 2
  EXPECT_FLOAT_EQ(l.dia.vansk(2), 0.6f);  // (1 - 0.9) * 6
  EXPECT_FLOAT_EQ(l.dia.hosk(2), 0.5f);
  EXPECT_FLOAT_EQ(l.dia.vansk(3), 0.05f);
  EXPECT_FLOAT_EQ(l.dia.plangd(2), 0.6f + 5.0f + 0.5f);
}

}  // namespace
}  // namespace kvop
