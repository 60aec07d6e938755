// The account's part of the values the calculation used in place of the
// case's own.
#include "output/prepared_json.h"

#include <gtest/gtest.h>

namespace kvop {
namespace {

TEST(PreparedJson, TheValuesUsedBesideTheCaseAsRead) {
  RunContext ctx;
  ctx.in.nlinj = 2;
  ctx.in.perfo(1) = 1;
  ctx.prep.egentyngd = 0.25f;
  ctx.prep.linjfack(1) = 2;
  ctx.prep.linjavst(1) = 1.5f;
  ctx.prep.linjfack(2) = 3;
  ctx.prep.linjavst(2) = 0.5f;
  ctx.prep.linjfack(3) = 9;  // beyond nlinj: not shown
  ctx.prep.perfo(1) = 2;
  nlohmann::json j = prepared_to_json(ctx);
  EXPECT_EQ(j["egentyngd"], 0.25);
  EXPECT_EQ(j["linjfack"], (nlohmann::json{2, 3}));
  EXPECT_EQ(j["linjavst"], (nlohmann::json{1.5, 0.5}));
  EXPECT_EQ(j["perfo"], (nlohmann::json{2, 0, 0, 0, 0}));
  // The locking only once the summary used it.
  EXPECT_FALSE(j.contains("lasfl"));
  ctx.sum.computed = true;
  ctx.sum.lasfl = 1;
  j = prepared_to_json(ctx);
  EXPECT_EQ(j["lasfl"], 1);
}

TEST(PreparedJson, ACountOutOfRangeShowsNoLineLoads) {
  RunContext ctx;
  ctx.in.nlinj = -3;
  EXPECT_EQ(prepared_to_json(ctx)["linjfack"], nlohmann::json::array());
  ctx.in.nlinj = 99;
  EXPECT_EQ(prepared_to_json(ctx)["linjavst"].size(), 5u);
}

}  // namespace
}  // namespace kvop
