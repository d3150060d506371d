#include "FigureText.h"

#include <QCoreApplication>
#include <cmath>

namespace plumcrest::compare {

namespace {

// A difference of two APRs in percentage points, to a thousandth.
constexpr std::u32string_view kPointsMask = U"###,###.###";

struct Words {
    Q_DECLARE_TR_FUNCTIONS(plumcrest::compare::FigureText)
};

} // namespace

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
        return Words::tr("not given");
    case AprCheck::Kind::WithinTolerance:
        return Words::tr("within tolerance");
    case AprCheck::Kind::Differs:
        break;
    }
    static const MaskLayout points = AnalyseMask(kPointsMask);
    const double difference = std::fabs(check.difference);
    const QString amount = QString::fromStdU32String(
        TrimBlanks(FitsMask(difference, points) ? FormatIntoMask(difference, points, separators)
                                                : OverflowText(points, separators)));
    return Words::tr("differs by %1 points: ask the lender why").arg(amount);
}

} // namespace plumcrest::compare
