// Times the cash-flow library: the net present value of 1,000,000 flows
// against a bare loop of the same arithmetic (Horner's rule in 1/(1+rate);
// dated, a power per flow), and the rate search over flows changing sign
// once and twenty times, periodic and dated. Needs no window, so it shares
// only the way of counting with the other benchmarks.
//   cash_flow_bench [repetitions]
// Run on a Release build.
#include "finance/finance.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

namespace {

volatile double sink;

double medianMilliseconds(int repetitions, const std::function<double()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        sink = run();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// An outlay, then count - 1 returns of about 1.2 times the outlay in all.
std::vector<double> oneSignChange(std::size_t count, std::mt19937_64& random)
{
    std::uniform_real_distribution<double> spread(0.5, 1.5);
    std::vector<double> values(count);
    values[0] = -1000.0 * static_cast<double>(count);
    for (std::size_t k = 1; k < count; ++k)
        values[k] = 1200.0 * spread(random);
    return values;
}

// 200 flows in twenty-one runs, signs alternating from run to run.
std::vector<double> twentySignChanges(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> spread(0.5, 1.5);
    std::vector<double> values(200);
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = ((k * 21 / 200) % 2 == 0 ? -100.0 : 100.0) * spread(random);
    return values;
}

// Days 30 apart on average, from day 0.
std::vector<double> daysFor(std::size_t count, std::mt19937_64& random)
{
    std::uniform_int_distribution<int> gap(28, 32);
    std::vector<double> days(count);
    for (std::size_t i = 1; i < count; ++i)
        days[i] = days[i - 1] + gap(random);
    return days;
}

void reportRates(const char* name, int repetitions, const std::function<finance::RateAnalysis()>& analyze)
{
    const finance::RateAnalysis analysis = analyze();
    const double ms = medianMilliseconds(repetitions, [&] { return double(analyze().rates.size()); });
    std::printf("%-44s median %9.3f ms  (%zu rates, %d sign changes, certainty %d)\n", name, ms,
                analysis.rates.size(), analysis.signChanges, static_cast<int>(analysis.certainty));
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    std::mt19937_64 random(15);

    const std::vector<double> million = oneSignChange(1000000, random);
    const std::vector<double> millionDays = daysFor(million.size(), random);
    for (double rate : {0.05, -0.0005}) {
        const double library = medianMilliseconds(repetitions, [&] { return finance::NetPresentValue(rate, million); });
        const double bare = medianMilliseconds(repetitions, [&] {
            const double x = 1 / (1 + rate);
            double sum = 0;
            for (std::size_t k = million.size(); k-- > 0;)
                sum = sum * x + million[k];
            return sum;
        });
        std::printf("NPV of 1,000,000 flows at %7.4f            median %9.3f ms, bare loop %7.3f ms, ratio %.2f\n",
                    rate, library, bare, library / bare);
    }
    const double datedLibrary =
        medianMilliseconds(repetitions, [&] { return finance::NetPresentValue(0.05, million, millionDays); });
    const double datedBare = medianMilliseconds(repetitions, [&] {
        double sum = 0;
        for (std::size_t i = 0; i < million.size(); ++i)
            sum += million[i] * std::pow(1.05, -(millionDays[i] - millionDays[0]) / 365);
        return sum;
    });
    std::printf("dated NPV of 1,000,000 flows at 0.05          median %9.3f ms, bare loop %7.3f ms, ratio %.2f\n",
                datedLibrary, datedBare, datedLibrary / datedBare);

    for (std::size_t count : {std::size_t{1000}, std::size_t{100000}}) {
        const std::vector<double> values = oneSignChange(count, random);
        const std::vector<double> days = daysFor(count, random);
        char name[64];
        std::snprintf(name, sizeof name, "rates of %zu flows, one sign change", count);
        reportRates(name, repetitions, [&] { return finance::analyzeRates(values); });
        std::snprintf(name, sizeof name, "dated rates of %zu flows, one sign change", count);
        reportRates(name, repetitions, [&] { return finance::analyzeRates(values, days); });
    }
    const std::vector<double> changing = twentySignChanges(random);
    const std::vector<double> changingDays = daysFor(changing.size(), random);
    reportRates("rates of 200 flows, 20 sign changes", repetitions, [&] { return finance::analyzeRates(changing); });
    reportRates("dated rates of 200 flows, 20 sign changes", repetitions,
                [&] { return finance::analyzeRates(changing, changingDays); });
    return 0;
}
