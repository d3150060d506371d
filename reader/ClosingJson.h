#pragma once
// The reading of a Closing Disclosure as one JSON object: what `plumcrest
// --read-closing-disclosure` prints and what the check reads back from its reader process.
// Amounts are numbers in dollars (lender credits and the table's credits below zero, as printed),
// rates in percent, a figure not found is null; "sources" says where each figure was read.

#include "ClosingReading.h"

#include <QByteArray>
#include <optional>

namespace plumcrest::reader {

QByteArray ClosingToJson(const ClosingReading& reading);

// The object ClosingToJson writes, read back; nothing when the text is not such an object.
std::optional<ClosingReading> ClosingFromJson(const QByteArray& json);

} // namespace plumcrest::reader
