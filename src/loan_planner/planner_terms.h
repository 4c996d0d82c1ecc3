// Everything the loan planner's fields hold, as one plain value: the loan's
// terms and events, and which of the four main terms was left to compute.
#pragma once

#include "finance/loan_plan.h"

#include <optional>

namespace loan_planner {

struct PlannerTerms {
    // The unknown's own member is not read; the timing is the program's switch.
    finance::LoanTerms loan;
    // The one of amount, annual rate, number of payments and payment left
    // empty; none when all four are given.
    std::optional<finance::LoanTerm> unknown;
};

}  // namespace loan_planner
