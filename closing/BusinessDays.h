#pragma once
// Calendar days for the Closing Disclosure's waiting period: a business day, for this rule, is
// every day but Sundays and the legal public holidays of 5 U.S.C. 6103(a) on their own dates
// (12 CFR 1026.2(a)(6) and its commentary: a holiday that falls on a Saturday leaves the Friday
// a business day). Plain C++.

#include <optional>
#include <string>
#include <string_view>

namespace plumcrest::closing {

// A day of the civil calendar, counted from 1970-01-01.
struct Day {
    long number = 0;
    auto operator<=>(const Day&) const = default;
};

Day DayOf(int year, unsigned month, unsigned day);
void CivilOf(Day day, int& year, unsigned& month, unsigned& dayOfMonth);
// "2013-04-15"; nothing for a date that does not exist.
std::optional<Day> ParseIsoDay(std::string_view text);
std::string IsoText(Day day);
// 0 Sunday ... 6 Saturday.
int Weekday(Day day);

// New Year's Day, Birthday of Martin Luther King Jr. (third Monday of January, from 1986),
// Washington's Birthday (third Monday of February), Memorial Day (last Monday of May),
// Juneteenth (June 19, from 2021), Independence Day, Labor Day (first Monday of September),
// Columbus Day (second Monday of October), Veterans Day (November 11), Thanksgiving (fourth
// Thursday of November), Christmas Day.
bool IsLegalPublicHoliday(Day day);
bool IsBusinessDay(Day day);

// The business day `count` business days after `day` (a mailed form's day of receipt).
Day AddBusinessDays(Day day, int count);
// The business days after `from` up to and including `to` (0 when `to` is not after `from`).
int BusinessDaysAfter(Day from, Day to);

} // namespace plumcrest::closing
