// Annuity factors of the time-value-of-money relation, kept as mantissa and
// binary exponent so that a huge (1+r)^n never overflows on the way to a
// result that fits in a double.
#pragma once

#include "finance/finance.h"

namespace finance::detail {

// mantissa * 2^exponent, with 0.5 <= |mantissa| < 1 or mantissa = 0. The
// exponent is a double so that powers far beyond any double still compare
// and cancel correctly; +infinity stands for a power that is infinite.
struct Scaled {
    double mantissa = 0;
    double exponent = 0;
};

Scaled scaled(double x);
Scaled operator*(Scaled a, Scaled b);
Scaled operator/(Scaled a, Scaled b);
Scaled operator-(Scaled a);
// The value as a double: RuntimeError 6 when it is too large, 0 when it is
// too small.
double toDouble(Scaled value);

// exp(t) for any t, also far beyond the range of a double.
Scaled scaledExp(double t);

// log1p(r) for r >= -1 (minus infinity at r = -1); error 5 below -1, where
// (1+r)^n is not real for most n and a loan has no meaning.
double logGrowth(double r);

// ((1+r)^n - 1)/r, the future value of n unit payments (n at r = 0).
Scaled futureFactor(double r, double n);
// (1 - (1+r)^-n)/r, the present value of n unit payments (n at r = 0).
Scaled presentFactor(double r, double n);
// The same factors for the given timing: at the start each payment has one
// period more to grow, which multiplies the factor by 1+r.
Scaled futureFactor(double r, double n, PaymentTiming timing);
Scaled presentFactor(double r, double n, PaymentTiming timing);

// H(t) = expm1(t)/t with H(0) = 1, finite for t <= 700.
double expm1Ratio(double t);

}  // namespace finance::detail
