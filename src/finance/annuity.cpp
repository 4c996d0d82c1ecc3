#include "finance/annuity.h"

#include "finance/checks.h"

#include <cmath>
#include <limits>

namespace finance::detail {

namespace {

// Beyond this exponent exp(t) overflows a double; below -40, expm1(t) is -1
// to double precision.
constexpr double largeExponent = 700;
constexpr double smallExponent = -40;

}  // namespace

// Beyond 700 in size, t is reduced by a split ln 2 so the mantissa keeps its
// digits. Below -5000 the power is 0 for every purpose: no product of two
// doubles brings it back into range.
Scaled scaledExp(double t)
{
    if (std::fabs(t) <= largeExponent)
        return scaled(std::exp(t));
    if (!(t < 1e300))
        return {0.5, std::numeric_limits<double>::infinity()};
    if (t < -5000)
        return {};
    constexpr double ln2High = 6.93147180369123816490e-01;
    constexpr double ln2Low = 1.90821492927058770002e-10;
    const double k = std::floor(t / 0.69314718055994530942);
    const double reduced = (t - k * ln2High) - k * ln2Low;
    Scaled result = scaled(std::exp(reduced));
    result.exponent += k;
    return result;
}

Scaled scaled(double x)
{
    int exponent = 0;
    const double mantissa = std::frexp(x, &exponent);
    if (mantissa == 0)
        return {};
    return {mantissa, static_cast<double>(exponent)};
}

Scaled operator*(Scaled a, Scaled b)
{
    Scaled result = scaled(a.mantissa * b.mantissa);
    if (result.mantissa != 0)
        result.exponent += a.exponent + b.exponent;
    return result;
}

Scaled operator/(Scaled a, Scaled b)
{
    Scaled result = scaled(a.mantissa / b.mantissa);
    if (result.mantissa != 0)
        result.exponent += a.exponent - b.exponent;
    return result;
}

Scaled operator-(Scaled a)
{
    return {-a.mantissa, a.exponent};
}

double toDouble(Scaled value)
{
    if (value.mantissa == 0 || value.exponent < -1100)
        return 0;
    if (value.exponent > 1024)
        throw RuntimeError(Overflow);
    return finiteResult(std::ldexp(value.mantissa, static_cast<int>(value.exponent)));
}

double logGrowth(double r)
{
    if (r < -1)
        invalidArgument();
    return std::log1p(r);
}

double expm1Ratio(double t)
{
    return t == 0 ? 1 : std::expm1(t) / t;
}

// n*G(r)*H(n*L) with G = L/r, which needs no special case at r = 0 or for
// tiny rates; for large |n*L| the plain expm1(n*L)/r loses nothing.
Scaled futureFactor(double r, double n)
{
    if (n == 0)
        return {};
    const double logRate = logGrowth(r);
    const double t = n * logRate;
    if (t > largeExponent)
        return scaledExp(t) * scaled(1 / r);
    if (t < smallExponent)
        return scaled(std::expm1(t) / r);
    const double g = r == 0 ? 1 : logRate / r;
    return scaled(n) * scaled(g) * scaled(expm1Ratio(t));
}

Scaled presentFactor(double r, double n)
{
    return -futureFactor(r, -n);
}

// At r = -1 the product (1+r)*((1+r)^n - 1)/r = ((1+r)^(n+1) - (1+r))/r is
// its limit: 0 for n > -1, -1 for n = -1, minus infinity below.
Scaled futureFactor(double r, double n, PaymentTiming timing)
{
    if (timing == PaymentTiming::End)
        return futureFactor(r, n);
    if (r != -1)
        return scaled(1 + r) * futureFactor(r, n);
    if (n + 1 > 0)
        return {};
    if (n + 1 == 0)
        return scaled(-1);
    return {-0.5, std::numeric_limits<double>::infinity()};
}

Scaled presentFactor(double r, double n, PaymentTiming timing)
{
    return -futureFactor(r, -n, timing);
}

}  // namespace finance::detail
