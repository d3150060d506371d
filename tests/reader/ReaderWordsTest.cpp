// The reader's logic on word lists, without a PDF: amounts as forms print them, and figures found
// by where they stand rather than by the order the words come in.

#include "EstimateReading.h"
#include "OfferFigures.h"
#include "ReadingChecks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace plumcrest;
using namespace plumcrest::reader;

namespace {

struct AmountRow {
    const char* name;
    const char* text;
    bool needDollar;
    std::optional<double> expected;
};

class Amounts : public ::testing::TestWithParam<AmountRow> {};

TEST_P(Amounts, read_as_the_form_prints_them) {
    const AmountRow& row = GetParam();
    EXPECT_EQ(ParseAmount(row.text, row.needDollar), row.expected) << row.text;
}

INSTANTIATE_TEST_SUITE_P(Form, Amounts,
                         ::testing::Values(AmountRow{"grouped", "$1,802", true, 1802},
                                           AmountRow{"cents", "$761.78", true, 761.78},
                                           AmountRow{"en_dash_minus", "\u2013$750", true, -750},
                                           AmountRow{"hyphen_minus", "-$10,000", true, -10000},
                                           AmountRow{"dash_alone_in_a_column", "\u2014", false, 0},
                                           AmountRow{"bare_figure_in_a_column", "82", false, 82},
                                           AmountRow{"bare_figure_where_dollars_are_due", "82",
                                                     true, std::nullopt},
                                           AmountRow{"a_word", "$1,8o2", true, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Percent, with_decimals_and_apart_from_its_sign) {
    EXPECT_EQ(ParsePercent("6.512%"), 6.512);
    EXPECT_EQ(ParsePercent("6.512"), std::nullopt);
    EXPECT_EQ(ParseDate("3/14/2024"), "2024-03-14");
    EXPECT_EQ(ParseDate("March 4, 2024"), "2024-03-04");
}

// Words of a line set left to right from x, one point of word space per character.
void Say(Page& page, double x, double y, const std::string& text, double size = 9) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const double width = static_cast<double>(end - at) * size * 0.5;
        page.words.push_back({x, y - size, x + width, y + size * 0.25, text.substr(at, end - at)});
        x += width + size * 0.3;
        at = end + 1;
    }
}

std::vector<Page> Form(bool withTotalD) {
    Page first;
    Say(first, 36, 72, "Loan Estimate", 20);
    Say(first, 36, 200, "Loan Terms", 12);
    Say(first, 36, 225, "Loan Amount");
    Say(first, 240, 225, "$211,000");
    Say(first, 36, 340, "Projected Payments", 12);
    Page costs;
    Say(costs, 36, 40, "Closing Cost Details", 16);
    Say(costs, 36, 86, "A. Origination Charges");
    Say(costs, 260, 86, "$1,325");
    Say(costs, 316, 86, "E. Taxes and Other Government Fees");
    Say(costs, 540, 86, "$97");
    Say(costs, 40, 99, "Application Fee");
    Say(costs, 260, 99, "$425");
    Say(costs, 320, 99, "Transfer Taxes");
    Say(costs, 40, 111, "Underwriting Fee");
    Say(costs, 260, 111, "$900");
    Say(costs, 320, 111, "Recording Fees and Other Taxes");
    Say(costs, 540, 111, "$97");
    if (withTotalD) {
        Say(costs, 36, 130, "D. TOTAL LOAN COSTS (A + B + C)");
        Say(costs, 260, 130, "$1,325");
    }
    Say(costs, 316, 130, "I. TOTAL OTHER COSTS (E + F + G + H)");
    Say(costs, 540, 130, "$97");
    return {first, costs};
}

// State: a form's words in a scrambled order, two columns of sections side by side.
// Expected: each line under its own heading, with its amount or none, and the totals.
TEST(Sections, are_read_by_position_not_by_order) {
    std::vector<Page> pages = Form(true);
    std::mt19937 random(5);
    for (Page& page : pages)
        std::shuffle(page.words.begin(), page.words.end(), random);
    const auto reading = ReadEstimate(pages);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->loanAmount.value, 211000);
    EXPECT_EQ(reading->loanAmount.where, (Where{1, 3}));
    const auto& a = reading->Section(CostSection::A);
    ASSERT_EQ(a.lines.size(), 2u);
    EXPECT_EQ(a.lines[0].label, "Application Fee");
    EXPECT_EQ(a.lines[0].amount, 425);
    EXPECT_EQ(a.lines[1].label, "Underwriting Fee");
    EXPECT_EQ(a.lines[1].amount, 900);
    EXPECT_EQ(a.total.value, 1325);
    const auto& e = reading->Section(CostSection::E);
    ASSERT_EQ(e.lines.size(), 2u);
    EXPECT_EQ(e.lines[0].label, "Transfer Taxes");
    EXPECT_EQ(e.lines[0].amount, std::nullopt);
    EXPECT_EQ(e.lines[1].amount, 97);
    EXPECT_EQ(e.lines[1].where, (Where{2, 4}));
    EXPECT_EQ(reading->totalLoanCosts.value, 1325);
    EXPECT_EQ(reading->totalOtherCosts.value, 97);
}

// State: the line of total D missing.  Expected: D is not found; all else is read as before.
TEST(Sections, a_missing_line_leaves_only_its_figure_out) {
    const auto reading = ReadEstimate(Form(false));
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->totalLoanCosts.value, std::nullopt);
    EXPECT_EQ(reading->Section(CostSection::A).lines.size(), 2u);
    EXPECT_EQ(reading->totalOtherCosts.value, 97);
}

// State: the form with its Adjustable Interest Rate table in page 2's right column: initial rate
// 4.125 %, minimum and maximum 3.25 % and 11.875 %.
// Expected: each rate in its own figure, the minimum as the minimum and the maximum as the
// maximum, each where it stands.
TEST(Sections, the_rate_table_gives_its_minimum_and_maximum_apart) {
    std::vector<Page> pages = Form(true);
    Page& costs = pages[1];
    Say(costs, 316, 400, "Adjustable Interest Rate (AIR) Table", 10);
    Say(costs, 320, 414, "Initial Interest Rate");
    Say(costs, 500, 414, "4.125%");
    Say(costs, 320, 426, "Minimum/Maximum Interest Rate");
    Say(costs, 500, 426, "3.25%/11.875%");
    const auto reading = ReadEstimate(pages);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->rateTable.initialRate.value, 4.125);
    EXPECT_EQ(reading->rateTable.minimumRate.value, 3.25);
    EXPECT_EQ(reading->rateTable.maximumRate.value, 11.875);
    EXPECT_EQ(reading->rateTable.minimumRate.where.page, 2);
    EXPECT_EQ(reading->totalOtherCosts.value, 97);
}

// State: only the costs page.  Expected: not taken for the form.
TEST(Form, one_page_of_it_is_not_the_form) {
    const std::vector<Page> pages = Form(true);
    EXPECT_FALSE(ReadEstimate({pages[1]}));
}

} // namespace

// State: a reading with the form's Purpose and its Rate Lock sentence as printed.
// Action: made into the offer kept.  Expected: the purpose and both days, the time of day left
// to the sentence; an unlocked rate keeps no lock date, a date it cannot read none.
TEST(EstimateOfReading, takes_the_purpose_and_the_rate_lock_days) {
    EstimateReading reading;
    reading.purpose.value = "Refinance";
    reading.rateLocked.value = true;
    reading.rateLockUntil.value = "4/16/2024 at 5:00 p.m. EDT";
    reading.closingCostsExpire.value = "3/28/2024 at 5:00 p.m. EDT";
    LoanEstimate estimate = EstimateOfReading(reading);
    using std::chrono::year;
    EXPECT_EQ(estimate.purpose, LoanPurpose::Refinance);
    EXPECT_EQ(estimate.rateLockUntil, std::optional(std::chrono::sys_days(year(2024) / 4 / 16)));
    EXPECT_EQ(estimate.closingCostsExpire,
              std::optional(std::chrono::sys_days(year(2024) / 3 / 28)));
    reading.purpose.value = "Home Equity Loan";
    reading.rateLocked.value = false;
    reading.closingCostsExpire.value = "2/30/2024 at 5:00 p.m. EDT";
    estimate = EstimateOfReading(reading);
    EXPECT_EQ(estimate.purpose, LoanPurpose::HomeEquity);
    EXPECT_FALSE(estimate.rateLockUntil);
    EXPECT_FALSE(estimate.closingCostsExpire);
    reading.purpose.value.reset();
    EXPECT_EQ(EstimateOfReading(reading).purpose, LoanPurpose::Purchase);
}

namespace {

EstimateReading LoanRead(double amount, double rate, int years) {
    EstimateReading r;
    r.loanAmount.value = amount;
    r.interestRate.value = rate;
    r.loanTermYears.value = years;
    r.monthlyPrincipalInterest.value = 737.91;
    return r;
}

} // namespace

// A refinance's table gives the loan, the closing costs and the payoffs: what the loan leaves
// after the costs financed and the payoffs is funds for the borrower (12 CFR 1026.37(h)(1)(v)),
// and the cash to close "to" the borrower is kept below zero, so our own total agrees with it.
// A purchase's lines are kept as amounts taken off, the adjustments with their sign.
TEST(OfferOfReading, keeps_the_cash_to_close_table_and_its_sign) {
    EstimateReading refinance = LoanRead(150000, 4.25, 30);
    refinance.Section(CostSection::A).lines.push_back({"Origination Fee", 5099, {}});
    refinance.cashToClose.value = 24901;
    refinance.cashToCloseToBorrower.value = true;
    CashToCloseTable& table = refinance.cashTable;
    table.loanAmount.value = 150000;
    table.totalClosingCosts.value = -5099;
    table.payoffs.value = -120000;
    table.closingCostsFinanced.value = 5099;
    table.cashToClose.value = 24901;
    const LoanEstimate offer = EstimateOfReading(refinance);
    EXPECT_EQ(offer.closingCostsFinanced, std::optional<double>(5099));
    EXPECT_EQ(offer.fundsForBorrower, std::optional<double>(24901));
    EXPECT_EQ(offer.downPaymentFunds, std::optional<double>(0));
    EXPECT_EQ(offer.disclosedCashToClose, std::optional<double>(-24901));
    EXPECT_EQ(FigureOffer(offer).cashToCloseDifference, std::optional<Cents>(0));

    EstimateReading purchase = LoanRead(162000, 3.875, 30);
    purchase.cashToClose.value = 14147;
    purchase.cashToCloseToBorrower.value = false;
    purchase.cashTable.deposit.value = -10000;
    purchase.cashTable.sellerCredits.value = -2500;
    purchase.cashTable.adjustmentsCredits.value = -1035.04;
    purchase.cashTable.downPaymentFunds.value = 18000;
    const LoanEstimate bought = EstimateOfReading(purchase);
    EXPECT_EQ(bought.deposit, std::optional<double>(10000));
    EXPECT_EQ(bought.sellerCredits, std::optional<double>(2500));
    EXPECT_EQ(bought.adjustmentsCredits, std::optional<double>(-1035.04));
    EXPECT_EQ(bought.downPaymentFunds, std::optional<double>(18000));
    EXPECT_EQ(bought.disclosedCashToClose, std::optional<double>(14147));
}

// State: a purchase's Calculating Cash to Close table: 8,682.00 of closing costs, 500.00 of
// them financed, 18,000.00 down, a 10,000.00 deposit, no funds for the borrower, 2,500.00 of
// seller credits, -1,035.04 of adjustments, so 12,646.96 to close.  Expected: the check agrees
// with 12,646.96 printed and tells a table printing a dollar more.
TEST(CheckReading, the_cash_to_close_adds_up_to_the_cent) {
    EstimateReading r = LoanRead(162000, 3.875, 30);
    CashToCloseTable& table = r.cashTable;
    table.totalClosingCosts.value = 8682;
    table.closingCostsFinanced.value = -500;
    table.downPaymentFunds.value = 18000;
    table.deposit.value = -10000;
    table.fundsForBorrower.value = 0;
    table.sellerCredits.value = -2500;
    table.adjustmentsCredits.value = -1035.04;
    const auto cashCheck = [&r] {
        for (const Check& check : CheckReading(r))
            if (check.name == "cashToClose")
                return std::optional<bool>(check.ok);
        return std::optional<bool>();
    };
    table.cashToClose.value = 12646.96;
    EXPECT_EQ(cashCheck(), std::optional<bool>(true));
    table.cashToClose.value = 12647.96;
    EXPECT_EQ(cashCheck(), std::optional<bool>(false));
}

// The interest-only payments of the Adjustable Payment table, else the years the product names.
TEST(OfferOfReading, interest_only_from_the_payment_table_else_the_product) {
    EstimateReading r = LoanRead(211000, 4, 30);
    r.interestOnly = true;
    r.product.value = "7 Year Interest Only, 7/1 Adjustable Rate";
    EXPECT_EQ(EstimateOfReading(r).interestOnlyMonths, 84);
    // The Spanish form names its years the same way.
    r.product.value = "Por 5 a\u00f1os pago de intereses solamente, 5/1 tasa ajustable";
    EXPECT_EQ(EstimateOfReading(r).interestOnlyMonths, 60);
    r.paymentTable.interestOnlyPayments.value = 60;
    EXPECT_EQ(EstimateOfReading(r).interestOnlyMonths, 60);
    r.paymentTable.interestOnlyPayments.value = 0;
    EXPECT_EQ(EstimateOfReading(r).interestOnlyMonths, 0);
}

// State: a 248,000.00 loan whose first years' payment carries 82.00 of mortgage insurance a
// month, no five-year total to refine it.  Expected: the insurance kept as its yearly share of
// the loan: 82 x 12 / 248,000 = 0.39677 %.
TEST(OfferOfReading, takes_the_insurance_rate_from_the_first_years_payment) {
    EstimateReading r = LoanRead(248000, 6.625, 30);
    ProjectedColumn first;
    first.years = "1-8";
    first.principalInterest = {1587.97, {1, 30}};
    first.mortgageInsurance = {82.0, {1, 31}};
    first.escrow = {425.0, {1, 32}};
    first.total = {2094.97, {1, 33}};
    r.projectedPayments = {first};
    EXPECT_NEAR(EstimateOfReading(r).insurancePercent, 82.0 * 12 / 248000 * 100, 1e-9);
}

// The form names its index (MTA + 4 %) but not its value; the TIP is worked out on it. The
// H-24(C) loan: 211,000.00 at 4 %, 60 payments of interest only, 352.00 of prepaid interest. At
// an index of 0.16 (4.16 % after the fifth year) the TIP is 81.18 %, as printed; at 0 it would be
// 78.52 %.
TEST(OfferOfReading, an_index_the_form_does_not_print_is_the_one_its_tip_gives) {
    EstimateReading r = LoanRead(211000, 4, 30);
    r.paymentTable.interestOnlyPayments.value = 60;
    r.Section(CostSection::F)
        .lines.push_back({"Prepaid Interest ( $23.44 per day for 15 days @ 4.00%)", 352, {}});
    RateTable& table = r.rateTable;
    table.index.value = "MTA";
    table.margin.value = 4;
    table.initialRate.value = 4;
    table.minimumRate.value = 3.25;
    table.maximumRate.value = 12;
    table.firstChangeMonth.value = 61;
    table.laterChangeMonths.value = 36;
    table.firstChangeCap.value = 2;
    table.laterChangeCap.value = 2;
    r.tip.value = 81.18;
    ASSERT_TRUE(EstimateOfReading(r).adjustable);
    EXPECT_DOUBLE_EQ(EstimateOfReading(r).adjustable->indexPercent, 0.16);
    r.tip.value = 78.52;
    EXPECT_DOUBLE_EQ(EstimateOfReading(r).adjustable->indexPercent, 0);
    r.tip.value = 60; // below what any index gives: the initial rate less the margin
    EXPECT_DOUBLE_EQ(EstimateOfReading(r).adjustable->indexPercent, 0);
    r.tip.value = 81.5; // between two hundredths' TIPs
    EXPECT_FALSE(IndexOfTip(r, EstimateOfReading(r)).has_value());
}
