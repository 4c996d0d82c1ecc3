#include "finance/finance.h"

#include "finance/checks.h"

#include <cmath>

namespace finance {

using namespace detail;

double Power(double x, double y)
{
    requireFinite({x, y});
    if (x < 0 && std::trunc(y) != y)
        invalidArgument();
    if (x == 0 && y < 0)
        invalidArgument();
    return finiteResult(std::pow(x, y));
}

double checkedAdd(double a, double b)
{
    requireFinite({a, b});
    return finiteResult(a + b);
}

double checkedMultiply(double a, double b)
{
    requireFinite({a, b});
    return finiteResult(a * b);
}

// 0/0 has no real result, which the handlers report as an overflow.
double checkedDivide(double a, double b)
{
    requireFinite({a, b});
    if (b == 0)
        throw RuntimeError(a == 0 ? Overflow : DivisionByZero);
    return finiteResult(a / b);
}

}  // namespace finance
