#include "MoneyText.h"

namespace plumcrest::output {

QString MoneyText(Cents cents, const LocaleSeparators& separators) {
    static const MaskLayout money = AnalyseMask(U"##,###,###.##");
    static const MaskLayout wide = AnalyseMask(U"###,###,###,###,###,###.##");
    const double value = static_cast<double>(cents) / 100.0;
    const MaskLayout& layout = FitsMask(value, money) ? money : wide;
    const std::u32string text = TrimBlanks(FormatIntoMask(value, layout, separators));
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace plumcrest::output
