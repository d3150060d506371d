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

// How far a disclosed APR may stray from the computed one and still be accurate (12 CFR
// 1026.22): 1/8 of a point in a regular transaction, (a)(2), 1/4 in an irregular one, (a)(3).
// A transaction is irregular when it has multiple advances, irregular payment periods, or
// irregular payment amounts other than an irregular first period or an irregular first or final
// payment. The commentary to (a)(3) keeps the 1/8 for a variable rate whose disclosures rest on
// a regular amortization schedule, even though its payments later change with the rate.
inline constexpr double kRegularAprTolerance = 0.125;
inline constexpr double kIrregularAprTolerance = 0.25;

struct AprFeatures {
    bool multipleAdvances = false;
    bool irregularPeriods = false;
    // Payment amounts that differ other than at the first or the final payment, and other than
    // through a variable rate's changes.
    bool irregularAmounts = false;
};
double AprToleranceOf(const AprFeatures& features);

// Whether the payments' amounts are irregular: any payment between the first and the final one
// differing from another between them. Monthly payments, one advance.
bool IrregularAmounts(const std::vector<Cents>& payments);
// The tolerance of a stream of monthly payments on one advance.
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
    // Accurate only by the disclosed finance charge (1026.22(a)(4) and (5)), not by the tolerance.
    bool byFinanceCharge = false;
};

// Whether disclosedApr lies within tolerance points of computedApr (both annual percentages).
// A computed APR that is missing or not finite cannot be checked against.
DisclosedAprCheck CheckDisclosedApr(std::optional<double> computedApr,
                                    std::optional<double> disclosedApr, double tolerance);

// A disclosed finance charge is accurate when it is understated by no more than 100.00 or
// overstated (12 CFR 1026.18(d)(1), 1026.38(o)(2)).
inline constexpr Cents kFinanceChargeUnderstatement = 10000;
bool FinanceChargeAccurate(Cents disclosed, Cents computed);

// The same check for a loan secured by a dwelling, where the lender also disclosed a finance
// charge. An APR outside the tolerance is still accurate when the finance charge is accurate and
// the APR results from it, (a)(4), or lies between the computed APR and the one that results
// from it, (a)(5). `aprOfDisclosedCharge` is the APR the payments give on the amount financed
// that the disclosed finance charge leaves (total of the payments less that charge); an APR
// "results from" it when it rounds to it at the three decimals APRs are disclosed to.
DisclosedAprCheck CheckDisclosedApr(std::optional<double> computedApr,
                                    std::optional<double> disclosedApr, double tolerance,
                                    std::optional<Cents> disclosedFinanceCharge,
                                    Cents computedFinanceCharge,
                                    std::optional<double> aprOfDisclosedCharge);

} // namespace plumcrest
