#pragma once
// The APR of a stream of monthly payments that may change over the term, as a US lender must
// figure it (Regulation Z, actuarial method, a month as the unit period), and the check of a
// lender's disclosed APR against it. Plain C++, no Qt.

#include "Amortization.h"

#include <optional>
#include <vector>

namespace plumcrest {

// The annual percentage rate, in percent, at which the monthly payments (payment k at the end of
// month k, k = 1..n) discount to amountFinanced: 12 x the monthly rate i solving
// sum p_k / (1+i)^k = amountFinanced. nullopt when no such rate exists: no payments,
// amountFinanced <= 0, a negative payment, or payments summing to zero. Payments summing to less
// than the amount financed give a negative rate, down towards -1200 %. Solved by bisection in
// long double to well within 1e-12 of a percentage point; no overflow for 999-year streams
// (11,988 payments) nor for rates far from any guess.
std::optional<double> StreamApr(Cents amountFinanced, const std::vector<Cents>& payments);

// How far a disclosed APR may stray from the computed one and still be accurate: 1/8 of a point
// for a regular loan, 1/4 for an irregular one, that is when any payment other than the last
// differs from the first (mortgage insurance that ends, a step rate). A last payment that alone
// differs is the schedule's final adjustment and leaves the loan regular.
inline constexpr double kRegularAprTolerance = 0.125;
inline constexpr double kIrregularAprTolerance = 0.25;
double AprToleranceFor(const std::vector<Cents>& payments);

// Differences this far beyond the tolerance still count as within it, so that figures typed as
// decimals are not judged by the binary rounding of their difference (4.001 less 3.876 comes out
// 0.12500000000000044). Far below the thousandth of a point an APR is disclosed to, far above that
// rounding (about 1e-14 of a point for APRs up to a thousand percent).
inline constexpr double kAprComparisonMargin = 1e-9;

struct DisclosedAprCheck {
    enum class Verdict {
        NotGiven,    // no disclosed APR (or not a finite number): nothing to check
        CannotCheck, // an APR was disclosed but none could be computed for the payments
        Accurate,    // within the tolerance, either side, the boundary included
        Inaccurate,
    };
    Verdict verdict = Verdict::NotGiven;
    double difference = 0; // disclosed less computed, in points; NaN unless both are known
    double tolerance = 0;  // as passed in
};

// Whether disclosedApr lies within tolerance points of computedApr (both annual percentages).
// A computed APR that is missing or not finite cannot be checked against.
DisclosedAprCheck CheckDisclosedApr(std::optional<double> computedApr,
                                    std::optional<double> disclosedApr, double tolerance);

} // namespace plumcrest
