#pragma once
// The Edit Offer dialog's reading of what was typed, apart from its widgets: numbers in the
// locale's separators checked against each field's range, with the words that say what is wrong,
// and the calculator's record brought in line with an edited Loan Estimate.

#include "EstimateFields.h"
#include "FigureEntry.h"
#include "KeptOffer.h"
#include "PictureMask.h"

#include <QString>
#include <optional>

namespace plumcrest::offers {

// What a field's text says: a value, nothing (an optional field left empty), or the problem in
// words for the user. `value` is set exactly when `problem` is empty and the text is not empty.
struct EntryReading {
    std::optional<double> value;
    QString problem;
};

EntryReading ReadEntry(const QString& text, const EntryRule& rule,
                       const LocaleSeparators& separators);

// The text a field starts with for `value`: the calculator's way of showing it.
QString EntryText(double value, EntryKind kind, const LocaleSeparators& separators);

} // namespace plumcrest::offers
