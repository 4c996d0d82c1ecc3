#include "finance/finance.h"

#include "finance/annuity.h"
#include "finance/checks.h"

#include <cfloat>
#include <cmath>

namespace finance {

using namespace detail;

double PV(double rate, double nper, double pmt, PaymentTiming timing)
{
    requireFinite({rate, nper, pmt});
    return toDouble(scaled(-pmt) * presentFactor(rate, nper, timing));
}

double FV(double rate, double nper, double pmt, PaymentTiming timing)
{
    requireFinite({rate, nper, pmt});
    return toDouble(scaled(-pmt) * futureFactor(rate, nper, timing));
}

// At the start and rate -1 the factor is 0 for nper < 1: whatever is paid
// vanishes with the loan, and the payment grows without bound.
double Pmt(double rate, double nper, double pv, PaymentTiming timing)
{
    requireFinite({rate, nper, pv});
    if (nper == 0)
        invalidArgument();
    const Scaled factor = presentFactor(rate, nper, timing);
    if (factor.mantissa == 0)
        throw RuntimeError(Overflow);
    return toDouble(scaled(-pv) / factor);
}

namespace {

// log(1 + x) for x = rate*pv/(pmt*g), the factor (1+r)^-n that balances the
// relation, where g = 1+rate at the start (each payment grows one period
// more) and 1 at the end. Near x = -1 the sum (1 + x)*pmt*g = pmt + rate*owed,
// with owed = pv at the end and pv + pmt at the start (the loan once the
// first payment is made), is formed with fma, which keeps the digits that
// plain 1 + x cancels away. A payment equal to the interest within the
// rounding of the sum's two terms has no answer: what is left of the sum is
// noise, and its log would be a number of periods.
double logBalanceFactor(double rate, double pmt, double pv, PaymentTiming timing)
{
    const bool atStart = timing == PaymentTiming::Begin;
    Scaled x = scaled(rate) * scaled(pv) / scaled(pmt);
    if (atStart)
        x = x / scaled(1 + rate);
    if (x.exponent > 1000) {
        if (x.mantissa < 0)
            invalidArgument();
        return std::log(x.mantissa) + x.exponent * std::log(2.0);
    }
    const double ratio = toDouble(x);
    if (ratio > -0.5)
        return std::log1p(ratio);
    double sum = std::fma(rate, pv, pmt);
    double payment = pmt;
    if (atStart) {
        // Amounts of one sign beyond half the double range are halved, exactly.
        const bool halved = !std::isfinite(pv + pmt);
        const double loan = halved ? pv / 2 : pv;
        payment = halved ? pmt / 2 : pmt;
        // owed + owedError = loan + payment exactly, so that the rounding of
        // the owed amount does not swamp a sum near 0.
        const double owed = loan + payment;
        const double paymentPart = owed - loan;
        const double owedError = (loan - (owed - paymentPart)) + (payment - paymentPart);
        sum = std::fma(rate, owed, payment) + rate * owedError;
    }
    const double growth = atStart ? 1 + rate : 1;
    const double onePlusRatio = std::isfinite(sum) ? sum / payment / growth : 1 + ratio;
    if (!(onePlusRatio > DBL_EPSILON * (1 - ratio)))
        invalidArgument();
    return std::log(onePlusRatio);
}

}  // namespace

// A rate of -100 % leaves (1+r)^n = 0, which no payment can balance at the
// end, and which every nper balances at the start.
double NPer(double rate, double pmt, double pv, PaymentTiming timing)
{
    requireFinite({rate, pmt, pv});
    if (pmt == 0 || rate <= -1)
        invalidArgument();
    if (rate == 0)
        return finiteResult(-pv / pmt);
    return finiteResult(-logBalanceFactor(rate, pmt, pv, timing) / std::log1p(rate));
}

namespace {

// The interest of payment per on a loan of 1: rate times the share of the
// loan still owed after per - 1 payments, a(n - per + 1)/a(n), in a form that
// neither cancels nor overflows. At the start that balance is 1+r times
// smaller, the payments having come a period earlier. Kept as mantissa and
// exponent: near r = -1 the power (1+r)^(per-1), and for tiny rates rate
// times the share, can fall below the doubles while the interest on a large
// loan does not.
Scaled interestPerUnit(double rate, double per, double nper, bool atStart)
{
    const double logRate = logGrowth(rate);
    if (per == 1)
        return scaled(rate);
    const double left = nper - per + 1;
    const double t = nper * logRate;
    const double perUnit = atStart ? rate / (1 + rate) : rate;
    if (t > 40)
        return scaled(perUnit) * scaled(std::expm1(-left * logRate) / std::expm1(-t));
    if (t < -40) {
        // (1+r)^(per-1), a power less at the start; 1 when no period has
        // passed, also at r = -1.
        const double elapsed = atStart ? per - 2 : per - 1;
        const Scaled grown = elapsed == 0 ? scaled(1) : scaledExp(elapsed * logRate);
        return scaled(rate) * (grown * scaled(std::expm1(left * logRate) / std::expm1(t)));
    }
    return scaled(perUnit) * scaled(left / nper * (expm1Ratio(-left * logRate) / expm1Ratio(-t)));
}

}  // namespace

double IPmt(double rate, double per, double nper, double pv, PaymentTiming timing)
{
    requireFinite({rate, per, nper, pv});
    if (!(per >= 1 && per <= nper))
        invalidArgument();
    const bool atStart = timing == PaymentTiming::Begin;
    // The first payment at the start falls before any interest accrues.
    if (atStart && per == 1)
        return 0;
    return toDouble(-interestPerUnit(rate, per, nper, atStart) * scaled(pv));
}

}  // namespace finance
