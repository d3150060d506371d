#include "FigureText.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <cmath>

namespace plumcrest::compare {

namespace {

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

QString PercentText(double value, int decimals, const LocaleSeparators& separators) {
    std::u32string mask = U"###,###";
    if (decimals > 0)
        mask += U'.' + std::u32string(static_cast<std::size_t>(decimals), U'#');
    const MaskLayout layout = AnalyseMask(mask);
    return QString::fromStdU32String(TrimBlanks(std::isfinite(value) && FitsMask(value, layout)
                                                    ? FormatIntoMask(value, layout, separators)
                                                    : OverflowText(layout, separators)));
}

QString AprCheckText(const DisclosedAprCheck& check, const LocaleSeparators& separators) {
    using Verdict = DisclosedAprCheck::Verdict;
    switch (check.verdict) {
    case Verdict::NotGiven:
        return Words::tr("not given");
    case Verdict::CannotCheck:
        return Words::tr("cannot be checked: no rate");
    case Verdict::Accurate:
        return Words::tr("within %1 points").arg(PercentText(check.tolerance, 3, separators));
    case Verdict::Inaccurate:
        break;
    }
    return Words::tr("differs by %1 points: ask the lender why")
        .arg(PercentText(std::fabs(check.difference), 3, separators));
}

QString PlainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

} // namespace plumcrest::compare
