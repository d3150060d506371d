#pragma once
// The figures a US Loan Estimate shows, so kept offers can be set side by side the way borrowers
// read them: mortgage insurance and when it ends, the projected monthly payment by range of
// years, what is paid by a given month, the Total Interest Percentage, and the cost of an offer
// over a horizon, plain or with the money's earnings counted. Everything comes from the schedule
// in whole cents. Plain C++, no Qt.

#include "Amortization.h"
#include "StreamApr.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace plumcrest {

// Which rule ends the mortgage insurance.
enum class InsuranceEnd {
    None,
    // Private insurance: ends automatically at 78 % of the home's value, at the latest at the
    // middle of the term; the buyer may ask to cancel it at 80 %.
    Conventional,
    // FHA's annual premium: 11 years when the base loan (without the financed upfront premium)
    // was at most 90 % of the value, else for the life of the loan; each year's on that year's
    // average scheduled balance.
    Fha,
    // USDA's annual fee: for the life of the loan, each year's on that year's average scheduled
    // balance.
    Usda,
};

struct InsurancePlan {
    Cents monthly = 0; // the first year's
    // FHA and USDA: the monthly charge of each year of the loan, the first being `monthly`; empty
    // when it stays `monthly` throughout.
    std::vector<Cents> byYear;
    std::int32_t lastMonth = 0; // the last payment that carries insurance; 0: none paid
    // Conventional only: the first payment after which the balance is at most 80 % of the value,
    // so the buyer may ask to cancel then. Unset when insurance has ended by then (or never ran).
    std::optional<std::int32_t> reaches80;
};

// Mortgage insurance of `yearlyPercent` a year of the original loan, paid monthly: the loan times
// the percentage / 100 / 12, rounded half up to the cent, with the percentage taken to a
// ten-thousandth of a point. Conventional: paid with every payment up to and including the one
// that brings the balance to 78 % of `homeValue` or below, and with none after the middle of the
// term; nothing when the loan starts at or below 78 %. The term is the schedule's own length:
// a rounded-up payment that ends the schedule early brings the middle forward with it, since the
// loan is then amortized over those months. The middle of an odd term falls inside a month, so
// its last payment is term / 2 rounded down. FHA: 132 payments when `baseLoan` (the loan without
// the financed upfront premium; 0: the schedule's loan) is at most 90 % of the value, else every
// payment; USDA: every payment. FHA and USDA charge each year the percentage of that year's
// average scheduled balance (owed before each of its payments), a twelfth of it a month, rounded
// half up to the cent. Never beyond the schedule's last month. No insurance for `None`, a rate of
// zero or less, a home value of zero or less, or an empty schedule.
InsurancePlan PlanInsurance(const AmortizationSchedule& schedule, InsuranceEnd end,
                            double yearlyPercent, Cents homeValue, Cents baseLoan = 0);

// Private mortgage insurance as the Homeowners Protection Act ends it when the buyer pays more
// than the schedule asks: automatically with the payment the original schedule (`scheduled`,
// planned by PlanInsurance on the schedule without extras) brings to 78 % of the original value,
// or at the middle of its term, whatever the extras, and never after the loan is paid off. The
// buyer may ask to cancel once the balance reaches 80 % of the original value, by the original
// schedule or by the actual payments, whichever comes first: `reaches80` is that payment of the
// `actual` schedule (unset when the insurance has ended by then). FHA's and USDA's charges follow
// the scheduled balance, so they stay `scheduled`'s and end with the actual last payment.
InsurancePlan PlanInsuranceWithExtras(const InsurancePlan& scheduled,
                                      const AmortizationSchedule& actual, InsuranceEnd end,
                                      double yearlyPercent, Cents homeValue);

// What asking to cancel when the balance reaches 80 % would save against the automatic end:
// the insurance of the payments after `reaches80` up to the last one that carries it.
Cents CancellationSaving(const InsurancePlan& plan);

// The insurance paid with payment `month` (1-based).
Cents InsuranceInMonth(const InsurancePlan& plan, std::int32_t month);

// One column of the Projected Payments table: the years in which the estimated monthly payment
// stays the same, or, for an adjustable rate, the years between its changes.
struct PaymentRange {
    std::int32_t firstYear = 0;
    std::int32_t lastYear = 0;
    Cents principalInterest = 0; // the regular payment of the column's first year
    Cents insurance = 0;
    Cents escrow = 0;
    Cents total = 0;
    // The least and the most the principal and interest, and the whole payment, can be in these
    // years; both the regular payment for a fixed rate.
    Cents lowPrincipalInterest = 0;
    Cents highPrincipalInterest = 0;
    Cents lowTotal = 0;
    Cents highTotal = 0;
    bool IsRange() const { return lowPrincipalInterest != highPrincipalInterest; }
};

// The ranges, first year to last. A year shows insurance when any of its payments carries it, so
// insurance that ends mid-year runs to that year's end and the next range starts the year after;
// an annual premium that falls year by year starts no new range. The form shows the regular
// payment throughout; a smaller last payment does not make a range. Empty for an empty schedule.
std::vector<PaymentRange> ProjectedPayments(const AmortizationSchedule& schedule,
                                            const InsurancePlan& plan, Cents monthlyEscrow);

// An adjustable rate's table, as 12 CFR 1026.37(c) lays it out: a column starts in year 1, in
// each year whose least or most principal and interest differs from the year before (the least
// from `lowest`, every change as low as the caps and floor allow; the most from `highest`, every
// change as high as they allow), and in the year after the mortgage insurance ends. At most four
// columns: the events after the third column's start share the fourth, its least and most taken
// over all its years. The insurance shown is that of the column's first year.
std::vector<PaymentRange> ProjectedPayments(const AmortizationSchedule& schedule,
                                            const InsurancePlan& plan, Cents monthlyEscrow,
                                            const AmortizationSchedule& lowest,
                                            const AmortizationSchedule& highest);

// In the first `months` payments, and the balance owed after them. Months beyond the schedule
// count all of it (balance 0); `months` <= 0 counts nothing and owes the whole loan.
struct PaidThrough {
    Cents principal = 0;
    Cents interest = 0;
    Cents insurance = 0;
    Cents balance = 0;
};
PaidThrough PaidInFirst(const AmortizationSchedule& schedule, const InsurancePlan& plan,
                        std::int32_t months);

// The form's "In 5 Years" for any number of months: all paid in principal, interest, mortgage
// insurance and loan costs (sections A to C of the form, paid at closing so counted even at
// `months` <= 0), the principal paid off, and the balance still owed.
struct InYears {
    Cents totalPaid = 0;
    Cents principalPaidOff = 0;
    Cents balance = 0;
};
InYears InFirstMonths(const AmortizationSchedule& schedule, const InsurancePlan& plan,
                      Cents loanCostsAtoC, std::int32_t months);

// Total Interest Percentage: the interest over the whole schedule plus the prepaid interest, as a
// percentage of the loan. Not rounded; the form shows three decimals. 0 for an empty schedule.
double TotalInterestPercent(const AmortizationSchedule& schedule, Cents prepaidInterest);

// What the offer costs over the first `months` payments: `loanCosts` (the caller's choice: sections
// A to C plus prepaid interest less lender credits) plus the interest and insurance paid in them.
Cents PlainCost(const AmortizationSchedule& schedule, const InsurancePlan& plan, Cents loanCosts,
                std::int32_t months);

// The same cost when the money would otherwise earn `savingsPercent` a year, compounded monthly:
// `loanCosts`, plus each month's principal, interest and insurance discounted by (1 + r/12)^m,
// plus the balance owed after `months` discounted the same way, less the loan. Equal to
// PlainCost at 0 %, and smaller the more the money earns. Worked in long double and rounded half
// away from zero to the cent at the end. A rate at or below -1200 % (no discount factor) or not
// finite gives the plain cost.
Cents DiscountedCost(const AmortizationSchedule& schedule, const InsurancePlan& plan,
                     Cents loanCosts, std::int32_t months, double savingsPercent);

// What makes the loan's disclosed APR regular or irregular (12 CFR 1026.22(a)(2), (3)): one
// advance and monthly periods, and payment amounts irregular when the principal and interest
// or the insurance differ between the first and the final payment. A change of a variable rate
// does not count (a schedule with rate changes is judged on its first regular payment), the end
// of the mortgage insurance and of an interest-only period do.
AprFeatures AprFeaturesOf(const AmortizationSchedule& schedule, const InsurancePlan& plan);

// The monthly payments a lender runs the APR on: each month's principal and interest plus its
// insurance, one per month of the schedule.
std::vector<Cents> PaymentStream(const AmortizationSchedule& schedule, const InsurancePlan& plan);

} // namespace plumcrest
