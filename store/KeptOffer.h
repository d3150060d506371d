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
    // A Closing Disclosure check is kept with the offer (OfferStore::Check); read, never written
    // through the offer.
    bool closingChecked = false;
};

// A Closing Disclosure check kept with its offer: enough to show it again as it was left.
struct KeptCheck {
    qint64 offerId = 0;
    QDateTime checkedAt; // UTC
    QString fileName;    // the Closing Disclosure's, without its folder
    QByteArray reading;  // the reader's JSON of the Closing Disclosure
    QByteArray choices;  // the buyer's pairings, categories and day received, as JSON
};

} // namespace plumcrest::store
