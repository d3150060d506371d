#pragma once
// One kept offer: what the calculator had when the user kept it.

#include "LoanEstimate.h"
#include "LoanPipeline.h"
#include "OfferLimits.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace plumcrest::store {

struct KeptOffer {
    qint64 id = 0; // the store's key; 0 until kept
    QString name;
    LoanInputs inputs;
    LoanResults results; // the five shown results: down payment, loan, payment, fees, APR
    std::optional<double> disclosedApr; // percent, as the lender disclosed it
    QDateTime keptAt;                   // UTC
    // The offer as its Loan Estimate lays it out; unset for offers kept before there was one,
    // whose calculator figures say it (EstimateOf).
    std::optional<LoanEstimate> estimate;
};

// The offer's Loan Estimate, with the disclosed APR the offer holds.
inline LoanEstimate EstimateOf(const KeptOffer& offer) {
    LoanEstimate estimate =
        offer.estimate ? *offer.estimate : EstimateFromCalculator(offer.inputs, offer.results);
    estimate.disclosedApr = offer.disclosedApr;
    return estimate;
}

} // namespace plumcrest::store
