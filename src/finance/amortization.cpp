#include "finance/amortization.h"

#include "finance/checks.h"

#include <cmath>

namespace finance {

using namespace detail;

namespace {

// A number of periods this close to a whole one comes from rounding in its
// computation, not from a short last period.
constexpr double wholePeriodsTolerance = 1e-9;

std::int64_t rowCountOf(double periods)
{
    const double whole = std::round(periods);
    if (whole >= 1 && std::fabs(periods - whole) <= wholePeriodsTolerance * whole)
        return static_cast<std::int64_t>(whole);
    return static_cast<std::int64_t>(std::ceil(periods));
}

// The exact product a*b, for a, b >= 0 and a*b below 2^52, rounded to a whole
// number with an exact half rounded up. floor(a*b) may be one above the exact
// product's floor, never below it; the sign of one fused multiply-add, which
// is always exact, then decides between it and the next number.
double roundedProduct(double a, double b)
{
    const double whole = std::floor(a * b);
    return std::fma(a, b, -(whole + 0.5)) >= 0 ? whole + 1 : whole;
}

// |x| in cents, or -1 when that reaches maxScheduleCents once rounded.
std::int64_t centsOf(double x)
{
    const double magnitude = std::fabs(x);
    if (!(magnitude * 100 < 2 * double(maxScheduleCents)))
        return -1;
    const auto cents = static_cast<std::int64_t>(roundedProduct(magnitude, 100));
    return cents < maxScheduleCents ? cents : -1;
}

Schedule refused(Schedule::Refusal refusal)
{
    Schedule schedule;
    schedule.refusal = refusal;
    return schedule;
}

}  // namespace

Schedule amortize(const Loan& loan)
{
    requireFinite({loan.presentValue, loan.rate, loan.periods});
    if (!(loan.periods > 0))
        invalidArgument();
    if (!(loan.periods <= 2 * double(maxScheduleRows)))
        return refused(Schedule::Refusal::TooManyRows);
    const std::int64_t rowCount = rowCountOf(loan.periods);
    if (rowCount > maxScheduleRows)
        return refused(Schedule::Refusal::TooManyRows);

    Schedule schedule;
    schedule.loan = centsOf(loan.presentValue);
    schedule.payment = centsOf(Pmt(loan.rate, loan.periods, std::fabs(loan.presentValue), loan.timing));
    if (schedule.loan < 0 || schedule.payment < 0)
        return refused(Schedule::Refusal::AmountTooLarge);

    // The balance is never negative, so the interest is |rate| times it, signed
    // like the rate. It stays below maxScheduleCents: at a negative rate it is
    // at most the balance, at a positive one at most the payment.
    const double rateMagnitude = std::fabs(loan.rate);
    const bool firstWithoutInterest = loan.timing == PaymentTiming::Begin;
    const std::int64_t firstWithInterest = firstWithoutInterest ? 2 : 1;
    const std::int64_t rateSign = loan.rate < 0 ? -1 : 1;
    const std::int64_t payment = schedule.payment;
    std::int64_t balance = schedule.loan;
    std::int64_t totalPayment = 0;
    std::int64_t totalInterest = 0;
    schedule.rows.reserve(static_cast<std::size_t>(rowCount));
    for (std::int64_t period = 1;; ++period) {
        const std::int64_t interest =
            period == 1 && firstWithoutInterest
                ? 0
                : rateSign * static_cast<std::int64_t>(roundedProduct(double(balance), rateMagnitude));
        const std::int64_t owed = balance + interest;
        const bool last = period == rowCount || payment >= owed;
        const std::int64_t paid = last ? owed : payment;
        const std::int64_t principal = paid - interest;
        // A payment that covers the first interest covers every later one: at a
        // positive rate the balance, and with it the interest, never grows.
        if (period == firstWithInterest && !last && principal < 0)
            return refused(Schedule::Refusal::PaymentBelowInterest);
        balance -= principal;
        schedule.rows.push_back({paid, interest, principal, balance});
        totalPayment += paid;
        totalInterest += interest;
        if (totalPayment >= maxScheduleCents)
            return refused(Schedule::Refusal::AmountTooLarge);
        if (last)
            break;
    }
    schedule.totalPayment = totalPayment;
    schedule.totalInterest = totalInterest;
    schedule.totalPrincipal = schedule.loan;
    return schedule;
}

}  // namespace finance
