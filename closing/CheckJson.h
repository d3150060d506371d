#pragma once
// The check of a Closing Disclosure as one JSON object, for scripts: what `plumcrest
// --check-closing-disclosure` prints. Amounts in dollars, days as YYYY-MM-DD.

#include "ClosingCheck.h"

#include <QByteArray>

namespace plumcrest::closing {

QByteArray CheckToJson(const ClosingCheck& check);

} // namespace plumcrest::closing
