#pragma once
// What the comparison chart draws, as plain numbers: for each offer, month by month from month 0
// (closing) to the longest term, the cost of the loan so far (fees plus the interest and mortgage
// insurance paid) and the balance owed; and the months at which one offer's cost line crosses
// another's. An offer paid off before the longest term stays flat after its last payment. Plain
// C++.

#include "Amortization.h"
#include "LoanEstimateMath.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plumcrest {

// Element m is the cost after m payments: the fees plus the interest and the insurance paid with
// them; m runs 0..months.
std::vector<Cents> CumulativeCost(Cents fees, const AmortizationSchedule& schedule,
                                  const InsurancePlan& insurance, std::int32_t months);

// Element m is DiscountedCost(schedule, insurance, loanCosts, m, savingsPercent), m = 0..months,
// worked out in one pass with the same steps, so each element is exactly that cost.
std::vector<Cents> DiscountedCostSeries(Cents loanCosts, const AmortizationSchedule& schedule,
                                        const InsurancePlan& insurance, std::int32_t months,
                                        double savingsPercent);

// Element m is the balance after m payments; element 0 is the loan.
std::vector<Cents> BalanceSeries(const AmortizationSchedule& schedule, std::int32_t months);

struct CostCrossing {
    std::size_t first = 0;  // index of one offer
    std::size_t second = 0; // index of the other
    std::int32_t month = 0; // the first month of the new order
    Cents cost = 0;         // the cheaper of the two at that month
};

// Every month at which the cheaper of two offers changes: the first month where the one that
// was dearer (at the last month they differed) is strictly cheaper. Pairs in index order, then
// by month.
std::vector<CostCrossing> CostCrossings(const std::vector<std::vector<Cents>>& costs);

} // namespace plumcrest
