#pragma once
// What was read from a lender's Closing Disclosure (the standard five-page form, in English or in
// Spanish), each figure with the page and line it came from. The form is described once, as data,
// in ClosingReading.cpp, and read through the same layout engine as the Loan Estimate. Plain C++.

#include "EstimateReading.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace plumcrest::reader {

// One numbered line of sections A to H: "01 Appraisal Fee  to John Smith Appraisers Inc." and its
// amounts in the five columns of the form (none where the column is blank).
struct ClosingLine {
    std::string number; // "01"
    std::string label;
    std::string payee; // the words after "to" ("para"), empty when none
    std::optional<double> borrowerAtClosing;
    std::optional<double> borrowerBeforeClosing;
    std::optional<double> sellerAtClosing;
    std::optional<double> sellerBeforeClosing;
    std::optional<double> paidByOthers;
    Where where;

    // What the borrower pays, at and before closing: the figure the Loan Estimate estimated.
    double BorrowerPaid() const {
        return borrowerAtClosing.value_or(0) + borrowerBeforeClosing.value_or(0);
    }
    bool HasAmount() const {
        return borrowerAtClosing || borrowerBeforeClosing || sellerAtClosing ||
               sellerBeforeClosing || paidByOthers;
    }
};

// A row of the Calculating Cash to Close table.
struct CashToCloseRow {
    std::string key;   // "totalClosingCosts", "deposit", ... the same in either language
    std::string label; // as printed
    std::optional<double> loanEstimate;
    std::optional<double> final;
    std::optional<bool> changed; // "Did this change?"; none for the Cash to Close row
    Where where;
};

struct LoanCalculations {
    Figure<double> totalOfPayments;
    Figure<double> financeCharge;
    Figure<double> amountFinanced;
    Figure<double> apr; // percent
    Figure<double> tip; // percent
};

// The lettered totals the form prints beside its headings: A to C, D, E to H, I and J.
inline constexpr std::array<char, 10> kClosingTotals{'A', 'B', 'C', 'D', 'E',
                                                     'F', 'G', 'H', 'I', 'J'};

struct ClosingReading {
    std::string language = "en"; // "en" or "es"
    // The form's pages (1 to 5) of which the file holds none of the headings: a fragment.
    std::vector<int> missingPages;
    Figure<std::string> lender;
    Figure<std::string> dateIssued; // YYYY-MM-DD
    Figure<std::string> closingDate;
    Figure<std::string> disbursementDate;
    Figure<double> salePrice;
    Figure<double> appraisedPropertyValue; // a refinance's
    Figure<int> loanTermYears;
    Figure<std::string> purpose;
    Figure<std::string> product;
    Figure<std::string> loanType;
    Figure<double> loanAmount;
    Figure<double> interestRate; // percent
    Figure<double> monthlyPrincipalInterest;
    Figure<bool> prepaymentPenalty;
    Figure<bool> balloonPayment;
    std::vector<ProjectedColumn> projectedPayments;
    std::array<Figure<double>, kClosingTotals.size()> borrowerPaidTotals; // in kClosingTotals order
    std::array<std::vector<ClosingLine>, kCostSections.size()> sections;  // kCostSections order
    Figure<double> lenderCredits; // as printed: negative, or 0
    // The part of the lender credits given for closing costs above the legal limit (the cure).
    Figure<double> cureGiven;
    Figure<double> closingCosts; // page 1
    Figure<double> cashToClose;  // page 1
    Figure<bool> cashToCloseFromBorrower;
    std::vector<CashToCloseRow> calculatingCashToClose;
    Figure<double> closingCostsFinanced;
    // The summaries of transactions: K and L of the borrower's side, M and N of the seller's; a
    // refinance's K is its total of payoffs and payments.
    Figure<double> dueFromBorrower;
    Figure<double> paidAlreadyByBorrower;
    Figure<double> dueToSeller;
    Figure<double> dueFromSeller;
    Figure<double> totalPayoffsAndPayments;
    LoanCalculations loanCalculations;

    std::vector<ClosingLine>& Section(CostSection section) {
        return sections[static_cast<std::size_t>(section)];
    }
    const std::vector<ClosingLine>& Section(CostSection section) const {
        return sections[static_cast<std::size_t>(section)];
    }
    const Figure<double>& Total(char letter) const {
        return borrowerPaidTotals[static_cast<std::size_t>(letter - 'A')];
    }
    const CashToCloseRow* CashRow(std::string_view key) const {
        for (const CashToCloseRow& row : calculatingCashToClose)
            if (row.key == key)
                return &row;
        return nullptr;
    }
};

// The figures of a Closing Disclosure; nothing when the pages are not one (ReadForm names them).
std::optional<ClosingReading> ReadClosing(const std::vector<Page>& pages);

} // namespace plumcrest::reader
