#include "finance/finance.h"

#include "finance/checks.h"
#include "finance/decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace finance {

using namespace detail;

// Rounds the exact binary value, so 2.675 (stored just below) gives 2.67;
// only a value that is exactly half-way goes to even (0.125 -> 0.12).
double Round(double x, int decimals)
{
    requireFinite({x});
    if (decimals < 0)
        invalidArgument();
    if (decimals == 0)
        return finiteResult(std::nearbyint(x));
    // Past 340 decimals every double keeps its value.
    if (decimals > 340)
        return x;
    std::array<char, 720> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, decimals);
    double rounded = 0;
    readClassic(std::string(text.data(), written.ptr), rounded);
    return finiteResult(rounded);
}

short toInteger16(double x)
{
    requireFinite({x});
    const double rounded = std::nearbyint(x);
    if (rounded < -32768 || rounded > 32767)
        throw RuntimeError(Overflow);
    return static_cast<short>(rounded);
}

}  // namespace finance
