#pragma once
// One description of a loan's terms, built once from the calculator's inputs or from a kept
// offer, and read by everything that lays out its months: the schedule, the chart, exports and
// the comparison. Plain C++, no Qt.

#include "Amortization.h"
#include "LoanEstimate.h"
#include "LoanFields.h"

#include <cstdint>
#include <optional>

namespace plumcrest {

struct LoanTerms {
    double loan = 0;        // dollars
    Cents baseLoan = 0;     // the loan without a financed upfront premium; 0: all of it
    double ratePercent = 0; // the note rate, a year
    std::int32_t months = 0;
    // Monthly mortgage insurance, a percentage a year of the original loan, and how it ends.
    InsuranceEnd insuranceEnd = InsuranceEnd::None;
    double insurancePercent = 0;
    Cents homeValue = 0;
    Cents monthlyEscrow = 0; // property tax and homeowner's insurance, a month
    // Payments beyond the regular one, and the rate's changes for an adjustable loan (none:
    // fixed), laid out along `ratePath`.
    ExtraPayments extras;
    std::optional<AdjustableRate> adjustable;
    RatePath ratePath = RatePath::Indexed;
    std::int32_t interestOnlyMonths = 0; // the first payments of interest alone
};

// Months of a term given in years: whole months, rounded; none for a term that is not positive;
// one past the longest schedule for a term too long to lay out.
std::int32_t MonthsOfTerm(double years);

// The calculator's loan: its amount and rate over its term, with no insurance or escrow.
LoanTerms TermsOfCalculator(const LoanInputs& inputs, const LoanResults& results);

// The offer's loan with its monthly mortgage insurance and escrow.
LoanTerms TermsOfEstimate(const LoanEstimate& estimate);

// The terms' schedule, with their extras and rate changes.
AmortizationSchedule ScheduleOf(const LoanTerms& terms);
// The same terms with other extras, or along another rate path.
LoanTerms WithExtras(LoanTerms terms, const ExtraPayments& extras);
LoanTerms AlongPath(LoanTerms terms, RatePath path);
// The one place that decides which schedule each insurance figure reads: the terms' own schedule
// without extras; with extras, the automatic end from the schedule without them and the month the
// buyer may ask to cancel from `schedule`, the one actually paid (PlanInsuranceWithExtras).
InsurancePlan InsuranceOf(const LoanTerms& terms, const AmortizationSchedule& schedule);

} // namespace plumcrest
