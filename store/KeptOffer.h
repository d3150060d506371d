#pragma once
// One kept offer: its name, when it was kept and the offer itself as its Loan Estimate lays it out.
// An offer kept from the calculator is an estimate whose lines are the calculator's nine fees;
// what the calculator would show for any offer is worked out from the estimate (CalculatorOf).

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
    QDateTime keptAt; // UTC
    LoanEstimate estimate;
};

} // namespace plumcrest::store
