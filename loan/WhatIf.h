#pragma once
// Extra payments and adjustable rates as text: the plan of extra payments the comparison keeps as
// a setting, and the pieces the command line and the windows' fields take ("100@13" for a monthly
// extra from month 13, "12:5000" for an amount in a month, the eight figures of an adjustable
// rate). Money with "." decimals and no grouping, whatever the locale. Plain C++, no Qt.

#include "Amortization.h"
#include "EstimateFields.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plumcrest {

// The largest amount the calculator's money fields take, in cents.
inline constexpr Cents kMaxExtraCents = static_cast<Cents>(kMaxMoney * 100 + 0.5);

// "1234.5", "1234.56" or "1234": at most two decimals, not negative, at most kMaxExtraCents.
std::optional<Cents> ParseMoney(std::string_view text);
// A whole number from `low` to `high`.
std::optional<std::int32_t> ParseWhole(std::string_view text, std::int32_t low, std::int32_t high);
// A rate in percent from 0 to 999.9999, at most four decimals.
std::optional<double> ParseRate(std::string_view text);

// "AMOUNT[@FROM_MONTH]" of a monthly extra; the month is 1 when not given.
std::optional<std::pair<Cents, std::int32_t>> ParseMonthlyExtra(std::string_view text,
                                                                std::int32_t lastMonth);
// "MONTH:AMOUNT", the month from 1 to `lastMonth`.
std::optional<std::pair<std::int32_t, Cents>> ParseMonthAmount(std::string_view text,
                                                               std::int32_t lastMonth);
// "INITIAL_MONTHS:INDEX:MARGIN:FIRST_CAP:LATER_CAP:LIFE_CAP:FLOOR:MONTHS_BETWEEN_CHANGES".
std::optional<AdjustableRate> ParseAdjustable(std::string_view text);
std::string AdjustableText(const AdjustableRate& rate);

// A whole plan as one line: "monthly=100.00@1;once=12:5000.00,24:250.00;yearly=3:2000.00;
// biweekly", parts in any order, each optional; the empty text is no extras. ParseExtraPlan reads
// what ExtraPlanText writes and nothing else; months up to the longest schedule.
std::string ExtraPlanText(const ExtraPayments& plan);
std::optional<ExtraPayments> ParseExtraPlan(std::string_view text);

// Money as "1234.50".
std::string MoneyPlain(Cents cents);

} // namespace plumcrest
