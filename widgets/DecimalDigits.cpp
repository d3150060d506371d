#include "DecimalDigits.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace plumcrest {
namespace {

constexpr int kSignificantDigits = 18; // for magnitudes of 1 or more
constexpr int kSmallPlaces = 17;       // for magnitudes below 1

// Room for "d.<17 digits>e+dddd" and for "0.<17 digits>".
using Buffer = std::array<char, 64>;

FixedDigits FromScientific(long double magnitude) {
    Buffer buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    std::string mantissa;
    mantissa.reserve(kSignificantDigits);
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            mantissa.push_back(c);
        }
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    const char* first = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(first, exponentText.data() + exponentText.size(), exponent);

    // magnitude >= 1, so the exponent is at least 0 and the integer part is exponent + 1 digits.
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (integerDigits >= mantissa.size()) {
        mantissa.append(integerDigits - mantissa.size(), '0');
        return {mantissa, {}};
    }
    return {mantissa.substr(0, integerDigits), mantissa.substr(integerDigits)};
}

FixedDigits FromFixed(long double magnitude) {
    Buffer buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, kSmallPlaces);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    return {std::string(text.substr(0, point)), std::string(text.substr(point + 1))};
}

// Adds one unit in the last place of the digit string; true when it carries out of the front.
bool Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

} // namespace

FixedDigits ExtendedDigits(long double magnitude) {
    return magnitude >= 1.0L ? FromScientific(magnitude) : FromFixed(magnitude);
}

FixedDigits RoundHalfUp(FixedDigits digits, int places) {
    const auto kept = static_cast<std::size_t>(places < 0 ? 0 : places);
    if (digits.fraction.size() <= kept) {
        digits.fraction.append(kept - digits.fraction.size(), '0');
        return digits;
    }
    const bool roundUp = digits.fraction[kept] >= '5';
    digits.fraction.resize(kept);
    if (roundUp && Increment(digits.fraction) && Increment(digits.integer)) {
        digits.integer.insert(digits.integer.begin(), '1');
    }
    return digits;
}

} // namespace plumcrest
