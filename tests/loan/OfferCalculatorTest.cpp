#include "OfferCalculator.h"

#include "LoanPipeline.h"

#include <gtest/gtest.h>

namespace plumcrest {
namespace {

// An offer kept from the calculator gives the calculator back its thirteen inputs and, with them,
// the very results it showed: every fee different and non-zero, so a fee sent to the wrong field
// or dropped shows.
TEST(OfferCalculator, an_offer_kept_from_the_calculator_gives_its_inputs_and_results_back) {
    LoanInputs inputs;
    inputs.PurchasePrice = 312345.67;
    inputs.DownPaymentPercent = 12.5;
    inputs.Term = 25;
    inputs.Interest = 6.375;
    double fee = 100.25;
    for (double LoanInputs::*member :
         {&LoanInputs::OriginationFees, &LoanInputs::Points, &LoanInputs::PrepaidInterest,
          &LoanInputs::MIP, &LoanInputs::Buydown, &LoanInputs::FloodCheck, &LoanInputs::TaxService,
          &LoanInputs::Other1, &LoanInputs::Other2})
        inputs.*member = (fee += 111.5);
    LoanResults shown;
    RecalculateLoan(inputs, shown, U'.');
    const LoanEstimate estimate = EstimateFromCalculator(inputs, shown);

    const LoanInputs back = CalculatorInputsOf(estimate);
    for (const auto& field : kLoanInputFields) {
        if (field.member != &LoanInputs::DownPaymentPercent) {
            EXPECT_EQ(back.*field.member, inputs.*field.member) << field.key;
        }
    }
    EXPECT_NEAR(back.DownPaymentPercent, 12.5, 1e-9);
    const auto results = CalculatorResultsOf(estimate);
    ASSERT_TRUE(results);
    EXPECT_EQ(results->Loan, shown.Loan);
    // The price less the loan: the percent's down payment to the last bit or two.
    EXPECT_DOUBLE_EQ(results->DownPayment, shown.DownPayment);
    EXPECT_EQ(results->FixedFees, shown.FixedFees);
    EXPECT_EQ(results->Payment, shown.Payment);
    EXPECT_EQ(results->APR, shown.APR);
}

// A lender's estimate: its own loan costs and prepaid interest are the calculator's fees; taxes,
// insurance, escrow and the optional items of H are not the loan's. Worked by hand: fees 1,200.00
// (origination) + 1,097.00 + 405.00 + 502.00 (other loan costs) + 262.00 (prepaid interest) =
// 3,466.00 on a loan of 162,000.00.
TEST(OfferCalculator, a_lenders_estimate_counts_its_loan_costs_and_prepaid_interest_only) {
    LoanEstimate estimate;
    estimate.price = 180000;
    estimate.loanAmount = 162000;
    estimate.months = 360;
    estimate.noteRate = 3.875;
    estimate.costs = {{CostSection::A, "Origination Fees", 1200, true},
                      {CostSection::A, "Underwriting Fee", 1097, true},
                      {CostSection::B, "Appraisal Fee", 405, false},
                      {CostSection::C, "Title - Settlement Agent Fee", 502, false},
                      {CostSection::E, "Recording Fees and Other Taxes", 85, false},
                      {CostSection::F, "Homeowner's Insurance Premium (6 months)", 605, false},
                      {CostSection::F, "Prepaid Interest ($17.44 per day for 15 days)", 262, true},
                      {CostSection::G, "Property Taxes", 211, false},
                      {CostSection::H, "Title - Owner's Title Policy (optional)", 1017, false}};
    const LoanInputs inputs = CalculatorInputsOf(estimate);
    EXPECT_EQ(inputs.OriginationFees, 1200);
    EXPECT_EQ(inputs.Other2, 2004);
    EXPECT_EQ(inputs.PrepaidInterest, 262);
    EXPECT_EQ(inputs.Points + inputs.MIP + inputs.Buydown + inputs.FloodCheck + inputs.TaxService +
                  inputs.Other1,
              0);
    EXPECT_EQ(inputs.Term, 30);
    EXPECT_EQ(inputs.Interest, 3.875);
    const auto results = CalculatorResultsOf(estimate);
    ASSERT_TRUE(results);
    EXPECT_EQ(results->FixedFees, 3466);
    EXPECT_EQ(results->Loan, 162000);
    EXPECT_EQ(results->DownPayment, 18000);
    // 761.784076 a month, discounted to 162,000.00 less 3,466.00: 4.053725 % (worked in decimal).
    EXPECT_NEAR(results->Payment, 761.784076, 1e-6);
    EXPECT_NEAR(results->APR, 4.053725, 1e-6);
}

// Fees of the whole loan leave the calculator no rate to find: nothing, not a figure.
TEST(OfferCalculator, fees_of_the_whole_loan_give_no_results) {
    LoanEstimate estimate;
    estimate.price = 100000;
    estimate.loanAmount = 5000;
    estimate.months = 360;
    estimate.noteRate = 6;
    estimate.costs = {{CostSection::A, "Origination Fees", 6000, true}};
    EXPECT_FALSE(CalculatorResultsOf(estimate));
}

} // namespace
} // namespace plumcrest
