// The rate solver behind Rate, exposed with its iteration count so that the
// tests and the accuracy bench can watch how fast it converges.
#pragma once

#include "finance/finance.h"

namespace finance::detail {

struct RateSolution {
    double rate = 0;
    int iterations = 0;
};

RateSolution solveRate(double nper, double pmt, double pv, PaymentTiming timing = PaymentTiming::End);

}  // namespace finance::detail
