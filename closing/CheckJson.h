#pragma once
// The check of a Closing Disclosure as one JSON object, for scripts: what `plumcrest
// --check-closing-disclosure` prints. Amounts in dollars, days as YYYY-MM-DD.

#include "ClosingCheck.h"

#include <QByteArray>

namespace plumcrest::closing {

QByteArray CheckToJson(const ClosingCheck& check);

// What the buyer chose in the window (pairings, categories, the day received, mailed), as kept
// with the offer, and back; nothing for a text that is not such an object. A pairing or category
// of a line the form does not have is dropped when the check is made, so none is refused here.
QByteArray ChoicesToJson(const CheckChoices& choices);
std::optional<CheckChoices> ChoicesFromJson(const QByteArray& json);

} // namespace plumcrest::closing
