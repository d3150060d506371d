#include "NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace plumcrest {

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string FormatGeneral15(long double value, char32_t decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // Shortest exact route to 15 correctly rounded significant digits: scientific with 14
    // fraction digits, e.g. "-1.23456789012346e+17".
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);

    const bool negative = text[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (std::size_t i = start; i < ePos; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::stoi(text.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const std::string separator = Utf8(decimalSeparator);
    std::string out = negative ? "-" : "";
    if (exponent > -5 && exponent < 15) {
        if (exponent < 0) {
            out += "0" + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') +
                   digits;
        } else {
            const auto intCount = static_cast<std::size_t>(exponent + 1);
            if (digits.size() <= intCount) {
                out += digits + std::string(intCount - digits.size(), '0');
            } else {
                out += digits.substr(0, intCount) + separator + digits.substr(intCount);
            }
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += separator + digits.substr(1);
        out += "E" + std::to_string(exponent);
    }
    return out;
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::int32_t StrToInt(std::string_view text) {
    if (auto value = ParseInt32(text))
        return *value;
    throw ConversionError(std::string(text));
}

std::optional<double> ParseFloat(std::string_view text, char32_t decimalSeparator) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    // Rewrite into the plain "C" form, refusing anything outside the number grammar.
    const std::string separator = Utf8(decimalSeparator);
    std::string plain;
    std::size_t i = 0;
    auto isDigit = [&](std::size_t at) {
        return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]));
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    std::size_t mantissaDigits = 0;
    while (isDigit(i)) {
        plain += text[i++];
        ++mantissaDigits;
    }
    if (text.substr(i, separator.size()) == separator) {
        plain += '.';
        i += separator.size();
        while (isDigit(i)) {
            plain += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        if (!isDigit(i))
            return std::nullopt;
        while (isDigit(i))
            plain += text[i++];
    }
    if (i != text.size())
        return std::nullopt;

    const char* first = plain.data();
    if (*first == '+')
        ++first;
    long double value = 0;
    const auto result = std::from_chars(first, plain.data() + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size())
        return std::nullopt;
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<double>::max())
        return std::nullopt;
    return static_cast<double>(value);
}

} // namespace plumcrest
