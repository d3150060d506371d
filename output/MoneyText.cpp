#include "MoneyText.h"

#include "LoanFields.h"

namespace plumcrest::output {

namespace {

// The money mask with more integer groups, for sums too large for the calculator's.
constexpr std::u32string_view kWideMoneyMask = U"###,###,###,###,###,###.##";

} // namespace

QString MoneyText(Cents cents, const LocaleSeparators& separators) {
    static const MaskLayout money = AnalyseMask(MaskText(MaskKind::Money));
    static const MaskLayout wide = AnalyseMask(kWideMoneyMask);
    const double value = static_cast<double>(cents) / 100.0;
    const MaskLayout& layout = FitsMask(value, money) ? money : wide;
    const std::u32string text = TrimBlanks(FormatIntoMask(value, layout, separators));
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace plumcrest::output
