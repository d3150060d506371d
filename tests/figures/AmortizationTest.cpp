#include "Amortization.h"

#include "LoanEstimateMath.h"
#include "OfferCost.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace plumcrest {
namespace {

// Figures worked by hand and re-checked in exact decimal arithmetic.
struct MonthCase {
    const char* name;
    double loan;
    double rate;
    std::int32_t months;
    std::int32_t month; // which row to look at
    Cents payment;
    Cents interest;
    Cents principal;
    Cents balance;
};

class HandWorkedMonth : public ::testing::TestWithParam<MonthCase> {};

TEST_P(HandWorkedMonth, matches) {
    const auto& c = GetParam();
    const AmortizationSchedule s = BuildSchedule(c.loan, c.rate, c.months);
    ASSERT_GE(static_cast<std::int32_t>(s.months.size()), c.month);
    const ScheduleMonth& row = s.months[static_cast<std::size_t>(c.month - 1)];
    EXPECT_EQ(row.month, c.month);
    EXPECT_EQ(row.payment, c.payment);
    EXPECT_EQ(row.interest, c.interest);
    EXPECT_EQ(row.principal, c.principal);
    EXPECT_EQ(row.balance, c.balance);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HandWorkedMonth,
    ::testing::Values(
        MonthCase{"default_loan_month_1", 108000, 6.75, 360, 1, 70049, 60750, 9299, 10790701},
        MonthCase{"default_loan_month_2", 108000, 6.75, 360, 2, 70049, 60698, 9351, 10781350},
        // The regular payment overpays by a fraction of a cent each month: the last one is less.
        MonthCase{"default_loan_last_month", 108000, 6.75, 360, 360, 69583, 389, 69194, 0},
        MonthCase{"fifteen_years_last_month", 200000, 5.5, 180, 180, 163334, 745, 162589, 0},
        MonthCase{"zero_rate_month_1", 108000, 0, 360, 1, 30000, 0, 30000, 10770000},
        // A rounded-up payment pays this loan off five months before its term.
        MonthCase{"early_payoff_last_month", 603297.69, 12.3796, 1200, 1195, 78079, 797, 77282, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Schedule, default_loan_totals_and_first_year) {
    const AmortizationSchedule s = BuildSchedule(108000, 6.75, 360);
    EXPECT_EQ(s.loan, 10800000);
    EXPECT_EQ(s.payment, 70049);
    EXPECT_EQ(s.months.size(), 360u);
    EXPECT_EQ(s.totalInterest, 14417174);
    EXPECT_EQ(s.totalPayments, 10800000 + 14417174);
    ASSERT_EQ(s.years.size(), 30u);
    EXPECT_EQ(s.years[0].firstMonth, 1);
    EXPECT_EQ(s.years[0].lastMonth, 12);
    EXPECT_EQ(s.years[0].interest, 725483);
    EXPECT_EQ(s.years[0].payment, 12 * 70049);
    EXPECT_EQ(s.years[0].balance, 10684895);
    EXPECT_EQ(s.years[29].balance, 0);
}

TEST(Schedule, early_payoff_ends_the_schedule_and_its_last_year) {
    const AmortizationSchedule s = BuildSchedule(603297.69, 12.3796, 1200);
    EXPECT_EQ(s.months.size(), 1195u);
    ASSERT_EQ(s.years.size(), 100u);
    EXPECT_EQ(s.years.back().lastMonth, 1195);
    EXPECT_EQ(s.years.back().balance, 0);
}

struct EmptyCase {
    const char* name;
    double loan;
    double rate;
    std::int32_t months;
};

class EmptySchedule : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptySchedule, has_no_rows) {
    const auto& c = GetParam();
    const AmortizationSchedule s = BuildSchedule(c.loan, c.rate, c.months);
    EXPECT_TRUE(s.months.empty());
    EXPECT_TRUE(s.years.empty());
    EXPECT_EQ(s.totalPayments, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EmptySchedule,
    ::testing::Values(
        EmptyCase{"no_months", 108000, 6.75, 0}, EmptyCase{"negative_months", 108000, 6.75, -12},
        EmptyCase{"no_loan", 0, 6.75, 360}, EmptyCase{"negative_loan", -5000, 6.75, 360},
        EmptyCase{"under_half_a_cent", 0.004, 6.75, 360},
        EmptyCase{"rate_not_a_number", 108000, std::numeric_limits<double>::quiet_NaN(), 360},
        EmptyCase{"loan_infinite", std::numeric_limits<double>::infinity(), 6.75, 360},
        EmptyCase{"rate_beyond_limit", 108000, 5000, 360},
        EmptyCase{"months_beyond_limit", 108000, 6.75, 12001}),
    [](const auto& info) { return std::string(info.param.name); });

struct CentsCase {
    const char* name;
    double dollars;
    Cents cents;
};

class ToCentsRow : public ::testing::TestWithParam<CentsCase> {};

TEST_P(ToCentsRow, rounds_half_up) {
    EXPECT_EQ(ToCents(GetParam().dollars), GetParam().cents);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToCentsRow,
    ::testing::Values(CentsCase{"payment", 700.4859442936724, 70049},
                      CentsCase{"half_cent_up", 0.125, 13},
                      CentsCase{"typed_half_below_binary", 1.005, 101},
                      CentsCase{"typed_half_2_675", 2.675, 268},
                      CentsCase{"negative_half_away_from_zero", -0.005, -1},
                      CentsCase{"just_under_half", 0.0049, 0},
                      CentsCase{"large_with_cents", 12345678.905, 1234567891},
                      CentsCase{"large_whole", 9e12, 900000000000000},
                      CentsCase{"beyond_64_bits", 1e20, std::numeric_limits<Cents>::max()},
                      CentsCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Over random loans from tiny to huge, at zero, negative, ordinary and extreme rates and terms up
// to 999 years, the schedule stays sound: the balance never grows (at a rate of zero or more it
// falls every month, even where the rounded payment would only just cover the interest), never
// goes below zero and ends at zero; the principal repays exactly the loan, the interest is the
// payments less the loan and the years add up to the months.
TEST(ScheduleInvariants, hold_over_random_loans) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> termYears(1, 999);
    std::uniform_int_distribution<int> rateE4(-999999, 9999999);
    std::uniform_int_distribution<int> magnitude(0, 8);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int trial = 0; trial < 600; ++trial) {
        double loan = std::round(mantissa(random) * std::pow(10.0, magnitude(random)) * 100) / 100;
        double rate = rateE4(random) / 10000.0;
        std::int32_t months = 12 * termYears(random);
        // Every fourth trial at the edges: zero rate, the highest rate, the longest term.
        if (trial % 4 == 1)
            rate = 0;
        if (trial % 4 == 2)
            rate = 999.9999;
        if (trial % 4 == 3)
            months = 12 * 999;
        SCOPED_TRACE(::testing::Message()
                     << "loan " << loan << " rate " << rate << " months " << months);
        const AmortizationSchedule s = BuildSchedule(loan, rate, months);
        ASSERT_FALSE(s.months.empty());
        ASSERT_LE(static_cast<std::int32_t>(s.months.size()), months);
        Cents principal = 0, interest = 0, payments = 0;
        Cents previous = s.loan;
        for (std::size_t i = 0; i < s.months.size(); ++i) {
            const ScheduleMonth& row = s.months[i];
            ASSERT_EQ(row.month, static_cast<std::int32_t>(i + 1));
            ASSERT_EQ(row.payment, row.interest + row.principal);
            ASSERT_GE(row.balance, 0);
            ASSERT_LE(row.balance, previous);
            // With no negative interest to repay it, every payment repays some principal.
            if (rate >= 0) {
                ASSERT_LT(row.balance, previous);
            }
            if (i + 1 < s.months.size()) {
                ASSERT_EQ(row.payment, s.payment);
                ASSERT_GT(row.balance, 0);
            }
            previous = row.balance;
            principal += row.principal;
            interest += row.interest;
            payments += row.payment;
        }
        EXPECT_EQ(s.months.back().balance, 0);
        EXPECT_EQ(principal, s.loan);
        EXPECT_EQ(interest, s.totalInterest);
        EXPECT_EQ(payments, s.totalPayments);
        EXPECT_EQ(s.totalInterest, s.totalPayments - s.loan);
        if (rate >= 0) {
            EXPECT_GE(s.totalInterest, 0);
        }
        Cents yearInterest = 0, yearPrincipal = 0;
        for (const ScheduleYear& year : s.years) {
            yearInterest += year.interest;
            yearPrincipal += year.principal;
        }
        EXPECT_EQ(yearInterest, s.totalInterest);
        EXPECT_EQ(yearPrincipal, s.loan);
        EXPECT_EQ(s.years.size(), (s.months.size() + 11) / 12);
    }
}

// A month's interest of exactly half a cent rounds away from zero, for a rate below zero too.
TEST(Schedule, half_cent_interest_rounds_away_from_zero) {
    EXPECT_EQ(BuildSchedule(1000, 0.006, 12).months.at(0).interest, 1);
    EXPECT_EQ(BuildSchedule(1000, -0.006, 12).months.at(0).interest, -1);
    EXPECT_EQ(BuildSchedule(3000, 0.006, 12).months.at(0).interest, 2); // 1.5 cents
    EXPECT_EQ(BuildSchedule(3000, -0.006, 12).months.at(0).interest, -2);
}

// Two 200,000.00 loans over 30 years: 6.5 % with 6,000.00 of fees (points bought) against 7 %
// with 1,000.00. The cheaper rate saves about 83 a month at first against 5,000 more up front.
class PointsAgainstRate : public ::testing::Test {
protected:
    AmortizationSchedule low = BuildSchedule(200000, 6.5, 360);
    AmortizationSchedule high = BuildSchedule(200000, 7.0, 360);
    Cents lowFees = 600000;
    Cents highFees = 100000;
};

TEST_F(PointsAgainstRate, horizon_cost_is_fees_plus_interest_in_those_years) {
    EXPECT_EQ(low.months[0].interest, 108333);  // 200,000 x 6.5 % / 12
    EXPECT_EQ(high.months[0].interest, 116667); // 200,000 x 7 % / 12
    EXPECT_EQ(HorizonCost(low, lowFees, 7), 9301978);
    EXPECT_EQ(HorizonCost(high, highFees, 7), 9506575);
    EXPECT_EQ(HorizonCost(low, lowFees, 5), 6907004);
    EXPECT_EQ(HorizonCost(high, highFees, 5), 6909954);
    EXPECT_EQ(HorizonCost(low, lowFees, 30), lowFees + low.totalInterest);
    // A horizon past the term counts the whole loan and no more.
    EXPECT_EQ(HorizonCost(low, lowFees, 999), lowFees + low.totalInterest);
    EXPECT_EQ(HorizonCost(low, lowFees, 0), lowFees);
}

// The shortest horizon a user can pick already counts its twelve months of interest; a horizon
// below zero counts none.
TEST_F(PointsAgainstRate, one_year_horizon_counts_that_years_interest) {
    Cents firstYear = 0;
    for (std::size_t month = 0; month < 12; ++month)
        firstYear += low.months[month].interest;
    EXPECT_GT(firstYear, 1200000); // about 12,950.00
    EXPECT_EQ(HorizonCost(low, lowFees, 1), lowFees + firstYear);
    EXPECT_EQ(HorizonCost(low, lowFees, -3), lowFees);
}

TEST_F(PointsAgainstRate, break_even_is_the_first_month_the_lower_rate_costs_less) {
    // Month 59: 68,054.58 against 67,999.99; month 60: 69,070.04 against 69,099.54.
    EXPECT_EQ(BreakEvenMonth(low, lowFees, high, highFees), std::optional<std::int32_t>(60));
    // The other way round the higher rate is never cheaper from some month to the end.
    EXPECT_EQ(BreakEvenMonth(high, highFees, low, lowFees), std::nullopt);
}

TEST_F(PointsAgainstRate, lower_rate_and_lower_fees_is_cheaper_from_the_start) {
    EXPECT_EQ(BreakEvenMonth(low, highFees - 1, high, highFees), std::optional<std::int32_t>(1));
}

TEST_F(PointsAgainstRate, fees_beyond_all_interest_saved_never_break_even) {
    const Cents saved = high.totalInterest - low.totalInterest;
    EXPECT_EQ(BreakEvenMonth(low, highFees + saved, high, highFees), std::nullopt);
    EXPECT_EQ(BreakEvenMonth(low, highFees + saved - 1, high, highFees),
              std::optional<std::int32_t>(360));
}

// Loans of a single month: the cheaper one is cheaper from its first and only month.
TEST(BreakEven, single_month_loans) {
    const AmortizationSchedule cheap = BuildSchedule(50000, 6.0, 1);
    const AmortizationSchedule dear = BuildSchedule(50000, 9.0, 1);
    // Interest: 250.00 against 375.00.
    EXPECT_EQ(BreakEvenMonth(cheap, 1500, dear, 2500), std::optional<std::int32_t>(1));
    EXPECT_EQ(BreakEvenMonth(dear, 1000, cheap, 20000), std::optional<std::int32_t>(1));
    EXPECT_EQ(BreakEvenMonth(dear, 20000, cheap, 1000), std::nullopt);
}

TEST(BreakEven, a_shorter_loan_stays_cheaper_after_it_is_paid_off) {
    const AmortizationSchedule fifteen = BuildSchedule(200000, 6.0, 180);
    const AmortizationSchedule thirty = BuildSchedule(200000, 6.5, 360);
    EXPECT_EQ(BreakEvenMonth(fifteen, 0, thirty, 0), std::optional<std::int32_t>(1));
    EXPECT_EQ(BreakEvenMonth(thirty, 0, fifteen, 0), std::nullopt);
}

} // namespace
} // namespace plumcrest

namespace plumcrest {
namespace {

// 211,000.00 at 4 % over 30 years, the first 60 payments interest only (worked in exact decimal):
// 703.33 a month with the balance kept whole, then the level payment of 211,000.00 over the 300
// months left, 1,113.74, and a last payment of 1,111.61.
TEST(InterestOnly, pays_the_interest_then_amortizes_over_the_months_left) {
    const AmortizationSchedule schedule =
        BuildSchedule(211000, 4, 360, {}, nullptr, RatePath::Indexed, 60);
    ASSERT_EQ(schedule.months.size(), 360u);
    EXPECT_EQ(schedule.payment, 70333);
    EXPECT_EQ(schedule.months[0].principal, 0);
    EXPECT_EQ(schedule.months[59].payment, 70333);
    EXPECT_EQ(schedule.months[59].balance, 21100000);
    EXPECT_EQ(schedule.months[60].payment, 111374);
    EXPECT_EQ(schedule.months[60].balance, 21058959);
    EXPECT_EQ(schedule.months.back().payment, 111161);
    EXPECT_EQ(schedule.totalInterest, 16531967);
    EXPECT_EQ(schedule.paymentAfterInterestOnly, 111374);
    ASSERT_EQ(schedule.changes.size(), 2u);
    EXPECT_EQ(schedule.changes[1].month, 61);

    // An adjustable rate whose first change comes with the end of the interest-only years: the
    // payment of month 61 is figured once, at the new rate (4.16 %: 1,132.46 over 300 months).
    AdjustableRate rate;
    rate.initialMonths = 60;
    rate.monthsBetween = 36;
    rate.indexPercent = 0.16;
    rate.marginPercent = 4;
    rate.firstCap = 2;
    rate.laterCap = 2;
    rate.lifeCap = 8;
    rate.floor = 3.25;
    const AmortizationSchedule adjustable =
        BuildSchedule(211000, 4, 360, {}, &rate, RatePath::Indexed, 60);
    EXPECT_EQ(adjustable.months[59].payment, 70333);
    EXPECT_EQ(adjustable.months[60].interest, 73147);
    EXPECT_EQ(adjustable.months[60].payment, 113246);
    ASSERT_EQ(adjustable.changes.size(), 2u);

    // Interest-only years make the payments irregular (12 CFR 1026.22(a)(3)), for a fixed rate
    // and an adjustable one alike; the same loans without them are regular.
    EXPECT_TRUE(AprFeaturesOf(schedule, {}).irregularAmounts);
    EXPECT_TRUE(AprFeaturesOf(adjustable, {}).irregularAmounts);
    EXPECT_FALSE(AprFeaturesOf(BuildSchedule(211000, 4, 360), {}).irregularAmounts);
    EXPECT_FALSE(AprFeaturesOf(BuildSchedule(211000, 4, 360, {}, &rate, RatePath::Indexed), {})
                     .irregularAmounts);
}

} // namespace
} // namespace plumcrest
