#pragma once
// The calculator's one computation on plain records: the thirteen inputs in, the results out.

#include "LoanFields.h"

namespace plumcrest {

// The thirteen defaults (120000, 10 %, 30 years, 6.75 %, fees 1200, 1200, 500, 500, 0, 50, 50,
// 0, 0).
LoanInputs DefaultLoanInputs();

// Fills `results` step by step: months (text round trip), fixed fees, down payment, loan,
// payment, amount financed, whole years (text round trip), APR. A failing step throws its error
// (ConversionError, or a MathError from the loan mathematics) and leaves the fields of the
// completed steps filled. The conversion error's text uses `decimalSeparator`.
void RecalculateLoan(const LoanInputs& inputs, LoanResults& results, char32_t decimalSeparator);

// The same steps with the loan amount given rather than worked out from the down payment
// percent (an offer's own amount, which the percent may not give back to the last digit); the
// down payment is then the price less the loan.
void RecalculateLoanOfAmount(const LoanInputs& inputs, double loan, LoanResults& results,
                             char32_t decimalSeparator);

// The same steps over the unoptimised reference mathematics (finance/ReferenceLoanMath.h): what
// the benchmark measures RecalculateLoan against and the tests hold it bit-identical to.
void ReferenceRecalculateLoan(const LoanInputs& inputs, LoanResults& results,
                              char32_t decimalSeparator);

} // namespace plumcrest
