#include "OfferEntry.h"

#include "FigureText.h"
#include "LoanPipeline.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <exception>
#include <string>

namespace plumcrest::offers {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("plumcrest::offers::OfferEditor", text);
}

QString Char(char32_t c) {
    return QString::fromStdU32String(std::u32string(1, c));
}

QString Example(EntryKind kind, const LocaleSeparators& separators) {
    switch (kind) {
    case EntryKind::Money:
        return Tr("Type an amount such as %1.")
            .arg(QStringLiteral("1") + Char(separators.thousands) + QStringLiteral("234") +
                 Char(separators.decimal) + QStringLiteral("56"));
    case EntryKind::Percent:
        return Tr("Type a percentage such as %1.")
            .arg(QStringLiteral("6") + Char(separators.decimal) + QStringLiteral("875"));
    case EntryKind::Years:
        return Tr("Type a whole number of years such as 30.");
    case EntryKind::Months:
        return Tr("Type a whole number of months such as 60.");
    }
    return {};
}

int DecimalsOf(EntryKind kind) {
    return kind == EntryKind::Money ? 2 : kind == EntryKind::Percent ? 4 : 0;
}

// The text as a plain decimal ("-1234.5"), or nothing. Group separators are taken in the integer
// part of money only, and then in threes, so "1,5" typed for one and a half is not read as 15.
struct Plain {
    std::string text;
    bool tooManyDecimals = false;
};

std::optional<Plain> PlainNumber(const QString& trimmed, EntryKind kind,
                                 const LocaleSeparators& separators) {
    const std::u32string text = trimmed.toStdU32String();
    Plain plain;
    std::size_t i = 0;
    if (i < text.size() && text[i] == U'-')
        plain.text += text[i++];
    std::string integer;
    std::vector<int> groups{0}; // digits in each group of the integer part
    for (; i < text.size() && text[i] != separators.decimal; ++i) {
        const char32_t c = text[i];
        if (c >= U'0' && c <= U'9') {
            integer += static_cast<char>(c);
            ++groups.back();
        } else if (c == separators.thousands && kind == EntryKind::Money) {
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
    plain.text += (integer.empty() ? std::string("0") : integer);
    if (!fraction.empty())
        plain.text += '.' + fraction;
    plain.tooManyDecimals = static_cast<int>(fraction.size()) > DecimalsOf(kind);
    return plain;
}

} // namespace

EntryReading ReadEntry(const QString& text, const EntryRule& rule,
                       const LocaleSeparators& separators) {
    EntryReading reading;
    QString trimmed = text.trimmed();
    // "6.40%" or "6.40 %" as the lender's form writes a rate.
    if (rule.kind == EntryKind::Percent && trimmed.endsWith(QLatin1Char('%')))
        trimmed = trimmed.chopped(1).trimmed();
    if (trimmed.isEmpty() && !text.trimmed().isEmpty()) {
        reading.problem = Example(rule.kind, separators);
        return reading;
    }
    if (trimmed.isEmpty()) {
        if (!rule.optional)
            reading.problem = Example(rule.kind, separators);
        return reading;
    }
    const auto plain = PlainNumber(trimmed, rule.kind, separators);
    double value = 0;
    if (plain) {
        const char* first = plain->text.data();
        const char* last = first + plain->text.size();
        const auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || end != last || !std::isfinite(value)) {
            reading.problem = Example(rule.kind, separators);
            return reading;
        }
    } else {
        reading.problem = Example(rule.kind, separators);
        return reading;
    }
    const auto shown = [&](double bound) {
        return rule.kind == EntryKind::Years || rule.kind == EntryKind::Months
                   ? QString::number(bound)
                   : EntryText(bound, rule.kind, separators);
    };
    if (value < 0 && rule.min >= 0)
        reading.problem = Tr("Cannot be negative.");
    else if (rule.aboveMin && !(value > rule.min))
        reading.problem = Tr("Must be more than %1.").arg(shown(rule.min));
    else if (value < rule.min || value > rule.max)
        reading.problem = Tr("Must be from %1 to %2.").arg(shown(rule.min), shown(rule.max));
    else if (plain->tooManyDecimals)
        reading.problem = rule.kind == EntryKind::Money ? Tr("Use at most 2 decimals.")
                                                        : Tr("Use at most 4 decimals.");
    else
        reading.value = value;
    return reading;
}

QString EntryText(double value, EntryKind kind, const LocaleSeparators& separators) {
    switch (kind) {
    case EntryKind::Money:
        return compare::FigureText(value, MaskKind::Money, separators);
    case EntryKind::Percent:
        return compare::FigureText(value, MaskKind::Rate, separators);
    case EntryKind::Years:
    case EntryKind::Months:
        return QString::number(value);
    }
    return {};
}

} // namespace plumcrest::offers
