#pragma once
// A monthly amortization schedule as lenders compute it, in whole cents: the level payment
// rounded to the cent, each month's interest the balance times the monthly rate rounded half up
// to the cent, principal the payment less the interest, and the last payment adjusted so the
// balance ends at 0.00. Yearly sums beside the months. Plain C++, no Qt; independent of the
// calculator's own (unrounded) results, which stay as they are.

#include <cstdint>
#include <vector>

namespace plumcrest {

using Cents = std::int64_t;

// A figure in dollars rounded half up (away from zero) to whole cents.
Cents ToCents(double dollars);

// Sums of whole cents that never wrap: a figure beyond the range stops at its end, so hostile
// input shows as the largest amount rather than turning negative.
constexpr Cents AddCents(Cents a, Cents b) {
    Cents sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? INT64_MAX : INT64_MIN;
    return sum;
}
constexpr Cents SubtractCents(Cents a, Cents b) {
    Cents difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        return b < 0 ? INT64_MAX : INT64_MIN;
    return difference;
}

struct ScheduleMonth {
    std::int32_t month = 0; // 1-based
    Cents payment = 0;
    Cents interest = 0;
    Cents principal = 0;
    Cents balance = 0; // after this month's payment
};

struct ScheduleYear {
    std::int32_t year = 0; // 1-based
    std::int32_t firstMonth = 0;
    std::int32_t lastMonth = 0;
    Cents payment = 0;
    Cents interest = 0;
    Cents principal = 0;
    Cents balance = 0; // at the end of the year
};

struct AmortizationSchedule {
    Cents loan = 0;
    Cents payment = 0; // the regular monthly payment
    std::vector<ScheduleMonth> months;
    std::vector<ScheduleYear> years;
    Cents totalPayments = 0;
    Cents totalInterest = 0;
};

// The largest figures a schedule is built for; they hold every loan the calculator's fields can
// describe and keep every sum far inside 64 bits.
inline constexpr double kScheduleMaxLoan = 1e10;          // dollars
inline constexpr double kScheduleMaxRatePercent = 1000;   // either sign
inline constexpr std::int32_t kScheduleMaxMonths = 12000; // 1,000 years

// The schedule of `loan` dollars at `annualRatePercent` over `months` payments. The rate is taken
// to a ten-thousandth of a point, as the calculator shows it. The regular payment is raised to one
// cent above the first month's interest when rounding would leave it at or below that, so the
// balance falls every month and never grows. A rounded-up payment that pays the loan off early
// ends the schedule early, with a smaller last payment. No months, a loan of zero or less, or a
// figure beyond the limits above (or not finite) gives an empty schedule.
AmortizationSchedule BuildSchedule(double loan, double annualRatePercent, std::int32_t months);

// Interest paid in the first `months` months (all of it when `months` reaches the end).
Cents InterestThrough(const AmortizationSchedule& schedule, std::int32_t months);

} // namespace plumcrest
