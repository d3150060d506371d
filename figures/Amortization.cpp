#include "Amortization.h"

#include "LoanMath.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace plumcrest {

namespace {

// Balance times rate needs more than 64 bits at the limits.
__extension__ using Wide = __int128;

// n / d rounded half away from zero; d > 0.
Wide DivideRounded(Wide n, Wide d) {
    const Wide q = n / d;
    const Wide r = n % d;
    if (2 * (r < 0 ? -r : r) >= d)
        return n < 0 ? q - 1 : q + 1;
    return q;
}

constexpr Cents kCentsLimit = std::numeric_limits<Cents>::max();

// A rate held as ten-thousandths of a percentage point; monthly interest is balance * rate / 1.2e7.
constexpr Wide kRateScale = 10000;
constexpr Wide kMonthlyDivisor = 1200 * kRateScale;

Cents MonthInterest(Cents balance, std::int64_t rateE4) {
    return static_cast<Cents>(DivideRounded(Wide{balance} * rateE4, kMonthlyDivisor));
}

} // namespace

Cents ToCents(double dollars) {
    if (!std::isfinite(dollars))
        return 0;
    // The figure as it reads in 15 significant digits, so 1.005 counts as the 1.005 a person
    // typed and rounds to 1.01, not as its binary neighbour just below.
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(dollars),
                                       std::chars_format::scientific, 14);
    if (written.ec != std::errc())
        return 0;
    // d.dddddddddddddde±XX
    const char* p = buffer;
    char digits[15];
    int count = 0;
    for (; p < written.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits[count++] = *p;
    int exponent = 0;
    const char* e = p + 1;
    if (e < written.ptr && *e == '+')
        ++e;
    std::from_chars(e, written.ptr, exponent);
    if (exponent > 15)
        return dollars < 0 ? -kCentsLimit : kCentsLimit;
    // Digit i carries 10^(exponent - i) dollars, i.e. 10^(exponent - i + 2) cents.
    Cents cents = 0;
    bool roundUp = false;
    for (int i = 0; i < count; ++i) {
        const int power = exponent - i + 2;
        if (power >= 0) {
            cents = cents * 10 + (digits[i] - '0');
        } else {
            roundUp = power == -1 && digits[i] >= '5';
            break;
        }
    }
    // Whole digits the text stopped short of (large figures) still scale the result.
    for (int power = exponent - count + 2; power >= 0; --power)
        cents *= 10;
    if (roundUp)
        ++cents;
    return dollars < 0 ? -cents : cents;
}

namespace {

// The level payment of `balance` cents over `months` at the rate, with the calculator's own
// payment formula, raised to a cent above the month's interest when rounding would leave it at or
// below that, so the balance falls every month.
Cents LevelPayment(Cents balance, std::int64_t rateE4, std::int32_t months) {
    const double r = static_cast<double>(rateE4) / static_cast<double>(kMonthlyDivisor);
    const double amount = static_cast<double>(balance) / 100.0;
    double level = 0;
    try {
        level = MonthlyPayment(months, amount, r);
    } catch (const MathError&) {
        level = 0; // raised below to just over the first month's interest
    }
    if (!std::isfinite(level) || level < 0)
        level = 0;
    Cents payment = ToCents(level);
    const Cents firstInterest = MonthInterest(balance, rateE4);
    if (payment <= firstInterest)
        payment = firstInterest + 1;
    return payment;
}

constexpr std::int64_t kMaxRateE4 =
    static_cast<std::int64_t>(kScheduleMaxRatePercent) * static_cast<std::int64_t>(kRateScale);

double PercentOfE4(std::int64_t rateE4) {
    return static_cast<double>(rateE4) / static_cast<double>(kRateScale);
}

// The largest a rate may move or reach, in ten-thousandths; clamps absurd caps into the
// schedule's range so no sum overflows.
std::int64_t ClampedE4(double percent) {
    const double limit = kScheduleMaxRatePercent * 2;
    if (!std::isfinite(percent))
        return 0;
    return RateE4(std::clamp(percent, -limit, limit));
}

} // namespace

std::int64_t AdjustedRateE4(const AdjustableRate& rate, std::int64_t noteE4, std::int64_t currentE4,
                            int change, RatePath path) {
    const std::int64_t cap =
        std::max<std::int64_t>(0, ClampedE4(change == 0 ? rate.firstCap : rate.laterCap));
    const std::int64_t ceiling = noteE4 + std::max<std::int64_t>(0, ClampedE4(rate.lifeCap));
    const std::int64_t floor = ClampedE4(rate.floor);
    std::int64_t next = currentE4 + cap;
    if (path == RatePath::BestCase)
        next = currentE4 - cap;
    else if (path == RatePath::Indexed)
        next = std::clamp(ClampedE4(rate.indexPercent) + ClampedE4(rate.marginPercent),
                          currentE4 - cap, currentE4 + cap);
    next = std::min(next, ceiling);
    return std::max(next, floor);
}

AmortizationSchedule BuildSchedule(double loan, double annualRatePercent, std::int32_t months) {
    return BuildSchedule(loan, annualRatePercent, months, ExtraPayments{}, nullptr);
}

AmortizationSchedule BuildSchedule(double loan, double annualRatePercent, std::int32_t months,
                                   const ExtraPayments& extras, const AdjustableRate* adjustable,
                                   RatePath path, std::int32_t interestOnlyMonths) {
    AmortizationSchedule schedule;
    if (months <= 0 || months > kScheduleMaxMonths || !std::isfinite(loan) ||
        !std::isfinite(annualRatePercent) || loan > kScheduleMaxLoan ||
        std::fabs(annualRatePercent) > kScheduleMaxRatePercent)
        return schedule;
    const Cents loanCents = ToCents(loan);
    if (loanCents <= 0)
        return schedule;
    const std::int64_t noteE4 = RateE4(annualRatePercent);
    std::int64_t rateE4 = noteE4;
    const std::int32_t interestOnly = std::clamp(interestOnlyMonths, 0, months - 1);
    // The calculator's own payment formula, on the loan in whole cents and the rate as shown;
    // during an interest-only period, the month's interest.
    Cents payment = interestOnly > 0 ? MonthInterest(loanCents, rateE4)
                                     : LevelPayment(loanCents, rateE4, months);

    schedule.loan = loanCents;
    schedule.payment = payment;
    schedule.months.reserve(static_cast<std::size_t>(months));
    schedule.interestOnlyMonths = interestOnly;
    if (interestOnly > 0)
        schedule.paymentAfterInterestOnly = LevelPayment(loanCents, rateE4, months - interestOnly);
    if (adjustable || interestOnly > 0)
        schedule.changes.push_back({1, PercentOfE4(rateE4), payment});
    const std::int32_t firstChange = adjustable ? std::max(1, adjustable->initialMonths) + 1 : 0;
    const std::int32_t between = adjustable ? std::max(1, adjustable->monthsBetween) : 1;
    int change = 0;

    // One-off extras in month order, walked alongside the months.
    std::vector<std::pair<std::int32_t, Cents>> once = extras.once;
    std::sort(once.begin(), once.end());
    auto nextOnce = once.begin();
    const std::int32_t yearlyMonth = std::clamp(extras.yearlyMonth, 1, 12);

    Cents balance = loanCents;
    for (std::int32_t m = 1; m <= months && balance > 0; ++m) {
        bool changed = interestOnly > 0 && m == interestOnly + 1;
        if (adjustable && m >= firstChange && (m - firstChange) % between == 0) {
            const std::int64_t next =
                std::clamp(AdjustedRateE4(*adjustable, noteE4, rateE4, change++, path), -kMaxRateE4,
                           kMaxRateE4);
            // A change date that leaves the rate as it was leaves the payment too.
            changed = changed || next != rateE4;
            rateE4 = next;
        }
        if (changed) {
            payment = LevelPayment(balance, rateE4, months - m + 1);
            schedule.changes.push_back({m, PercentOfE4(rateE4), payment});
        } else if (m <= interestOnly) {
            // Interest only: the payment follows the interest (a rate change or an extra
            // payment within the period changes it).
            payment = MonthInterest(balance, rateE4);
        }
        Cents extra = 0;
        if (extras.monthly > 0 && m >= extras.monthlyFrom)
            extra = AddCents(extra, extras.monthly);
        for (; nextOnce != once.end() && nextOnce->first <= m; ++nextOnce)
            if (nextOnce->first == m && nextOnce->second > 0)
                extra = AddCents(extra, nextOnce->second);
        if (extras.yearly > 0 && (m - 1) % 12 + 1 == yearlyMonth)
            extra = AddCents(extra, extras.yearly);
        if (extras.biweekly && m % 12 == 0)
            extra = AddCents(extra, payment);

        ScheduleMonth row;
        row.month = m;
        row.interest = MonthInterest(balance, rateE4);
        if (m == months || balance + row.interest <= AddCents(payment, extra)) {
            row.principal = balance;
            row.payment = balance + row.interest;
            row.extra = std::max<Cents>(0, row.payment - payment);
        } else {
            row.principal = payment - row.interest + extra;
            row.payment = payment + extra;
            row.extra = extra;
        }
        balance -= row.principal;
        row.balance = balance;
        schedule.totalPayments += row.payment;
        schedule.totalInterest += row.interest;
        schedule.totalExtra += row.extra;
        schedule.months.push_back(row);
    }

    for (const ScheduleMonth& row : schedule.months) {
        const std::int32_t year = YearOfMonth(row.month);
        if (schedule.years.empty() || schedule.years.back().year != year) {
            ScheduleYear sum;
            sum.year = year;
            sum.firstMonth = row.month;
            schedule.years.push_back(sum);
        }
        ScheduleYear& sum = schedule.years.back();
        sum.lastMonth = row.month;
        sum.payment += row.payment;
        sum.interest += row.interest;
        sum.principal += row.principal;
        sum.balance = row.balance;
    }
    return schedule;
}

ExtraSavings SavingsOf(const AmortizationSchedule& without, const AmortizationSchedule& with) {
    ExtraSavings savings;
    savings.payoffMonth = with.months.empty() ? 0 : with.months.back().month;
    savings.interestSaved = SubtractCents(without.totalInterest, with.totalInterest);
    savings.monthsSaved = static_cast<std::int32_t>(without.months.size()) -
                          static_cast<std::int32_t>(with.months.size());
    return savings;
}

HighestPayment HighestPaymentOf(const AmortizationSchedule& schedule) {
    if (schedule.months.empty())
        return {};
    HighestPayment highest{schedule.payment, 1};
    for (const PaymentChange& change : schedule.changes)
        if (change.payment > highest.payment)
            highest = {change.payment, change.month};
    return highest;
}

Cents InterestThrough(const AmortizationSchedule& schedule, std::int32_t months) {
    Cents sum = 0;
    for (const ScheduleMonth& row : schedule.months) {
        if (row.month > months)
            break;
        sum += row.interest;
    }
    return sum;
}

std::int64_t RateE4(double percent) {
    return std::llround(static_cast<long double>(percent) * 10000.0L);
}

} // namespace plumcrest
