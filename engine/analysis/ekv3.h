// Tridiagonal solver for the support equations of the continuous sheet.
#pragma once

#include "core/fixed_arrays.h"

namespace kvop {

// Coefficients of the support equations: a(i,1) multiplies the moment of the
// previous support, a(i,2) the support's own moment, a(i,3) the next one.
using Ekv3Koeff = Arr2<float, 1, 21, 1, 3>;
using Ekv3Vektor = Arr<float, 1, 21>;

// Solves rows i = 2..n of  -a(i,1)*x(i-1) - a(i,2)*x(i) - a(i,3)*x(i+1) = b(i)
// for x(2..n) by forward elimination and back substitution, without pivoting.
// The terms of x(1) and x(n+1) must already stand in b(2) and b(n); a(2,1) is
// not read and a(n,3) is set to 0.  x(1) and b are left as they are.  A zero
// pivot (impossible for positive spans and stiffnesses) gives non-finite
// moments, which are passed on.  n outside 2..21 solves nothing.
void ekv3(Ekv3Koeff& a, const Ekv3Vektor& b, Ekv3Vektor& x, int n);

}  // namespace kvop
