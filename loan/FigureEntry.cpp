#include "FigureEntry.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <string>
#include <vector>

namespace plumcrest {

namespace {

bool IsBlank(char32_t c) {
    return c <= U' ' || c == U'\u00a0';
}

std::u32string_view Trimmed(std::u32string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text as a plain decimal ("-1234.5"), or nothing.
struct Plain {
    std::string text;
    bool tooManyDecimals = false;
};

std::optional<Plain> PlainNumber(std::u32string_view text, EntryKind kind, char32_t decimal,
                                 char32_t thousands) {
    Plain plain;
    std::size_t i = 0;
    if (i < text.size() && text[i] == U'-')
        plain.text += '-', ++i;
    std::string integer;
    std::vector<int> groups{0}; // digits in each group of the integer part
    for (; i < text.size() && text[i] != decimal; ++i) {
        const char32_t c = text[i];
        if (c >= U'0' && c <= U'9') {
            integer += static_cast<char>(c);
            ++groups.back();
        } else if (thousands != 0 && c == thousands && kind == EntryKind::Money) {
            groups.push_back(0);
        } else {
            return std::nullopt;
        }
    }
    if (groups.size() > 1) {
        if (groups.front() < 1 || groups.front() > 3)
            return std::nullopt;
        for (std::size_t g = 1; g < groups.size(); ++g)
            if (groups[g] != 3)
                return std::nullopt;
    }
    std::string fraction;
    if (i < text.size()) { // the decimal separator
        if (kind == EntryKind::Years || kind == EntryKind::Months)
            return std::nullopt;
        for (++i; i < text.size(); ++i) {
            if (text[i] < U'0' || text[i] > U'9')
                return std::nullopt;
            fraction += static_cast<char>(text[i]);
        }
    }
    if (integer.empty() && fraction.empty())
        return std::nullopt;
    plain.text += integer.empty() ? std::string("0") : integer;
    if (!fraction.empty())
        plain.text += '.' + fraction;
    plain.tooManyDecimals = static_cast<int>(fraction.size()) > DecimalsOf(kind);
    return plain;
}

// "M/D/YYYY" or "YYYY-MM-DD", a real day; nothing otherwise.
std::optional<double> DayOf(std::u32string_view text) {
    std::vector<int> parts{0};
    std::vector<int> digits{0};
    char32_t separator = 0;
    for (const char32_t c : text) {
        if (c >= U'0' && c <= U'9') {
            if (++digits.back() > 4)
                return std::nullopt;
            parts.back() = parts.back() * 10 + static_cast<int>(c - U'0');
        } else if ((c == U'/' || c == U'-') && (separator == 0 || separator == c)) {
            separator = c;
            parts.push_back(0);
            digits.push_back(0);
        } else {
            return std::nullopt;
        }
    }
    if (parts.size() != 3 || digits[0] == 0 || digits[1] == 0 || digits[2] == 0)
        return std::nullopt;
    const bool iso = separator == U'-';
    if ((iso && digits[0] != 4) || (!iso && digits[2] != 4))
        return std::nullopt;
    const int year = iso ? parts[0] : parts[2];
    const int month = iso ? parts[1] : parts[0];
    const int day = iso ? parts[2] : parts[1];
    const std::chrono::year_month_day date{std::chrono::year(year),
                                           std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (month < 1 || month > 12 || day < 1 || !date.ok())
        return std::nullopt;
    return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

} // namespace

std::int32_t DaysFromCivil(int year, unsigned month, unsigned day) {
    const std::chrono::sys_days days{std::chrono::year_month_day{
        std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)}};
    return static_cast<std::int32_t>(days.time_since_epoch().count());
}

CivilDate CivilFromDays(std::int32_t days) {
    const std::chrono::year_month_day date{std::chrono::sys_days(std::chrono::days(days))};
    return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
            static_cast<unsigned>(date.day())};
}

ParsedEntry ParseEntry(std::u32string_view text, const EntryRule& rule, char32_t decimal,
                       char32_t thousands) {
    const std::u32string_view typed = Trimmed(text);
    std::u32string_view figure = typed;
    // "6.40%" or "6.40 %" as the lender's form writes a rate.
    if (rule.kind == EntryKind::Percent && !figure.empty() && figure.back() == U'%')
        figure = Trimmed(figure.substr(0, figure.size() - 1));
    if (figure.empty()) {
        if (typed.empty() && rule.optional)
            return {};
        return {std::nullopt, EntryProblem::NotANumber};
    }
    if (rule.kind == EntryKind::Date) {
        const auto day = DayOf(figure);
        if (!day)
            return {std::nullopt, EntryProblem::NotANumber};
        if (*day < rule.min || *day > rule.max)
            return {std::nullopt, EntryProblem::OutOfRange};
        return {day, EntryProblem::None};
    }
    const auto plain = PlainNumber(figure, rule.kind, decimal, thousands);
    if (!plain)
        return {std::nullopt, EntryProblem::NotANumber};
    double value = 0;
    const char* first = plain->text.data();
    const char* last = first + plain->text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return {std::nullopt, EntryProblem::NotANumber};
    if (value < 0 && rule.min >= 0)
        return {std::nullopt, EntryProblem::Negative};
    if (rule.aboveMin && !(value > rule.min))
        return {std::nullopt, EntryProblem::NotAboveMinimum};
    if (value < rule.min || value > rule.max)
        return {std::nullopt, EntryProblem::OutOfRange};
    if (plain->tooManyDecimals)
        return {std::nullopt, EntryProblem::TooManyDecimals};
    return {value, EntryProblem::None};
}

} // namespace plumcrest
