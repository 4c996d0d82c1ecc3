#include "finance/finance.h"

#include "finance/annuity.h"
#include "finance/checks.h"

#include <cfloat>
#include <cmath>

namespace finance {

using namespace detail;

double PV(double rate, double nper, double pmt)
{
    requireFinite({rate, nper, pmt});
    return toDouble(scaled(-pmt) * presentFactor(rate, nper));
}

double FV(double rate, double nper, double pmt)
{
    requireFinite({rate, nper, pmt});
    return toDouble(scaled(-pmt) * futureFactor(rate, nper));
}

double Pmt(double rate, double nper, double pv)
{
    requireFinite({rate, nper, pv});
    if (nper == 0)
        invalidArgument();
    return toDouble(scaled(-pv) / presentFactor(rate, nper));
}

namespace {

// log(1 + x) for x = rate*pv/pmt, the factor (1+r)^-n that balances the
// relation. Near x = -1 the sum 1 + x is formed from fma(rate, pv, pmt),
// which keeps the digits that plain 1 + x cancels away. A payment equal to
// the interest within the rounding of pmt and rate*pv has no answer: what is
// left of the sum is noise, and its log would be a number of periods.
double logBalanceFactor(double rate, double pmt, double pv)
{
    const Scaled x = scaled(rate) * scaled(pv) / scaled(pmt);
    if (x.exponent > 1000) {
        if (x.mantissa < 0)
            invalidArgument();
        return std::log(x.mantissa) + x.exponent * std::log(2.0);
    }
    const double ratio = toDouble(x);
    if (ratio > -0.5)
        return std::log1p(ratio);
    const double sum = std::fma(rate, pv, pmt);
    const double onePlusRatio = std::isfinite(sum) ? sum / pmt : 1 + ratio;
    if (!(onePlusRatio > DBL_EPSILON * (1 - ratio)))
        invalidArgument();
    return std::log(onePlusRatio);
}

}  // namespace

// A rate of -100 % leaves (1+r)^n = 0, which no payment can balance.
double NPer(double rate, double pmt, double pv)
{
    requireFinite({rate, pmt, pv});
    if (pmt == 0 || rate <= -1)
        invalidArgument();
    if (rate == 0)
        return finiteResult(-pv / pmt);
    return finiteResult(-logBalanceFactor(rate, pmt, pv) / std::log1p(rate));
}

namespace {

// The share of the loan still owed after per - 1 payments,
// a(n - per + 1)/a(n), in a form that neither cancels nor overflows.
double remainingShare(double rate, double per, double nper)
{
    const double logRate = logGrowth(rate);
    if (per == 1)
        return 1;
    const double left = nper - per + 1;
    const double t = nper * logRate;
    if (t > 40)
        return std::expm1(-left * logRate) / std::expm1(-t);
    if (t < -40)
        return std::exp((per - 1) * logRate) * (std::expm1(left * logRate) / std::expm1(t));
    return left / nper * (expm1Ratio(-left * logRate) / expm1Ratio(-t));
}

}  // namespace

double IPmt(double rate, double per, double nper, double pv)
{
    requireFinite({rate, per, nper, pv});
    if (!(per >= 1 && per <= nper))
        invalidArgument();
    const double share = remainingShare(rate, per, nper);
    return finiteResult(-(rate * share) * pv);
}

}  // namespace finance
