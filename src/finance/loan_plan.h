// A loan planned the way people state one: a nominal annual rate with
// payments and compoundings per year, dated payments, extra payments, rate
// changes and fees, paid off in whole cents under one stated rule.
#pragma once

#include "finance/finance.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace finance {

// How each row's interest is counted.
enum class InterestRule {
    PerPeriod,  // balance x rate per period
    Actual365,  // balance x annual rate x days / 365
    Actual360,  // balance x annual rate x days / 360
};

enum class PaymentRounding { NearestCent, UpToCent, UpToUnit };
enum class InterestRounding { HalfAwayFromZero, HalfToEven, Down /* toward zero */ };

// What a row with extras changes for the rows after it.
enum class AfterExtra {
    KeepPayment,  // the loan ends sooner
    KeepTerm,     // the regular payment is recomputed over the payments left
};

// compoundingsPerYear for interest compounded continuously.
constexpr int continuousCompounding = 0;

struct OneOffExtra {
    std::int64_t number = 1;  // the payment it is paid with
    double amount = 0;
};

struct RateChange {
    std::int64_t number = 1;  // the first payment at the new rate
    double annualRate = 0;
};

// Money is in currency units and counts by its size (signs are ignored); a
// rate is a fraction (0.065 for 6.5 %); dates are day numbers (calendar.h).
struct LoanTerms {
    double amount = 0;
    double annualRate = 0;  // nominal
    int paymentsPerYear = 12;     // 1, 2, 4, 12, 24, 26 or 52
    int compoundingsPerYear = 12; // 1, 2, 4, 12, 24, 26, 52, 365 or continuousCompounding
    std::int64_t payments = 1;    // the term: payment numbers 1 to payments
    std::optional<double> payment;  // a typed regular payment; empty: the level payment
    double balloon = 0;           // owed after the last regular payment, paid with it
    std::int64_t loanDate = 0;
    std::int64_t firstPayment = 0;  // not before loanDate
    double fees = 0;              // paid at the loan date
    InterestRule interestRule = InterestRule::PerPeriod;
    PaymentRounding paymentRounding = PaymentRounding::NearestCent;
    InterestRounding interestRounding = InterestRounding::HalfAwayFromZero;
    PaymentTiming timing = PaymentTiming::End;
    double extraPerPayment = 0;   // paid with payments extraFrom to extraTo
    std::int64_t extraFrom = 1;
    std::int64_t extraTo = 0;     // 0: the last
    std::vector<OneOffExtra> extras;
    AfterExtra afterExtra = AfterExtra::KeepPayment;
    std::vector<RateChange> rateChanges;
};

// One payment, every amount in cents; rows[k] is payment number k + 1. Kept
// to five numbers: a million rows are 40 MB, written as they are made.
struct PlanRow {
    std::int64_t date;
    std::int64_t payment;   // the regular payment (on the last row, see planLoan)
    std::int64_t extra;
    std::int64_t interest;  // negative at a negative rate
    std::int64_t balance;   // owed after this row
    std::int64_t principal() const { return payment + extra - interest; }
};

struct LoanPlan {
    enum class Refusal {
        None,
        TooManyPayments,       // more than maxScheduleRows payments
        AmountTooLarge,        // an amount, interest, balance or total reaches maxScheduleCents
        PaymentBelowInterest,  // the regular payment is below the first interest charged
    };
    Refusal refusal = Refusal::None;
    std::vector<PlanRow> rows;

    // In cents unless said otherwise.
    std::int64_t amount = 0;
    std::int64_t fees = 0;
    std::int64_t loanDate = 0;
    std::int64_t regularPayment = 0;  // the first row's
    std::int64_t totalPayment = 0;    // the rows' payments, extras apart
    std::int64_t totalExtra = 0;
    std::int64_t totalInterest = 0;
    std::int64_t totalPrincipal = 0;  // the amount
    std::int64_t totalPaid() const { return totalPayment + totalExtra; }
    std::int64_t costOfCredit() const { return totalInterest + fees; }

    // With extras, against the same terms without them (rate changes kept).
    bool comparedWithoutExtras = false;
    std::int64_t interestSaved = 0;
    std::int64_t paymentsSaved = 0;

    // (1+i)^p - 1 for the first rate per period i (j/p under the daily rules).
    double effectiveAnnualRate = 0;
};

// The rate per period for a nominal annual rate: (1 + j/c)^(c/p) - 1,
// e^(j/p) - 1 for continuous compounding. Error 5 for a number of payments
// or compoundings a year not listed in LoanTerms, or j/c below -1.
double ratePerPeriod(double annualRate, int paymentsPerYear, int compoundingsPerYear);
// Its inverse: c((1+i)^(p/c) - 1), p ln(1+i) for continuous compounding.
double annualRateOf(double ratePerPeriod, int paymentsPerYear, int compoundingsPerYear);

// The schedule and its summary. The rule, in whole cents:
//  - the amount, balloon, fees and extras are rounded to the cent, halves
//    away from zero;
//  - the rate per period i is ratePerPeriod's, under the daily rules j/p;
//  - the regular payment is the typed one, or the level payment for the
//    amount, i, the term and the balloon (at the start of each period with
//    PaymentTiming::Begin; at the end under the daily rules), rounded by the
//    payment rule;
//  - each row's interest is balance x i (with PaymentTiming::Begin payment 1
//    carries none and payment k the interest of the period before it), or
//    balance x j x days / 365 (360) counted from the previous payment (the
//    loan date for the first), rounded by the interest rule;
//  - from a rate change's payment on, i is the new rate's and the regular
//    payment is recomputed for the balance over the payments left of the
//    term; with AfterExtra::KeepTerm so it is after every row with extras;
//  - a row pays its regular payment and its extras; the loan ends on the
//    first row where they reach the balance plus interest ("due"), or on the
//    last payment of the term: that row pays exactly the due amount, its
//    payment being max(min(regular, due), due - extras) and its extra the rest.
// A product within 16 units in the last place of a whole or half cent counts
// as exactly that: the rate carries that much rounding from its decimal
// (0.075/12 is held just below 0.625 %, whose halves the rule rounds up).
// A refused plan has no rows. Error 5 for non-finite numbers, a term below 1,
// payments or compoundings a year not listed, a first payment before the loan
// date, an extra or rate change numbered below 1, or a rate per period at or
// below -1; an extra or rate change after the last payment has no effect.
LoanPlan planLoan(const LoanTerms& terms);

// The APR (actual/365): the annual rate X at which the amount less the fees,
// received on the loan date, equals every payment and extra discounted by
// (1+X)^(days after the loan date / 365). Empty for a refused plan, one with
// nothing lent or paid, or where no rate solves it.
std::optional<double> annualPercentageRate(const LoanPlan& plan);

// The term left to compute from the others.
enum class LoanTerm { Amount, AnnualRate, Payments, Payment };

// The value of one term from the others, with no extras and no rate
// changes, by the relation between the amount, i, the number of payments n,
// the payment and the balloon B (paid with payment n):
//   amount = payment x a(n) + B (1+i)^-n       (at the end, or daily rules)
//   amount = payment x (1+i) a(n) + B (1+i)^-(n-1)   (at the start)
// Money in currency units, unrounded; the annual rate nominal per the
// compoundings (j = i x p under the daily rules); the number of payments
// fractional. The unknown's own field is ignored (terms.payment may be
// empty for LoanTerm::Payment only). Errors of PV, Pmt, NPer and Rate; error 5
// where no value solves the relation.
double solveLoanTerm(const LoanTerms& terms, LoanTerm unknown);

}  // namespace finance
