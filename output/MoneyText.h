#pragma once
// Money in whole cents as the calculator shows it: through the calculator's money picture mask
// with the given separators, blanks trimmed. A sum too large for that mask gets the same picture
// with more integer groups rather than a row of hashes.

#include "Amortization.h"
#include "PictureMask.h"

#include <QString>

namespace plumcrest::output {

QString MoneyText(Cents cents, const LocaleSeparators& separators);

} // namespace plumcrest::output
