#pragma once
// The loan mathematics: level payment, discount-factor sum, clamped power and the APR solver.
// Extended precision between the points where a value is rounded to double; faults raise the
// MathError family (MathError.h). Rates are monthly fractions (annual percentage / 1200) except
// the APR, which is an annual percentage.

#include "MathError.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace plumcrest {

// The level payment per month; 0 for no months, principal / months at a zero rate.
double MonthlyPayment(std::int32_t months, double principal, double monthlyRate);

// Sum of (1 + monthlyRate)^-i for i = 0 .. count - 1, each term from its own power, each partial
// sum rounded to double. A count of 2 or less gives the first two terms.
double DiscountFactorSum(std::int32_t count, double monthlyRate);

// base^exponent through exp(ln(base) * exponent), the exponent of e capped at 88; 0 for base 0.
double PowerClamped(double base, double exponent);

// The annual rate, in percent, at which the payments discount to amountFinanced: 30 Newton steps
// from 12.5 % with a forward-difference slope over 0.1 point. 0 for no months or no payment.
// When the loan has a rate and the steps did not find it (they diverge or overflow for many long
// terms and for negative rates), the answer comes from BracketApr instead.
double SolveApr(std::int32_t years, double amountFinanced, double payment);

// What one solve did, for tests and diagnostics.
struct AprTrace {
    std::int32_t discountFactorSumCalls = 0; // counted by DiscountFactorSum itself
    std::vector<double> guesses;             // g after each completed iteration
    std::vector<double> pv1;                 // PV at g, per iteration
    std::vector<double> pv2;                 // PV at g + 0.1, per iteration
    // PV at the 30th guess, when it was checked (only loans that have a rate are).
    double checkedPv = std::numeric_limits<double>::quiet_NaN();
    // What the steps raised, when BracketApr took over from them.
    std::optional<MathError::Kind> iterationFault;
    std::int32_t bracketSteps = 0; // bisection steps; 0 when the 30th guess stood
};

// Whether some rate discounts the payments to amountFinanced: a whole number of years from 1,
// and amount financed and payment positive and finite. Then the present value falls strictly
// from infinity to 0 as the rate rises, so exactly one rate does.
bool AprHasRoot(std::int32_t years, double amountFinanced, double payment);

// Whether presentValue, the PV at a guess, matches amountFinanced closely enough for the guess
// to be the loan's rate.
bool AprSolvesItsEquation(double presentValue, double amountFinanced);

// The APR of a loan for which AprHasRoot holds (an invalid operation otherwise), by bisection on
// the exact present value in extended precision, to well within 1e-12 of a percentage point.
// `steps` receives the count of bisection steps.
double BracketApr(std::int32_t years, double amountFinanced, double payment,
                  std::int32_t* steps = nullptr);

// SolveApr, recording into `trace` as it goes (so a failing solve leaves what it reached).
double SolveAprTrace(std::int32_t years, double amountFinanced, double payment, AprTrace& trace);

// How many times DiscountFactorSum has run on this thread, so tests can see which paths skip it.
std::uint64_t DiscountFactorSumCallCount();

// 12 x years in 64 bits, wrapped to 32 as the 32-bit product would be.
std::int32_t MonthsOf(std::int32_t years);

} // namespace plumcrest
