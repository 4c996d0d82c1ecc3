// The rate solver behind Rate, exposed with its iteration count so that the
// tests and the accuracy bench can watch how fast it converges.
#pragma once

namespace finance::detail {

struct RateSolution {
    double rate = 0;
    int iterations = 0;
};

RateSolution solveRate(double nper, double pmt, double pv);

}  // namespace finance::detail
