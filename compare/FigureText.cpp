#include "FigureText.h"

#include <cmath>

namespace plumcrest::compare {

QString FigureText(double value, MaskKind kind, const LocaleSeparators& separators) {
    static const MaskLayout money = AnalyseMask(MaskText(MaskKind::Money));
    static const MaskLayout rate = AnalyseMask(MaskText(MaskKind::Rate));
    static const MaskLayout years = AnalyseMask(MaskText(MaskKind::Years));
    const MaskLayout& layout = kind == MaskKind::Money  ? money
                               : kind == MaskKind::Rate ? rate
                                                        : years;
    const std::u32string text = std::isfinite(value) && FitsMask(value, layout)
                                    ? FormatIntoMask(value, layout, separators)
                                    : OverflowText(layout, separators);
    return QString::fromStdU32String(TrimBlanks(text));
}

QString AprCheckText(const AprCheck& check, const LocaleSeparators& separators) {
    switch (check.kind) {
    case AprCheck::Kind::NotGiven:
        return QStringLiteral("not given");
    case AprCheck::Kind::WithinTolerance:
        return QStringLiteral("within tolerance");
    case AprCheck::Kind::Differs:
        break;
    }
    static const MaskLayout points = AnalyseMask(U"###,###.###");
    const double difference = std::fabs(check.difference);
    const QString amount = QString::fromStdU32String(
        TrimBlanks(FitsMask(difference, points) ? FormatIntoMask(difference, points, separators)
                                                : OverflowText(points, separators)));
    return QStringLiteral("differs by %1 points: ask the lender why").arg(amount);
}

} // namespace plumcrest::compare
