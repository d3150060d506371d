#include "OfferCalculator.h"

#include "Amortization.h"
#include "LoanPipeline.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace plumcrest {

LoanInputs CalculatorInputsOf(const LoanEstimate& estimate) {
    LoanInputs inputs;
    inputs.PurchasePrice = estimate.price;
    inputs.DownPaymentPercent =
        estimate.price > 0 ? (estimate.price - estimate.loanAmount) / estimate.price * 100 : 0;
    inputs.Term = estimate.months / 12.0;
    inputs.Interest = estimate.noteRate;
    Cents otherLoanCosts = 0;
    Cents otherInterest = 0;
    std::vector<double LoanInputs::*> given;
    for (const CostItem& item : estimate.costs) {
        const auto fees = CalculatorFees();
        const auto own = std::find_if(fees.begin(), fees.end(), [&](const CalculatorFee& fee) {
            return fee.section == item.section && item.label == fee.label;
        });
        if (own != fees.end()) {
            double LoanInputs::*field = own->fee;
            // A fee written once goes back as it was; one written twice is summed in cents.
            const bool again = std::find(given.begin(), given.end(), field) != given.end();
            inputs.*field = again ? Dollars(AddCents(ToCents(inputs.*field), ToCents(item.amount)))
                                  : item.amount;
            given.push_back(field);
        } else if (IsLoanCost(item.section)) {
            otherLoanCosts = AddCents(otherLoanCosts, ToCents(item.amount));
        } else if (IsPrepaidInterest(item)) {
            otherInterest = AddCents(otherInterest, ToCents(item.amount));
        }
    }
    if (otherLoanCosts != 0)
        inputs.Other2 = Dollars(AddCents(ToCents(inputs.Other2), otherLoanCosts));
    if (otherInterest != 0)
        inputs.PrepaidInterest = Dollars(AddCents(ToCents(inputs.PrepaidInterest), otherInterest));
    return inputs;
}

std::optional<LoanResults> CalculatorResultsOf(const LoanEstimate& estimate) {
    LoanResults results;
    try {
        RecalculateLoanOfAmount(CalculatorInputsOf(estimate), estimate.loanAmount, results, U'.');
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return results;
}

} // namespace plumcrest
