// Counts the lines of a run before any is computed, by the same accumulation
// the run's loop uses, so that a range too long to list, or one whose step is
// lost in the size of the bounds, is refused before the list changes.
#pragma once

#include <cstddef>

namespace sensitivity {

// The most lines one run may add.
constexpr std::size_t maxRunLines = 1000000;

struct RunPlan {
    enum class Outcome {
        Ok,            // lines is the exact number of lines the loop will add
        TooManyLines,  // more than the limit
        CounterStuck,  // adding the step leaves the counter where it was
    };
    Outcome outcome;
    std::size_t lines;  // meaningful for Ok only
};

// Lines of the loop "counter = lower; while counter <= end: line; counter += step".
RunPlan planRun(double lower, double end, double step, std::size_t limit = maxRunLines);

}  // namespace sensitivity
