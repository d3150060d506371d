#pragma once
// Picture-mask formatting: the text side of the numeric entry field. Pure functions of the mask,
// the two locale separators and their input; nothing here reads a locale or any global state.
//
// Mask characters: "#" a digit position, "," a group position, anything else (the ".") a literal.
// Display texts always have the mask's length before trimming; the entry buffer holds the typed
// digits and at most one "." (the locale decimal separator is typed as "." into the buffer).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plumcrest {

enum class MaskPosition { Digit, Group, Literal };

struct MaskLayout {
    std::u32string mask;
    std::vector<MaskPosition> positions;      // one class per mask character
    std::optional<std::size_t> pointPosition; // index of the "." in the mask
    int integerPositions = 0;    // digit positions left of the "." (all of them without one)
    int decimalPlaces = 0;       // digit positions right of the "."
    int entryWidth = 0;          // most characters an entry may hold
    int textLength = 0;          // length of the mask
    int firstDigitPosition = -1; // lowest index of a digit or group position, -1 if none
    int lastDigitPosition = -1;  // highest index of a digit or group position, -1 if none
};

MaskLayout AnalyseMask(std::u32string_view mask);

struct LocaleSeparators {
    char32_t decimal = U'.';
    char32_t thousands = U',';
};

// From the user's regional setting texts: the first character of each, "." / "," for an empty
// value, and both back to "." and "," when they come out equal.
LocaleSeparators MakeLocaleSeparators(std::u32string_view decimalSetting,
                                      std::u32string_view thousandsSetting);

// The value written into the mask, rounded to the mask's decimals (half up on the exact digits),
// with the mask's length. Overflowing integer digits are dropped silently and a negative value
// with no room for its "-" loses its sign; FitsMask tells when that happens.
std::u32string FormatIntoMask(double value, const MaskLayout& layout,
                              const LocaleSeparators& separators);

// Whether FormatIntoMask shows the value whole: every integer digit and, when negative, its "-".
bool FitsMask(double value, const MaskLayout& layout);

// The mask with every digit position "#" and the group and point positions showing their
// separators: what a value that does not fit shows in a result field ("###.####").
std::u32string OverflowText(const MaskLayout& layout, const LocaleSeparators& separators);

// The value of a display text in extended precision, or nothing when the text is not a number.
std::optional<long double> ParseMaskedText(std::u32string_view text, const MaskLayout& layout,
                                           const LocaleSeparators& separators);

// The display text of a partly typed entry (mask length kept).
std::u32string LayoutEntry(std::string_view buffer, bool pendingMinus, const MaskLayout& layout,
                           const LocaleSeparators& separators);

struct Entry {
    std::string buffer;
    bool pendingMinus = false;
};

// The entry with which editing starts from a display text.
Entry LoadEntry(std::u32string_view display, const MaskLayout& layout,
                const LocaleSeparators& separators);

// Leading and trailing blanks dropped (what the field draws).
std::u32string TrimBlanks(std::u32string_view text);

} // namespace plumcrest
