#pragma once
// Synthetic Closing Disclosures for the reader's and the check's tests: the form's five pages (US
// Letter) with its headings, lettered sections, the five columns of who pays, the Calculating
// Cash to Close table and the Loan Calculations where the form puts them, written with QPdfWriter
// from the figures of a ClosingReading, in English or in the regulator's Spanish.

#include "ClosingReading.h"
#include "EstimateReading.h"

#include <QString>

namespace plumcrest::testing {

struct ClosingStyle {
    bool spanish = false;
    bool coverPage = false; // a page of prose first, as the regulator's samples have
    // Labels longer than the label column wrap onto a second line, the payee and amounts on it.
    bool wrapLongLabels = false;
    double dx = 0; // points, the whole page shifted
    double dy = 0;
};

bool WriteClosingDisclosureForm(const QString& path, const reader::ClosingReading& figures,
                                const ClosingStyle& style = {});

// The Closing Disclosure of a Loan Estimate whose figures did not change: the same loan and
// lines, each paid by the borrower at closing, dated `issued` with closing on `closing`, and the
// Loan Calculations `calculations` as the lender printed them. The totals are the lines' sums.
reader::ClosingReading ClosingOfEstimate(const reader::EstimateReading& estimate,
                                         const std::string& issued, const std::string& closing);

// Sums the lines into the section totals, D, I and J, and the cash to close rows' final column.
void FillClosingTotals(reader::ClosingReading& closing);

} // namespace plumcrest::testing
