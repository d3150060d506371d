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

// The hints' texts, filed for translators under this name (lupdate reads Hints::tr calls).
struct Hints {
    Q_DECLARE_TR_FUNCTIONS(plumcrest::offers::OfferEntry)
};

QString Char(char32_t c) {
    return QString::fromStdU32String(std::u32string(1, c));
}

QString Example(EntryKind kind, const LocaleSeparators& separators) {
    switch (kind) {
    case EntryKind::Money:
        return Hints::tr("Type an amount such as %1.")
            .arg(QStringLiteral("1") + Char(separators.thousands) + QStringLiteral("234") +
                 Char(separators.decimal) + QStringLiteral("56"));
    case EntryKind::Percent:
        return Hints::tr("Type a percentage such as %1.")
            .arg(QStringLiteral("6") + Char(separators.decimal) + QStringLiteral("875"));
    case EntryKind::Years:
        return Hints::tr("Type a whole number of years such as 30.");
    case EntryKind::Months:
        return Hints::tr("Type a whole number of months such as 60.");
    case EntryKind::Date:
        return Hints::tr("Type a date as month/day/year, such as 4/16/2026.");
    }
    return {};
}

} // namespace

EntryReading ReadEntry(const QString& text, const EntryRule& rule,
                       const LocaleSeparators& separators) {
    const ParsedEntry parsed =
        ParseEntry(text.toStdU32String(), rule, separators.decimal, separators.thousands);
    const auto shown = [&](double bound) {
        return rule.kind == EntryKind::Years || rule.kind == EntryKind::Months
                   ? QString::number(bound)
                   : EntryText(bound, rule.kind, separators);
    };
    switch (parsed.problem) {
    case EntryProblem::None:
        return {parsed.value, {}};
    case EntryProblem::NotANumber:
        return {std::nullopt, Example(rule.kind, separators)};
    case EntryProblem::Negative:
        return {std::nullopt, Hints::tr("Cannot be negative.")};
    case EntryProblem::NotAboveMinimum:
        return {std::nullopt, Hints::tr("Must be more than %1.").arg(shown(rule.min))};
    case EntryProblem::OutOfRange:
        return {std::nullopt,
                Hints::tr("Must be from %1 to %2.").arg(shown(rule.min), shown(rule.max))};
    case EntryProblem::TooManyDecimals:
        return {std::nullopt, rule.kind == EntryKind::Money ? Hints::tr("Use at most 2 decimals.")
                                                            : Hints::tr("Use at most 4 decimals.")};
    }
    return {};
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
    case EntryKind::Date: {
        const CivilDate date = CivilFromDays(static_cast<std::int32_t>(value));
        return QStringLiteral("%1/%2/%3").arg(date.month).arg(date.day).arg(date.year);
    }
    }
    return {};
}

} // namespace plumcrest::offers
