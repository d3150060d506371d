#pragma once
// What a Loan Estimate's figures say when worked out again, and the offer they make for the
// calculator's records. Nothing read is ever corrected: a check only says whether the lender's
// figure agrees with the one worked out from the others. Plain C++.

#include "EstimateReading.h"
#include "LoanEstimate.h"

#include <optional>
#include <string>
#include <vector>

namespace plumcrest::reader {

struct Check {
    std::string name; // the key of the figure checked
    bool ok = false;
    std::optional<double> expected; // worked out from the other figures
    std::optional<double> found;    // as read
};

// The checks whose figures were all read: the lines the offer keeps against each printed section
// total and against D (A to C), I (E to H) and J (D + I less lender credits), within the
// roundings of figures printed to the dollar; and, for a loan of level payments, the monthly
// principal and interest from the amount, rate and term to the cent, In 5 Years to the dollar,
// the TIP within 0.005 points and the APR within the tolerance of the law (an eighth of a point
// for a regular loan, a quarter for an irregular one).
std::vector<Check> CheckReading(const EstimateReading& reading);

// The offer as the calculator keeps it: the price (the estimated value of a refinance), loan,
// term, rate and type; every section line with an amount and its default finance-charge mark;
// lender credits; the monthly mortgage insurance of the first years as a yearly percentage of
// the loan (ending as the loan type's does); the escrowed property taxes and homeowner's insurance
// from the initial escrow lines' monthly figures, else the whole escrow as property taxes; and
// what the lender disclosed (APR, TIP, In 5 Years); the AIR table as the adjustable rate.
// The index's value taken as the TIP it prints. An interest-only period comes from the
// Adjustable Payment table, else from the product's name ("5 Year Interest Only"); the
// Calculating Cash to Close lines as the table prints them, a refinance's as the purchase's
// lines they stand for; the form's cash to close below zero when it goes to the borrower.
LoanEstimate EstimateOfReading(const EstimateReading& reading);

// The first payments that pay interest only, as the form gives them; 0 for none.
std::int32_t InterestOnlyMonths(const EstimateReading& reading);

// An adjustable rate's index as the lender took it: the form names the index but not its value,
// and its TIP is worked out on it. The hundredth of a point, from 0 up, whose TIP is the one
// printed (to its two decimals); nothing without a TIP or when no value gives it.
std::optional<double> IndexOfTip(const EstimateReading& reading, LoanEstimate estimate);

} // namespace plumcrest::reader
