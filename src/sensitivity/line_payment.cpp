#include "sensitivity/line_payment.h"

#include <cmath>

namespace sensitivity {

namespace {

// From 1/8 up, 100 * |payment| minus a nearby whole number is a double, so
// one fused multiply-add gives it exactly; below 2^53 / 128 the number of
// cents stays a whole double.
constexpr double smallestExact = 0.125;
constexpr double largestExact = 9007199254740992.0 / 128;

}  // namespace

double linePayment(double payment, const finance::NumberSymbols& symbols)
{
    const double magnitude = std::fabs(payment);
    if (!(magnitude >= smallestExact && magnitude < largestExact))
        return finance::textToNumber(finance::Format(payment, "standard", symbols), symbols);
    double cents = std::round(magnitude * 100);
    const double rest = std::fma(magnitude, 100, -cents);  // exactly 100 * magnitude - cents
    if (rest >= 0.5)
        cents += 1;
    else if (rest < -0.5)
        cents -= 1;
    // cents / 100 is never halfway between two doubles, so the division rounds
    // as reading the decimal text does.
    return std::copysign(cents / 100, payment);
}

}  // namespace sensitivity
