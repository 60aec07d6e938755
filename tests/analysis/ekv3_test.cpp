// The tridiagonal solver of the support equations.
#include "analysis/ekv3.h"

#include <gtest/gtest.h>

namespace kvop {
namespace {

TEST(Ekv3, OneEquationClearsTheUpperCoefficientAndKeepsTheKnownEnd) {
  Ekv3Koeff a;
  Ekv3Vektor b, x;
  a(2, 1) = 7.0f;  // not part of the system
  a(2, 2) = 2.0f;
  a(2, 3) = 5.0f;
  b(2) = 3.0f;
  x(1) = 11.0f;
  ekv3(a, b, x, 2);
  EXPECT_FLOAT_EQ(x(2), -1.5f);
  EXPECT_EQ(a(2, 3), 0.0f);
  EXPECT_EQ(x(1), 11.0f);
}

TEST(Ekv3, ThreeRowsOfOneFourOneAndTheSameAnswerOnRepeat) {
  Ekv3Koeff a;
  Ekv3Vektor b, x, again;
  for (int i = 2; i <= 4; ++i) {
    a(i, 1) = a(i, 3) = 1.0f;
    a(i, 2) = 4.0f;
    b(i) = -6.0f;
  }
  ekv3(a, b, x, 4);
  EXPECT_NEAR(x(2), 9.0 / 7, 1e-6);
  EXPECT_NEAR(x(3), 6.0 / 7, 1e-6);
  EXPECT_NEAR(x(4), 9.0 / 7, 1e-6);
  EXPECT_EQ(b(3), -6.0f);
  ekv3(a, b, again, 4);
  for (int i = 2; i <= 4; ++i) EXPECT_EQ(x(i), again(i));
}

}  // namespace
}  // namespace kvop
