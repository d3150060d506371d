#pragma once
// The one reading of a typed figure, for every field and command that takes one: money, a rate in
// percent, whole years or months, written with the given separators and checked against a range.
// What is wrong comes back as a kind of problem; the windows put it in words. No Qt.

#include "EstimateFields.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace plumcrest {

enum class EntryKind {
    Money,   // dollars: up to 2 decimals, group separators in threes allowed
    Percent, // up to 4 decimals, no group separators, a trailing "%" as forms write it
    Years,   // a whole number
    Months,  // a whole number
    Date,    // month/day/year as the form prints it ("4/16/2026"), or "2026-04-16"; days from 1970
};

struct EntryRule {
    EntryKind kind = EntryKind::Money;
    double min = 0;
    double max = kMaxMoney;
    bool aboveMin = false; // the minimum itself is not allowed (a price of 0)
    bool optional = false; // empty means "not given"
};

enum class EntryProblem {
    None,
    NotANumber,      // also an empty text where a figure must be given
    Negative,        // below zero where the range starts at zero
    NotAboveMinimum, // the minimum itself where only more is allowed
    OutOfRange,
    TooManyDecimals,
};

struct ParsedEntry {
    std::optional<double> value; // set exactly when there is no problem and the text is not empty
    EntryProblem problem = EntryProblem::None;
};

// The whole text (blanks around it allowed) as a figure of `rule`. `thousands` is taken in the
// integer part of money only, and then in threes, so "1,5" typed for one and a half is not read
// as 15; pass 0 for none.
ParsedEntry ParseEntry(std::u32string_view text, const EntryRule& rule, char32_t decimal,
                       char32_t thousands);

// A day as days from 1970-01-01 and back, in the proleptic Gregorian calendar.
std::int32_t DaysFromCivil(int year, unsigned month, unsigned day);
struct CivilDate {
    int year = 1970;
    unsigned month = 1;
    unsigned day = 1;
};
CivilDate CivilFromDays(std::int32_t days);

// The decimals a kind of entry may have.
constexpr int DecimalsOf(EntryKind kind) {
    return kind == EntryKind::Money ? 2 : kind == EntryKind::Percent ? 4 : 0;
}

} // namespace plumcrest
