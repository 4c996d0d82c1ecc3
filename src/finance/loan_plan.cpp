#include "finance/loan_plan.h"

#include "finance/amortization.h"
#include "finance/annuity.h"
#include "finance/calendar.h"
#include "finance/cash_flow_series.h"
#include "finance/cash_flows.h"
#include "finance/checks.h"

#include <algorithm>
#include <cmath>

namespace finance {

using namespace detail;

namespace {

// How close to a whole or half number a product may come from the decimal
// rounding of its factors and still count as exactly that number.
constexpr double decimalNoise = 0x1p-48;

enum class Rounding { HalfAwayFromZero, HalfToEven, Down, Up };

// The product a*b (a, b >= 0, below 2^52) rounded to a whole number. The
// fused multiply-add gives the exact remainder above the floor, so only a
// product within decimalNoise of a whole or half number is taken as one.
double roundedProduct(double a, double b, Rounding mode)
{
    const double product = a * b;
    double whole = std::floor(product);
    double rest = std::fma(a, b, -whole);
    if (rest < 0) {
        whole -= 1;
        rest = std::fma(a, b, -whole);
    }
    const double noise = product * decimalNoise;
    if (rest <= noise)
        return whole;
    if (1 - rest <= noise)
        return whole + 1;
    if (mode == Rounding::Down || mode == Rounding::Up)
        return mode == Rounding::Up ? whole + 1 : whole;
    const double aboveHalf = rest - 0.5;
    if (std::fabs(aboveHalf) <= noise)
        return mode == Rounding::HalfToEven && std::fmod(whole, 2) == 0 ? whole : whole + 1;
    return aboveHalf > 0 ? whole + 1 : whole;
}

bool reachesLimit(double cents)
{
    return !(std::fabs(cents) < double(maxScheduleCents));
}

// |money| in cents, or -1 when that, rounded, reaches maxScheduleCents.
std::int64_t centsOf(double money)
{
    if (reachesLimit(money * 100))
        return -1;
    const double cents = roundedProduct(std::fabs(money), 100, Rounding::HalfAwayFromZero);
    return reachesLimit(cents) ? -1 : static_cast<std::int64_t>(cents);
}

void requireListed(int paymentsPerYear, int compoundingsPerYear)
{
    static constexpr int listed[] = {1, 2, 4, 12, 24, 26, 52};
    const auto isListed = [](int count) {
        return std::find(std::begin(listed), std::end(listed), count) != std::end(listed);
    };
    const bool compoundingListed = isListed(compoundingsPerYear) || compoundingsPerYear == 365
                                   || compoundingsPerYear == continuousCompounding;
    if (!isListed(paymentsPerYear) || !compoundingListed)
        invalidArgument();
}

// The level payment, in the balance's unit, over count payments with the
// balloon paid with the last one. The balloon's share, balloon/s(count), does
// not depend on the timing: at the start the balloon falls one period earlier.
double levelPayment(double rate, double count, double balance, double balloon, PaymentTiming timing)
{
    const double payment = -Pmt(rate, count, balance, timing);
    return balloon == 0 ? payment : payment - balloon / FV(rate, count, -1.0);
}

bool isDaily(InterestRule rule)
{
    return rule != InterestRule::PerPeriod;
}

// The terms in cents and in the order the rows meet them.
struct Prepared {
    const LoanTerms* terms = nullptr;
    std::int64_t amount = 0;
    std::int64_t balloon = 0;
    std::int64_t extra = 0;
    std::int64_t extraFrom = 1;
    std::int64_t extraTo = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> extras;  // number, cents
    std::vector<RateChange> rateChanges;
    Rounding interestRounding = Rounding::HalfAwayFromZero;
};

class Planner {
public:
    explicit Planner(const Prepared& prepared)
        : m_prepared(prepared), m_terms(*prepared.terms), m_daily(isDaily(m_terms.interestRule)),
          m_dayBasis(m_terms.interestRule == InterestRule::Actual360 ? 360.0 : 365.0),
          m_calendar(m_terms.firstPayment, m_terms.paymentsPerYear)
    {
    }

    // Runs the rows into plan's totals (into plan.rows too when keepRows),
    // with or without the extras.
    LoanPlan::Refusal run(LoanPlan& plan, bool withExtras, bool keepRows);
    std::int64_t paymentsMade() const { return m_paymentsMade; }

private:
    double ratePerPeriodAt(double annualRate) const
    {
        return m_daily ? annualRate / m_terms.paymentsPerYear
                       : ratePerPeriod(annualRate, m_terms.paymentsPerYear, m_terms.compoundingsPerYear);
    }
    // The rounded level payment; false when it reaches the limit.
    bool roundedLevelPayment(double rate, std::int64_t count, std::int64_t balance, PaymentTiming timing,
                             std::int64_t& payment) const;

    const Prepared& m_prepared;
    const LoanTerms& m_terms;
    const bool m_daily;
    const double m_dayBasis;
    const PaymentCalendar m_calendar;
    std::int64_t m_paymentsMade = 0;
};

bool Planner::roundedLevelPayment(double rate, std::int64_t count, std::int64_t balance, PaymentTiming timing,
                                  std::int64_t& payment) const
{
    const double exact = levelPayment(rate, double(count), double(balance), double(m_prepared.balloon),
                                      m_daily ? PaymentTiming::End : timing);
    if (reachesLimit(exact))
        return false;
    const double size = std::fabs(exact);
    double rounded = 0;
    switch (m_terms.paymentRounding) {
    case PaymentRounding::NearestCent:
        rounded = roundedProduct(size, 1, Rounding::HalfAwayFromZero);
        break;
    case PaymentRounding::UpToCent:
        rounded = roundedProduct(size, 1, Rounding::Up);
        break;
    case PaymentRounding::UpToUnit:
        rounded = roundedProduct(size, 0.01, Rounding::Up) * 100;
        break;
    }
    if (reachesLimit(rounded))
        return false;
    payment = static_cast<std::int64_t>(exact < 0 ? -rounded : rounded);
    return true;
}

LoanPlan::Refusal Planner::run(LoanPlan& plan, bool withExtras, bool keepRows)
{
    using Refusal = LoanPlan::Refusal;
    const std::int64_t term = m_terms.payments;
    const bool firstWithoutInterest = !m_daily && m_terms.timing == PaymentTiming::Begin;
    double annualRate = m_terms.annualRate;
    double rate = ratePerPeriodAt(annualRate);

    std::int64_t regular = 0;
    if (m_terms.payment)
        regular = centsOf(*m_terms.payment);
    else if (!roundedLevelPayment(rate, term, m_prepared.amount, m_terms.timing, regular))
        return Refusal::AmountTooLarge;

    auto change = m_prepared.rateChanges.begin();
    auto extra = m_prepared.extras.begin();
    std::int64_t balance = m_prepared.amount;
    std::int64_t previousDate = m_terms.loanDate;
    bool interestChecked = false;
    std::int64_t number = 1;
    for (;; ++number) {
        bool rateChanged = false;
        for (; change != m_prepared.rateChanges.end() && change->number == number; ++change) {
            annualRate = change->annualRate;
            rateChanged = true;
        }
        if (rateChanged) {
            rate = ratePerPeriodAt(annualRate);
            // Past the first, the next payment falls one period after the
            // balance, whatever the timing.
            const PaymentTiming timing = number == 1 ? m_terms.timing : PaymentTiming::End;
            if (!roundedLevelPayment(rate, term - number + 1, balance, timing, regular))
                return Refusal::AmountTooLarge;
        }
        if (number == 1)
            plan.regularPayment = regular;
        const std::int64_t date = keepRows || m_daily ? m_calendar.date(number) : 0;
        const double factor = m_daily ? annualRate * double(date - previousDate) / m_dayBasis : rate;
        previousDate = date;
        std::int64_t interest = 0;
        if (!(number == 1 && firstWithoutInterest)) {
            const double rateSize = std::fabs(factor);
            if (reachesLimit(double(balance) * rateSize))
                return Refusal::AmountTooLarge;
            interest = static_cast<std::int64_t>(
                roundedProduct(double(balance), rateSize, m_prepared.interestRounding));
            if (factor < 0)
                interest = -interest;
        }

        std::int64_t extras = 0;
        if (withExtras) {
            if (number >= m_prepared.extraFrom && number <= m_prepared.extraTo)
                extras = m_prepared.extra;
            for (; extra != m_prepared.extras.end() && extra->first == number; ++extra) {
                extras += extra->second;
                if (reachesLimit(double(extras)))
                    return Refusal::AmountTooLarge;
            }
        }

        const std::int64_t due = balance + interest;
        const bool last = number == term || regular + extras >= due;
        if (!interestChecked && interest != 0) {
            interestChecked = true;
            if (!last && regular < interest)
                return Refusal::PaymentBelowInterest;
        }
        const std::int64_t payment = last ? std::max(std::min(regular, due), due - extras) : regular;
        const std::int64_t extraPaid = last ? due - payment : extras;
        const std::int64_t principal = payment + extraPaid - interest;
        balance -= principal;
        plan.totalPayment += payment;
        plan.totalExtra += extraPaid;
        plan.totalInterest += interest;
        if (reachesLimit(double(plan.totalPayment + plan.totalExtra)) || reachesLimit(double(balance))
            || reachesLimit(double(plan.totalInterest)))
            return Refusal::AmountTooLarge;
        if (keepRows)
            plan.rows.push_back({date, payment, extraPaid, interest, balance});
        if (last)
            break;
        if (extras != 0 && m_terms.afterExtra == AfterExtra::KeepTerm
            && !roundedLevelPayment(rate, term - number, balance, PaymentTiming::End, regular))
            return Refusal::AmountTooLarge;
    }
    plan.totalPrincipal = m_prepared.amount;
    m_paymentsMade = number;
    return Refusal::None;
}

LoanPlan refused(LoanPlan::Refusal refusal)
{
    LoanPlan plan;
    plan.refusal = refusal;
    return plan;
}

Rounding roundingOf(InterestRounding rule)
{
    switch (rule) {
    case InterestRounding::HalfToEven:
        return Rounding::HalfToEven;
    case InterestRounding::Down:
        return Rounding::Down;
    case InterestRounding::HalfAwayFromZero:
        break;
    }
    return Rounding::HalfAwayFromZero;
}

// The per-period rate at which the payments and the balloon are worth the
// amount. Their present value falls as the rate rises, so halving a bracket
// of log(1+i) finds it to the last bit.
double rateWithBalloon(double count, double payment, double amount, double balloon, PaymentTiming timing)
{
    const double balloonPeriods = timing == PaymentTiming::Begin ? count - 1 : count;
    const auto excess = [&](double growth) {
        const double annuity = growth == 0 ? count : -std::expm1(-count * growth) / std::expm1(growth);
        const double factor = timing == PaymentTiming::Begin ? annuity * std::exp(growth) : annuity;
        return (payment == 0 ? 0 : payment * factor) + balloon * std::exp(-balloonPeriods * growth) - amount;
    };
    double low = -40;
    double high = 40;
    if (!(excess(low) > 0 && excess(high) < 0))
        invalidArgument();
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle == low || middle == high)
            break;
        (excess(middle) > 0 ? low : high) = middle;
    }
    return std::expm1(low);
}

}  // namespace

double ratePerPeriod(double annualRate, int paymentsPerYear, int compoundingsPerYear)
{
    requireFinite({annualRate});
    requireListed(paymentsPerYear, compoundingsPerYear);
    if (compoundingsPerYear == continuousCompounding)
        return finiteResult(std::expm1(annualRate / paymentsPerYear));
    // Equal counts: j/p itself, so that a decimal rate keeps its digits.
    if (compoundingsPerYear == paymentsPerYear)
        return annualRate / paymentsPerYear;
    const double compounding = double(compoundingsPerYear);
    return finiteResult(std::expm1(compounding / paymentsPerYear * logGrowth(annualRate / compounding)));
}

double annualRateOf(double ratePerPeriod, int paymentsPerYear, int compoundingsPerYear)
{
    requireFinite({ratePerPeriod});
    requireListed(paymentsPerYear, compoundingsPerYear);
    const double growth = logGrowth(ratePerPeriod);
    if (compoundingsPerYear == continuousCompounding)
        return finiteResult(paymentsPerYear * growth);
    if (compoundingsPerYear == paymentsPerYear)
        return finiteResult(ratePerPeriod * paymentsPerYear);
    const double compounding = double(compoundingsPerYear);
    return finiteResult(compounding * std::expm1(paymentsPerYear / compounding * growth));
}

LoanPlan planLoan(const LoanTerms& terms)
{
    requireFinite({terms.amount, terms.annualRate, terms.balloon, terms.fees, terms.extraPerPayment,
                   terms.payment.value_or(0)});
    requireListed(terms.paymentsPerYear, terms.compoundingsPerYear);
    if (terms.payments < 1 || terms.firstPayment < terms.loanDate || terms.extraFrom < 1)
        invalidArgument();
    for (const OneOffExtra& extra : terms.extras) {
        requireFinite({extra.amount});
        if (extra.number < 1)
            invalidArgument();
    }
    for (const RateChange& change : terms.rateChanges) {
        requireFinite({change.annualRate});
        if (change.number < 1)
            invalidArgument();
    }
    if (terms.payments > maxScheduleRows)
        return refused(LoanPlan::Refusal::TooManyPayments);

    Prepared prepared;
    prepared.terms = &terms;
    prepared.amount = centsOf(terms.amount);
    prepared.balloon = centsOf(terms.balloon);
    prepared.extra = centsOf(terms.extraPerPayment);
    prepared.extraFrom = terms.extraFrom;
    prepared.extraTo = terms.extraTo == 0 ? terms.payments : terms.extraTo;
    bool tooLarge = prepared.amount < 0 || prepared.balloon < 0 || prepared.extra < 0 || centsOf(terms.fees) < 0
                    || centsOf(terms.payment.value_or(0)) < 0;
    for (const OneOffExtra& extra : terms.extras) {
        prepared.extras.emplace_back(extra.number, centsOf(extra.amount));
        tooLarge = tooLarge || prepared.extras.back().second < 0;
    }
    if (tooLarge)
        return refused(LoanPlan::Refusal::AmountTooLarge);
    std::stable_sort(prepared.extras.begin(), prepared.extras.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    prepared.rateChanges = terms.rateChanges;
    std::stable_sort(prepared.rateChanges.begin(), prepared.rateChanges.end(),
                     [](const RateChange& a, const RateChange& b) { return a.number < b.number; });
    prepared.interestRounding = roundingOf(terms.interestRounding);

    Planner planner(prepared);
    LoanPlan plan;
    plan.rows.reserve(static_cast<std::size_t>(terms.payments));
    plan.refusal = planner.run(plan, true, true);
    if (plan.refusal != LoanPlan::Refusal::None)
        return refused(plan.refusal);
    plan.amount = prepared.amount;
    plan.fees = centsOf(terms.fees);
    plan.loanDate = terms.loanDate;
    const double firstRate = isDaily(terms.interestRule)
                                 ? terms.annualRate / terms.paymentsPerYear
                                 : ratePerPeriod(terms.annualRate, terms.paymentsPerYear, terms.compoundingsPerYear);
    plan.effectiveAnnualRate = finiteResult(std::expm1(terms.paymentsPerYear * logGrowth(firstRate)));

    const bool hasExtras = prepared.extra != 0
                           || std::any_of(prepared.extras.begin(), prepared.extras.end(),
                                          [](const auto& extra) { return extra.second != 0; });
    if (hasExtras) {
        LoanPlan withoutExtras;
        if (planner.run(withoutExtras, false, false) == LoanPlan::Refusal::None) {
            plan.comparedWithoutExtras = true;
            plan.interestSaved = withoutExtras.totalInterest - plan.totalInterest;
            plan.paymentsSaved = planner.paymentsMade() - std::int64_t(plan.rows.size());
        }
    }
    return plan;
}

std::optional<double> annualPercentageRate(const LoanPlan& plan)
{
    if (plan.refusal != LoanPlan::Refusal::None || plan.rows.empty())
        return std::nullopt;
    // The flows go straight into the rate search's series: the rows are in
    // date order, none before the loan date.
    detail::SeriesBuilder flows(365, plan.rows.size() + 1);
    flows.add(double(plan.loanDate), double(plan.amount - plan.fees));
    for (const PlanRow& row : plan.rows)
        flows.add(double(row.date), -double(row.payment + row.extra));
    const detail::FlowSeries series = flows.finish();
    if (series.values.empty())
        return std::nullopt;
    // A loan's flows change sign once, so there is one rate at most.
    const std::vector<double> rates = detail::analyzeSeries(series).rates;
    if (rates.empty())
        return std::nullopt;
    return rates.front();
}

double solveLoanTerm(const LoanTerms& terms, LoanTerm unknown)
{
    requireFinite({terms.amount, terms.annualRate, terms.balloon, terms.payment.value_or(0)});
    requireListed(terms.paymentsPerYear, terms.compoundingsPerYear);
    if (unknown != LoanTerm::Payment && !terms.payment)
        invalidArgument();
    const bool daily = isDaily(terms.interestRule);
    const PaymentTiming timing = daily ? PaymentTiming::End : terms.timing;
    const double amount = std::fabs(terms.amount);
    const double balloon = std::fabs(terms.balloon);
    const double payment = std::fabs(terms.payment.value_or(0));
    const double count = double(terms.payments);
    const auto rateAt = [&](double annualRate) {
        return daily ? annualRate / terms.paymentsPerYear
                     : ratePerPeriod(annualRate, terms.paymentsPerYear, terms.compoundingsPerYear);
    };
    switch (unknown) {
    case LoanTerm::Payment:
        return levelPayment(rateAt(terms.annualRate), count, amount, balloon, timing);
    case LoanTerm::Amount: {
        const double rate = rateAt(terms.annualRate);
        const double balloonPeriods = timing == PaymentTiming::Begin ? count - 1 : count;
        const double balloonNow =
            balloon == 0 ? 0 : balloon * detail::toDouble(scaledExp(-balloonPeriods * logGrowth(rate)));
        return finiteResult(PV(rate, count, -payment, timing) + balloonNow);
    }
    case LoanTerm::Payments: {
        // The balloon's interest is paid with each payment; the rest pays off
        // the amount less the balloon (at the start, as seen a period later).
        const double rate = rateAt(terms.annualRate);
        const double owed = timing == PaymentTiming::Begin ? checkedDivide(amount, 1 + rate) : amount;
        return NPer(rate, -(payment - rate * balloon), owed - balloon);
    }
    case LoanTerm::AnnualRate: {
        const double rate = balloon == 0 ? Rate(count, -payment, amount, timing)
                                         : rateWithBalloon(count, payment, amount, balloon, timing);
        return daily ? rate * terms.paymentsPerYear
                     : annualRateOf(rate, terms.paymentsPerYear, terms.compoundingsPerYear);
    }
    }
    invalidArgument();
}

}  // namespace finance
