// Present values are summed by Horner's rule with every factor at most 1, so
// no step overflows, and a factor near 1 is applied as a + w*a with
// w = factor - 1, so that a tiny rate is not lost in 1 + rate (the rate
// search carries powers instead, see OneRateValue). The rates:
// no sign change means none; one means exactly one, bracketed and refined in
// doubles; more go to the exact search (rate_isolation.cpp).
#include "finance/cash_flows.h"

#include "finance/cash_flow_series.h"
#include "finance/checks.h"

#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace finance {

namespace {

using detail::FlowSeries;

// Dated flows with whole day steps up to this span are factored exactly when
// ball arithmetic alone cannot settle their rates (periodic flows alike).
constexpr double maxFactoredDegree = 20000;

// Whole gaps below this are numbered through a table, as dated flows' days are.
constexpr std::size_t smallGaps = 1024;
constexpr std::uint32_t noGap = UINT32_MAX;

// A Horner factor q = multiplier + keep with keep 0 or 1: near 1 it is kept
// as 1 + (q - 1), below 1/2 as q itself (there 1 + (q - 1) is exact anyway
// and q keeps its relative precision).
struct Factor {
    double multiplier;
    double keep;
};

Factor factorFromExcess(double excess)
{
    return excess > -0.5 ? Factor{excess, 1} : Factor{1 + excess, 0};
}

// Horner's rule over count values in the given order with one factor q:
// sum * q + value, written (sum + value) + (q - 1) * sum when q is near 1.
template <typename Value>
double hornerSum(Factor f, std::size_t count, bool backward, Value value)
{
    auto at = [&](std::size_t i) { return value(backward ? count - 1 - i : i); };
    double sum = at(0);
    if (f.keep == 1) {
        for (std::size_t i = 1; i < count; ++i)
            sum = (sum + at(i)) + f.multiplier * sum;
    } else {
        for (std::size_t i = 1; i < count; ++i)
            sum = f.multiplier * sum + at(i);
    }
    return sum;
}

// x * exp(logFactor), with no overflow on the way to a result in range.
double scaleByExp(double x, double logFactor)
{
    if (x == 0 || std::fabs(logFactor) < 700)
        return x * std::exp(logFactor);
    int exponent = 0;
    const double mantissa = std::frexp(x, &exponent);
    const double log2Factor = logFactor / std::log(2.0);
    if (log2Factor > 4000)
        return mantissa * HUGE_VAL;
    if (log2Factor < -4000)
        return 0;
    const double whole = std::floor(log2Factor);
    return std::ldexp(mantissa * std::exp2(log2Factor - whole), exponent + static_cast<int>(whole));
}

// A present value as value * exp(logScale).
struct ScaledValue {
    double value;
    double logScale;
};

// sum of values[k] * (1+rate)^-k: backward from the last flow when the
// factor 1/(1+rate) is at most 1, else forward with factor 1+rate, to be
// scaled by (1+rate)^-n at the end.
template <typename Value>
ScaledValue periodicPresentValue(double rate, std::size_t count, Value value)
{
    if (rate >= 0)
        return {hornerSum(factorFromExcess(-rate / (1 + rate)), count, true, value), 0};
    return {hornerSum(factorFromExcess(rate), count, false, value),
            -static_cast<double>(count - 1) * std::log1p(rate)};
}

void requireValues(const std::vector<double>& values)
{
    if (values.empty())
        detail::invalidArgument();
    for (double value : values)
        detail::requireFinite({value});
}

void requireRate(double rate)
{
    detail::requireFinite({rate});
    if (rate <= -1)
        detail::invalidArgument();
}

void requireDays(const std::vector<double>& values, const std::vector<double>& days)
{
    requireValues(values);
    if (days.size() != values.size())
        detail::invalidArgument();
    for (double day : days) {
        detail::requireFinite({day, day - days[0]});
    }
}

// Visits the flows' indices in date order, flows of one day in list order.
template <typename Visit>
void forEachInDateOrder(const std::vector<double>& days, Visit visit)
{
    if (std::is_sorted(days.begin(), days.end())) {
        for (std::size_t i = 0; i < days.size(); ++i)
            visit(i);
        return;
    }
    std::vector<std::size_t> order(days.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return days[a] < days[b]; });
    for (std::size_t i : order)
        visit(i);
}

// Flows in date order with same-day flows summed and zero sums left out:
// each flow's day and amount.
struct DatedFlows {
    std::vector<double> days;
    std::vector<double> amounts;
};

DatedFlows inDateOrder(const std::vector<double>& values, const std::vector<double>& days)
{
    DatedFlows flows;
    bool pending = false;
    double day = 0;
    double amount = 0;
    const auto flush = [&] {
        if (pending && amount != 0) {
            flows.days.push_back(day);
            flows.amounts.push_back(detail::finiteResult(amount));
        }
    };
    forEachInDateOrder(days, [&](std::size_t i) {
        if (pending && days[i] == day) {
            amount += values[i];
            return;
        }
        flush();
        pending = true;
        day = days[i];
        amount = values[i];
    });
    flush();
    return flows;
}

FlowSeries datedSeries(const std::vector<double>& values, const std::vector<double>& days)
{
    detail::SeriesBuilder builder(365, values.size());
    forEachInDateOrder(days, [&](std::size_t i) { builder.add(days[i], values[i]); });
    return builder.finish();
}

FlowSeries periodicSeries(const std::vector<double>& values)
{
    detail::SeriesBuilder builder(1, values.size());
    for (std::size_t k = 0; k < values.size(); ++k)
        builder.add(static_cast<double>(k), values[k]);
    return builder.finish();
}

int signChanges(const std::vector<double>& values)
{
    int changes = 0;
    for (std::size_t i = 1; i < values.size(); ++i)
        changes += (values[i] < 0) != (values[i - 1] < 0);
    return changes;
}

// The series' present value at sigma times a positive factor: at the first
// flow for sigma >= 0, at the last for sigma < 0, so that each flow is
// discounted by x = exp(-|sigma| d) <= 1 over its distance d from there.
// Blocks of flows start from an exact power and carry it from flow to flow
// by the power of each gap, so the rounding grows over one block only (a
// relative 1e-13 at most); where x stays above 1/2 over a block the carried
// number is x - 1 and the block's plain sum is added apart, so that a tiny
// rate is not lost in 1 + rate. Four blocks are carried side by side.
class OneRateValue {
public:
    explicit OneRateValue(const FlowSeries& series)
        : m_series(series), m_factors(series.gaps.size()), m_excesses(series.gaps.size()),
          m_zeros(series.gaps.size(), 0.0)
    {
        const std::vector<double>& v = series.values;
        for (std::size_t start = 0; start < v.size(); start += blockSize)
            m_blockSums.push_back(std::accumulate(v.begin() + std::ptrdiff_t(start),
                                                  v.begin() + std::ptrdiff_t(std::min(start + blockSize, v.size())),
                                                  0.0));
    }

    double operator()(double sigma)
    {
        const double lambda = std::fabs(sigma);
        for (std::size_t j = 0; j < m_series.gaps.size(); ++j) {
            m_factors[j] = std::exp(-lambda * m_series.gaps[j]);
            m_excesses[j] = std::expm1(-lambda * m_series.gaps[j]);
        }
        m_plain = 0;
        m_carried = 0;
        if (sigma >= 0)
            addAll<true>(lambda);
        else
            addAll<false>(lambda);
        return m_plain + m_carried;
    }

private:
    static constexpr std::size_t blockSize = 256;
    static constexpr std::size_t lanes = 4;

    template <bool forward>
    void addAll(double lambda)
    {
        const std::size_t n = m_series.values.size();
        const std::size_t fullBlocks = n / blockSize;
        std::size_t block = 0;
        for (; block + lanes <= fullBlocks; block += lanes)
            addBlocks<forward, lanes>(block, blockSize, lambda);
        for (; block < fullBlocks; ++block)
            addBlocks<forward, 1>(block, blockSize, lambda);
        if (n % blockSize != 0)
            addBlocks<forward, 1>(fullBlocks, n % blockSize, lambda);
    }

    // count blocks of the given length from block first, side by side.
    template <bool forward, std::size_t count>
    void addBlocks(std::size_t first, std::size_t length, double lambda)
    {
        const std::vector<double>& steps = m_series.steps;
        const std::vector<double>& v = m_series.values;
        const std::vector<std::uint32_t>& gapIndex = m_series.gapIndex;
        const double last = steps.back();
        std::size_t anchor[count];
        double x[count];
        double sum[count];
        const double* add[count];
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t start = (first + k) * blockSize;
            anchor[k] = forward ? start : start + length - 1;
            const double nearest = forward ? steps[start] : last - steps[start + length - 1];
            const double farthest = forward ? steps[start + length - 1] : last - steps[start];
            const bool nearOne = lambda * farthest <= std::log(2.0);
            x[k] = nearOne ? std::expm1(-lambda * nearest) : std::exp(-lambda * nearest);
            add[k] = nearOne ? m_excesses.data() : m_zeros.data();
            if (nearOne)
                m_plain += m_blockSums[first + k];
            sum[k] = 0;
        }
        for (std::size_t j = 0; j + 1 < length; ++j) {
            for (std::size_t k = 0; k < count; ++k) {
                const std::size_t i = forward ? anchor[k] + j : anchor[k] - j;
                sum[k] += v[i] * x[k];
                const std::uint32_t gap = gapIndex[forward ? i : i - 1];
                x[k] = x[k] * m_factors[gap] + add[k][gap];
            }
        }
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t i = forward ? anchor[k] + length - 1 : anchor[k] - (length - 1);
            m_carried += sum[k] + v[i] * x[k];
        }
    }

    const FlowSeries& m_series;
    std::vector<double> m_blockSums;
    std::vector<double> m_factors;   // exp(-|sigma| gap) per gap
    std::vector<double> m_excesses;  // that minus 1
    std::vector<double> m_zeros;
    double m_plain = 0;
    double m_carried = 0;
};

// A long series' flows merged in groups of coarseGroup (their sum at the
// group's middle step), whose rate is near the series' own; empty where a
// sum overflows.
constexpr std::size_t coarseGroup = 16;
constexpr std::size_t coarseFrom = 4096;

std::optional<FlowSeries> coarseSeries(const FlowSeries& series)
{
    const std::size_t n = series.values.size();
    detail::SeriesBuilder builder(series.stepsPerYear, n / coarseGroup + 1);
    for (std::size_t first = 0; first < n; first += coarseGroup) {
        const std::size_t end = std::min(first + coarseGroup, n);
        const double sum = std::accumulate(series.values.begin() + std::ptrdiff_t(first),
                                           series.values.begin() + std::ptrdiff_t(end), 0.0);
        if (!std::isfinite(sum))
            return std::nullopt;
        builder.add((series.steps[first] + series.steps[end - 1]) / 2, sum);
    }
    return builder.finish();
}

std::optional<double> singleRate(const FlowSeries& series);

// Ends of a stretch of sigma and the present values there.
struct Stretch {
    double low;
    double high;
    double atLow;
    double atHigh;
};

// sigma's stretch within [low, high] holding the rate, found from the rate of
// the merged flows with a few values of the whole series; empty when it
// finds none short of the whole search.
std::optional<Stretch> nearStretch(const FlowSeries& series, OneRateValue& value, double low, double high)
{
    const std::optional<FlowSeries> coarse = coarseSeries(series);
    if (!coarse || coarse->values.empty())
        return std::nullopt;
    const std::optional<double> guess = singleRate(*coarse);
    if (!guess)
        return std::nullopt;
    const double sigma = std::log1p(*guess) / series.stepsPerYear;
    for (double width = 1e-3 * std::fabs(sigma) + 1e-15 / series.stepsPerYear;; width *= 64) {
        const double a = std::max(low, sigma - width);
        const double b = std::min(high, sigma + width);
        if (a == low && b == high)
            return std::nullopt;
        const double atA = value(a);
        const double atB = value(b);
        if (atA != 0 && atB != 0 && (atA < 0) != (atB < 0))
            return Stretch{a, b, atA, atB};
    }
}

// The one rate of flows changing sign once, when it lies within the search.
// A long series starts from the stretch its merged flows point to.
std::optional<double> singleRate(const FlowSeries& series)
{
    OneRateValue presentValue(series);
    auto value = [&](double sigma) { return presentValue(sigma); };
    const double low = detail::lowestLogRate() / series.stepsPerYear;
    const double high = detail::highestLogRate() / series.stepsPerYear;
    std::optional<Stretch> stretch;
    if (series.values.size() >= coarseFrom)
        stretch = nearStretch(series, presentValue, low, high);
    if (!stretch)
        stretch = Stretch{low, high, value(low), value(high)};
    if (stretch->atLow == 0 || stretch->atHigh == 0 || (stretch->atLow < 0) == (stretch->atHigh < 0))
        return std::nullopt;
    // Down to a few units in the last place, or 1e-19 in log(1 + rate) near 0.
    const double floor = 1e-19 / series.stepsPerYear;
    auto closeEnough = [floor](double a, double b) {
        return std::fabs(b - a) <= std::max(floor, 4 * DBL_EPSILON * std::min(std::fabs(a), std::fabs(b)));
    };
    std::uintmax_t iterations = 200;
    const std::pair<double, double> bracket = boost::math::tools::toms748_solve(
        value, stretch->low, stretch->high, stretch->atLow, stretch->atHigh, closeEnough, iterations);
    const double rate = std::expm1((bracket.first + bracket.second) / 2 * series.stepsPerYear);
    if (!detail::withinSearch(rate))
        return std::nullopt;
    return rate;
}

// The time the running sum of amounts first turns non-negative, linear
// between the time before and the time it does.
std::optional<double> paybackTime(const std::vector<double>& times, const std::vector<double>& amounts)
{
    double sum = 0;
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        const double before = sum;
        sum += amounts[i];
        if (sum >= 0)
            return i == 0 ? times[0] : times[i - 1] + (times[i] - times[i - 1]) * (-before / (sum - before));
    }
    return std::nullopt;
}

// Amounts discounted at rate to time 0, all scaled by one positive factor so
// that none overflows: the payback does not depend on the scale.
std::vector<double> discounted(double rate, const std::vector<double>& times, const std::vector<double>& amounts)
{
    const double logFactor = -std::log1p(rate);
    double largest = -HUGE_VAL;
    for (double t : times)
        largest = std::max(largest, logFactor * t);
    std::vector<double> result(amounts.size());
    for (std::size_t i = 0; i < amounts.size(); ++i)
        result[i] = amounts[i] * std::exp(logFactor * times[i] - largest);
    return result;
}

std::vector<double> periodTimes(std::size_t count)
{
    std::vector<double> times(count);
    std::iota(times.begin(), times.end(), 0.0);
    return times;
}

std::vector<double> yearsAfter(double firstDay, const std::vector<double>& days)
{
    std::vector<double> years(days.size());
    for (std::size_t i = 0; i < days.size(); ++i)
        years[i] = (days[i] - firstDay) / 365;
    return years;
}

}  // namespace

namespace detail {

double lowestLogRate()
{
    return std::log(1e-9) - 0.25;
}

double highestLogRate()
{
    return std::log1p(1e9) + 0.25;
}

bool withinSearch(double rate)
{
    return rate >= lowestRate && rate <= highestRate;
}

SeriesBuilder::SeriesBuilder(double stepsPerYear, std::size_t capacity) : m_smallGaps(smallGaps, noGap)
{
    m_series.stepsPerYear = stepsPerYear;
    m_series.steps.reserve(capacity);
    m_series.values.reserve(capacity);
    m_series.gapIndex.reserve(capacity);
}

void SeriesBuilder::add(double step, double amount)
{
    if (m_pending && step == m_step) {
        m_amount += amount;
        return;
    }
    if (m_pending && !(step > m_step))
        invalidArgument();
    flush();
    m_pending = true;
    m_step = step;
    m_amount = amount;
}

void SeriesBuilder::flush()
{
    if (!m_pending || m_amount == 0)
        return;
    const double value = finiteResult(m_amount);
    if (m_series.steps.empty())
        m_firstStep = m_step;
    const double step = m_step - m_firstStep;
    m_whole = m_whole && step == std::floor(step);
    if (!m_series.steps.empty())
        m_series.gapIndex.push_back(gapNumber(step - m_series.steps.back()));
    m_series.steps.push_back(step);
    m_series.values.push_back(value);
}

std::uint32_t SeriesBuilder::gapNumber(double gap)
{
    const auto next = static_cast<std::uint32_t>(m_series.gaps.size());
    std::uint32_t number = next;
    if (gap < static_cast<double>(smallGaps) && gap == std::floor(gap)) {
        std::uint32_t& known = m_smallGaps[static_cast<std::size_t>(gap)];
        if (known == noGap)
            known = next;
        number = known;
    } else {
        number = m_otherGaps.emplace(gap, next).first->second;
    }
    if (number == next)
        m_series.gaps.push_back(gap);
    return number;
}

FlowSeries SeriesBuilder::finish()
{
    flush();
    m_pending = false;
    if (m_whole && !m_series.steps.empty() && m_series.steps.back() <= maxFactoredDegree)
        m_series.polynomialDegree = static_cast<std::int64_t>(m_series.steps.back());
    return std::move(m_series);
}

RateAnalysis analyzeSeries(const FlowSeries& series)
{
    if (series.values.empty())
        detail::invalidArgument();
    RateAnalysis analysis;
    analysis.signChanges = signChanges(series.values);
    if (analysis.signChanges == 1) {
        if (const std::optional<double> rate = singleRate(series))
            analysis.rates.push_back(*rate);
    } else if (analysis.signChanges > 1) {
        detail::IsolatedRates found = detail::isolateRates(series);
        analysis.rates = std::move(found.rates);
        analysis.unsettled = std::move(found.unsettled);
        analysis.certainty = analysis.unsettled.empty() ? RateCertainty::Isolated : RateCertainty::Unsettled;
    }
    return analysis;
}


}  // namespace detail

double NetPresentValue(double rate, const std::vector<double>& values)
{
    requireValues(values);
    requireRate(rate);
    const ScaledValue pv = periodicPresentValue(rate, values.size(), [&](std::size_t k) { return values[k]; });
    return detail::finiteResult(scaleByExp(pv.value, pv.logScale));
}

double NetPresentValue(double rate, const std::vector<double>& values, const std::vector<double>& days)
{
    requireDays(values, days);
    requireRate(rate);
    // Each term exp(E - largest E), then the sum scaled by exp(largest E).
    const double logFactor = -std::log1p(rate);
    double largest = -HUGE_VAL;
    for (double day : days)
        largest = std::max(largest, logFactor * ((day - days[0]) / 365));
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        sum += values[i] * std::exp(logFactor * ((days[i] - days[0]) / 365) - largest);
    return detail::finiteResult(scaleByExp(sum, largest));
}

RateAnalysis analyzeRates(const std::vector<double>& values)
{
    requireValues(values);
    return detail::analyzeSeries(periodicSeries(values));
}

RateAnalysis analyzeRates(const std::vector<double>& values, const std::vector<double>& days)
{
    requireDays(values, days);
    return detail::analyzeSeries(datedSeries(values, days));
}

std::vector<double> InternalRates(const std::vector<double>& values)
{
    return analyzeRates(values).rates;
}

std::vector<double> InternalRates(const std::vector<double>& values, const std::vector<double>& days)
{
    return analyzeRates(values, days).rates;
}

double ModifiedInternalRate(const std::vector<double>& values, double financeRate, double reinvestRate)
{
    requireValues(values);
    requireRate(financeRate);
    requireRate(reinvestRate);
    const std::size_t n = values.size() - 1;
    const bool anyNegative = std::any_of(values.begin(), values.end(), [](double v) { return v < 0; });
    const bool anyPositive = std::any_of(values.begin(), values.end(), [](double v) { return v > 0; });
    if (n == 0 || !anyNegative || !anyPositive)
        detail::invalidArgument();
    // In logs: (1+reinvest) * (PV of positives at reinvest / -PV of negatives
    // at finance)^(1/n) - 1, so no future value overflows on the way.
    const ScaledValue positive =
        periodicPresentValue(reinvestRate, values.size(), [&](std::size_t k) { return std::max(values[k], 0.0); });
    const ScaledValue negative =
        periodicPresentValue(financeRate, values.size(), [&](std::size_t k) { return -std::min(values[k], 0.0); });
    const double logRatio = std::log(positive.value) + positive.logScale - std::log(negative.value) - negative.logScale;
    return detail::finiteResult(std::expm1(std::log1p(reinvestRate) + logRatio / static_cast<double>(n)));
}

std::optional<double> payback(const std::vector<double>& values)
{
    requireValues(values);
    return paybackTime(periodTimes(values.size()), values);
}

std::optional<double> payback(const std::vector<double>& values, const std::vector<double>& days)
{
    requireDays(values, days);
    const DatedFlows flows = inDateOrder(values, days);
    return paybackTime(yearsAfter(days[0], flows.days), flows.amounts);
}

std::optional<double> discountedPayback(double rate, const std::vector<double>& values)
{
    requireValues(values);
    requireRate(rate);
    const std::vector<double> times = periodTimes(values.size());
    return paybackTime(times, discounted(rate, times, values));
}

std::optional<double> discountedPayback(double rate, const std::vector<double>& values,
                                        const std::vector<double>& days)
{
    requireDays(values, days);
    requireRate(rate);
    const DatedFlows flows = inDateOrder(values, days);
    const std::vector<double> times = yearsAfter(days[0], flows.days);
    return paybackTime(times, discounted(rate, times, flows.amounts));
}

}  // namespace finance
