#pragma once
// The reading of a Loan Estimate as one JSON object: what `plumcrest --read-loan-estimate`
// prints and what the window reads back from its reader process. Amounts are numbers in dollars,
// rates in percent, a figure not found is null; "sources" says where each figure was read.

#include "EstimateReading.h"
#include "ReadingChecks.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

namespace plumcrest::reader {

QByteArray ToJson(const EstimateReading& reading, const std::vector<Check>& checks);

struct ReadBack {
    EstimateReading reading;
    std::vector<Check> checks;
};

// Where the figure of JSON key `key` was read (a refinance's estimated value stands for the sale
// price); nothing for a key of no single figure.
Where WhereRead(const EstimateReading& reading, std::string_view key);

// The object ToJson writes, read back; nothing when the text is not such an object.
std::optional<ReadBack> FromJson(const QByteArray& json);

} // namespace plumcrest::reader
