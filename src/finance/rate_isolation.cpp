// Rates of flows that change sign more than once. Between samples two close
// rates can hide, so every stretch of the search is settled with ball
// arithmetic: a stretch is dropped only where the present value provably
// keeps away from zero, and a rate is reported only where it provably changes
// sign with a nonzero slope, so exactly one rate lies there. What ball
// arithmetic cannot settle at any precision (a rate where the value only
// touches zero, or rates closer than the precision) is settled exactly where
// the flows fall on whole steps: their present value is then a polynomial
// with integer coefficients, factored into square-free parts whose rates are
// all simple, and so are separated at some precision.
#include "finance/cash_flow_series.h"

#include <arb_calc.h>
#include <arb_poly.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace finance::detail {

namespace {

constexpr slong firstPrecision = 64;
constexpr slong lastPrecision = 1024;
// Bisections of one stretch: at 100 they part rates 2^-100 of it apart.
constexpr slong maxDepth = 100;
constexpr slong maxEvaluations = 20000;

class Ball {
public:
    Ball() { arb_init(m_ball); }
    ~Ball() { arb_clear(m_ball); }
    Ball(const Ball&) = delete;
    Ball& operator=(const Ball&) = delete;
    arb_ptr get() { return m_ball; }

private:
    arb_t m_ball;
};

class Balls {
public:
    explicit Balls(slong count) : m_count(count), m_balls(_arb_vec_init(count)) {}
    ~Balls() { _arb_vec_clear(m_balls, m_count); }
    Balls(const Balls&) = delete;
    Balls& operator=(const Balls&) = delete;
    arb_ptr get() { return m_balls; }

private:
    slong m_count;
    arb_ptr m_balls;
};

// A closed stretch of the variable searched.
class Stretch {
public:
    explicit Stretch(const arf_interval_t interval)
    {
        arf_interval_init(m_interval);
        arf_interval_set(m_interval, interval);
    }
    Stretch(const Stretch& other) : Stretch(other.m_interval) {}
    Stretch& operator=(const Stretch& other)
    {
        arf_interval_set(m_interval, other.m_interval);
        return *this;
    }
    ~Stretch() { arf_interval_clear(m_interval); }
    arf_interval_struct* get() { return m_interval; }
    const arf_interval_struct* get() const { return m_interval; }

private:
    arf_interval_t m_interval;
};

// A function of the variable searched, as Taylor coefficients (arb_calc's
// convention), and the rate at a value of the variable.
struct Searched {
    arb_calc_func_t function;
    void* param;
    void (*rateAt)(arb_ptr rate, const arb_t variable, const void* param, slong prec);
};

// g(sigma) = sum of values[i] * exp(-sigma * steps[i]) by Horner's rule over
// the gaps, each factor exp(-gap * sigma) a Taylor series in sigma.
int presentValueTaylor(arb_ptr out, const arb_t sigma, void* param, slong order, slong prec)
{
    const FlowSeries& series = *static_cast<const FlowSeries*>(param);
    Balls factors(static_cast<slong>(series.gaps.size()) * order);
    Ball scaled;
    for (std::size_t j = 0; j < series.gaps.size(); ++j) {
        arb_ptr factor = factors.get() + static_cast<slong>(j) * order;
        arb_set_d(scaled.get(), -series.gaps[j]);
        arb_mul(factor, scaled.get(), sigma, prec);
        arb_exp(factor, factor, prec);
        for (slong k = 1; k < order; ++k) {
            arb_mul(factor + k, factor + k - 1, scaled.get(), prec);
            arb_div_si(factor + k, factor + k, k, prec);
        }
    }
    Balls product(order);
    Ball value;
    const std::size_t n = series.values.size();
    _arb_vec_zero(out, order);
    arb_set_d(out, series.values[n - 1]);
    for (std::size_t i = n - 1; i-- > 0;) {
        _arb_poly_mullow(product.get(), out, order, factors.get() + static_cast<slong>(series.gapIndex[i]) * order,
                         order, order, prec);
        _arb_vec_set(out, product.get(), order);
        arb_set_d(value.get(), series.values[i]);
        arb_add(out, out, value.get(), prec);
    }
    return 0;
}

void rateAtSigma(arb_ptr rate, const arb_t sigma, const void* param, slong prec)
{
    const FlowSeries& series = *static_cast<const FlowSeries*>(param);
    arb_mul_si(rate, sigma, static_cast<slong>(series.stepsPerYear), prec);
    arb_expm1(rate, rate, prec);
}

// A square-free factor of the present value as a polynomial in z = exp(-sigma).
struct Factor {
    const fmpz_poly_struct* polynomial;
    double stepsPerYear;
};

int factorTaylor(arb_ptr out, const arb_t z, void* param, slong order, slong prec)
{
    const Factor& factor = *static_cast<const Factor*>(param);
    arb_poly_t derivative;
    arb_poly_init(derivative);
    arb_poly_set_fmpz_poly(derivative, factor.polynomial, prec);
    // Taylor coefficient k is the k-th derivative over k!.
    slong factorial = 1;
    for (slong k = 0; k < order; ++k) {
        factorial *= std::max<slong>(k, 1);
        arb_poly_evaluate(out + k, derivative, z, prec);
        arb_div_si(out + k, out + k, factorial, prec);
        arb_poly_derivative(derivative, derivative, prec);
    }
    arb_poly_clear(derivative);
    return 0;
}

// A value over a stretch where plain ball evaluation cannot tell its sign:
// also the value at the middle plus the slope over the stretch times the
// half width. Near a rate where the value only touches zero, plain
// evaluation is as wide as the stretch, and the search would keep every
// piece within the square root of its width; this form is as wide as the
// stretch times the slope there.
template <arb_calc_func_t taylor>
int centered(arb_ptr out, const arb_t x, void* param, slong order, slong prec)
{
    taylor(out, x, param, order, prec);
    if (order != 1 || arb_is_exact(x) || !arb_contains_zero(out))
        return 0;
    Balls slope(2);
    taylor(slope.get(), x, param, 2, prec);
    Ball middle;
    arb_set_arf(middle.get(), arb_midref(x));
    Ball value;
    taylor(value.get(), middle.get(), param, 1, prec);
    mag_t spread;
    mag_init(spread);
    arb_get_mag(spread, slope.get() + 1);
    mag_mul(spread, spread, arb_radref(x));
    arb_add_error_mag(value.get(), spread);
    mag_clear(spread);
    if (!arb_intersection(out, out, value.get(), prec))
        arb_indeterminate(out);
    return 0;
}

// z^-stepsPerYear - 1
void rateAtZ(arb_ptr rate, const arb_t z, const void* param, slong prec)
{
    const Factor& factor = *static_cast<const Factor*>(param);
    arb_log(rate, z, prec);
    arb_mul_si(rate, rate, -static_cast<slong>(factor.stepsPerYear), prec);
    arb_expm1(rate, rate, prec);
}

// Splits the stretch into those holding exactly one rate and those left
// unknown at the last precision. Unknown neighbours are joined before a
// closer look, and each look bisects only as deep as its precision can tell
// values apart: below that every piece near a rate would stay unknown.
void isolate(const Searched& searched, const Stretch& stretch, slong prec, slong last, std::vector<Stretch>& single,
             std::vector<Stretch>& unknown)
{
    arf_interval_ptr blocks = nullptr;
    int* flags = nullptr;
    const slong count = arb_calc_isolate_roots(&blocks, &flags, searched.function, searched.param, stretch.get(),
                                               std::min<slong>(prec / 2 + 8, maxDepth), maxEvaluations, WORD_MAX,
                                               prec);
    std::vector<Stretch> open;
    for (slong i = 0; i < count; ++i) {
        if (flags[i] == 1)
            single.emplace_back(blocks + i);
        else if (!open.empty() && arf_equal(&open.back().get()->b, &blocks[i].a))
            arf_set(&open.back().get()->b, &blocks[i].b);
        else
            open.emplace_back(blocks + i);
    }
    _arf_interval_vec_clear(blocks, count);
    flint_free(flags);
    for (const Stretch& block : open) {
        if (prec < last)
            isolate(searched, block, prec * 4, last, single, unknown);
        else
            unknown.push_back(block);
    }
}

// The rates a stretch's ends stand for, as doubles (rounded outward enough
// for a report).
RateInterval ratesOf(const Searched& searched, const Stretch& stretch)
{
    Ball end;
    Ball rate;
    arb_set_arf(end.get(), &stretch.get()->a);
    searched.rateAt(rate.get(), end.get(), searched.param, lastPrecision);
    const double a = arf_get_d(arb_midref(rate.get()), ARF_RND_NEAR);
    arb_set_arf(end.get(), &stretch.get()->b);
    searched.rateAt(rate.get(), end.get(), searched.param, lastPrecision);
    const double b = arf_get_d(arb_midref(rate.get()), ARF_RND_NEAR);
    return {std::min(a, b), std::max(a, b)};
}

// The one rate in a stretch, narrowed until the double nearest its middle
// is within 2^-60 relative (1e-20 absolute near 0) of the rate.
double refinedRate(const Searched& searched, const Stretch& stretch)
{
    Stretch narrow = stretch;
    Stretch next = stretch;
    Ball variable;
    Ball rate;
    slong prec = firstPrecision;
    for (int round = 0; round < 200; ++round) {
        arf_interval_get_arb(variable.get(), narrow.get(), prec);
        searched.rateAt(rate.get(), variable.get(), searched.param, prec + 64);
        const double middle = arf_get_d(arb_midref(rate.get()), ARF_RND_NEAR);
        const double radius = mag_get_d(arb_radref(rate.get()));
        if (radius <= std::max(std::ldexp(std::fabs(middle), -60), 1e-20))
            return middle;
        const int status = arb_calc_refine_root_bisect(next.get(), searched.function, searched.param, narrow.get(),
                                                       8, prec);
        if (status != ARB_CALC_SUCCESS && prec < lastPrecision * 4)
            prec *= 2;
        narrow = next;
    }
    arf_interval_get_arb(variable.get(), narrow.get(), prec);
    searched.rateAt(rate.get(), variable.get(), searched.param, prec + 64);
    return arf_get_d(arb_midref(rate.get()), ARF_RND_NEAR);
}

// The present value as a polynomial in exp(-sigma) with integer
// coefficients: every value is an integer times a power of 2.
void exactPolynomial(fmpz_poly_t polynomial, const FlowSeries& series)
{
    int lowest = 0;
    bool first = true;
    for (double v : series.values) {
        int exponent = 0;
        std::frexp(v, &exponent);
        lowest = first ? exponent : std::min(lowest, exponent);
        first = false;
    }
    fmpz_t coefficient;
    fmpz_init(coefficient);
    fmpz_poly_zero(polynomial);
    for (std::size_t i = 0; i < series.values.size(); ++i) {
        int exponent = 0;
        const double mantissa = std::frexp(series.values[i], &exponent);
        fmpz_set_d(coefficient, std::ldexp(mantissa, 53));
        fmpz_mul_2exp(coefficient, coefficient, static_cast<ulong>(exponent - lowest));
        fmpz_poly_set_coeff_fmpz(polynomial, static_cast<slong>(series.steps[i]), coefficient);
    }
    fmpz_clear(coefficient);
}

// The stretch of z = exp(-sigma) for a stretch of sigma, rounded outward.
Stretch zStretch(const Stretch& sigma)
{
    arf_interval_t z;
    arf_interval_init(z);
    Ball end;
    arb_set_arf(end.get(), &sigma.get()->b);
    arb_neg(end.get(), end.get());
    arb_exp(end.get(), end.get(), lastPrecision);
    arb_get_lbound_arf(&z->a, end.get(), lastPrecision);
    arb_set_arf(end.get(), &sigma.get()->a);
    arb_neg(end.get(), end.get());
    arb_exp(end.get(), end.get(), lastPrecision);
    arb_get_ubound_arf(&z->b, end.get(), lastPrecision);
    Stretch result(z);
    arf_interval_clear(z);
    return result;
}

bool contains(const Stretch& stretch, double x)
{
    return arf_cmp_d(&stretch.get()->a, x) <= 0 && arf_cmp_d(&stretch.get()->b, x) >= 0;
}

// Settles the stretches ball arithmetic left open by factoring exactly.
void settleExactly(const FlowSeries& series, const std::vector<Stretch>& open, IsolatedRates& found)
{
    fmpz_poly_t polynomial;
    fmpz_poly_init(polynomial);
    exactPolynomial(polynomial, series);
    fmpz_poly_factor_t factors;
    fmpz_poly_factor_init(factors);
    fmpz_poly_factor_squarefree(factors, polynomial);
    fmpz_poly_t atOne;  // z - 1: a rate of exactly 0 is taken out first
    fmpz_poly_init(atOne);
    fmpz_poly_set_coeff_si(atOne, 1, 1);
    fmpz_poly_set_coeff_si(atOne, 0, -1);
    fmpz_t one;
    fmpz_t valueAtOne;
    fmpz_init_set_ui(one, 1);
    fmpz_init(valueAtOne);
    fmpz_poly_t reduced;
    fmpz_poly_init(reduced);
    for (slong k = 0; k < factors->num; ++k) {
        fmpz_poly_set(reduced, factors->p + k);
        fmpz_poly_evaluate_fmpz(valueAtOne, reduced, one);
        const bool zeroRate = fmpz_is_zero(valueAtOne);
        if (zeroRate)
            fmpz_poly_div(reduced, reduced, atOne);
        Factor factor{reduced, series.stepsPerYear};
        const Searched searched{centered<factorTaylor>, &factor, rateAtZ};
        bool zeroRateFound = false;
        for (const Stretch& sigma : open) {
            const Stretch z = zStretch(sigma);
            if (zeroRate && !zeroRateFound && contains(z, 1)) {
                found.rates.push_back(0);
                zeroRateFound = true;
            }
            if (fmpz_poly_degree(reduced) < 1)
                continue;
            std::vector<Stretch> single;
            std::vector<Stretch> unknown;
            isolate(searched, z, firstPrecision, lastPrecision, single, unknown);
            for (const Stretch& s : single)
                found.rates.push_back(refinedRate(searched, s));
            for (const Stretch& s : unknown)
                found.unsettled.push_back(ratesOf(searched, s));
        }
    }
    fmpz_poly_clear(reduced);
    fmpz_clear(valueAtOne);
    fmpz_clear(one);
    fmpz_poly_clear(atOne);
    fmpz_poly_factor_clear(factors);
    fmpz_poly_clear(polynomial);
}

}  // namespace

IsolatedRates isolateRates(const FlowSeries& series)
{
    const Searched searched{centered<presentValueTaylor>, const_cast<FlowSeries*>(&series), rateAtSigma};
    arf_interval_t whole;
    arf_interval_init(whole);
    arf_set_d(&whole->a, lowestLogRate() / series.stepsPerYear);
    arf_set_d(&whole->b, highestLogRate() / series.stepsPerYear);
    const Stretch search(whole);
    arf_interval_clear(whole);

    // Where the flows make a polynomial, its exact factors settle what the
    // first precision leaves open, sooner than higher precisions would.
    const bool exact = series.polynomialDegree > 0;
    std::vector<Stretch> single;
    std::vector<Stretch> unknown;
    isolate(searched, search, firstPrecision, exact ? firstPrecision : lastPrecision, single, unknown);
    IsolatedRates found;
    for (const Stretch& s : single)
        found.rates.push_back(refinedRate(searched, s));
    if (exact && !unknown.empty()) {
        settleExactly(series, unknown, found);
    } else {
        for (const Stretch& s : unknown)
            found.unsettled.push_back(ratesOf(searched, s));
    }

    // Only what lies within the search counts; two rates one double apart are
    // given once, and marked.
    auto outside = [](double rate) { return !withinSearch(rate); };
    found.rates.erase(std::remove_if(found.rates.begin(), found.rates.end(), outside), found.rates.end());
    std::sort(found.rates.begin(), found.rates.end());
    for (std::size_t i = 1; i < found.rates.size(); ++i) {
        if (found.rates[i] == found.rates[i - 1])
            found.unsettled.push_back({found.rates[i], found.rates[i]});
    }
    found.rates.erase(std::unique(found.rates.begin(), found.rates.end()), found.rates.end());
    auto beyond = [](const RateInterval& r) { return r.high < lowestRate || r.low > highestRate; };
    found.unsettled.erase(std::remove_if(found.unsettled.begin(), found.unsettled.end(), beyond),
                          found.unsettled.end());
    std::sort(found.unsettled.begin(), found.unsettled.end(),
              [](const RateInterval& a, const RateInterval& b) { return a.low < b.low; });
    return found;
}

}  // namespace finance::detail
