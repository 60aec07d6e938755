// The tridiagonal solver of the support equations.
#include <gtest/gtest.h>

#include "analysis/ekv3.h"

namespace kvop {
namespace {

TEST(Ekv3, SingleEquationAndUpperCoefficientCleared) {
  Ekv3Koeff a;
  Ekv3Vektor b, x;
  a(2, 1) = 7.0f;  // not a coefficient of the system
  a(2, 2) = 2.0f;
  a(2, 3) = 5.0f;
  b(2) = 3.0f;
  x(1) = 11.0f;
  int n = 2;
  ekv3(a, b, x, n);
  EXPECT_FLOAT_EQ(x(2), -1.5f);
  EXPECT_EQ(a(2, 3), 0.0f);
  EXPECT_EQ(x(1), 11.0f);  // the known end value stays
  EXPECT_EQ(x(3), 0.0f);   // nothing beyond the last row
}

TEST(Ekv3, FourRowsOfOneFourOne) {
  Ekv3Koeff a;
  Ekv3Vektor b, x;
  for (int i = 2; i <= 4; ++i) {
    a(i, 1) = 1.0f;
    a(i, 2) = 4.0f;
    a(i, 3) = 1.0f;
    b(i) = -6.0f;
  }
  int n = 4;
  ekv3(a, b, x, n);
  EXPECT_NEAR(x(2), 9.0 / 7.0, 1e-6);
  EXPECT_NEAR(x(3), 6.0 / 7.0, 1e-6);
  EXPECT_NEAR(x(4), 9.0 / 7.0, 1e-6);
  for (int i = 2; i <= 4; ++i) EXPECT_EQ(b(i), -6.0f);
  EXPECT_EQ(a(4, 3), 0.0f);
  EXPECT_EQ(a(3, 3), 1.0f);
}

TEST(Ekv3, LargestSystemSolvesEveryRowAndRepeatsExactly) {
  // 20 rows with unequal coefficients; the residual of every row is checked,
  // and a second call on the same data gives the same bits.
  Ekv3Koeff a;
  Ekv3Vektor b;
  for (int i = 2; i <= 21; ++i) {
    a(i, 1) = 1.0f + 0.1f * i;
    a(i, 2) = 5.0f + 0.3f * i;
    a(i, 3) = 2.0f - 0.05f * i;
    b(i) = (i % 3 == 0 ? -1.0f : 2.5f) * i;
  }
  const Ekv3Koeff orig = a;
  Ekv3Vektor x1, x2;
  int n = 21;
  ekv3(a, b, x1, n);
  for (int i = 2; i <= 21; ++i) {
    double lhs = -double(orig(i, 2)) * x1(i);
    if (i > 2) lhs -= double(orig(i, 1)) * x1(i - 1);
    if (i < 21) lhs -= double(orig(i, 3)) * x1(i + 1);
    EXPECT_NEAR(lhs, b(i), 1e-4 * std::abs(b(i))) << "row " << i;
  }
  Ekv3Koeff again = orig;
  ekv3(again, b, x2, n);
  for (int i = 2; i <= 21; ++i) EXPECT_EQ(x1(i), x2(i));
}

TEST(Ekv3, CountOutsideTheTableSolvesNothing) {
  Ekv3Koeff a;
  Ekv3Vektor b, x;
  a(1, 3) = 3.0f;
  x(1) = 4.0f;
  for (int bad : {1, 0, 22}) {
    int n = bad;
    ekv3(a, b, x, n);
  }
  EXPECT_EQ(a(1, 3), 3.0f);
  EXPECT_EQ(x(1), 4.0f);
}

}  // namespace
}  // namespace kvop
