// The market table: a code outside 1..5 names no market and follows the
// rules the engine has always applied to such codes; every market has a
// class frame for the editor with as many classes as its method texts.
#include "core/markets.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"

namespace kvop {
namespace {

TEST(Markets, CodeOutsideTheTableNamesNoMarketAndTakesTheFallbackRules) {
  for (int code : {0, 6, -1}) {
    const MarketRules& m = market_rules(code);
    EXPECT_EQ(m.name, "        ");
    // Sweden's method texts, Denmark's partial factors and load factors.
    EXPECT_EQ(m.method[2], market_rules(1).method[2]);
    EXPECT_EQ(m.gammaM, 1.045f);
    EXPECT_EQ(m.gammaW, 1.14f);
    EXPECT_EQ(m.partkf_column, 5);
    EXPECT_FALSE(m.snow_in_two_steps);
    EXPECT_FALSE(m.inner_supports_class1);
    EXPECT_FALSE(m.echo_psi);
    EXPECT_EQ(m.wall_deflection, 0.0f);
  }
}

TEST(Markets, EveryMarketHasItsCodeNameAndClassFrame) {
  int code = 0;
  for (const MarketRules& m : markets()) {
    EXPECT_EQ(m.code, ++code);
    EXPECT_EQ(&market_rules(code), &m);
    EXPECT_EQ(m.name.size(), 8u);
    EXPECT_FALSE(m.class_control.empty());
    EXPECT_GE(m.classes, 2);
    EXPECT_LE(m.classes, 3);
    for (int k = 0; k < m.classes; ++k)
      EXPECT_FALSE(m.class_labels[static_cast<std::size_t>(k)].empty());
    // The method texts of one market share one width (32 or 40 characters).
    for (const std::string_view t : m.method) EXPECT_EQ(enc(t).size(), enc(m.method[0]).size());
  }
}

}  // namespace
}  // namespace kvop
