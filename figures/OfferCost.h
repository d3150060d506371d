#pragma once
// What a loan costs the borrower by a given time: the fees paid at closing plus the interest paid
// so far, from the schedule in whole cents. Plain C++, no Qt.

#include "Amortization.h"
#include "LoanEstimateMath.h"

#include <cstdint>
#include <optional>

namespace plumcrest {

// Fees plus the interest paid in the first `years` years (all of it once the loan is paid off).
Cents HorizonCost(const AmortizationSchedule& schedule, Cents fees, std::int32_t years);

// The first month from which loan `a` has cost less than loan `b` (fees plus interest to date)
// and goes on costing less until the longer of the two has ended; none when it never does.
// Month 1 means `a` is cheaper from the start.
std::optional<std::int32_t> BreakEvenMonth(const AmortizationSchedule& a, Cents feesA,
                                           const AmortizationSchedule& b, Cents feesB);

// The same with each loan's mortgage insurance counted beside its interest.
std::optional<std::int32_t> BreakEvenMonth(const AmortizationSchedule& a,
                                           const InsurancePlan& insuranceA, Cents feesA,
                                           const AmortizationSchedule& b,
                                           const InsurancePlan& insuranceB, Cents feesB);

} // namespace plumcrest
