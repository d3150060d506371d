#include "FigureEntry.h"

#include <charconv>
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

} // namespace

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
