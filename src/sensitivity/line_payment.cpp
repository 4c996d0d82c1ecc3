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

double linePayment(double payment)
{
    const double magnitude = std::fabs(payment);
    // From 2^53 / 128 up doubles are at least 1/64 apart: rounding to cents
    // moves a payment by at most half a cent, less than half that spacing, so
    // the rounded amount reads back as the payment itself.
    if (magnitude >= largestExact)
        return payment;
    double cents = std::round(magnitude * 100);
    if (magnitude >= smallestExact) {
        const double rest = std::fma(magnitude, 100, -cents);  // exactly 100 * magnitude - cents
        if (rest >= 0.5)
            cents += 1;
        else if (rest < -0.5)
            cents -= 1;
    } else if (std::fma(magnitude, 100, -(cents + 0.5)) >= 0) {
        // Below 1/8 the rest may not be a double, but the sign of a fused
        // multiply-add is always exact.
        cents += 1;
    } else if (std::fma(magnitude, 100, -(cents - 0.5)) < 0) {
        cents -= 1;
    }
    if (cents == 0)
        return 0;  // an amount that shows as zero has no sign
    // cents / 100 is never halfway between two doubles, so the division rounds
    // as reading the decimal text does.
    return std::copysign(cents / 100, payment);
}

}  // namespace sensitivity
