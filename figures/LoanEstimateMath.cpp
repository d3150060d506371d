#include "LoanEstimateMath.h"

#include <algorithm>
#include <cmath>

namespace plumcrest {

namespace {

// Loan times a percentage in ten-thousandths needs more than 64 bits at the limits.
__extension__ using Wide = __int128;

// The percentage a year as ten-thousandths of a point; the monthly charge is loan * that / 1.2e7.
constexpr Wide kPercentScale = 10000;
constexpr Wide kMonthlyDivisor = 100 * 12 * kPercentScale;

// Insurance on loans at most this share of the value stops after 11 years.
constexpr std::int32_t kFhaShortMonths = 132;

// `balance` is at most `percent` % of `value`, compared exactly.
bool AtMostPercent(Cents balance, Cents value, std::int32_t percent) {
    return Wide{balance} * 100 <= Wide{value} * percent;
}

std::int32_t MonthsIn(const AmortizationSchedule& schedule) {
    return static_cast<std::int32_t>(schedule.months.size());
}

// The payments the first `months` counts: none below 1, all of them beyond the end.
std::int32_t Counted(const AmortizationSchedule& schedule, std::int32_t months) {
    return std::clamp(months, 0, MonthsIn(schedule));
}

} // namespace

InsurancePlan PlanInsurance(const AmortizationSchedule& schedule, InsuranceEnd end,
                            double yearlyPercent, Cents homeValue) {
    InsurancePlan plan;
    const std::int32_t term = MonthsIn(schedule);
    if (end == InsuranceEnd::None || term == 0 || homeValue <= 0 || !std::isfinite(yearlyPercent))
        return plan;
    const std::int64_t percentE4 = std::llround(static_cast<long double>(yearlyPercent) *
                                                static_cast<long double>(kPercentScale));
    if (percentE4 <= 0)
        return plan;
    const Wide product = Wide{schedule.loan} * percentE4;
    const Cents monthly = static_cast<Cents>(
        std::min<Wide>((product + kMonthlyDivisor / 2) / kMonthlyDivisor, INT64_MAX));
    if (monthly <= 0)
        return plan;

    if (end == InsuranceEnd::Fha) {
        plan.monthly = monthly;
        plan.lastMonth =
            AtMostPercent(schedule.loan, homeValue, 90) ? std::min(kFhaShortMonths, term) : term;
        return plan;
    }

    if (AtMostPercent(schedule.loan, homeValue, 78))
        return plan;
    const std::int32_t middle = term / 2;
    std::int32_t last = middle;
    for (const ScheduleMonth& row : schedule.months) {
        if (row.month > middle)
            break;
        if (AtMostPercent(row.balance, homeValue, 78)) {
            last = row.month;
            break;
        }
    }
    // A one-month schedule has no payment before its middle.
    if (last == 0)
        return plan;
    plan.monthly = monthly;
    plan.lastMonth = last;
    for (const ScheduleMonth& row : schedule.months) {
        if (row.month > last)
            break;
        if (AtMostPercent(row.balance, homeValue, 80)) {
            plan.reaches80 = row.month;
            break;
        }
    }
    return plan;
}

InsurancePlan PlanInsuranceWithExtras(const InsurancePlan& scheduled,
                                      const AmortizationSchedule& actual, InsuranceEnd end,
                                      double yearlyPercent, Cents homeValue) {
    if (end != InsuranceEnd::Conventional)
        return PlanInsurance(actual, end, yearlyPercent, homeValue);
    InsurancePlan plan = scheduled;
    plan.lastMonth = std::min(plan.lastMonth, MonthsIn(actual));
    plan.reaches80.reset();
    if (plan.lastMonth == 0 || homeValue <= 0)
        return plan;
    for (const ScheduleMonth& row : actual.months) {
        if (row.month > plan.lastMonth)
            break;
        if (AtMostPercent(row.balance, homeValue, 80)) {
            plan.reaches80 = row.month;
            break;
        }
    }
    if (scheduled.reaches80 && (!plan.reaches80 || *scheduled.reaches80 < *plan.reaches80))
        plan.reaches80 = scheduled.reaches80;
    return plan;
}

Cents CancellationSaving(const InsurancePlan& plan) {
    if (!plan.reaches80 || *plan.reaches80 >= plan.lastMonth)
        return 0;
    return static_cast<Cents>(
        std::min<Wide>(Wide{plan.monthly} * (plan.lastMonth - *plan.reaches80), INT64_MAX));
}

Cents InsuranceInMonth(const InsurancePlan& plan, std::int32_t month) {
    return month >= 1 && month <= plan.lastMonth ? plan.monthly : 0;
}

std::vector<PaymentRange> ProjectedPayments(const AmortizationSchedule& schedule,
                                            const InsurancePlan& plan, Cents monthlyEscrow) {
    std::vector<PaymentRange> ranges;
    for (const ScheduleYear& year : schedule.years) {
        const Cents insurance = InsuranceInMonth(plan, year.firstMonth);
        if (!ranges.empty() && ranges.back().insurance == insurance) {
            ranges.back().lastYear = year.year;
            continue;
        }
        PaymentRange range;
        range.firstYear = year.year;
        range.lastYear = year.year;
        range.principalInterest = schedule.payment;
        range.insurance = insurance;
        range.escrow = monthlyEscrow;
        range.total = AddCents(AddCents(schedule.payment, insurance), monthlyEscrow);
        ranges.push_back(range);
    }
    return ranges;
}

PaidThrough PaidInFirst(const AmortizationSchedule& schedule, const InsurancePlan& plan,
                        std::int32_t months) {
    PaidThrough paid;
    paid.balance = schedule.loan;
    const std::int32_t counted = Counted(schedule, months);
    for (std::int32_t i = 0; i < counted; ++i) {
        const ScheduleMonth& row = schedule.months[static_cast<std::size_t>(i)];
        paid.principal = AddCents(paid.principal, row.principal);
        paid.interest = AddCents(paid.interest, row.interest);
        paid.insurance = AddCents(paid.insurance, InsuranceInMonth(plan, row.month));
        paid.balance = row.balance;
    }
    return paid;
}

InYears InFirstMonths(const AmortizationSchedule& schedule, const InsurancePlan& plan,
                      Cents loanCostsAtoC, std::int32_t months) {
    const PaidThrough paid = PaidInFirst(schedule, plan, months);
    InYears in;
    in.totalPaid =
        AddCents(AddCents(AddCents(paid.principal, paid.interest), paid.insurance), loanCostsAtoC);
    in.principalPaidOff = paid.principal;
    in.balance = paid.balance;
    return in;
}

double TotalInterestPercent(const AmortizationSchedule& schedule, Cents prepaidInterest) {
    if (schedule.loan <= 0)
        return 0;
    return static_cast<double>(AddCents(schedule.totalInterest, prepaidInterest)) * 100.0 /
           static_cast<double>(schedule.loan);
}

Cents PlainCost(const AmortizationSchedule& schedule, const InsurancePlan& plan, Cents loanCosts,
                std::int32_t months) {
    const PaidThrough paid = PaidInFirst(schedule, plan, months);
    return AddCents(AddCents(loanCosts, paid.interest), paid.insurance);
}

Cents DiscountedCost(const AmortizationSchedule& schedule, const InsurancePlan& plan,
                     Cents loanCosts, std::int32_t months, double savingsPercent) {
    const long double growth = 1.0L + static_cast<long double>(savingsPercent) / 1200.0L;
    if (!std::isfinite(growth) || growth <= 0)
        return PlainCost(schedule, plan, loanCosts, months);
    const std::int32_t counted = Counted(schedule, months);
    // Sums of whole cents stay exact in long double, so at 0 % this is the plain cost exactly.
    long double discount = 1.0L;
    long double present = 0.0L;
    Cents balance = schedule.loan;
    for (std::int32_t i = 0; i < counted; ++i) {
        const ScheduleMonth& row = schedule.months[static_cast<std::size_t>(i)];
        discount /= growth;
        const Cents paid =
            AddCents(AddCents(row.principal, row.interest), InsuranceInMonth(plan, row.month));
        present += static_cast<long double>(paid) * discount;
        balance = row.balance;
    }
    present += static_cast<long double>(balance) * discount;
    const long double gain =
        std::clamp(present - static_cast<long double>(schedule.loan),
                   static_cast<long double>(INT64_MIN), static_cast<long double>(INT64_MAX));
    return AddCents(loanCosts, std::llroundl(gain));
}

AprFeatures AprFeaturesOf(const AmortizationSchedule& schedule, const InsurancePlan& plan) {
    std::vector<Cents> amounts;
    amounts.reserve(schedule.months.size());
    const bool variable = !schedule.changes.empty();
    for (const ScheduleMonth& row : schedule.months)
        amounts.push_back(
            AddCents(variable ? schedule.payment : row.payment, InsuranceInMonth(plan, row.month)));
    AprFeatures features;
    features.irregularAmounts = IrregularAmounts(amounts);
    return features;
}

std::vector<Cents> PaymentStream(const AmortizationSchedule& schedule, const InsurancePlan& plan) {
    std::vector<Cents> stream;
    stream.reserve(schedule.months.size());
    for (const ScheduleMonth& row : schedule.months)
        stream.push_back(AddCents(row.payment, InsuranceInMonth(plan, row.month)));
    return stream;
}

} // namespace plumcrest
