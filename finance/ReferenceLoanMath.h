#pragma once
// The unoptimised reference: DiscountFactorSum and SolveApr transcribed step by step, a fresh
// PowerClamped (logarithm and exponential) per period. The fast versions in LoanMath.h must give
// bit-identical results and the same errors; the benchmark and the tests compare against these.

#include <cstdint>

namespace plumcrest {

double ReferenceDiscountFactorSum(std::int32_t count, double monthlyRate);
double ReferenceSolveApr(std::int32_t years, double amountFinanced, double payment);

} // namespace plumcrest
