#pragma once
// What was read from a lender's Loan Estimate (the standard three-page form), each figure with the
// page and line it came from, apart from how the words were taken out of the file. Plain C++.

#include "LoanEstimate.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace plumcrest::reader {

// One word of a page and its box, in points from the page's top left corner.
struct Word {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    std::string text; // UTF-8
};

struct Page {
    double width = 612; // US Letter
    double height = 792;
    std::vector<Word> words;
};

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

struct ProjectedColumn {
    std::string years; // as headed, "1-7" or "8-30"
    Figure<double> principalInterest;
    Figure<double> mortgageInsurance; // a dash on the form reads as 0
    Figure<double> escrow;
    Figure<double> total;
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

struct EstimateReading {
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
    Figure<double> lenderCredits; // a positive figure, though the form prints it with a minus
    Figure<double> totalLoanCosts;
    Figure<double> totalOtherCosts;
    Figure<double> totalClosingCosts;
    Figure<double> cashToClose;
    Figure<double> in5YearsTotalPaid;
    Figure<double> in5YearsPrincipal;
    Figure<double> apr; // percent
    Figure<double> tip; // percent

    SectionReading& Section(CostSection section) {
        return sections[static_cast<std::size_t>(section)];
    }
    const SectionReading& Section(CostSection section) const {
        return sections[static_cast<std::size_t>(section)];
    }
};

// The form's figures found by their headings and labels on the pages, or nothing when the pages
// are not the standard Loan Estimate. A figure that is missing or cannot be read stays empty.
std::optional<EstimateReading> ReadEstimate(const std::vector<Page>& pages);

// Amounts as the form prints them: "$1,802", "–$0" (any dash for the minus), "$761.78", "82";
// a dash alone means none (0). `needDollar` takes only amounts with a dollar sign.
std::optional<double> ParseAmount(const std::string& text, bool needDollar);
// "6.512%" or "6.512 %" as 6.512.
std::optional<double> ParsePercent(const std::string& text);
// "2/15/2013" or "February 15, 2013" as "2013-02-15".
std::optional<std::string> ParseDate(const std::string& text);

} // namespace plumcrest::reader
