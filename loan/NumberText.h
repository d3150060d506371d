#pragma once
// Number text as the calculator writes and reads it outside the picture-masked fields: the
// general format with 15 significant digits (month and year round trips, saved values) and the
// whole-text integer and floating parses. The decimal separator is always an argument; nothing
// here reads a locale.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace plumcrest {

// "'%s' is not a valid integer value"
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
};

// UTF-8 text of one character.
std::string Utf8(char32_t character);

// General format, 15 significant digits: fixed notation while the decimal exponent X after
// rounding satisfies -5 < X < 15 (trailing zeros and separator dropped), else "d.dddE[-]x".
// 120000 -> "120000", 6.75 -> "6,75" with ',', 1e15 -> "1E15", 0.00001 -> "1E-5".
std::string FormatGeneral15(long double value, char32_t decimalSeparator);

// The whole text as a signed decimal 32-bit integer; nothing when any character is left over
// or the value does not fit ("2.5", "1E15", "", "3000000000").
std::optional<std::int32_t> ParseInt32(std::string_view text);

// Like ParseInt32, but throws ConversionError naming the text.
std::int32_t StrToInt(std::string_view text);

// A decimal number written with the given separator, blanks around it allowed, an optional
// exponent; nothing for anything else, for "nan"/"inf" and for values outside the double range.
std::optional<double> ParseFloat(std::string_view text, char32_t decimalSeparator);

} // namespace plumcrest
