#pragma once
// What the calculator would show for an offer, worked out from its Loan Estimate alone, so no
// stale copy of it can be kept: its thirteen inputs, and its results with the offer's own loan
// amount. Plain C++, no Qt.

#include "LoanEstimate.h"
#include "LoanFields.h"

#include <optional>

namespace plumcrest {

// The price, down payment percent, term in years and note rate of the estimate, and its fees as
// the calculator's nine: each line the calculator itself would have written goes back to its
// field; every other loan cost (sections A to C) counts as Other Loan & Closing Fees and any other
// prepaid interest as Prepaid Mortgage Interest. Other costs (taxes, insurance, escrow, the
// optional items of H) are not the loan's fees and are left out.
LoanInputs CalculatorInputsOf(const LoanEstimate& estimate);

// The calculator's results for those inputs with the estimate's loan amount; nothing when the
// calculator cannot work them out (a term of months that are not whole years' worth of its
// rounding, fees above the loan, a math error).
std::optional<LoanResults> CalculatorResultsOf(const LoanEstimate& estimate);

} // namespace plumcrest
