#include "LoanTerms.h"

#include <cmath>

namespace plumcrest {

std::int32_t MonthsOfTerm(double years) {
    if (!(years > 0))
        return 0;
    const double months = std::round(years * 12);
    return months > kScheduleMaxMonths ? kScheduleMaxMonths + 1 // too long: no schedule
                                       : static_cast<std::int32_t>(months);
}

LoanTerms TermsOfCalculator(const LoanInputs& inputs, const LoanResults& results) {
    LoanTerms terms;
    terms.loan = results.Loan;
    terms.ratePercent = inputs.Interest;
    terms.months = MonthsOfTerm(inputs.Term);
    return terms;
}

LoanTerms TermsOfEstimate(const LoanEstimate& estimate) {
    LoanTerms terms;
    terms.loan = estimate.loanAmount;
    if (estimate.upfrontPremiumFinanced > 0)
        terms.baseLoan =
            SubtractCents(ToCents(estimate.loanAmount), ToCents(estimate.upfrontPremiumFinanced));
    terms.ratePercent = estimate.noteRate;
    terms.months = estimate.months;
    terms.insuranceEnd = estimate.insuranceEnd;
    terms.insurancePercent = estimate.insurancePercent;
    terms.homeValue = ToCents(estimate.price);
    terms.monthlyEscrow = ToCents((estimate.propertyTaxYearly + estimate.homeInsuranceYearly) / 12);
    terms.adjustable = estimate.adjustable;
    terms.interestOnlyMonths = estimate.interestOnlyMonths;
    return terms;
}

AmortizationSchedule ScheduleOf(const LoanTerms& terms) {
    return BuildSchedule(terms.loan, terms.ratePercent, terms.months, terms.extras,
                         terms.adjustable ? &*terms.adjustable : nullptr, terms.ratePath,
                         terms.interestOnlyMonths);
}

LoanTerms WithExtras(LoanTerms terms, const ExtraPayments& extras) {
    terms.extras = extras;
    return terms;
}

LoanTerms AlongPath(LoanTerms terms, RatePath path) {
    terms.ratePath = path;
    return terms;
}

InsurancePlan InsuranceOf(const LoanTerms& terms, const AmortizationSchedule& schedule) {
    if (!terms.extras.Any())
        return PlanInsurance(schedule, terms.insuranceEnd, terms.insurancePercent, terms.homeValue,
                             terms.baseLoan);
    // Extra payments do not bring the automatic end forward: it is the original schedule's.
    const InsurancePlan scheduled =
        PlanInsurance(ScheduleOf(WithExtras(terms, {})), terms.insuranceEnd, terms.insurancePercent,
                      terms.homeValue, terms.baseLoan);
    return PlanInsuranceWithExtras(scheduled, schedule, terms.insuranceEnd, terms.insurancePercent,
                                   terms.homeValue);
}

} // namespace plumcrest
