// Cash flows as the rate search sees them: in date order, same-day flows
// summed, zeros left out, each at a whole number of steps (periods, or days
// for dated flows) after the earliest. In sigma = log(1 + rate) / stepsPerYear
// their present value at the earliest flow is
//     g(sigma) = sum of values[i] * exp(-sigma * steps[i]).
#pragma once

#include "finance/cash_flows.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace finance::detail {

struct FlowSeries {
    std::vector<double> steps;   // ascending, steps[0] = 0
    std::vector<double> values;  // none 0
    // steps[i + 1] - steps[i] is gaps[gapIndex[i]]; few distinct gaps in practice.
    std::vector<double> gaps;
    std::vector<std::uint32_t> gapIndex;
    double stepsPerYear = 1;
    // g is a polynomial in exp(-sigma) of this degree, small enough to factor
    // exactly; 0 when it is not (steps that are not whole, or too many).
    std::int64_t polynomialDegree = 0;
};

// Builds a series from flows given in ascending order of their steps, in one
// pass: same-step flows are summed and zero sums left out, as for any flows.
class SeriesBuilder {
public:
    SeriesBuilder(double stepsPerYear, std::size_t capacity);
    // Error 5 for a step before the last one added.
    void add(double step, double amount);
    FlowSeries finish();

private:
    void flush();
    std::uint32_t gapNumber(double gap);

    FlowSeries m_series;
    double m_firstStep = 0;
    double m_step = 0;
    double m_amount = 0;
    bool m_pending = false;
    bool m_whole = true;
    // Gap numbers of whole gaps below smallGaps by the gap, of others by a map.
    std::vector<std::uint32_t> m_smallGaps;
    std::unordered_map<double, std::uint32_t> m_otherGaps;
};

// The rates of a series, as analyzeRates gives them. Error 5 when it is empty.
RateAnalysis analyzeSeries(const FlowSeries& series);

// The search covers log(1 + rate) in [lowestLogRate, highestLogRate], a little
// wider than lowestRate..highestRate; only rates within those are reported.
double lowestLogRate();
double highestLogRate();
bool withinSearch(double rate);

// What the exact search found where the flows change sign more than once.
struct IsolatedRates {
    std::vector<double> rates;  // ascending
    std::vector<RateInterval> unsettled;
};

// Every rate of a series changing sign at least twice, proven by ball
// arithmetic, and by exact factoring where that is not enough.
IsolatedRates isolateRates(const FlowSeries& series);

}  // namespace finance::detail
