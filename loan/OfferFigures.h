#pragma once
// The figures of one offer as the Loan Estimate defines them, beside the comparison's costs: the
// projected monthly payments, cash to close, "In 5 Years", the Total Interest Percentage, the APR
// as a lender must figure it with the check of the disclosed one, and the cost over the years the
// buyer expects to keep the loan, plain and with the money's earnings counted. Plain C++, no Qt.

#include "Amortization.h"
#include "LoanEstimate.h"
#include "LoanEstimateMath.h"
#include "LoanTerms.h"
#include "StreamApr.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace plumcrest {

// What the buyer's money earns elsewhere, a year, until they say otherwise.
inline constexpr double kDefaultSavingsPercent = 4.0;

struct SectionTotals {
    Cents loanCosts = 0;    // D = A + B + C
    Cents otherCosts = 0;   // I = E + F + G + H
    Cents closingCosts = 0; // D + I
    Cents lenderCredits = 0;
    Cents prepaidInterest = 0;
    Cents prepaidFinanceCharges = 0; // items marked as finance charges, less lender credits
    Cents closingInsurance = 0;      // mortgage insurance paid at closing outside A to C
};

SectionTotals TotalsOf(const LoanEstimate& estimate);
Cents SectionTotal(const LoanEstimate& estimate, CostSection section);

// The Loan Estimate's Calculating Cash to Close table (12 CFR 1026.37(h)(1)): each line as the
// form gives it, or, where it gives none, as the offer's own figures have it (closing costs
// financed: the upfront premium financed, at most the closing costs; down payment: the price less
// the base loan, never below zero; the other lines 0). The total is J less the closing costs
// financed, plus the down payment, less the deposit, the funds for the borrower and the seller
// credits, plus the adjustments and other credits.
struct CashToClose {
    Cents totalClosingCosts = 0; // J: D + I less lender credits
    Cents closingCostsFinanced = 0;
    Cents downPayment = 0;
    Cents deposit = 0;
    Cents fundsForBorrower = 0;
    Cents sellerCredits = 0;
    Cents adjustments = 0; // with its sign: a credit is below zero
    Cents total = 0;
};
CashToClose CashToCloseOf(const LoanEstimate& estimate, const SectionTotals& totals);

struct OfferFigures {
    // The loan as the lender discloses it: no extra payments and, for an adjustable rate, the
    // index as it stands today. The Loan Estimate's figures and the APR come from it.
    LoanTerms terms;
    AmortizationSchedule schedule;
    InsurancePlan insurance;
    // As the buyer will pay it, with the plan of extra payments (the schedule above when none).
    AmortizationSchedule paid;
    InsurancePlan paidInsurance;
    ExtraSavings savings; // of the plan, against the schedule above
    HighestPayment highest;
    // An adjustable rate's worst case, each change as high as the caps allow, with the plan.
    bool adjustable = false;
    AmortizationSchedule worst;
    InsurancePlan worstInsurance;
    HighestPayment worstHighest;
    SectionTotals totals;
    Cents baseLoan = 0; // the loan amount less the upfront premium financed
    CashToClose cash;
    Cents downPayment = 0; // the table's down payment
    Cents cashToClose = 0; // the table's total, ours
    // The form's printed cash to close less ours, where it gave one.
    std::optional<Cents> cashToCloseDifference;
    // The first year's monthly insurance the form gave less ours.
    std::optional<Cents> insuranceDifference;
    // Up to four columns; an adjustable rate's with the least and the most each column's years
    // can bring.
    std::vector<PaymentRange> projected;
    InYears inFiveYears;
    double tip = 0; // percent
    // The Closing Disclosure's Loan Calculations (12 CFR 1026.38(o)), from the disclosed
    // schedule: the amount financed is the loan less the prepaid finance charges; the finance
    // charge the payments (principal, interest, insurance) less the amount financed, that is the
    // interest, the insurance and the prepaid finance charges; the total of payments the
    // payments plus the loan costs (A to C), the prepaid interest and the insurance paid at
    // closing.
    Cents amountFinanced = 0;
    Cents financeCharge = 0;
    Cents totalOfPayments = 0;
    std::optional<double> lenderApr; // from the finance charges and the whole payment stream
    AprFeatures aprFeatures;
    // The calculator's APR of the offer's own fees (CalculatorResultsOf); none when the
    // calculator cannot work it out.
    std::optional<double> calculatorApr;
    DisclosedAprCheck aprCheck;
    // The disclosed finance charge less ours, and the APR it gives, where the lender gave one.
    std::optional<Cents> financeChargeDifference;
    std::optional<double> aprOfDisclosedCharge;
    // The disclosed "In 5 Years" and TIP less the computed ones, where the lender gave them.
    std::optional<Cents> inFiveTotalDifference;
    std::optional<Cents> inFivePrincipalDifference;
    std::optional<double> tipDifference;
};

OfferFigures FigureOffer(const LoanEstimate& estimate, const ExtraPayments& plan = {});

// The figures that follow the years kept and the savings rate.
struct HorizonFigures {
    InYears paid; // totals over the years kept, loan costs A to C included
    Cents plainCost = 0;
    Cents discountedCost = 0;
    // The same cost in an adjustable rate's worst case (the cost above for a fixed rate).
    Cents worstPlainCost = 0;
};

// The horizon costs count the loan costs (A to C), prepaid interest less lender credits, and the
// interest and insurance paid in the first `years` years, as the buyer pays (extras included).
HorizonFigures FigureHorizon(const OfferFigures& figures, std::int32_t years,
                             double savingsPercent);

} // namespace plumcrest
