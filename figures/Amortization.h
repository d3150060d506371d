#pragma once
// A monthly amortization schedule as lenders compute it, in whole cents: the level payment
// rounded to the cent, each month's interest the balance times the monthly rate rounded half up
// to the cent, principal the payment less the interest, and the last payment adjusted so the
// balance ends at 0.00. Yearly sums beside the months. Plain C++, no Qt; independent of the
// calculator's own (unrounded) results, which stay as they are.

#include <cstdint>
#include <utility>
#include <vector>

namespace plumcrest {

using Cents = std::int64_t;

// The year, counted from 1, in which payment `month` (counted from 1) falls.
constexpr std::int32_t YearOfMonth(std::int32_t month) {
    return (month - 1) / 12 + 1;
}

// A figure in dollars rounded half up (away from zero) to whole cents.
Cents ToCents(double dollars);
// Whole cents back as dollars.
constexpr double Dollars(Cents cents) {
    return static_cast<double>(cents) / 100.0;
}

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
    Cents payment = 0;      // all paid this month, an extra payment included
    Cents interest = 0;
    Cents principal = 0;
    Cents balance = 0; // after this month's payment
    Cents extra = 0;   // the part of the payment beyond the regular one, all to principal
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

// From `month` on, the note rate and the regular payment are these (the first entry is month 1).
struct PaymentChange {
    std::int32_t month = 0;
    double ratePercent = 0; // to a ten-thousandth of a point
    Cents payment = 0;
};

struct AmortizationSchedule {
    Cents loan = 0;
    Cents payment = 0; // the regular monthly payment (the first one, when the rate adjusts)
    std::vector<ScheduleMonth> months;
    std::vector<ScheduleYear> years;
    Cents totalPayments = 0;
    Cents totalInterest = 0;
    Cents totalExtra = 0;
    // Every change of rate or regular payment; empty for a schedule with none.
    std::vector<PaymentChange> changes;
    // The first payments that pay the month's interest only, and the level payment that follows
    // them at the note rate (0 when there are none).
    std::int32_t interestOnlyMonths = 0;
    Cents paymentAfterInterestOnly = 0;
};

// Payments beyond the regular one, each all to principal; the regular payment stays as it is and
// the schedule ends when the balance is paid.
struct ExtraPayments {
    Cents monthly = 0;                                // every month from `monthlyFrom` on
    std::int32_t monthlyFrom = 1;                     // 1-based
    std::vector<std::pair<std::int32_t, Cents>> once; // (month, amount); a month may repeat
    Cents yearly = 0;                                 // once a year, in `yearlyMonth`
    std::int32_t yearlyMonth = 1;                     // 1..12, month 1 being the first payment's
    // Half the regular payment every two weeks: 26 halves a year, that is one regular payment
    // more each year, which servicers apply as principal once a year; counted in month 12 of
    // each year of the loan.
    bool biweekly = false;

    bool Any() const { return monthly > 0 || !once.empty() || yearly > 0 || biweekly; }
    bool operator==(const ExtraPayments&) const = default;
};

// An adjustable rate as the Loan Estimate's Adjustable Interest Rate table gives it. The note rate
// holds for `initialMonths`; then it changes every `monthsBetween` months, each change at most
// `firstCap` (the first) or `laterCap` (each later one) points, never above the note rate plus
// `lifeCap` nor below `floor`. All rates in percent a year.
struct AdjustableRate {
    std::int32_t initialMonths = 60;
    double indexPercent = 0;
    double marginPercent = 0;
    double firstCap = 0;
    double laterCap = 0;
    double lifeCap = 0;
    double floor = 0;
    std::int32_t monthsBetween = 12;

    bool operator==(const AdjustableRate&) const = default;
};

// Which rates an adjustable loan is laid out with.
enum class RatePath {
    // The index stays where it stands today: each change moves toward the fully indexed rate
    // (index plus margin) as far as the caps allow.
    Indexed,
    // Each change is as high as the caps allow, up to the lifetime ceiling.
    WorstCase,
    // Each change is as low as the caps allow, down to the minimum rate.
    BestCase,
};

// A rate in percent as schedules take it: in ten-thousandths of a point, rounded half away from
// zero, as the calculator shows four decimals. The one place a rate becomes a schedule's.
std::int64_t RateE4(double percent);

// The rate after a change from `current`, the `change`-th (0 is the first), in ten-thousandths.
std::int64_t AdjustedRateE4(const AdjustableRate& rate, std::int64_t noteE4, std::int64_t currentE4,
                            int change, RatePath path);

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

// The same schedule with extra payments and, when `adjustable` is given, a rate that changes along
// `path`. When a change date brings a new rate, the regular payment is figured again, as lenders
// do, over the months left on the balance owed then, in whole cents; a rate that stays leaves the
// payment as it is. No extras and no changes give BuildSchedule's
// schedule exactly. Extras less than zero count as none. The first `interestOnlyMonths` payments
// (fewer than the term) are each the month's interest alone; the payment then is figured
// again over the months left, as at a rate change, and the interest-only payments count as
// a change of payment (so an adjustable loan's first change may come with it).
AmortizationSchedule BuildSchedule(double loan, double annualRatePercent, std::int32_t months,
                                   const ExtraPayments& extras, const AdjustableRate* adjustable,
                                   RatePath path = RatePath::Indexed,
                                   std::int32_t interestOnlyMonths = 0);

// What a plan of extra payments changes against the schedule without it.
struct ExtraSavings {
    std::int32_t payoffMonth = 0; // the last payment's month; its year is (month - 1) / 12 + 1
    Cents interestSaved = 0;
    std::int32_t monthsSaved = 0;
};
ExtraSavings SavingsOf(const AmortizationSchedule& without, const AmortizationSchedule& with);

// The highest regular payment and the month it first applies (0 for an empty schedule).
struct HighestPayment {
    Cents payment = 0;
    std::int32_t month = 0;
};
HighestPayment HighestPaymentOf(const AmortizationSchedule& schedule);

// Interest paid in the first `months` months (all of it when `months` reaches the end).
Cents InterestThrough(const AmortizationSchedule& schedule, std::int32_t months);

} // namespace plumcrest
