#pragma once
// Figures as the calculator shows them: through its masks, with the locale separators given.

#include "Amortization.h"
#include "LoanPipeline.h"
#include "PictureMask.h"
#include "StreamApr.h"

#include <QString>

namespace plumcrest::compare {

// The value through the mask, blanks trimmed; a value the mask cannot hold shows its hashes.
QString FigureText(double value, MaskKind kind, const LocaleSeparators& separators);
// A percentage to `decimals` places with the locale's separators (no "%").
QString PercentText(double value, int decimals, const LocaleSeparators& separators);
// "within 0.125 points", "differs by 0.270 points: ask the lender why", "not given" or "cannot be
// checked".
QString AprCheckText(const DisclosedAprCheck& check, const LocaleSeparators& separators);

// A tooltip that shows `text` as written, even when it looks like markup (an offer's name, what a
// lender's file says): Qt would otherwise render such a tooltip as rich text.
QString PlainToolTip(const QString& text);

} // namespace plumcrest::compare
