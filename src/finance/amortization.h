// The amortization schedule of a loan, in whole cents: what each payment pays
// in interest and in principal, and what is still owed after it.
#pragma once

#include "finance/finance.h"

#include <cstdint>
#include <vector>

namespace finance {

// A loan as the windows define it. Signs do not matter: the schedule is of
// |presentValue| paid off by level payments. rate is a fraction per period
// (-1 or more); periods is above 0 and may be fractional.
struct Loan {
    double presentValue = 0;
    double rate = 0;
    double periods = 0;
    PaymentTiming timing = PaymentTiming::End;
};

// One payment of a schedule, in cents.
struct ScheduleRow {
    std::int64_t payment;
    std::int64_t interest;   // negative at a negative rate
    std::int64_t principal;  // payment - interest
    std::int64_t balance;    // owed after this payment
};

// Every amount of a schedule, its totals included, stays below this many
// cents, so that each is exact as an integer and as a double.
constexpr std::int64_t maxScheduleCents = 1'000'000'000'000'000;  // 10^13 in money
constexpr std::int64_t maxScheduleRows = 1'000'000;

struct Schedule {
    enum class Refusal {
        None,
        TooManyRows,           // more than maxScheduleRows payments
        PaymentBelowInterest,  // the payment is below the first interest
        AmountTooLarge,        // an amount or a total reaches maxScheduleCents
    };
    Refusal refusal = Refusal::None;
    std::int64_t loan = 0;     // cents
    std::int64_t payment = 0;  // the regular payment, cents
    std::vector<ScheduleRow> rows;
    std::int64_t totalPayment = 0;
    std::int64_t totalInterest = 0;
    std::int64_t totalPrincipal = 0;
};

// The rule: the loan and its regular payment, Pmt(rate, periods, loan, timing),
// are rounded to the cent; each payment's interest is the balance times the
// rate, rounded to the cent (with PaymentTiming::Begin, payment 1 falls before
// any interest and carries none, and each later one the interest of the period
// before it); the principal is the payment minus the interest. Every
// rounding is of the exact binary value, an exact half away from zero, as the
// "standard" format rounds. There are ceil(periods) payments (a number of
// periods within a relative 1e-9 of a whole one counts as that whole one); the last is
// the balance plus its interest, so the balance ends at exactly 0. A payment
// that would reach that sum earlier becomes the last one there.
// Refused: more than maxScheduleRows payments (counted as above); a payment
// below the interest of the first period that carries interest (one equal to
// it pays interest only until the last payment); an amount, rounded to the
// cent, or a total of maxScheduleCents or more.
// A refused schedule has a Refusal and no rows. Error 5 for periods <= 0 and
// for arguments that are not finite; Pmt's errors (5 for a rate below -1).
Schedule amortize(const Loan& loan);

}  // namespace finance
