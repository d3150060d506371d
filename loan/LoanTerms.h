#pragma once
// One description of a loan's terms, built once from the calculator's inputs or from a kept
// offer, and read by everything that lays out its months: the schedule, the chart, exports and
// the comparison. Plain C++, no Qt.

#include "Amortization.h"
#include "LoanEstimate.h"
#include "LoanFields.h"

#include <cstdint>

namespace plumcrest {

struct LoanTerms {
    double loan = 0;        // dollars
    double ratePercent = 0; // the note rate, a year
    std::int32_t months = 0;
    // Monthly mortgage insurance, a percentage a year of the original loan, and how it ends.
    InsuranceEnd insuranceEnd = InsuranceEnd::None;
    double insurancePercent = 0;
    Cents homeValue = 0;
    Cents monthlyEscrow = 0; // property tax and homeowner's insurance, a month
};

// Months of a term given in years: whole months, rounded; none for a term that is not positive;
// one past the longest schedule for a term too long to lay out.
std::int32_t MonthsOfTerm(double years);

// The calculator's loan: its amount and rate over its term, with no insurance or escrow.
LoanTerms TermsOfCalculator(const LoanInputs& inputs, const LoanResults& results);

// The offer's loan with its monthly mortgage insurance and escrow.
LoanTerms TermsOfEstimate(const LoanEstimate& estimate);

AmortizationSchedule ScheduleOf(const LoanTerms& terms);
InsurancePlan InsuranceOf(const LoanTerms& terms, const AmortizationSchedule& schedule);

} // namespace plumcrest
