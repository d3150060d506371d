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

// Each year's monthly charge on that year's average scheduled balance: the balances owed before
// each of its payments, summed, times the percentage, over the months counted and twelve.
std::vector<Cents> ChargesByYear(const AmortizationSchedule& schedule, std::int64_t percentE4,
                                 std::int32_t lastMonth) {
    std::vector<Cents> byYear;
    Wide sum = 0;
    std::int32_t counted = 0;
    Cents owed = schedule.loan;
    for (const ScheduleMonth& row : schedule.months) {
        if (row.month > lastMonth)
            break;
        sum += owed;
        ++counted;
        owed = row.balance;
        if (counted == 12 || row.month == lastMonth) {
            const Wide divisor = kMonthlyDivisor * counted;
            byYear.push_back(static_cast<Cents>(
                std::min<Wide>((sum * percentE4 + divisor / 2) / divisor, INT64_MAX)));
            sum = 0;
            counted = 0;
        }
    }
    return byYear;
}

} // namespace

InsurancePlan PlanInsurance(const AmortizationSchedule& schedule, InsuranceEnd end,
                            double yearlyPercent, Cents homeValue, Cents baseLoan) {
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

    if (end == InsuranceEnd::Fha || end == InsuranceEnd::Usda) {
        // HUD tests the base loan, before the upfront premium is added to it.
        const Cents tested = baseLoan > 0 ? baseLoan : schedule.loan;
        plan.lastMonth = end == InsuranceEnd::Fha && AtMostPercent(tested, homeValue, 90)
                             ? std::min(kFhaShortMonths, term)
                             : term;
        plan.byYear = ChargesByYear(schedule, percentE4, plan.lastMonth);
        plan.monthly = plan.byYear.empty() ? 0 : plan.byYear.front();
        if (plan.monthly <= 0)
            plan = {};
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
    if (end == InsuranceEnd::Fha || end == InsuranceEnd::Usda) {
        InsurancePlan plan = scheduled;
        plan.lastMonth = std::min(plan.lastMonth, MonthsIn(actual));
        return plan;
    }
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
    if (month < 1 || month > plan.lastMonth)
        return 0;
    const auto year = static_cast<std::size_t>(YearOfMonth(month) - 1);
    return year < plan.byYear.size() ? plan.byYear[year] : plan.monthly;
}

namespace {

// The least and the most regular payment of a schedule's year `year` (none: 0, 0).
std::pair<Cents, Cents> RegularPaymentsIn(const AmortizationSchedule& schedule, std::int32_t year) {
    if (year < 1 || static_cast<std::size_t>(year) > schedule.years.size())
        return {0, 0};
    const ScheduleYear& row = schedule.years[static_cast<std::size_t>(year - 1)];
    // The regular payment in force at each of its months: the last change on or before it.
    Cents low = INT64_MAX;
    Cents high = INT64_MIN;
    for (std::int32_t month = row.firstMonth; month <= row.lastMonth; ++month) {
        Cents payment = schedule.payment;
        for (const PaymentChange& change : schedule.changes)
            if (change.month <= month)
                payment = change.payment;
        low = std::min(low, payment);
        high = std::max(high, payment);
    }
    return {low, high};
}

} // namespace

std::vector<PaymentRange> ProjectedPayments(const AmortizationSchedule& schedule,
                                            const InsurancePlan& plan, Cents monthlyEscrow,
                                            const AmortizationSchedule& lowest,
                                            const AmortizationSchedule& highest) {
    constexpr std::size_t kMostColumns = 4;
    std::vector<PaymentRange> ranges;
    bool insured = InsuranceInMonth(plan, 1) > 0;
    for (const ScheduleYear& year : schedule.years) {
        const Cents low = RegularPaymentsIn(lowest, year.year).first;
        const Cents high = RegularPaymentsIn(highest, year.year).second;
        const Cents insurance = InsuranceInMonth(plan, year.firstMonth);
        // A column starts where the payment's range changes or the insurance has ended.
        const bool ended = insured && insurance == 0;
        insured = insurance > 0;
        const bool starts = ranges.empty() || ended || low != ranges.back().lowPrincipalInterest ||
                            high != ranges.back().highPrincipalInterest;
        if (starts && ranges.size() < kMostColumns) {
            PaymentRange range;
            range.firstYear = year.year;
            range.lastYear = year.year;
            range.principalInterest = RegularPaymentsIn(schedule, year.year).first;
            range.insurance = insurance;
            range.escrow = monthlyEscrow;
            range.lowPrincipalInterest = low;
            range.highPrincipalInterest = high;
            ranges.push_back(range);
        } else {
            PaymentRange& last = ranges.back();
            last.lastYear = year.year;
            last.lowPrincipalInterest = std::min(last.lowPrincipalInterest, low);
            last.highPrincipalInterest = std::max(last.highPrincipalInterest, high);
        }
    }
    for (PaymentRange& range : ranges) {
        const Cents monthly = AddCents(range.insurance, range.escrow);
        range.total = AddCents(range.principalInterest, monthly);
        range.lowTotal = AddCents(range.lowPrincipalInterest, monthly);
        range.highTotal = AddCents(range.highPrincipalInterest, monthly);
    }
    return ranges;
}

std::vector<PaymentRange> ProjectedPayments(const AmortizationSchedule& schedule,
                                            const InsurancePlan& plan, Cents monthlyEscrow) {
    return ProjectedPayments(schedule, plan, monthlyEscrow, schedule, schedule);
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
    // A variable rate's payments are judged as if the rate stayed: the first payment, or after
    // an interest-only period the payment that follows it at the note rate.
    const bool variable = !schedule.changes.empty();
    for (const ScheduleMonth& row : schedule.months) {
        const Cents regular = row.month <= schedule.interestOnlyMonths ? schedule.payment
                              : schedule.interestOnlyMonths > 0 ? schedule.paymentAfterInterestOnly
                                                                : schedule.payment;
        amounts.push_back(
            AddCents(variable ? regular : row.payment, InsuranceInMonth(plan, row.month)));
    }
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
