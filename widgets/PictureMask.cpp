#include "PictureMask.h"

#include "DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace plumcrest {
namespace {

constexpr char32_t kBlank = U' ';
constexpr char32_t kMinus = U'-';
constexpr char32_t kPoint = U'.';

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// A mask text after placing a number, and what the placing had to leave out.
struct Placement {
    std::u32string text;
    bool lostDigits = false; // a non-zero integer digit found no position
    bool signShown = false;
};

void PlaceFraction(std::string_view fraction, const MaskLayout& layout,
                   const LocaleSeparators& separators, std::u32string& text) {
    if (!layout.pointPosition) {
        return;
    }
    const std::size_t point = *layout.pointPosition;
    text[point] = separators.decimal;
    std::size_t next = 0;
    for (std::size_t i = point + 1; i < text.size(); ++i) {
        if (layout.positions[i] == MaskPosition::Digit) {
            text[i] = next < fraction.size() ? static_cast<unsigned char>(fraction[next++]) : U'0';
        }
    }
}

// Right to left from just left of the point: digits from the right, group positions while digits
// wait, and the first empty position takes the sign. The walk stops at the mask's first position
// whether or not digits remain. The integer digits always include one (a "0" below 1), so the
// position left of the point never stays empty and needs no "0" of its own; a blank literal
// there is part of the mask and keeps its blank.
Placement PlaceNumber(std::string_view integer, std::string_view fraction, bool negative,
                      const MaskLayout& layout, const LocaleSeparators& separators) {
    Placement placed{layout.mask};
    PlaceFraction(fraction, layout, separators, placed.text);
    std::size_t remaining = integer.size();
    bool signPending = negative;
    const std::size_t start = layout.pointPosition.value_or(placed.text.size());
    for (std::size_t i = start; i-- > 0;) {
        const MaskPosition kind = layout.positions[i];
        if (kind == MaskPosition::Literal) {
            continue;
        }
        if (remaining > 0) {
            placed.text[i] = kind == MaskPosition::Digit
                                 ? static_cast<unsigned char>(integer[--remaining])
                                 : separators.thousands;
            continue;
        }
        placed.text[i] = signPending ? kMinus : kBlank;
        placed.signShown = placed.signShown || signPending;
        signPending = false;
    }
    const std::string_view unplaced = integer.substr(0, remaining);
    placed.lostDigits = unplaced.find_first_not_of('0') != std::string_view::npos;
    return placed;
}

bool ShowsSign(double value) {
    return std::signbit(value) && value != 0.0;
}

Placement PlaceValue(double value, const MaskLayout& layout, const LocaleSeparators& separators) {
    const FixedDigits digits = RoundHalfUp(
        ExtendedDigits(std::fabs(static_cast<long double>(value))), layout.decimalPlaces);
    return PlaceNumber(digits.integer, digits.fraction, ShowsSign(value), layout, separators);
}

// Steps 1 and 2 of reading a display: the characters of the digit, group and point positions,
// without thousands separators, the first decimal separator made ".".
std::u32string KeepNumberPositions(std::u32string_view text, const MaskLayout& layout,
                                   const LocaleSeparators& separators) {
    std::u32string kept;
    const std::size_t count = std::min(text.size(), layout.positions.size());
    for (std::size_t i = 0; i < count; ++i) {
        const bool isPoint = layout.pointPosition == i;
        if ((layout.positions[i] != MaskPosition::Literal || isPoint) &&
            text[i] != separators.thousands) {
            kept.push_back(text[i]);
        }
    }
    if (layout.pointPosition) {
        const std::size_t separator = kept.find(separators.decimal);
        if (separator != std::u32string::npos) {
            kept[separator] = kPoint;
        }
    }
    return kept;
}

void RemoveBlanksAroundPoint(std::u32string& text) {
    const std::size_t point = text.find(kPoint);
    if (point == std::u32string::npos) {
        return;
    }
    std::size_t after = point + 1;
    while (after < text.size() && text[after] == kBlank) {
        ++after;
    }
    std::size_t before = point;
    while (before > 0 && text[before - 1] == kBlank) {
        --before;
    }
    text.erase(point + 1, after - point - 1);
    text.erase(before, point - before);
}

void CompletePoint(std::u32string& text) {
    const std::size_t point = text.find(kPoint);
    if (point == std::u32string::npos) {
        return;
    }
    if (point + 1 == text.size() || !IsDigit(text[point + 1])) {
        text.insert(point + 1, 1, U'0');
    }
    if (point == 0 || !IsDigit(text[point - 1])) {
        text.insert(point, 1, U'0');
    }
}

// "-"? digits ("." digits)? and nothing else: no exponent, no "inf", no "nan".
bool IsPlainDecimal(std::u32string_view text) {
    if (!text.empty() && text.front() == kMinus) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find(kPoint);
    const std::u32string_view integer = text.substr(0, point);
    const std::u32string_view fraction =
        point == std::u32string_view::npos ? std::u32string_view{} : text.substr(point + 1);
    const auto allDigits = [](std::u32string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), IsDigit);
    };
    return allDigits(integer) && (point == std::u32string_view::npos || allDigits(fraction));
}

std::optional<long double> ParseDecimal(std::u32string_view text) {
    if (!IsPlainDecimal(text)) {
        return std::nullopt;
    }
    const std::string narrow(text.begin(), text.end()); // only ASCII is left
    long double value = 0.0L;
    const char* end = narrow.data() + narrow.size();
    const auto [ptr, error] = std::from_chars(narrow.data(), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

void ShiftRight(std::u32string& text, const MaskLayout& layout, std::size_t count) {
    const auto last = static_cast<std::size_t>(layout.lastDigitPosition);
    count = std::min(count, last + 1);
    text.erase(last + 1 - count, count);
    const auto first = std::min(static_cast<std::size_t>(layout.firstDigitPosition), text.size());
    text.insert(first, count, kBlank);
}

// The leftmost characters give way to the fraction digits beyond the mask's decimals; a "-" is
// stepped over so that the entry keeps its sign.
void ShiftLeft(std::u32string& text, const MaskLayout& layout, std::string_view extra) {
    std::size_t removed = 0;
    std::size_t i = static_cast<std::size_t>(layout.firstDigitPosition);
    while (removed < extra.size() && i < text.size()) {
        if (text[i] == kMinus) {
            ++i;
            continue;
        }
        text.erase(i, 1);
        ++removed;
    }
    const auto last = static_cast<std::size_t>(layout.lastDigitPosition);
    const std::size_t at = std::min(last + 1 - std::min(removed, last + 1), text.size());
    std::u32string digits;
    for (char c : extra.substr(0, removed)) {
        digits.push_back(static_cast<unsigned char>(c));
    }
    text.insert(at, digits);
}

bool IsEntryText(std::u32string_view text, const MaskLayout& layout) {
    const auto points = std::count(text.begin(), text.end(), kPoint);
    const bool onlyDigitsAndPoint =
        std::all_of(text.begin(), text.end(), [](char32_t c) { return IsDigit(c) || c == kPoint; });
    return onlyDigitsAndPoint && (points == 0 || (points == 1 && layout.pointPosition));
}

} // namespace

MaskLayout AnalyseMask(std::u32string_view mask) {
    MaskLayout layout;
    layout.mask = std::u32string(mask);
    layout.textLength = static_cast<int>(mask.size());
    layout.positions.reserve(mask.size());
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char32_t c = mask[i];
        const MaskPosition kind = c == U'#'   ? MaskPosition::Digit
                                  : c == U',' ? MaskPosition::Group
                                              : MaskPosition::Literal;
        layout.positions.push_back(kind);
        if (c == kPoint && !layout.pointPosition) {
            layout.pointPosition = i;
        }
        if (kind != MaskPosition::Literal) {
            layout.firstDigitPosition =
                layout.firstDigitPosition < 0 ? static_cast<int>(i) : layout.firstDigitPosition;
            layout.lastDigitPosition = static_cast<int>(i);
        }
        if (kind == MaskPosition::Digit) {
            ++(layout.pointPosition ? layout.decimalPlaces : layout.integerPositions);
        }
    }
    layout.entryWidth =
        layout.integerPositions + layout.decimalPlaces + (layout.pointPosition ? 1 : 0);
    return layout;
}

LocaleSeparators MakeLocaleSeparators(std::u32string_view decimalSetting,
                                      std::u32string_view thousandsSetting) {
    LocaleSeparators separators;
    separators.decimal = decimalSetting.empty() ? U'.' : decimalSetting.front();
    separators.thousands = thousandsSetting.empty() ? U',' : thousandsSetting.front();
    if (separators.decimal == separators.thousands) {
        return LocaleSeparators{};
    }
    return separators;
}

std::u32string FormatIntoMask(double value, const MaskLayout& layout,
                              const LocaleSeparators& separators) {
    // Infinities and NaN have no digits to show; they show as a value that does not fit.
    if (!std::isfinite(value)) {
        return OverflowText(layout, separators);
    }
    return PlaceValue(value, layout, separators).text;
}

bool FitsMask(double value, const MaskLayout& layout) {
    if (!std::isfinite(value)) {
        return false;
    }
    const Placement placed = PlaceValue(value, layout, LocaleSeparators{});
    return !placed.lostDigits && (placed.signShown || !ShowsSign(value));
}

std::u32string OverflowText(const MaskLayout& layout, const LocaleSeparators& separators) {
    std::u32string text = layout.mask;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (layout.positions[i] == MaskPosition::Digit) {
            text[i] = U'#';
        } else if (layout.positions[i] == MaskPosition::Group) {
            text[i] = separators.thousands;
        }
    }
    if (layout.pointPosition) {
        text[*layout.pointPosition] = separators.decimal;
    }
    return text;
}

std::optional<long double> ParseMaskedText(std::u32string_view text, const MaskLayout& layout,
                                           const LocaleSeparators& separators) {
    std::u32string number = TrimBlanks(KeepNumberPositions(text, layout, separators));
    if (number.empty()) {
        number = U"0";
    }
    // Blanks beside the point go first, so that "5 ." loses its point like "5." does.
    RemoveBlanksAroundPoint(number);
    if (number.back() == kPoint || number.back() == separators.decimal) {
        number.pop_back();
    }
    CompletePoint(number);
    return ParseDecimal(number);
}

std::u32string LayoutEntry(std::string_view buffer, bool pendingMinus, const MaskLayout& layout,
                           const LocaleSeparators& separators) {
    std::string number = buffer.empty() ? std::string("0") : std::string(buffer);
    if (number.front() == '.') {
        number.insert(number.begin(), '0');
    }
    const std::size_t point = number.find('.');
    const bool pointTyped = point != std::string::npos;
    const std::string_view integer = std::string_view(number).substr(0, point);
    const std::string_view fraction =
        pointTyped ? std::string_view(number).substr(point + 1) : std::string_view{};
    std::u32string text = PlaceNumber(integer, fraction, pendingMinus, layout, separators).text;
    if (!layout.pointPosition || layout.lastDigitPosition < 0) {
        return text;
    }
    const auto places = static_cast<std::size_t>(layout.decimalPlaces);
    if (!pointTyped) {
        ShiftRight(text, layout, places + 1);
    } else if (fraction.size() < places) {
        ShiftRight(text, layout, places - fraction.size());
    } else if (fraction.size() > places) {
        ShiftLeft(text, layout, fraction.substr(places));
    }
    return text;
}

Entry LoadEntry(std::u32string_view display, const MaskLayout& layout,
                const LocaleSeparators& separators) {
    std::u32string text = TrimBlanks(KeepNumberPositions(display, layout, separators));
    Entry entry;
    if (!text.empty() && text.front() == kMinus) {
        entry.pendingMinus = true;
        text.erase(0, 1);
    }
    if (text == U"0") {
        text.clear();
    }
    // A display that is no entry (not written by this code) starts an empty one, so typing never
    // lays out foreign characters.
    if (!IsEntryText(text, layout)) {
        return Entry{};
    }
    entry.buffer.assign(text.begin(), text.end());
    return entry;
}

std::u32string TrimBlanks(std::u32string_view text) {
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::u32string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlank);
    return std::u32string(text.substr(first, last - first + 1));
}

} // namespace plumcrest
