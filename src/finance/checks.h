// Argument and result checks shared by the library's functions.
#pragma once

#include "finance/finance.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace finance::detail {

[[noreturn]] inline void invalidArgument()
{
    throw RuntimeError(InvalidArgument);
}

inline void requireFinite(std::initializer_list<double> values)
{
    for (double value : values) {
        if (!std::isfinite(value))
            invalidArgument();
    }
}

// A computed result: beyond the range of a double it is an overflow, and a
// zero is always +0 so that no caller ever shows "-0".
inline double finiteResult(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(Overflow);
    return value == 0 ? 0.0 : value;
}

// A group size of NumberSymbols; one below 1 would group nothing, so it
// counts as 3.
inline std::size_t groupSize(int size)
{
    return size > 0 ? static_cast<std::size_t>(size) : 3;
}

}  // namespace finance::detail
