#pragma once
// The Edit Offer dialog's reading of what was typed, apart from its widgets: numbers in the
// locale's separators checked against each field's range, with the words that say what is wrong,
// and the calculator's record brought in line with an edited Loan Estimate.

#include "KeptOffer.h"
#include "PictureMask.h"

#include <QString>
#include <optional>

namespace plumcrest::offers {

// The largest amount of money the calculator shows (its mask ##,###,###.##).
inline constexpr double kMaxMoney = 99999999.99;

enum class EntryKind {
    Money,   // dollars: up to 2 decimals, group separators allowed
    Percent, // up to 4 decimals, no group separators
    Years,   // a whole number
    Months,  // a whole number
};

struct EntryRule {
    EntryKind kind = EntryKind::Money;
    double min = 0;
    double max = kMaxMoney;
    bool aboveMin = false; // the minimum itself is not allowed (a price of 0)
    bool optional = false; // empty means "not given"
};

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
