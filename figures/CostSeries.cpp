#include "CostSeries.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace plumcrest {

std::vector<Cents> CumulativeCost(Cents fees, const AmortizationSchedule& schedule,
                                  const InsurancePlan& insurance, std::int32_t months) {
    std::vector<Cents> cost(static_cast<std::size_t>(std::max(months, 0)) + 1, fees);
    Cents sum = fees;
    for (std::size_t m = 1; m < cost.size(); ++m) {
        if (m <= schedule.months.size()) {
            const auto month = static_cast<std::int32_t>(m);
            sum += schedule.months[m - 1].interest + InsuranceInMonth(insurance, month);
        }
        cost[m] = sum;
    }
    return cost;
}

std::vector<Cents> DiscountedCostSeries(Cents loanCosts, const AmortizationSchedule& schedule,
                                        const InsurancePlan& insurance, std::int32_t months,
                                        double savingsPercent) {
    std::vector<Cents> cost(static_cast<std::size_t>(std::max(months, 0)) + 1, loanCosts);
    const long double growth = 1.0L + static_cast<long double>(savingsPercent) / 1200.0L;
    if (!std::isfinite(growth) || growth <= 0) {
        for (std::size_t m = 0; m < cost.size(); ++m)
            cost[m] = PlainCost(schedule, insurance, loanCosts, static_cast<std::int32_t>(m));
        return cost;
    }
    long double discount = 1.0L;
    long double present = 0.0L;
    Cents balance = schedule.loan;
    const auto gain = [&] {
        const long double value =
            std::clamp(present + static_cast<long double>(balance) * discount -
                           static_cast<long double>(schedule.loan),
                       static_cast<long double>(INT64_MIN), static_cast<long double>(INT64_MAX));
        return AddCents(loanCosts, std::llroundl(value));
    };
    cost[0] = gain();
    for (std::size_t m = 1; m < cost.size(); ++m) {
        if (m <= schedule.months.size()) {
            const ScheduleMonth& row = schedule.months[m - 1];
            discount /= growth;
            present += static_cast<long double>(AddCents(AddCents(row.principal, row.interest),
                                                         InsuranceInMonth(insurance, row.month))) *
                       discount;
            balance = row.balance;
            cost[m] = gain();
        } else {
            cost[m] = cost[m - 1];
        }
    }
    return cost;
}

std::vector<Cents> BalanceSeries(const AmortizationSchedule& schedule, std::int32_t months) {
    std::vector<Cents> balance(static_cast<std::size_t>(std::max(months, 0)) + 1, 0);
    balance[0] = schedule.months.empty() ? 0 : schedule.loan;
    for (std::size_t m = 1; m < balance.size() && m <= schedule.months.size(); ++m) {
        balance[m] = schedule.months[m - 1].balance;
    }
    return balance;
}

std::vector<CostCrossing> CostCrossings(const std::vector<std::vector<Cents>>& costs) {
    std::vector<CostCrossing> crossings;
    for (std::size_t a = 0; a < costs.size(); ++a) {
        for (std::size_t b = a + 1; b < costs.size(); ++b) {
            const std::size_t n = std::min(costs[a].size(), costs[b].size());
            int lastSign = 0; // sign of a - b the last time they differed
            for (std::size_t m = 0; m < n; ++m) {
                const Cents d = costs[a][m] - costs[b][m];
                const int sign = (d > 0) - (d < 0);
                if (sign == 0) {
                    continue;
                }
                if (lastSign != 0 && sign != lastSign) {
                    crossings.push_back(
                        {a, b, static_cast<std::int32_t>(m), std::min(costs[a][m], costs[b][m])});
                }
                lastSign = sign;
            }
        }
    }
    return crossings;
}

} // namespace plumcrest
