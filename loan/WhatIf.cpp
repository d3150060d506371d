#include "WhatIf.h"

#include "FigureEntry.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace plumcrest {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// The command line's figures are read as every typed figure is, with "." for the decimals and
// no group separators.
std::optional<double> ParseTyped(std::string_view text, EntryKind kind, double max) {
    const std::u32string wide(text.begin(), text.end());
    if (std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; }))
        return std::nullopt;
    return ParseEntry(wide, {kind, 0, max}, U'.', 0).value;
}

} // namespace

std::optional<Cents> ParseMoney(std::string_view text) {
    const auto dollars = ParseTyped(text, EntryKind::Money, kMaxMoney);
    return dollars ? std::optional<Cents>(ToCents(*dollars)) : std::nullopt;
}

std::optional<std::int32_t> ParseWhole(std::string_view text, std::int32_t low, std::int32_t high) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

std::optional<double> ParseRate(std::string_view text) {
    return ParseTyped(text, EntryKind::Percent, kMaxRate);
}

std::optional<std::pair<Cents, std::int32_t>> ParseMonthlyExtra(std::string_view text,
                                                                std::int32_t lastMonth) {
    const std::size_t at = text.find('@');
    const auto amount = ParseMoney(text.substr(0, at));
    const auto from = at == std::string_view::npos ? std::optional<std::int32_t>(1)
                                                   : ParseWhole(text.substr(at + 1), 1, lastMonth);
    if (!amount || !from)
        return std::nullopt;
    return std::pair{*amount, *from};
}

std::optional<std::pair<std::int32_t, Cents>> ParseMonthAmount(std::string_view text,
                                                               std::int32_t lastMonth) {
    const auto parts = Split(text, ':');
    if (parts.size() != 2)
        return std::nullopt;
    const auto month = ParseWhole(parts[0], 1, lastMonth);
    const auto amount = ParseMoney(parts[1]);
    if (!month || !amount)
        return std::nullopt;
    return std::pair{*month, *amount};
}

std::optional<AdjustableRate> ParseAdjustable(std::string_view text) {
    const auto parts = Split(text, ':');
    if (parts.size() != 8)
        return std::nullopt;
    AdjustableRate rate;
    const auto initial = ParseWhole(parts[0], 1, kScheduleMaxMonths);
    const auto between = ParseWhole(parts[7], 1, kScheduleMaxMonths);
    double* const rates[] = {&rate.indexPercent, &rate.marginPercent, &rate.firstCap,
                             &rate.laterCap,     &rate.lifeCap,       &rate.floor};
    for (std::size_t i = 0; i < 6; ++i) {
        const auto value = ParseRate(parts[i + 1]);
        if (!value)
            return std::nullopt;
        *rates[i] = *value;
    }
    if (!initial || !between)
        return std::nullopt;
    rate.initialMonths = *initial;
    rate.monthsBetween = *between;
    return rate;
}

namespace {

std::string RatePlain(double percent) {
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 4);
    std::string text(buffer, written.ptr);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

std::string AdjustableText(const AdjustableRate& rate) {
    std::string text = std::to_string(rate.initialMonths);
    for (const double value : {rate.indexPercent, rate.marginPercent, rate.firstCap, rate.laterCap,
                               rate.lifeCap, rate.floor})
        text += ':' + RatePlain(value);
    return text + ':' + std::to_string(rate.monthsBetween);
}

std::string MoneyPlain(Cents cents) {
    std::string text = std::to_string(cents / 100) + '.';
    text += static_cast<char>('0' + cents % 100 / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

std::string ExtraPlanText(const ExtraPayments& plan) {
    std::vector<std::string> parts;
    if (plan.monthly > 0)
        parts.push_back("monthly=" + MoneyPlain(plan.monthly) + '@' +
                        std::to_string(plan.monthlyFrom));
    if (!plan.once.empty()) {
        std::string once = "once=";
        for (std::size_t i = 0; i < plan.once.size(); ++i)
            once += (i ? "," : "") + std::to_string(plan.once[i].first) + ':' +
                    MoneyPlain(plan.once[i].second);
        parts.push_back(once);
    }
    if (plan.yearly > 0)
        parts.push_back("yearly=" + std::to_string(plan.yearlyMonth) + ':' +
                        MoneyPlain(plan.yearly));
    if (plan.biweekly)
        parts.emplace_back("biweekly");
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? ";" : "") + parts[i];
    return text;
}

std::optional<ExtraPayments> ParseExtraPlan(std::string_view text) {
    ExtraPayments plan;
    if (text.empty())
        return plan;
    for (const std::string_view part : Split(text, ';')) {
        const std::size_t equals = part.find('=');
        const std::string_view key = part.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : part.substr(equals + 1);
        if (key == "biweekly" && equals == std::string_view::npos) {
            plan.biweekly = true;
        } else if (key == "monthly") {
            const auto monthly = ParseMonthlyExtra(value, kScheduleMaxMonths);
            if (!monthly || value.find('@') == std::string_view::npos)
                return std::nullopt;
            plan.monthly = monthly->first;
            plan.monthlyFrom = monthly->second;
        } else if (key == "once") {
            for (const std::string_view each : Split(value, ',')) {
                const auto once = ParseMonthAmount(each, kScheduleMaxMonths);
                if (!once)
                    return std::nullopt;
                plan.once.push_back(*once);
            }
        } else if (key == "yearly") {
            const auto yearly = ParseMonthAmount(value, 12);
            if (!yearly)
                return std::nullopt;
            plan.yearlyMonth = yearly->first;
            plan.yearly = yearly->second;
        } else {
            return std::nullopt;
        }
    }
    return plan;
}

} // namespace plumcrest
