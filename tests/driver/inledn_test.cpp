// End-support preparation and the default deflection limit.
#include "driver/inledn.h"

#include <gtest/gtest.h>

#include "driver/inkvop.h"
#include "test_support.h"

namespace kvop {
namespace {

RunContext fresh_case() {
  RunContext ctx;
  blkdat(ctx.in);
  return ctx;
}

TEST(Inledn, MissingCantileverBecomesHalfSupportWidthOverAHinge) {
  RunContext ctx = fresh_case();
  ctx.in.konsv = 0;
  ctx.in.upplbredd(1) = 0.1f;
  ctx.in.skarvtyp(1) = 0;
  ctx.in.konsh = -0.2f;
  ctx.in.upplbredd(4) = 0.16f;
  inledn(ctx);
  EXPECT_EQ(ctx.in.skarvtyp(1), 1);
  EXPECT_FLOAT_EQ(ctx.in.konsv, 0.05f);
  EXPECT_EQ(ctx.in.skarvtyp(4), 1);
  EXPECT_FLOAT_EQ(ctx.in.konsh, 0.08f);
}

TEST(Inledn, EndSupportsAreContinuousOrHingedAndShortCantileversStay) {
  RunContext ctx = fresh_case();
  ctx.in.skarvtyp(1) = 4;  // a joint code at an end means a hinge there
  ctx.in.skarvtyp(4) = 0;
  ctx.in.konsv = 0.05f;  // short but positive: kept as it is
  ctx.in.konsh = 0.5f;
  inledn(ctx);
  EXPECT_EQ(ctx.in.skarvtyp(1), 1);
  EXPECT_FLOAT_EQ(ctx.in.konsv, 0.05f);
  EXPECT_EQ(ctx.in.skarvtyp(4), 0);
  EXPECT_FLOAT_EQ(ctx.in.konsh, 0.5f);
}

TEST(Defork, DefaultLimitByUseAndGivenLimitKept) {
  struct Case {
    int vagg, taktyp;
    float given, expected;
  };
  const Case cases[] = {
      {1, 1, 0.0f, 75.0f},      // wall
      {0, 1, 0.0005f, 150.0f},  // insulated roof, value not above 0.001
      {0, 2, 0.0f, 150.0f},     // VEX roof
      {0, 0, 0.0f, 90.0f},      // non-insulated roof
      {0, 1, 0.001f, 150.0f},   // 0.001 is not greater than 0.001
      {0, 0, 200.0f, 200.0f},   // a given limit stays
  };
  for (const Case& c : cases) {
    RunContext ctx = fresh_case();
    ctx.in.vagg = c.vagg;
    ctx.in.taktyp = c.taktyp;
    ctx.in.nedbkvot = c.given;
    defork(ctx);
    EXPECT_FLOAT_EQ(ctx.in.nedbkvot, c.expected) << c.vagg << " " << c.taktyp << " " << c.given;
  }
}

}  // namespace
}  // namespace kvop
