#pragma once
// Decimal digits of a magnitude as the picture masks round it. The digits always come from the
// C-locale conversions of <charconv>, never from printf or a locale, so a regional decimal comma
// cannot leak into them.

#include <string>

namespace plumcrest {

// A non-negative number in fixed notation: "1234.5" is {"1234", "5"}. The integer part holds at
// least one digit.
struct FixedDigits {
    std::string integer;
    std::string fraction;
};

// The digits of a finite magnitude rounded to nearest in extended precision: at 18 significant
// digits when it is 1 or more, at 17 decimal places below 1. 1000.005 (stored as
// 1000.00499999999999545...) gives 1000.00500000000000.
FixedDigits ExtendedDigits(long double magnitude);

// The digits cut to `places` decimals, the kept last digit raised (with carry) when the first
// dropped digit is 5 or more; a shorter fraction is padded with zeros.
FixedDigits RoundHalfUp(FixedDigits digits, int places);

} // namespace plumcrest
