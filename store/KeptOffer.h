#pragma once
// One kept offer: what the calculator had when the user kept it.

#include "LoanPipeline.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace plumcrest::store {

// Longest name a kept offer may have, in characters.
inline constexpr int kMaxOfferName = 60;

struct KeptOffer {
    qint64 id = 0; // the store's key; 0 until kept
    QString name;
    LoanInputs inputs;
    LoanResults results; // the five shown results: down payment, loan, payment, fees, APR
    std::optional<double> disclosedApr; // percent, as the lender disclosed it
    QDateTime keptAt;                   // UTC
};

} // namespace plumcrest::store
