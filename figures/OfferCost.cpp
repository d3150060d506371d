#include "OfferCost.h"

#include <algorithm>

namespace plumcrest {

Cents HorizonCost(const AmortizationSchedule& schedule, Cents fees, std::int32_t years) {
    if (years <= 0)
        return fees;
    const std::int64_t months = std::int64_t{years} * 12;
    return AddCents(
        fees, InterestThrough(schedule, static_cast<std::int32_t>(
                                            std::min<std::int64_t>(months, kScheduleMaxMonths))));
}

std::optional<std::int32_t> BreakEvenMonth(const AmortizationSchedule& a, Cents feesA,
                                           const AmortizationSchedule& b, Cents feesB) {
    return BreakEvenMonth(a, InsurancePlan{}, feesA, b, InsurancePlan{}, feesB);
}

std::optional<std::int32_t> BreakEvenMonth(const AmortizationSchedule& a,
                                           const InsurancePlan& insuranceA, Cents feesA,
                                           const AmortizationSchedule& b,
                                           const InsurancePlan& insuranceB, Cents feesB) {
    const std::size_t end = std::max(a.months.size(), b.months.size());
    Cents costA = feesA;
    Cents costB = feesB;
    std::size_t lastNotCheaper = 0; // months counted from 1; 0 = none yet
    for (std::size_t i = 0; i < end; ++i) {
        const auto month = static_cast<std::int32_t>(i + 1);
        // A loan paid off adds no more interest.
        if (i < a.months.size())
            costA = AddCents(costA,
                             AddCents(a.months[i].interest, InsuranceInMonth(insuranceA, month)));
        if (i < b.months.size())
            costB = AddCents(costB,
                             AddCents(b.months[i].interest, InsuranceInMonth(insuranceB, month)));
        if (costA >= costB)
            lastNotCheaper = i + 1;
    }
    if (end == 0 || lastNotCheaper == end)
        return std::nullopt;
    return static_cast<std::int32_t>(lastNotCheaper + 1);
}

} // namespace plumcrest
