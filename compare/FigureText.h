#pragma once
// Figures as the calculator shows them: through its masks, with the locale separators given.

#include "Amortization.h"
#include "LoanPipeline.h"
#include "OfferComparison.h"
#include "PictureMask.h"

#include <QString>

namespace plumcrest::compare {

// The value through the mask, blanks trimmed; a value the mask cannot hold shows its hashes.
QString FigureText(double value, MaskKind kind, const LocaleSeparators& separators);
// "within tolerance", "differs by 0.270 points: ask the lender why", or "not given".
QString AprCheckText(const AprCheck& check, const LocaleSeparators& separators);

} // namespace plumcrest::compare
