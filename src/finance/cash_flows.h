// Uneven cash flows: net present value, every internal rate of return, the
// modified internal rate, and the payback periods. Periodic flows fall one a
// period: values[0] now, values[k] at the end of period k. Dated flows fall on
// day numbers: flow i falls (days[i] - days[0]) / 365 years after the first
// flow of the list, and rates are annual (effective). Flows on the same day
// count as one flow, their sum.
//
// Errors: RuntimeError 5 for no values, sizes that differ, a value, rate or
// day that is not finite, a rate of -1 or below; RuntimeError 6 for a result
// beyond the range of a double. Never NaN or infinity.
#pragma once

#include <optional>
#include <vector>

namespace finance {

// Sum of values[k] * (1+rate)^-k.
double NetPresentValue(double rate, const std::vector<double>& values);
// Sum of values[i] * (1+rate)^-((days[i] - days[0]) / 365).
double NetPresentValue(double rate, const std::vector<double>& values, const std::vector<double>& days);

// The rates searched: every rate from lowestRate to highestRate; a rate
// beyond them may be left out (closer to -1 than 1e-9, or above 1e9).
constexpr double lowestRate = -1 + 1e-9;
constexpr double highestRate = 1e9;

// Every rate r > -1 at which NetPresentValue(r, values) is 0, ascending; each
// within 1e-9 relative of a true rate (1e-15 absolute for rates within 1e-6
// of 0); a rate where the value only touches zero is given once. Empty if
// none. Error 5 when every value is 0 (every rate would do). Where the
// search could not settle a stretch of rates, it gives none from there:
// analyzeRates says where.
std::vector<double> InternalRates(const std::vector<double>& values);
std::vector<double> InternalRates(const std::vector<double>& values, const std::vector<double>& days);

// How the number of rates is known.
enum class RateCertainty {
    SignRule,   // the flows change sign at most once: that many rates, no more
                // (none found with one change: the rate lies beyond the search)
    Isolated,   // several changes; every rate in the search proven and separated
    Unsettled,  // several changes; some stretch could not be settled
};

// A stretch of rates that may hold rates, or two rates one double apart.
struct RateInterval {
    double low;
    double high;
};

struct RateAnalysis {
    std::vector<double> rates;  // as InternalRates gives them
    // Sign changes of the flows in date order, zeros skipped: by the rule of
    // signs, the number of rates is this minus an even number.
    int signChanges = 0;
    RateCertainty certainty = RateCertainty::SignRule;
    std::vector<RateInterval> unsettled;  // ascending; empty unless Unsettled
};

// The rates with how their count is known. Errors as InternalRates.
RateAnalysis analyzeRates(const std::vector<double>& values);
RateAnalysis analyzeRates(const std::vector<double>& values, const std::vector<double>& days);

// (future value at reinvestRate of the positive flows / -present value at
// financeRate of the negative flows)^(1/n) - 1, n = values.size() - 1.
// Error 5 for n = 0, a rate of -1 or below, or flows without at least one
// negative and one positive value.
double ModifiedInternalRate(const std::vector<double>& values, double financeRate, double reinvestRate);

// Periods (years of 365 days for dated flows, counted from days[0]) until the
// running sum of the flows in date order first turns non-negative, linear
// within the period where it does; the time of the earliest flow when that is
// non-negative already; nullopt when the sum never does.
std::optional<double> payback(const std::vector<double>& values);
std::optional<double> payback(const std::vector<double>& values, const std::vector<double>& days);
// The same with each flow discounted at rate to the time of days[0] (to now
// for periodic flows).
std::optional<double> discountedPayback(double rate, const std::vector<double>& values);
std::optional<double> discountedPayback(double rate, const std::vector<double>& values,
                                        const std::vector<double>& days);

}  // namespace finance
