// The rules an offer's figures follow, each worked by hand in decimal and pinned on both sides of
// its boundary: FHA's annual premium on the base loan's value and the year's average balance,
// USDA's annual fee, the Calculating Cash to Close table and an adjustable rate's Projected
// Payments.

#include "OfferFigures.h"

#include <gtest/gtest.h>

namespace plumcrest {
namespace {

// A 300,000.00 home, a 270,000.00 base loan with 4,725.00 of upfront premium financed, 6.25 %
// over 30 years, 0.55 % a year.
LoanEstimate FhaEstimate() {
    LoanEstimate estimate;
    estimate.loanType = LoanType::Fha;
    estimate.price = 300000;
    estimate.loanAmount = 274725;
    estimate.upfrontPremiumFinanced = 4725;
    estimate.months = 360;
    estimate.noteRate = 6.25;
    estimate.insuranceEnd = InsuranceEnd::Fha;
    estimate.insurancePercent = 0.55;
    return estimate;
}

// 274,725.00 at 6.25 %: 1,691.53 a month. The balances owed before payments 1 to 12 sum to
// 3,279,193.64, so year 1 charges 3,279,193.64 / 12 * 0.55 % / 12 = 125.2469... -> 125.25 (a flat
// premium on the whole loan would be 125.92); year 2 on 3,239,437.05 -> 123.73; year 11 on
// 2,744,409.97 -> 104.82; year 12, when it runs, on 2,670,254.91 -> 101.99. The base loan is
// 90 % of the value, so the premium ends with payment 132, though the whole loan is 91.575 %.
TEST(FhaPremium, ends_after_11_years_on_the_base_loan_and_falls_with_the_balance) {
    const OfferFigures at90 = FigureOffer(FhaEstimate());
    EXPECT_EQ(at90.schedule.payment, 169153);
    EXPECT_EQ(at90.baseLoan, 27000000);
    EXPECT_EQ(at90.insurance.lastMonth, 132);
    EXPECT_EQ(at90.insurance.monthly, 12525);
    EXPECT_EQ(InsuranceInMonth(at90.insurance, 12), 12525);
    EXPECT_EQ(InsuranceInMonth(at90.insurance, 13), 12373);
    EXPECT_EQ(InsuranceInMonth(at90.insurance, 132), 10482);
    EXPECT_EQ(InsuranceInMonth(at90.insurance, 133), 0);
    // The falling premium makes no new column; its end does.
    ASSERT_EQ(at90.projected.size(), 2u);
    EXPECT_EQ(at90.projected[0].lastYear, 11);
    EXPECT_EQ(at90.projected[0].insurance, 12525);
    EXPECT_EQ(at90.projected[1].insurance, 0);

    // A cent more of base loan is over 90 %: the premium runs the whole term.
    LoanEstimate over = FhaEstimate();
    over.loanAmount = 274725.01;
    const OfferFigures above90 = FigureOffer(over);
    EXPECT_EQ(above90.insurance.lastMonth, 360);
    EXPECT_EQ(InsuranceInMonth(above90.insurance, 133), 10199);
    ASSERT_EQ(above90.projected.size(), 1u);
}

// The Loan Estimate's first-year figure is checked against the year's average, not replaced.
TEST(FhaPremium, the_disclosed_first_year_premium_is_checked_against_ours) {
    LoanEstimate estimate = FhaEstimate();
    const OfferFigures plain = FigureOffer(estimate);
    EXPECT_FALSE(plain.insuranceDifference);
    estimate.disclosedInsuranceMonthly = 126;
    EXPECT_EQ(FigureOffer(estimate).insuranceDifference, std::optional<Cents>(75));
    estimate.disclosedInsuranceMonthly = 125.25;
    EXPECT_EQ(FigureOffer(estimate).insuranceDifference, std::optional<Cents>(0));
}

// USDA's annual fee has no 11-year rule: 0.35 % on year 1's average balance is 79.70, on year
// 30's (128,784.94 over its 12 months) 3.13.
TEST(FhaPremium, a_usda_annual_fee_runs_the_whole_term) {
    LoanEstimate estimate = FhaEstimate();
    estimate.loanType = LoanType::Usda;
    estimate.insuranceEnd = InsuranceEnd::Usda;
    estimate.insurancePercent = 0.35;
    const OfferFigures figures = FigureOffer(estimate);
    EXPECT_EQ(figures.insurance.lastMonth, 360);
    EXPECT_EQ(figures.insurance.monthly, 7970);
    EXPECT_EQ(InsuranceInMonth(figures.insurance, 360), 313);
}

// Extra payments do not change an annual premium figured on the scheduled balance; it ends with
// the last payment made.
TEST(FhaPremium, extra_payments_keep_the_scheduled_premium) {
    ExtraPayments plan;
    plan.monthly = 50000;
    const OfferFigures figures = FigureOffer(FhaEstimate(), plan);
    EXPECT_EQ(InsuranceInMonth(figures.paidInsurance, 13), 12373);
    EXPECT_EQ(figures.paidInsurance.lastMonth, 132);
}

// J: 4,725.00 + 1,350.50 + 612.25 + 98.00 + 423.17 - 500.00 = 6,708.92. Less the 4,725.00
// financed, plus the 30,000.00 the base loan leaves of the price, less 5,000.00 deposit and
// 2,000.00 seller credits, less 350.25 of credits: 24,633.67. (Price less the whole loan with
// costs less credits, as before, gave 31,983.92.)
TEST(CashToClose, the_table_adds_its_lines_and_the_premium_financed_is_not_down_payment) {
    LoanEstimate estimate = FhaEstimate();
    estimate.costs = {{CostSection::A, "Origination Fee", 1350.5, true},
                      {CostSection::B, "Mortgage Insurance Premium", 4725, true},
                      {CostSection::C, "Title - Settlement Agent Fee", 612.25, true},
                      {CostSection::E, "Recording Fees", 98, false},
                      {CostSection::F, "Prepaid Interest", 423.17, true}};
    estimate.lenderCredits = 500;
    estimate.deposit = 5000;
    estimate.sellerCredits = 2000;
    estimate.adjustmentsCredits = -350.25;
    OfferFigures figures = FigureOffer(estimate);
    EXPECT_EQ(figures.cash.totalClosingCosts, 670892);
    EXPECT_EQ(figures.cash.closingCostsFinanced, 472500);
    EXPECT_EQ(figures.downPayment, 3000000);
    EXPECT_EQ(figures.cashToClose, 2463367);
    EXPECT_FALSE(figures.cashToCloseDifference);

    // The form's own lines stand as printed, and its total is kept and checked.
    estimate.closingCostsFinanced = 4000;
    estimate.downPaymentFunds = 29000;
    estimate.fundsForBorrower = 150.75;
    estimate.disclosedCashToClose = 24000;
    figures = FigureOffer(estimate);
    EXPECT_EQ(figures.cashToClose, 2463367 + 72500 - 100000 - 15075);
    EXPECT_EQ(figures.cashToCloseDifference, std::optional<Cents>(2400000 - 2420792));
    EXPECT_EQ(estimate.disclosedCashToClose, std::optional<double>(24000));
}

// The financed premium counts as closing costs financed only as far as there are closing costs:
// with 4,000.00 of them, 4,000.00; with 4,725.00 or more, all of the premium.
TEST(CashToClose, closing_costs_financed_never_exceed_the_closing_costs) {
    LoanEstimate estimate = FhaEstimate();
    estimate.costs = {{CostSection::B, "Mortgage Insurance Premium", 4000, true}};
    EXPECT_EQ(FigureOffer(estimate).cash.closingCostsFinanced, 400000);
    EXPECT_EQ(FigureOffer(estimate).cashToClose, 3000000);
    estimate.costs.front().amount = 4725.01;
    EXPECT_EQ(FigureOffer(estimate).cash.closingCostsFinanced, 472500);
    EXPECT_EQ(FigureOffer(estimate).cashToClose, 3000001);
}

// The regulator's fixed-rate sample: J 8,054, 18,000 down, 10,000 deposit: 16,054 as printed.
TEST(CashToClose, a_conventional_purchase_with_a_deposit) {
    LoanEstimate estimate;
    estimate.price = 180000;
    estimate.loanAmount = 162000;
    estimate.months = 360;
    estimate.noteRate = 3.875;
    estimate.costs = {{CostSection::A, "Points", 5672, true},
                      {CostSection::E, "Other", 2382, false}};
    estimate.deposit = 10000;
    const OfferFigures figures = FigureOffer(estimate);
    EXPECT_EQ(figures.downPayment, 1800000);
    EXPECT_EQ(figures.cashToClose, 1605400);
}

// 200,000.00 over 30 years at 4 % for five years (954.83), then yearly changes of at most 2
// points, a floor of 2.25 %, the index 2.5 plus a margin of 2.25. Least: 2.25 % from year 6,
// 788.94. Most: 6 % in year 6 (1,165.51), 8 % in year 7 (1,389.52), 9 % from year 8 (1,504.77)
// when the lifetime cap is 5 points; with 7 points also 10 % in year 8 (1,623.71) and 11 % from
// year 9 (1,743.08), a fifth change that the fourth column takes in.
TEST(ProjectedPayments, an_adjustable_rate_shows_up_to_four_columns_of_least_and_most) {
    LoanEstimate estimate;
    estimate.price = 260000;
    estimate.loanAmount = 200000;
    estimate.months = 360;
    estimate.noteRate = 4;
    estimate.propertyTaxYearly = 2400;
    estimate.homeInsuranceYearly = 1200;
    estimate.adjustable = AdjustableRate{60, 2.5, 2.25, 2, 2, 5, 2.25, 12};
    struct Column {
        std::int32_t first, last;
        Cents low, high;
    };
    const auto expect = [](const std::vector<PaymentRange>& ranges,
                           const std::vector<Column>& columns) {
        ASSERT_EQ(ranges.size(), columns.size());
        for (std::size_t i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(ranges[i].firstYear, columns[i].first) << i;
            EXPECT_EQ(ranges[i].lastYear, columns[i].last) << i;
            EXPECT_EQ(ranges[i].lowPrincipalInterest, columns[i].low) << i;
            EXPECT_EQ(ranges[i].highPrincipalInterest, columns[i].high) << i;
            EXPECT_EQ(ranges[i].lowTotal, columns[i].low + 30000) << i;
            EXPECT_EQ(ranges[i].highTotal, columns[i].high + 30000) << i;
        }
    };
    const OfferFigures five = FigureOffer(estimate);
    expect(five.projected, {{1, 5, 95483, 95483},
                            {6, 6, 78894, 116551},
                            {7, 7, 78894, 138952},
                            {8, 30, 78894, 150477}});
    EXPECT_FALSE(five.projected[0].IsRange());
    // The column's regular payment as the index stands: 4.75 % from year 6, 1,031.31.
    EXPECT_EQ(five.projected[1].principalInterest, 103131);
    estimate.adjustable->lifeCap = 7;
    expect(FigureOffer(estimate).projected, {{1, 5, 95483, 95483},
                                             {6, 6, 78894, 116551},
                                             {7, 7, 78894, 138952},
                                             {8, 30, 78894, 174308}});
}

} // namespace
} // namespace plumcrest
