#include "Amortization.h"

#include "LoanMath.h"

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

AmortizationSchedule BuildSchedule(double loan, double annualRatePercent, std::int32_t months) {
    AmortizationSchedule schedule;
    if (months <= 0 || months > kScheduleMaxMonths || !std::isfinite(loan) ||
        !std::isfinite(annualRatePercent) || loan > kScheduleMaxLoan ||
        std::fabs(annualRatePercent) > kScheduleMaxRatePercent)
        return schedule;
    const Cents loanCents = ToCents(loan);
    if (loanCents <= 0)
        return schedule;
    const std::int64_t rateE4 =
        std::llround(static_cast<long double>(annualRatePercent) * 10000.0L);

    // The calculator's own payment formula, on the loan in whole cents and the rate as shown.
    const double r = static_cast<double>(rateE4) / static_cast<double>(kMonthlyDivisor);
    const double amount = static_cast<double>(loanCents) / 100.0;
    double level = 0;
    try {
        level = MonthlyPayment(months, amount, r);
    } catch (const MathError&) {
        level = 0; // raised below to just over the first month's interest
    }
    if (!std::isfinite(level) || level < 0)
        level = 0;
    Cents payment = ToCents(level);
    const Cents firstInterest = MonthInterest(loanCents, rateE4);
    if (payment <= firstInterest)
        payment = firstInterest + 1;

    schedule.loan = loanCents;
    schedule.payment = payment;
    schedule.months.reserve(static_cast<std::size_t>(months));
    Cents balance = loanCents;
    for (std::int32_t m = 1; m <= months && balance > 0; ++m) {
        ScheduleMonth row;
        row.month = m;
        row.interest = MonthInterest(balance, rateE4);
        if (m == months || balance + row.interest <= payment) {
            row.principal = balance;
            row.payment = balance + row.interest;
        } else {
            row.principal = payment - row.interest;
            row.payment = payment;
        }
        balance -= row.principal;
        row.balance = balance;
        schedule.totalPayments += row.payment;
        schedule.totalInterest += row.interest;
        schedule.months.push_back(row);
    }

    for (const ScheduleMonth& row : schedule.months) {
        const std::int32_t year = (row.month - 1) / 12 + 1;
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

Cents InterestThrough(const AmortizationSchedule& schedule, std::int32_t months) {
    Cents sum = 0;
    for (const ScheduleMonth& row : schedule.months) {
        if (row.month > months)
            break;
        sum += row.interest;
    }
    return sum;
}

} // namespace plumcrest
