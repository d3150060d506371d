// Schedules with extra payments and adjustable rates: loans worked by hand (re-checked in exact
// decimal arithmetic, each month's interest rounded half up to the cent, a new rate's payment
// figured over the months left), and properties that hold for any loan.
#include "Amortization.h"

#include <gtest/gtest.h>
#include <random>

namespace plumcrest {
namespace {

// 300,000.00 over 30 years, 5.5 % for 60 months, then index 4 % + margin 2.75 % every 12 months,
// caps 2 / 2 / 5, floor the margin.
const AdjustableRate kFiveOne{60, 4.0, 2.75, 2.0, 2.0, 5.0, 2.75, 12};

const ScheduleMonth& Month(const AmortizationSchedule& s, std::int32_t month) {
    return s.months.at(static_cast<std::size_t>(month - 1));
}

TEST(ExtraPayments, hundred_a_month_pays_200000_at_6_percent_off_in_month_295) {
    const AmortizationSchedule plain = BuildSchedule(200000, 6, 360);
    ExtraPayments extras;
    extras.monthly = 10000;
    const AmortizationSchedule paid = BuildSchedule(200000, 6, 360, extras, nullptr);
    EXPECT_EQ(plain.totalInterest, 23167704);
    EXPECT_EQ(paid.totalInterest, 18253819);
    const ExtraSavings savings = SavingsOf(plain, paid);
    EXPECT_EQ(savings.payoffMonth, 295); // in year 25
    EXPECT_EQ(savings.interestSaved, 4913885);
    EXPECT_EQ(savings.monthsSaved, 65);
    // The regular payment stays; the last one is what is left.
    EXPECT_EQ(Month(paid, 294).payment, 129910);
    EXPECT_EQ(Month(paid, 294).extra, 10000);
    EXPECT_EQ(Month(paid, 295).payment, 60279);
    EXPECT_EQ(paid.totalPayments, paid.loan + paid.totalInterest);
}

TEST(ExtraPayments, one_off_yearly_and_monthly_from_a_month_add_up_where_they_fall) {
    ExtraPayments extras;
    extras.monthly = 25050;
    extras.monthlyFrom = 13;
    extras.once = {{12, 500000}};
    extras.yearly = 200000;
    extras.yearlyMonth = 3;
    const AmortizationSchedule plain = BuildSchedule(200000, 6, 360);
    const AmortizationSchedule paid = BuildSchedule(200000, 6, 360, extras, nullptr);
    EXPECT_EQ(Month(paid, 12).payment, 619910);
    EXPECT_EQ(Month(paid, 12).balance, 19045215);
    // Month 15: the yearly 2,000.00 (the third month of year 2) and the monthly 250.50.
    EXPECT_EQ(Month(paid, 15).payment, 344960);
    EXPECT_EQ(Month(paid, 15).interest, 94727);
    EXPECT_EQ(Month(paid, 15).balance, 18695265);
    EXPECT_EQ(SavingsOf(plain, paid).payoffMonth, 190);
    EXPECT_EQ(SavingsOf(plain, paid).interestSaved, 12284608);
}

TEST(ExtraPayments, biweekly_counts_one_more_payment_in_month_12_of_each_year) {
    ExtraPayments extras;
    extras.biweekly = true;
    const AmortizationSchedule plain = BuildSchedule(200000, 6, 360);
    const AmortizationSchedule paid = BuildSchedule(200000, 6, 360, extras, nullptr);
    EXPECT_EQ(Month(paid, 11).extra, 0);
    EXPECT_EQ(Month(paid, 12).extra, 119910);
    EXPECT_EQ(Month(paid, 13).extra, 0);
    EXPECT_EQ(Month(paid, 24).extra, 119910);
    EXPECT_EQ(SavingsOf(plain, paid).payoffMonth, 297);
    EXPECT_EQ(SavingsOf(plain, paid).interestSaved, 4728239);
    EXPECT_EQ(Month(paid, 297).payment, 68265);
}

TEST(AdjustableRate, five_one_loan_as_the_index_stands_and_in_the_worst_case) {
    const AmortizationSchedule indexed =
        BuildSchedule(300000, 5.5, 360, {}, &kFiveOne, RatePath::Indexed);
    const AmortizationSchedule worst =
        BuildSchedule(300000, 5.5, 360, {}, &kFiveOne, RatePath::WorstCase);
    for (const AmortizationSchedule* s : {&indexed, &worst}) {
        EXPECT_EQ(Month(*s, 60).payment, 170337);
        EXPECT_EQ(Month(*s, 60).balance, 27738157);
    }
    // 6.75 %, the fully indexed rate, within the first cap; it stays there.
    EXPECT_EQ(Month(indexed, 61).payment, 191646);
    EXPECT_EQ(Month(indexed, 73).payment, 191646);
    EXPECT_EQ(indexed.totalInterest, 37714134);
    // 7.5 %, then 9.5 %, then the lifetime ceiling of 10.5 % from month 85.
    EXPECT_EQ(Month(worst, 61).payment, 204983);
    EXPECT_EQ(Month(worst, 61).interest, 173363);
    EXPECT_EQ(Month(worst, 73).payment, 241398);
    EXPECT_EQ(Month(worst, 73).interest, 216484);
    EXPECT_EQ(worst.totalInterest, 57343179);
    EXPECT_EQ(HighestPaymentOf(indexed).payment, 191646);
    EXPECT_EQ(HighestPaymentOf(indexed).month, 61);
    EXPECT_EQ(HighestPaymentOf(worst).payment, 260022);
    EXPECT_EQ(HighestPaymentOf(worst).month, 85);
}

TEST(AdjustableRate, a_falling_index_stops_at_each_cap_and_at_the_floor) {
    // 7 % note, fully indexed 1 + 1.5 = 2.5 %: down 1 point, then 0.5 a change, floor 4.6 %.
    const AdjustableRate falling{12, 1.0, 1.5, 1.0, 0.5, 5.0, 4.6, 6};
    EXPECT_EQ(AdjustedRateE4(falling, 70000, 70000, 0, RatePath::Indexed), 60000);
    EXPECT_EQ(AdjustedRateE4(falling, 70000, 60000, 1, RatePath::Indexed), 55000);
    EXPECT_EQ(AdjustedRateE4(falling, 70000, 50000, 3, RatePath::Indexed), 46000);
    EXPECT_EQ(AdjustedRateE4(falling, 70000, 110000, 2, RatePath::WorstCase), 115000);
    EXPECT_EQ(AdjustedRateE4(falling, 70000, 118000, 2, RatePath::WorstCase), 120000);
}

// Random loans of every size, rate and term, with random plans and rate tables.
struct RandomLoan {
    double loan;
    double rate;
    std::int32_t months;
    ExtraPayments extras;
    AdjustableRate adjustable;
};

RandomLoan Draw(std::mt19937_64& random) {
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto whole = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    RandomLoan loan;
    loan.loan = std::round(uniform(1000, 2000000) * 100) / 100;
    loan.rate = std::round(uniform(0, 15) * 1000) / 1000;
    loan.months = whole(1, 40) * 12;
    if (whole(0, 1))
        loan.extras.monthly = whole(1, 100000);
    loan.extras.monthlyFrom = whole(1, loan.months);
    for (int i = whole(0, 3); i > 0; --i)
        loan.extras.once.emplace_back(whole(1, loan.months), whole(1, 5000000));
    if (whole(0, 1))
        loan.extras.yearly = whole(1, 1000000);
    loan.extras.yearlyMonth = whole(1, 12);
    loan.extras.biweekly = whole(0, 3) == 0;
    loan.adjustable = {whole(1, 120),
                       std::round(uniform(0, 8) * 100) / 100,
                       std::round(uniform(0, 4) * 100) / 100,
                       std::round(uniform(0, 5) * 100) / 100,
                       std::round(uniform(0, 3) * 100) / 100,
                       std::round(uniform(0, 8) * 100) / 100,
                       std::round(uniform(0, 4) * 100) / 100,
                       whole(1, 60)};
    return loan;
}

TEST(WhatIfProperties, extras_never_raise_the_interest_nor_lengthen_the_loan) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 400; ++i) {
        const RandomLoan l = Draw(random);
        for (const AdjustableRate* rate :
             {static_cast<const AdjustableRate*>(nullptr), &l.adjustable}) {
            const AmortizationSchedule plain = BuildSchedule(l.loan, l.rate, l.months, {}, rate);
            const AmortizationSchedule paid =
                BuildSchedule(l.loan, l.rate, l.months, l.extras, rate);
            SCOPED_TRACE(testing::Message() << l.loan << " at " << l.rate << " over " << l.months);
            EXPECT_LE(paid.totalInterest, plain.totalInterest);
            EXPECT_LE(paid.months.size(), plain.months.size());
            EXPECT_EQ(paid.totalPayments, paid.loan + paid.totalInterest);
            ASSERT_FALSE(paid.months.empty());
            EXPECT_EQ(paid.months.back().balance, 0);
        }
    }
}

TEST(WhatIfProperties, the_worst_case_never_costs_less_than_the_index_as_it_stands) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 400; ++i) {
        RandomLoan l = Draw(random);
        // Biweekly halves follow the payment, so a dearer rate also pays the loan off faster;
        // extras of fixed amounts do not.
        l.extras.biweekly = false;
        const AmortizationSchedule indexed =
            BuildSchedule(l.loan, l.rate, l.months, l.extras, &l.adjustable, RatePath::Indexed);
        const AmortizationSchedule worst =
            BuildSchedule(l.loan, l.rate, l.months, l.extras, &l.adjustable, RatePath::WorstCase);
        SCOPED_TRACE(testing::Message() << l.loan << " at " << l.rate << " over " << l.months);
        EXPECT_GE(worst.totalInterest, indexed.totalInterest);
        EXPECT_GE(HighestPaymentOf(worst).payment, HighestPaymentOf(indexed).payment);
    }
}

TEST(WhatIfProperties, a_rate_that_never_changes_lays_out_the_fixed_rate_schedule_exactly) {
    std::mt19937_64 random(99);
    for (int i = 0; i < 400; ++i) {
        RandomLoan l = Draw(random);
        // The fully indexed rate is the note rate, and the floor lies below it.
        l.adjustable.indexPercent = l.rate - l.adjustable.marginPercent;
        l.adjustable.floor = 0;
        const auto same = [](const AmortizationSchedule& a, const AmortizationSchedule& b) {
            ASSERT_EQ(a.months.size(), b.months.size());
            for (std::size_t m = 0; m < a.months.size(); ++m) {
                const ScheduleMonth& x = a.months[m];
                const ScheduleMonth& y = b.months[m];
                ASSERT_EQ(std::tie(x.month, x.payment, x.interest, x.principal, x.balance, x.extra),
                          std::tie(y.month, y.payment, y.interest, y.principal, y.balance, y.extra))
                    << "month " << m + 1;
            }
            EXPECT_EQ(a.payment, b.payment);
            EXPECT_EQ(a.totalInterest, b.totalInterest);
            EXPECT_EQ(a.years.size(), b.years.size());
        };
        const AmortizationSchedule fixed = BuildSchedule(l.loan, l.rate, l.months);
        same(BuildSchedule(l.loan, l.rate, l.months, {}, &l.adjustable, RatePath::Indexed), fixed);
        // Caps of nothing hold the worst case at the note rate too.
        AdjustableRate capped = l.adjustable;
        capped.firstCap = capped.laterCap = 0;
        same(BuildSchedule(l.loan, l.rate, l.months, l.extras, &capped, RatePath::WorstCase),
             BuildSchedule(l.loan, l.rate, l.months, l.extras, nullptr));
    }
}

} // namespace
} // namespace plumcrest
