// Rate solves a(r) = c, c = -pv/pmt, for the present-value factor a. a falls
// strictly from +infinity at r = -1 to 0, so a root exists exactly when c > 0,
// and it is unique. We solve phi(x) = log(a/c) = 0 in x = log1p(r): phi is
// convex for n > 1 and concave for n < 1, so Newton steps from the proper side
// move straight to the root; a step that leaves the bracket is held at its
// end. This converges in a handful of steps where plain Newton from 0.1
// stalls (every long loan) or wanders below -1.
#include "finance/rate_solver.h"

#include "finance/annuity.h"
#include "finance/checks.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace finance {

using namespace detail;

namespace {

// A bound only: the solver has needed at most 7 evaluations on every case measured.
constexpr int maxIterations = 100;

// log H(t) for H(t) = expm1(t)/t, without overflow for any t. Near 0 the
// Taylor series keeps the value's relative precision; log of a rounded H
// would not, and Newton could then never settle on a rate near 0.
double logExpm1Ratio(double t)
{
    if (std::fabs(t) < 0.1) {
        const double t2 = t * t;
        return t / 2 + t2 * (1.0 / 24 + t2 * (-1.0 / 2880 + t2 * (1.0 / 181440 +
                                           t2 * (-1.0 / 9676800 + t2 / 479001600))));
    }
    if (t > 1)
        return t + std::log(-std::expm1(-t)) - std::log(t);
    if (t < -1)
        return std::log(-std::expm1(t)) - std::log(-t);
    return std::log(expm1Ratio(t));
}

// The derivative of log H(t); positive everywhere. Near 0 the closed form
// cancels, so the series is used there.
double logExpm1RatioSlope(double t)
{
    if (std::fabs(t) < 1e-4)
        return 0.5 + t / 12;
    return 1 / -std::expm1(-t) - 1 / t;
}

// log(n/c), accurate also when c is close to n, which is where the root is
// close to 0 and needs every digit of the difference.
double logPeriodsOverTarget(double nper, double target, double logTarget)
{
    if (!std::isfinite(target) || target < DBL_MIN)
        return std::log(nper) - logTarget;
    if (target >= nper / 2 && target <= 2 * nper)
        return std::log1p((nper - target) / target);
    const double ratio = nper / target;
    if (std::isfinite(ratio) && ratio >= DBL_MIN)
        return std::log(ratio);
    return std::log(nper) - logTarget;
}

}  // namespace

namespace detail {

RateSolution solveRate(double nper, double pmt, double pv)
{
    requireFinite({nper, pmt, pv});
    if (!(nper > 0) || pmt == 0 || pv == 0 || (pv > 0) == (pmt > 0))
        invalidArgument();

    const double target = -pv / pmt;
    const double logTarget = std::log(std::fabs(pv)) - std::log(std::fabs(pmt));
    if (target == nper)
        return {0, 0};
    const double q = logPeriodsOverTarget(nper, target, logTarget);
    // log1p(target) and log1p(1/target), also when target over- or underflowed.
    const double logOnePlusTarget =
        std::isfinite(target) ? std::log1p(target) : logTarget;
    const double logOnePlusInverse =
        target >= DBL_MIN && std::isfinite(1 / target) ? std::log1p(1 / target) : -logTarget;

    double low = 0;
    double high = 0;
    if (target < nper)
        high = logOnePlusInverse;
    else
        low = -logOnePlusTarget / nper;

    // phi(x), and the rounding noise of its evaluation: once phi is inside
    // the noise, no further step can do better.
    struct Residual {
        double value;
        double noise;
    };
    const auto phi = [&](double x) {
        const double periods = logExpm1Ratio(-nper * x);
        const double period = logExpm1Ratio(x);
        return Residual{q + periods - period,
                        4 * DBL_EPSILON * (1 + std::fabs(q) + std::fabs(periods) + std::fabs(period))};
    };
    const auto slope = [&](double x) {
        return -(nper * logExpm1RatioSlope(-nper * x) + logExpm1RatioSlope(x));
    };

    // Newton from the proper side of a convex (n > 1) or concave (n < 1) phi
    // moves monotonically to the root; a step from the other side lands on
    // the proper side, and one that overshoots the bracket is held at its end.
    // Without the default guess we start from the bracket's end on the other
    // side: its one step lands close to the root (at the tangent at r = 0, or
    // next to the perpetuity rate 1/c), where starting from the proper end
    // would creep up on it for several more steps.
    const double guess = std::log1p(0.1);
    double x = guess >= low && guess <= high ? guess : (nper > 1 ? high : low);
    int iterations = 0;
    while (iterations < maxIterations) {
        ++iterations;
        const Residual residual = phi(x);
        const double value = residual.value;
        if (std::fabs(value) <= residual.noise)
            break;
        if (value > 0)
            low = x;
        else
            high = x;
        double next = x - value / slope(x);
        if (!(next >= low))
            next = low;
        else if (next > high)
            next = high;
        const bool settled = std::fabs(next - x) <= 4 * DBL_EPSILON * std::fabs(next);
        x = next;
        if (settled)
            break;
    }
    // A root closer to -1 than doubles resolve comes back as the double just
    // above -1, so that the answer stays inside the domain of the relation.
    const double rate = std::max(std::expm1(x), std::nextafter(-1.0, 0.0));
    return {finiteResult(rate), iterations};
}

}  // namespace detail

double Rate(double nper, double pmt, double pv)
{
    return solveRate(nper, pmt, pv).rate;
}

}  // namespace finance
