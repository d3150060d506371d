#include "LoanEstimateMath.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

namespace plumcrest {
namespace {

// Figures below were worked independently in exact decimal arithmetic, rounding each month's
// interest half up to the cent as lenders do.

// 270,000.00 on a 300,000.00 home at 6.5 % for 30 years, insurance 0.5 % a year. The balance
// first reaches 80 % of the value (240,000) after payment 95 (239,781.27; 240,186.84 after 94)
// and 78 % (234,000) after payment 109 (233,867.16; 234,304.59 after 108).
TEST(LoanEstimate, conventional_insurance_ends_with_the_payment_that_reaches_78_percent) {
    const AmortizationSchedule s = BuildSchedule(270000, 6.5, 360);
    ASSERT_EQ(s.payment, 170658);
    const InsurancePlan plan = PlanInsurance(s, InsuranceEnd::Conventional, 0.5, 30000000);
    EXPECT_EQ(plan.monthly, 11250);
    EXPECT_EQ(plan.lastMonth, 109);
    EXPECT_EQ(plan.reaches80, 95);
    EXPECT_EQ(InsuranceInMonth(plan, 109), 11250);
    EXPECT_EQ(InsuranceInMonth(plan, 110), 0);

    // Payment 109 falls in year 10, so year 10 still shows insurance.
    const std::vector<PaymentRange> ranges = ProjectedPayments(s, plan, 41234);
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0].firstYear, 1);
    EXPECT_EQ(ranges[0].lastYear, 10);
    EXPECT_EQ(ranges[0].principalInterest, 170658);
    EXPECT_EQ(ranges[0].insurance, 11250);
    EXPECT_EQ(ranges[0].total, 170658 + 11250 + 41234);
    EXPECT_EQ(ranges[1].firstYear, 11);
    EXPECT_EQ(ranges[1].lastYear, 30);
    EXPECT_EQ(ranges[1].insurance, 0);
    EXPECT_EQ(ranges[1].total, 170658 + 41234);

    // Nothing paid yet: the whole loan is owed and only the closing costs are spent.
    const PaidThrough none = PaidInFirst(s, plan, 0);
    EXPECT_EQ(none.principal + none.interest + none.insurance, 0);
    EXPECT_EQ(none.balance, 27000000);
    EXPECT_EQ(InFirstMonths(s, plan, 500000, -1).totalPaid, 500000);
    EXPECT_EQ(DiscountedCost(s, plan, 500000, 0, 4.0), 500000);
}

// 5,000.00 of costs, money earning 4 % a year: present value of the flows, plus the balance,
// less the loan. 12 months: 12,893.9975...; 120 months (insurance in 109 of them): 67,362.597...
TEST(LoanEstimate, discounted_cost_of_the_conventional_loan) {
    const AmortizationSchedule s = BuildSchedule(270000, 6.5, 360);
    const InsurancePlan plan = PlanInsurance(s, InsuranceEnd::Conventional, 0.5, 30000000);
    EXPECT_EQ(DiscountedCost(s, plan, 500000, 12, 4.0), 1289400);
    EXPECT_EQ(DiscountedCost(s, plan, 500000, 120, 4.0), 6736260);
    EXPECT_EQ(PlainCost(s, plan, 500000, 120), 18094828);
}

// The form's own sample: 162,000.00 at 3.875 % for 30 years. Interest over the term 112,243.70;
// in the first 60 payments 29,934.22 of interest and 15,772.58 of principal, 146,227.42 owed.
// Insurance here is 0.6 % a year (81.00) on a 180,000.00 home: 80 % after payment 68, 78 %
// after 80.
TEST(LoanEstimate, form_sample_in_five_years_and_total_interest_percentage) {
    const AmortizationSchedule s = BuildSchedule(162000, 3.875, 360);
    ASSERT_EQ(s.payment, 76178);
    const InsurancePlan plan = PlanInsurance(s, InsuranceEnd::Conventional, 0.6, 18000000);
    EXPECT_EQ(plan.monthly, 8100);
    EXPECT_EQ(plan.lastMonth, 80);
    EXPECT_EQ(plan.reaches80, 68);

    const PaidThrough paid = PaidInFirst(s, plan, 60);
    EXPECT_EQ(paid.principal, 1577258);
    EXPECT_EQ(paid.interest, 2993422);
    EXPECT_EQ(paid.insurance, 60 * 8100);
    EXPECT_EQ(paid.balance, 14622742);

    const InYears five = InFirstMonths(s, plan, 567200, 60);
    EXPECT_EQ(five.totalPaid, 1577258 + 2993422 + 60 * 8100 + 567200);
    EXPECT_EQ(five.balance, 14622742);

    // (112,243.70 + 262.00) / 162,000 = 69.44796296...
    const double tip = TotalInterestPercent(s, 26200);
    EXPECT_NEAR(tip, 69.447963, 1e-6);
    EXPECT_EQ(std::lround(tip * 1000), 69448);
}

// 500.00 more every month on the same loan: the balance reaches 80 % (240,000) after payment 37
// (239,607.07; 240,510.88 after 36) and 78 % after 44, but the Act's automatic end stays the
// original schedule's payment 109. Asking after payment 37 saves 72 payments of 112.50.
TEST(LoanEstimate, extra_payments_leave_the_automatic_end_on_the_original_schedule) {
    const AmortizationSchedule original = BuildSchedule(270000, 6.5, 360);
    ExtraPayments extras;
    extras.monthly = 50000;
    const AmortizationSchedule actual = BuildSchedule(270000, 6.5, 360, extras, nullptr);
    ASSERT_EQ(actual.months[35].balance, 24051088);
    ASSERT_EQ(actual.months[36].balance, 23960707);
    const InsurancePlan scheduled =
        PlanInsurance(original, InsuranceEnd::Conventional, 0.5, 30000000);
    const InsurancePlan paid =
        PlanInsuranceWithExtras(scheduled, actual, InsuranceEnd::Conventional, 0.5, 30000000);
    EXPECT_EQ(paid.monthly, 11250);
    EXPECT_EQ(paid.lastMonth, 109);
    EXPECT_EQ(paid.reaches80, 37);
    EXPECT_EQ(CancellationSaving(paid), 72 * 11250);
    // Without extras the buyer may ask after payment 95 of the 109.
    EXPECT_EQ(CancellationSaving(scheduled), 14 * 11250);

    // Paid off with payment 2, before either date: nothing after the last payment.
    ExtraPayments lump;
    lump.once = {{2, 30000000}};
    const AmortizationSchedule early = BuildSchedule(270000, 6.5, 360, lump, nullptr);
    ASSERT_EQ(early.months.size(), 2u);
    const InsurancePlan ended =
        PlanInsuranceWithExtras(scheduled, early, InsuranceEnd::Conventional, 0.5, 30000000);
    EXPECT_EQ(ended.lastMonth, 2);
    EXPECT_EQ(ended.reaches80, 2);
    EXPECT_EQ(CancellationSaving(ended), 0);

    // FHA insurance is no part of the Act: 11 years of the scheduled premium, ending with the
    // last payment made.
    const InsurancePlan fha =
        PlanInsuranceWithExtras(PlanInsurance(original, InsuranceEnd::Fha, 0.55, 30000000), early,
                                InsuranceEnd::Fha, 0.55, 30000000);
    EXPECT_EQ(fha.lastMonth, 2);
}

// 1026.22(a)(3): the payment amounts of a fixed loan whose insurance ends are irregular; those
// of a variable rate that only follow its changes are not; insurance for the whole term is
// regular.
TEST(LoanEstimate, which_loans_are_irregular_for_the_apr_tolerance) {
    const AmortizationSchedule fixed = BuildSchedule(270000, 6.5, 360);
    const InsurancePlan ends = PlanInsurance(fixed, InsuranceEnd::Conventional, 0.5, 30000000);
    ASSERT_EQ(ends.lastMonth, 109);
    EXPECT_EQ(AprToleranceOf(AprFeaturesOf(fixed, ends)), 0.25);
    EXPECT_EQ(AprToleranceOf(AprFeaturesOf(fixed, InsurancePlan{})), 0.125);
    InsurancePlan wholeTerm;
    wholeTerm.monthly = 12375;
    wholeTerm.lastMonth = 360;
    EXPECT_EQ(AprToleranceOf(AprFeaturesOf(fixed, wholeTerm)), 0.125);
    // FHA's annual premium falls with the balance each year: the amounts change, as when
    // insurance ends.
    const InsurancePlan fhaWholeTerm = PlanInsurance(fixed, InsuranceEnd::Fha, 0.55, 29000000);
    ASSERT_EQ(fhaWholeTerm.lastMonth, 360);
    EXPECT_EQ(AprToleranceOf(AprFeaturesOf(fixed, fhaWholeTerm)), 0.25);

    AdjustableRate arm;
    arm.initialMonths = 60;
    arm.indexPercent = 4.25;
    arm.marginPercent = 2.75;
    arm.firstCap = 2;
    arm.laterCap = 2;
    arm.lifeCap = 5;
    arm.floor = 2.75;
    arm.monthsBetween = 12;
    const AmortizationSchedule adjustable =
        BuildSchedule(270000, 5.125, 360, ExtraPayments{}, &arm);
    ASSERT_GE(adjustable.changes.size(), 2u);
    EXPECT_EQ(AprToleranceOf(AprFeaturesOf(adjustable, InsurancePlan{})), 0.125);
    const InsurancePlan armEnds =
        PlanInsurance(adjustable, InsuranceEnd::Conventional, 0.5, 30000000);
    ASSERT_GT(armEnds.lastMonth, 1);
    EXPECT_EQ(AprToleranceOf(AprFeaturesOf(adjustable, armEnds)), 0.25);
}

struct PlanCase {
    const char* name;
    InsuranceEnd end;
    double loan;
    double rate;
    std::int32_t months;
    double yearlyPercent;
    Cents homeValue;
    Cents monthly;
    std::int32_t lastMonth;
    std::optional<std::int32_t> reaches80;
};

class InsurancePlanRow : public ::testing::TestWithParam<PlanCase> {};

TEST_P(InsurancePlanRow, matches) {
    const PlanCase& c = GetParam();
    const InsurancePlan plan =
        PlanInsurance(BuildSchedule(c.loan, c.rate, c.months), c.end, c.yearlyPercent, c.homeValue);
    EXPECT_EQ(plan.monthly, c.monthly);
    EXPECT_EQ(plan.lastMonth, c.lastMonth);
    EXPECT_EQ(plan.reaches80, c.reaches80);
}

constexpr auto Fha = InsuranceEnd::Fha;
constexpr auto Conventional = InsuranceEnd::Conventional;

INSTANTIATE_TEST_SUITE_P(
    Rows, InsurancePlanRow,
    ::testing::Values(
        // The first year's premium, on the average of the 12 balances owed before its payments
        // (worked in decimal): 270,000.00 at 6.25 %: 3,222,794.48 / 12 * 0.55 % / 12 = 123.09;
        // over 10 years 3,130,845.13 -> 119.58; 291,000.00 at 0.85 %: 3,473,456.39 -> 205.03.
        PlanCase{"fha_at_90_percent_runs_11_years", Fha, 270000, 6.25, 360, 0.55, 30000000, 12309,
                 132, std::nullopt},
        PlanCase{"fha_a_cent_over_90_percent_runs_the_term", Fha, 270000.01, 6.25, 360, 0.55,
                 30000000, 12309, 360, std::nullopt},
        PlanCase{"fha_stops_with_a_shorter_loan", Fha, 270000, 6.25, 120, 0.55, 30000000, 11958,
                 120, std::nullopt},
        PlanCase{"fha_first_year_on_the_average_balance", Fha, 291000, 6.25, 360, 0.85, 30000000,
                 20503, 360, std::nullopt},
        PlanCase{"conventional_at_78_percent_pays_nothing", Conventional, 234000, 6.5, 360, 0.5,
                 30000000, 0, 0, std::nullopt},
        // 233,788.47 owed after the first payment: below both thresholds at once.
        PlanCase{"conventional_a_cent_over_78_percent_pays_once", Conventional, 234000.01, 6.5, 360,
                 0.5, 30000000, 9750, 1, 1},
        // 97 % at 12 %: 249,404.86 still owed after payment 180 (78 % after 208, 80 % after 198),
        // so the middle of the term ends it, before the buyer could ask.
        PlanCase{"conventional_ends_at_the_middle_of_the_term", Conventional, 291000, 12, 360, 0.9,
                 30000000, 21825, 180, std::nullopt},
        PlanCase{"conventional_odd_term_ends_before_its_middle", Conventional, 291000, 12, 359, 0.9,
                 30000000, 21825, 179, std::nullopt},
        PlanCase{"no_insurance_type", InsuranceEnd::None, 291000, 12, 360, 0.9, 30000000, 0, 0,
                 std::nullopt},
        PlanCase{"zero_rate", Fha, 291000, 12, 360, 0, 30000000, 0, 0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// 132 payments fill exactly 11 years, so the range without insurance starts in year 12.
TEST(LoanEstimate, fha_insurance_shows_through_year_11) {
    const AmortizationSchedule s = BuildSchedule(270000, 6.25, 360);
    const InsurancePlan plan = PlanInsurance(s, InsuranceEnd::Fha, 0.55, 30000000);
    const std::vector<PaymentRange> ranges = ProjectedPayments(s, plan, 35000);
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0].lastYear, 11);
    EXPECT_EQ(ranges[0].insurance, 12309);
    EXPECT_EQ(ranges[1].firstYear, 12);
    EXPECT_EQ(ranges[1].lastYear, 30);
    EXPECT_EQ(ranges[1].insurance, 0);
}

// Relations that hold for every loan, over loans drawn across the range people borrow.
TEST(LoanEstimate, invariants_over_random_loans) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> loanDollars(20000, 900000);
    std::uniform_real_distribution<double> ratePercent(1, 12);
    std::uniform_int_distribution<std::int32_t> years(10, 40);
    std::uniform_real_distribution<double> insurancePercent(0.2, 1.5);
    std::uniform_real_distribution<double> loanToValue(0.79, 1.0);
    std::uniform_int_distribution<Cents> costs(100000, 1500000);
    for (int i = 0; i < 300; ++i) {
        const double loan = std::round(loanDollars(random) * 100) / 100;
        const double rate = std::round(ratePercent(random) * 1000) / 1000;
        const std::int32_t term = years(random) * 12;
        const AmortizationSchedule s = BuildSchedule(loan, rate, term);
        const Cents value = static_cast<Cents>(static_cast<double>(s.loan) / loanToValue(random));
        const InsurancePlan plan =
            PlanInsurance(s, InsuranceEnd::Conventional, insurancePercent(random), value);
        const Cents loanCosts = costs(random);
        const auto n = static_cast<std::int32_t>(s.months.size());
        SCOPED_TRACE("loan " + std::to_string(loan) + " at " + std::to_string(rate) + " for " +
                     std::to_string(term) + " on " + std::to_string(value));
        ASSERT_GT(n, 0);
        EXPECT_GT(plan.lastMonth, 0);
        EXPECT_LE(plan.lastMonth, n / 2);

        for (const std::int32_t months : {1, 60, plan.lastMonth, n / 2 + 1, n, n + 7}) {
            SCOPED_TRACE("months " + std::to_string(months));
            const PaidThrough paid = PaidInFirst(s, plan, months);
            EXPECT_EQ(paid.principal + paid.balance, s.loan);
            const InYears in = InFirstMonths(s, plan, loanCosts, months);
            EXPECT_EQ(in.totalPaid - in.principalPaidOff,
                      paid.interest + paid.insurance + loanCosts);
            EXPECT_EQ(DiscountedCost(s, plan, loanCosts, months, 0),
                      PlainCost(s, plan, loanCosts, months));
            // Payments made later are worth less today the more the money earns.
            Cents previous = DiscountedCost(s, plan, loanCosts, months, 0);
            for (const double savings : {1.5, 4.0, 8.0}) {
                const Cents cost = DiscountedCost(s, plan, loanCosts, months, savings);
                EXPECT_LT(cost, previous) << "at " << savings << " %";
                previous = cost;
            }
        }
        const PaidThrough all = PaidInFirst(s, plan, n + 7);
        EXPECT_EQ(all.balance, 0);
        EXPECT_EQ(all.insurance, plan.monthly * plan.lastMonth);
        Cents streamed = 0;
        for (const Cents payment : PaymentStream(s, plan))
            streamed += payment;
        EXPECT_EQ(streamed, s.totalPayments + all.insurance);
    }
}

} // namespace
} // namespace plumcrest
