#include "sensitivity/run_plan.h"

namespace sensitivity {

RunPlan planRun(double lower, double end, double step, std::size_t limit)
{
    std::size_t lines = 0;
    for (double counter = lower; counter <= end;) {
        if (lines == limit)
            return {RunPlan::Outcome::TooManyLines, lines};
        ++lines;
        const double next = counter + step;
        if (next == counter)
            return {RunPlan::Outcome::CounterStuck, lines};
        counter = next;
    }
    return {RunPlan::Outcome::Ok, lines};
}

}  // namespace sensitivity
