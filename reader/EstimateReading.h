#pragma once
// What was read from a lender's Loan Estimate (the standard three-page form, in English or in
// Spanish), each figure with the page and line it came from, apart from how the words were taken
// out of the file. Plain C++.

#include "Layout.h"
#include "LoanEstimate.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace plumcrest::reader {

// Where a figure was read: the page (from 1) and the line of that page counted from its top
// (from 1). Zero when it was not read.
struct Where {
    int page = 0;
    int line = 0;
    bool operator==(const Where&) const = default;
};

template <typename T> struct Figure {
    std::optional<T> value;
    Where where;
};

// A figure of the Projected Payments may be a range ("$1,028 min / $1,359 max",
// "$1,137–$1,468"): then `value` is its minimum and `maximum` its maximum.
struct ProjectedColumn {
    std::string years; // "1-7", "8-30", or the heading as printed ("Final Payment")
    Figure<double> principalInterest;
    std::optional<double> principalInterestMaximum;
    Figure<double> mortgageInsurance; // a dash on the form reads as 0
    Figure<double> escrow;
    Figure<double> total;
    std::optional<double> totalMaximum;
};

struct SectionLine {
    std::string label;
    std::optional<double> amount; // a line of the form left blank has none
    Where where;
};

struct SectionReading {
    Figure<double> total; // the amount beside the section's heading
    std::vector<SectionLine> lines;
};

// The Adjustable Interest Rate (AIR) table of page 2.
struct RateTable {
    Figure<std::string> index; // "MTA", as named
    Figure<double> margin;     // percent
    Figure<double> initialRate;
    Figure<double> minimumRate;
    Figure<double> maximumRate;
    Figure<int> firstChangeMonth;  // "Beginning of 61st month": 61
    Figure<int> laterChangeMonths; // "Every 36th month after first change": 36
    Figure<double> firstChangeCap; // percentage points
    Figure<double> laterChangeCap;
};

// The Adjustable Payment (AP) table of page 2.
struct PaymentTable {
    Figure<int> interestOnlyPayments; // "YES for your first 60 payments": 60; "NO": 0
    Figure<bool> optionalPayments;
    Figure<bool> stepPayments;
    Figure<bool> seasonalPayments;
    Figure<double> firstChangeMinimum; // "$1,028 – $1,359 at 61st payment"
    Figure<double> firstChangeMaximum;
    Figure<int> firstChangePayment;
    Figure<std::string> laterChanges; // "Every three years", as printed
    Figure<double> maximumPayment;    // "$2,068 starting at 169th payment"
    Figure<int> maximumPaymentFrom;
};

// The Calculating Cash to Close table of page 2, each amount as printed (with its sign): a
// purchase's lines, or a refinance's loan amount and payoffs instead of the down payment,
// deposit, funds for the borrower, seller credits and adjustments.
struct CashToCloseTable {
    Figure<double> totalClosingCosts;
    Figure<double> closingCostsFinanced;
    Figure<double> downPaymentFunds;
    Figure<double> deposit;
    Figure<double> fundsForBorrower;
    Figure<double> sellerCredits;
    Figure<double> adjustmentsCredits;
    Figure<double> loanAmount; // a refinance's
    Figure<double> payoffs;    // a refinance's "Estimated Total Payoffs and Payments"
    Figure<double> cashToClose;
    Figure<bool> toBorrower;
    bool Refinance() const { return loanAmount.value.has_value() || payoffs.value.has_value(); }
};

struct EstimateReading {
    std::string language = "en"; // "en" or "es"
    // The form's pages (1 to 3) the file does not hold; a file that holds only some is read as
    // far as it goes.
    std::vector<int> missingPages;
    Figure<std::string> lender;
    Figure<std::string> dateIssued; // YYYY-MM-DD
    Figure<double> salePrice;
    Figure<double> propertyValue; // a refinance states an estimated value instead of a price
    Figure<int> loanTermYears;
    Figure<std::string> purpose;
    Figure<std::string> product;
    Figure<std::string> loanType; // "Conventional", "FHA", "VA" or the other type as written
    Figure<double> loanAmount;
    Figure<double> interestRate; // percent
    Figure<double> monthlyPrincipalInterest;
    std::vector<ProjectedColumn> projectedPayments;
    std::array<SectionReading, kCostSections.size()> sections; // in the order of kCostSections
    Figure<double> lenderCredits;                              // as printed: negative, or 0
    Figure<bool> cashToCloseToBorrower;                        // "From ☐ To ☒ Borrower"
    Figure<double> totalLoanCosts;
    Figure<double> totalOtherCosts;
    Figure<double> totalClosingCosts;
    Figure<double> cashToClose;
    Figure<double> in5YearsTotalPaid;
    Figure<double> in5YearsPrincipal;
    Figure<double> apr;             // percent
    Figure<double> tip;             // percent
    Figure<double> balloonPayment;  // the final payment a balloon loan's Loan Terms state
    Figure<bool> prepaymentPenalty; // the Loan Terms' "Prepayment Penalty": YES or NO
    Figure<bool> rateLocked;
    Figure<std::string> rateLockUntil;      // as printed: "4/16/2013 at 5:00 p.m. EDT"
    Figure<std::string> closingCostsExpire; // as printed
    RateTable rateTable;                    // empty for a fixed rate
    PaymentTable paymentTable;              // empty when the form has none
    CashToCloseTable cashTable;
    // What the product's name says of its payments.
    bool interestOnly = false;
    bool negativeAmortization = false;

    SectionReading& Section(CostSection section) {
        return sections[static_cast<std::size_t>(section)];
    }
    const SectionReading& Section(CostSection section) const {
        return sections[static_cast<std::size_t>(section)];
    }
};

// What a file's pages are.
enum class FormKind {
    LoanEstimate,
    ClosingDisclosure,
    BlankForm,    // the form without figures: the regulator's model
    SeveralForms, // more than one Loan Estimate, or the same one twice
    // The form's later pages without a page 1 that can be read: turned sideways, a picture of
    // the page, or not in the file. Its loan terms are on page 1, so nothing is read.
    FirstPageUnreadable,
    NotTheForm,
};

struct FormReading {
    FormKind kind = FormKind::NotTheForm;
    EstimateReading reading; // for a Loan Estimate
};

// The pages named for what they are and, for a Loan Estimate, its figures found by the form's
// headings and labels. A figure that is missing or cannot be read stays empty.
FormReading ReadForm(const std::vector<Page>& pages);
// Whether a page heads itself as one of the form's pages (or a Closing Disclosure's), in either
// language: only such pages are worth telling drawn words from hidden ones.
bool MayBeFormPage(const Page& page);
// The figures of a Loan Estimate, nothing for anything else.
std::optional<EstimateReading> ReadEstimate(const std::vector<Page>& pages);

// Amounts as the form prints them: "$1,802", "–$0" (any dash for the minus), "$761.78", "82";
// a dash alone means none (0). `needDollar` takes only amounts with a dollar sign.
std::optional<double> ParseAmount(const std::string& text, bool needDollar);
// "6.512%" or "6.512 %" as 6.512.
std::optional<double> ParsePercent(const std::string& text);
// "2/15/2013" or "February 15, 2013" as "2013-02-15".
std::optional<std::string> ParseDate(const std::string& text);

} // namespace plumcrest::reader
