// The values of the summary sections: the end-support locking as printed,
// the permitted forces of load case 4 and the band spacings.
#include "analysis/summary.h"

#include <gtest/gtest.h>

namespace kvop {
namespace {

TEST(SummaryValues, LockingAboveOneCountsAsLockedAndTheCheckResultStays) {
  InputCase in;
  in.nfack = 2;
  CheckResults chk;
  for (int lasfl : {0, 1, 3}) {
    chk.lasfl = lasfl;
    const SummaryResults s = summary_values(in, chk);
    EXPECT_EQ(s.lasfl, lasfl == 0 ? 0 : 1) << lasfl;
    EXPECT_TRUE(s.computed);
  }
  EXPECT_EQ(chk.lasfl, 3);
}

TEST(SummaryValues, ForcesOfLoadCaseFourPerSupportAndSpan) {
  InputCase in;
  in.nfack = 2;
  CheckResults chk;
  for (int lc = 1; lc <= 4; ++lc) {
    for (int i = 1; i <= 3; ++i) chk.skivstod(lc, i) = 10.0f * lc + i;
    for (int j = 1; j <= 2; ++j) chk.skivfalt(lc, j) = 100.0f * lc + j;
  }
  chk.skivstod(4, 4) = 99.0f;  // beyond the last support: not taken
  chk.bandavst1 = 1.25f;
  chk.bandavst2 = 0.75f;
  const SummaryResults s = summary_values(in, chk);
  EXPECT_EQ(s.vus(1), 41.0f);
  EXPECT_EQ(s.vus(3), 43.0f);
  EXPECT_EQ(s.vus(4), 0.0f);
  EXPECT_EQ(s.vuf(1), 401.0f);
  EXPECT_EQ(s.vuf(2), 402.0f);
  EXPECT_EQ(s.vuf(3), 0.0f);
  EXPECT_EQ(s.bandavst1, 1.25f);
  EXPECT_EQ(s.bandavst2, 0.75f);
}

}  // namespace
}  // namespace kvop
