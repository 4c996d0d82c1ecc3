// Rate solves a(r) = c, c = -pv/pmt, for the present-value factor a. a falls
// strictly from +infinity at r = -1 to 0, so a root exists exactly when c > 0,
// and it is unique. We solve phi(x) = log(a/c) = 0 in x = log1p(r): phi is
// convex for n > 1 and concave for n < 1, so Newton steps from the proper side
// move straight to the root; a step that leaves the bracket is held at its
// end. This converges in a handful of steps where plain Newton from 0.1
// stalls (every long loan) or wanders below -1. Payments at the start and
// negative nper come down to the same problem or to its like for payments at
// the start with 0 < nper < 1 (see solveRate).
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

// The log-growth x = log1p(r) that solves the relation for nper > 0 with
// payments at the end of each period (a(r) = c, c = -pv/pmt), or for
// 0 < nper < 1 with payments at their start ((1+r)*a(r) = c). There the
// factor (e^(-nx) - 1)/(e^(-x) - 1) rises from 0 to 1, so a root exists
// exactly when 0 < c < 1; the brackets below follow from bounds on it.
struct Growth {
    double x;
    int iterations;
};

Growth solveGrowth(double nper, double pmt, double pv, bool atStart)
{
    if (pv == 0 || (pv > 0) == (pmt > 0))
        invalidArgument();
    if (atStart && !(std::fabs(pv) < std::fabs(pmt)))
        invalidArgument();

    const double target = -pv / pmt;
    const double logTarget = std::log(std::fabs(pv)) - std::log(std::fabs(pmt));
    const double q = logPeriodsOverTarget(nper, target, logTarget);
    // log1p(target) and log1p(1/target), also when target over- or underflowed.
    const double logOnePlusTarget =
        std::isfinite(target) ? std::log1p(target) : logTarget;
    const double logOnePlusInverse =
        target >= DBL_MIN && std::isfinite(1 / target) ? std::log1p(1 / target) : -logTarget;
    // 1 - c at the start, from the amounts themselves so that no digit is
    // lost, and its log, which for a small c needs log1p.
    const double shortfall = (std::fabs(pmt) - std::fabs(pv)) / std::fabs(pmt);
    const double logShortfall = !atStart ? 0 : target < 0.5 ? std::log1p(-target) : std::log(shortfall);

    double low = 0;
    double high = 0;
    if (!atStart) {
        if (target < nper)
            high = logOnePlusInverse;
        else
            low = -logOnePlusTarget / nper;
    } else {
        if (target > nper)
            high = -logShortfall / nper;
        else
            low = -(target >= DBL_MIN ? std::log(2 / target) : std::log(2.0) - logTarget) / (1 - nper);
    }
    low = std::max(low, -DBL_MAX);
    high = std::min(high, DBL_MAX);

    // phi(x), falling, and the rounding noise of its evaluation: once phi is
    // inside the noise, no further step can do better. At the end phi =
    // log(a/c). At the start the factor f rises: phi = log(c/f), except for
    // c > 1/2 above 0, where f flattens out towards 1 and Newton's steps
    // would shrink: there phi = log((1 - f)/(1 - c)) = log((1-n)/(1-c)) - n*x
    // + log H(-(1-n)*x) - log H(-x), which falls about as fast as n*x. Its
    // slope near 0 is only -n/2, so its noise is measured against n, not 1.
    const bool above = atStart && target > nper && target > 0.5;
    const double sign = atStart ? -1 : 1;
    const double rest = 1 - nper;
    // log((1-n)/(1-c)) = log1p((c - n)/(1 - c)), which keeps its digits when
    // c is close to n and the root close to 0.
    const double qAbove = above ? std::log1p((target - nper) / shortfall) : 0;
    struct Residual {
        double value;
        double noise;
    };
    const auto phi = [&](double x) {
        if (above) {
            const double grown = nper * x;
            const double periods = logExpm1Ratio(-rest * x);
            const double period = logExpm1Ratio(-x);
            return Residual{qAbove - grown + periods - period,
                            4 * DBL_EPSILON *
                                (nper + std::fabs(qAbove) + std::fabs(grown) + std::fabs(periods) + std::fabs(period))};
        }
        const double periods = logExpm1Ratio(-nper * x);
        const double period = logExpm1Ratio(sign * x);
        return Residual{sign * (q + periods - period),
                        4 * DBL_EPSILON * (1 + std::fabs(q) + std::fabs(periods) + std::fabs(period))};
    };
    const auto slope = [&](double x) {
        if (above)
            return -nper - rest * logExpm1RatioSlope(-rest * x) + logExpm1RatioSlope(-x);
        return -sign * (nper * logExpm1RatioSlope(-nper * x) + sign * logExpm1RatioSlope(sign * x));
    };

    // Newton from the proper side of a convex (nper > 1 at the end; log(c/f)
    // at the start) or concave phi moves monotonically to the root; a step
    // from the other side lands on the proper side, and one that overshoots
    // the bracket is held at its end. Without the default guess we start
    // from the bracket's end on the other side: its one step lands close to
    // the root (at the tangent at r = 0, or next to the perpetuity rate),
    // where starting from the proper end would creep up on it for several
    // more steps.
    const bool convex = atStart ? !above : nper > 1;
    const double guess = std::log1p(0.1);
    double x = guess >= low && guess <= high ? guess : (convex ? high : low);
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
    return {x, iterations};
}

}  // namespace

namespace detail {

RateSolution solveRate(double nper, double pmt, double pv, PaymentTiming timing)
{
    requireFinite({nper, pmt, pv});
    if (nper == 0 || pmt == 0 || pv == 0)
        invalidArgument();

    // pv + nper*pmt = 0 makes 0 the root. Within the rounding of its two
    // terms (divided by pmt: nper and the target, each within an ulp or two)
    // the digits left by the division are noise, and the answer is 0.
    const double target = -pv / pmt;
    if (std::fabs(nper - target) <= 2 * DBL_EPSILON * std::fabs(nper))
        return {0, 0};
    // Negative nper: multiplying the relation by (1+r)^-nper turns it into
    // the relation for -nper periods at the rate r' with 1 + r' = 1/(1 + r),
    // with pv of the other sign and the payments moved to the other end of
    // each period; so x = log1p(r) is minus the x of that problem.
    bool atStart = timing == PaymentTiming::Begin;
    const bool reversed = nper < 0;
    if (reversed) {
        nper = -nper;
        pv = -pv;
        atStart = !atStart;
    }
    // At the start with nper >= 1 the first payment comes off the loan at
    // once, and nper - 1 payments at the end of their periods pay off the
    // rest at the same rate; nper - 1 is exact up to nper = 2. The factor at
    // the start then never flattens out, which would slow Newton's steps.
    if (atStart && nper >= 1) {
        nper -= 1;
        pv += pmt;
        atStart = false;
        if (nper == 0)
            invalidArgument();
    }
    const Growth growth = solveGrowth(nper, pmt, pv, atStart);
    const double x = reversed ? -growth.x : growth.x;
    // A root closer to -1 than doubles resolve comes back as the double just
    // above -1, so that the answer stays inside the domain of the relation.
    const double rate = std::max(std::expm1(x), std::nextafter(-1.0, 0.0));
    return {finiteResult(rate), growth.iterations};
}

}  // namespace detail

double Rate(double nper, double pmt, double pv, PaymentTiming timing)
{
    return solveRate(nper, pmt, pv, timing).rate;
}

}  // namespace finance
