#include "analysis/ekv3.h"

namespace kvop {

void ekv3(Ekv3Koeff& a, const Ekv3Vektor& b, Ekv3Vektor& x, int n) {
  if (n < 2 || n > 21) return;
  // Reduced diagonal, upper coefficients and reduced right-hand sides.  Each
  // entry is stored as a 32-bit real; every formula is evaluated wider.
  Ekv3Vektor d, u, r;
  a(n, 3) = 0.0f;
  d(2) = -a(2, 2);
  u(2) = -a(2, 3);
  r(2) = b(2);
  for (int i = 3; i <= n; ++i) {
    const double ai1 = a(i, 1);
    d(i) = static_cast<float>(ai1 * u(i - 1) / d(i - 1) - a(i, 2));
    u(i) = -a(i, 3);
    r(i) = static_cast<float>(ai1 * r(i - 1) / d(i - 1) + b(i));
  }
  x(n) = static_cast<float>(static_cast<double>(r(n)) / d(n));
  for (int i = n - 1; i >= 2; --i)
    x(i) = static_cast<float>((r(i) - static_cast<double>(u(i)) * x(i + 1)) / d(i));
}

}  // namespace kvop
