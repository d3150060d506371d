#pragma once
// A mortgage offer as the Loan Estimate lays it out: the loan, the closing costs as line items in
// the form's sections, lender credits, monthly mortgage insurance, escrow and dues, and what the
// lender disclosed. Kept with each offer beside the calculator's own inputs. Plain C++, no Qt.

#include "LoanEstimateMath.h"
#include "LoanFields.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plumcrest {

// New types go at the end: the stored words follow this order.
enum class LoanType { Conventional, Fha, Va, Other, Usda };
// The form's Purpose; new ones at the end, as for the loan type.
enum class LoanPurpose { Purchase, Refinance, Construction, HomeEquity };

// The closing-cost sections of the form; D (A to C) and I (E to H) are their totals.
enum class CostSection { A, B, C, E, F, G, H };

inline constexpr std::array<CostSection, 7> kCostSections{
    CostSection::A, CostSection::B, CostSection::C, CostSection::E,
    CostSection::F, CostSection::G, CostSection::H};

// "A", "B", ... as stored and printed; the section's heading as the form words it.
std::string_view SectionLetter(CostSection section);
std::string_view SectionTitle(CostSection section);
std::optional<CostSection> SectionFromLetter(std::string_view letter);

// Loan costs (A to C) as against other costs (E to H).
bool IsLoanCost(CostSection section);

struct CostItem {
    CostSection section = CostSection::A;
    std::string label; // UTF-8
    double amount = 0; // dollars
    bool financeCharge = true;

    bool operator==(const CostItem&) const = default;
};

// Whether a line with this label counts as a finance charge unless the user says otherwise: the
// rule of FinanceChargeRules.h that decides it.
bool DefaultFinanceCharge(CostSection section, std::string_view label);

// Prepaid interest is the section F line whose label speaks of interest (in either language).
bool IsPrepaidInterest(const CostItem& item);

struct LoanEstimate {
    LoanType loanType = LoanType::Conventional;
    LoanPurpose purpose = LoanPurpose::Purchase;
    double price = 0;      // the home's value
    double loanAmount = 0; // dollars, the whole note, any financed upfront premium included
    // The part of the loan amount that is an upfront premium or fee financed (FHA's upfront
    // mortgage insurance premium, VA's funding fee, USDA's guarantee fee); the rest is the base
    // loan amount.
    double upfrontPremiumFinanced = 0;
    std::int32_t months = 0;
    double noteRate = 0; // percent a year
    std::vector<CostItem> costs;
    double lenderCredits = 0; // dollars, a positive figure
    InsuranceEnd insuranceEnd = InsuranceEnd::None;
    double insurancePercent = 0; // a year, of the original loan amount
    double propertyTaxYearly = 0;
    double homeInsuranceYearly = 0;
    double hoaMonthly = 0;
    std::optional<double> disclosedApr; // percent
    std::optional<double> disclosedTip; // percent
    std::optional<double> disclosedInFiveTotal;
    std::optional<double> disclosedInFivePrincipal;
    // The finance charge the lender disclosed (a Closing Disclosure's Loan Calculations), which
    // can make a disclosed APR accurate by 12 CFR 1026.22(a)(4).
    std::optional<double> disclosedFinanceCharge;
    // The first year's monthly mortgage insurance of the Projected Payments table.
    std::optional<double> disclosedInsuranceMonthly;
    // The Calculating Cash to Close table, line by line as the form prints it (not given: worked
    // out from what the offer has). Deposit, funds for the borrower and seller credits are
    // amounts taken off; adjustments and other credits are added with their sign (a credit is
    // negative). The form's own total is kept beside ours, never replaced by it.
    std::optional<double> closingCostsFinanced;
    std::optional<double> downPaymentFunds;
    std::optional<double> deposit;
    std::optional<double> fundsForBorrower;
    std::optional<double> sellerCredits;
    std::optional<double> adjustmentsCredits;
    std::optional<double> disclosedCashToClose;
    // The Adjustable Interest Rate table; none for a fixed rate.
    std::optional<AdjustableRate> adjustable;
    // The day the rate is locked until (none: not locked) and the day the estimated closing costs
    // expire, as the form's first page gives them.
    std::optional<std::chrono::sys_days> rateLockUntil;
    std::optional<std::chrono::sys_days> closingCostsExpire;
    // The same lender's other rates for this loan: points (percent of the loan amount, paid at
    // closing as discount points) for a lower rate, and a lender credit (dollars) for a higher
    // one. Both figures of each given, or neither.
    std::optional<double> pointsOptionPoints;
    std::optional<double> pointsOptionRate;
    std::optional<double> creditOptionAmount;
    std::optional<double> creditOptionRate;
    // The first payments that pay interest only (the Adjustable Payment table's "Interest Only
    // Payments?"); 0 for none.
    std::int32_t interestOnlyMonths = 0;
    // The product as the Loan Terms name it ("Fixed Rate", "5 Year Interest Only, 5/3
    // Adjustable Rate"; UTF-8), and whether the loan has a prepayment penalty: what a Closing
    // Disclosure must not change without a new wait (12 CFR 1026.19(f)(2)(ii)). Empty and none
    // when not known (an offer kept from the calculator, or before they were kept).
    std::string product;
    std::optional<bool> prepaymentPenalty;

    bool operator==(const LoanEstimate&) const = default;
};

// The calculator's nine fees as Loan Estimate lines, in the calculator's order of fields.
struct CalculatorFee {
    double LoanInputs::*fee;
    CostSection section;
    const char* label;
    bool financeCharge;
};
std::span<const CalculatorFee> CalculatorFees();

// What the calculator's inputs say of an offer: its price, loan, term and rate, and the nine fees
// as items (Origination Fees and Discount Points to A; Mortgage Insurance Premiums, Flood check
// fee, Tax Servicing Fee and Appraisal to B; Prepaid Mortgage Interest to F; Buydown funds and
// Other Loan & Closing Fees to H), every one a finance charge but the appraisal; fees of 0.00 are
// left out. No monthly insurance, escrow or dues.
LoanEstimate EstimateFromCalculator(const LoanInputs& inputs, const LoanResults& results);

} // namespace plumcrest
