#pragma once
// The discount-factor sum behind DiscountFactorSum, and the ways it can be computed. Every way
// gives the bits and the errors of the step-by-step sum (ReferenceLoanMath.h); they differ only
// in speed. DiscountSum.cpp picks one per call, DiscountSumAvx2.cpp holds the vector kernel.

#include <cstdint>

namespace plumcrest::discount {

// 1 + 1/(1 + x) plus (1 + x)^-i for i = 2 .. count - 1, each term from its own clamped power.
// With partials (count elements, for tests), partials[i] is the sum up to period i for i >= 1.
double Sum(std::int32_t count, double monthlyRate, double* partials = nullptr);

enum class Path {
    Automatic,     // the vector kernel when the processor and the floating-point state allow it
    Portable,      // one period at a time, no vector instructions
    Vector,        // the vector kernel wherever it applies, even if Automatic would not choose it
    VectorNoTrust, // the vector kernel, but every period and every addition redone the plain way
};

// For tests: the way every later Sum on any thread takes. Vector falls back to Portable when the
// processor lacks AVX2 and FMA (VectorAvailable).
void ForcePath(Path path);
bool VectorAvailable();

namespace detail {

// Periods the kernel may handle: i * |ln base| stays inside these bounds, so every term, its
// reciprocal and every partial sum is a normal double and nothing can raise an error.
constexpr double kHighestExponent = 87.5; // below the cap at 88
constexpr double kLowestExponent = -679.5;
constexpr double kWidestLog = 0.75;           // |ln base|, so the setup series converges quickly
constexpr std::int32_t kLastPeriod = 1 << 20; // bounds the error the power tables accumulate

// One period the plain way: (1 + x)^-i as PowerClamped and the reciprocal give it.
double PlainTerm(long double lnBase, std::int32_t i);
// The power and the reciprocal the plain way: expl(t) rounded to double, 1/power rounded twice.
double PlainPower(double t);
double PlainReciprocal(double power);
// One addition the plain way: sum + term in extended precision, rounded to double.
double PlainAdd(double sum, double term);

// Adds the terms of periods 2 .. end - 1 to sum with AVX2 and FMA, end a multiple of 4; the caller
// has checked that the processor has them, that the floating-point state is the default one and
// that every period below end lies inside the bounds above. noTrust sends every period and every
// addition the plain way.
double SumAvx2(double sum, long double lnBase, std::int32_t end, bool noTrust, double* partials);

} // namespace detail
} // namespace plumcrest::discount
