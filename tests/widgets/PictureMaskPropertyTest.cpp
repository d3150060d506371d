// Properties of the picture masks over thousands of seeded random cases: formatted values read
// back rounded, typed entries read back as typed, loading an entry shows the same number, and no
// text, however foreign, crashes the parser or the entry loader.

#include "PictureMaskTestSupport.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace plumcrest::test {
namespace {

__extension__ typedef unsigned __int128 U128;

U128 Power(U128 base, int exponent) {
    U128 result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

std::string ToDecimal(U128 value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

long double ParseLong(const std::string& text) {
    long double value = 0.0L;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ec, std::errc()) << text;
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

// What a mask shows for v, worked out from v's exact binary value m * 2^q with integer arithmetic:
// to nearest at 18 significant digits (17 decimal places below 1), then half up to `places`.
struct ExpectedShown {
    bool negative = false;
    std::string integer;
    std::string fraction;

    long double Value() const {
        return ParseLong((negative ? "-" : "") + integer +
                         (fraction.empty() ? "" : "." + fraction));
    }
};

ExpectedShown RoundLikeTheMask(double v, int places) {
    const double magnitude = std::fabs(v);
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<U128>(std::ldexp(fraction, 53));
    binaryExponent -= 53;
    int kept = 17; // decimal places of the first rounding
    if (magnitude >= 1) {
        int integerDigits = 0;
        for (double power = 1; power <= magnitude; power *= 10) {
            ++integerDigits;
        }
        kept = 18 - integerDigits;
    }
    // magnitude * 10^kept = mantissa * 5^kept * 2^(binaryExponent + kept)
    const U128 numerator = mantissa * Power(5, kept);
    const int shift = binaryExponent + kept;
    U128 scaled = 0;
    if (shift >= 0) {
        scaled = numerator << shift;
    } else if (-shift < 120) {
        scaled = (numerator + (U128(1) << (-shift - 1))) >> -shift;
    }
    const int dropped = kept - places;
    if (dropped > 0) {
        const U128 unit = Power(10, dropped);
        scaled = (scaled + unit / 2) / unit;
    } else {
        scaled *= Power(10, -dropped);
    }
    const U128 scale = Power(10, places);
    ExpectedShown shown{v < 0, ToDecimal(scaled / scale), {}};
    if (places > 0) {
        shown.fraction = ToDecimal(scaled % scale);
        shown.fraction.insert(0, static_cast<std::size_t>(places) - shown.fraction.size(), '0');
    }
    return shown;
}

bool ExpectedToFit(const ExpectedShown& shown, const MaskLayout& layout) {
    const int needed = static_cast<int>(shown.integer.size()) + (shown.negative ? 1 : 0);
    return needed <= layout.integerPositions;
}

// Log-spread magnitudes up to one digit beyond the mask, and doubles next to a rounding tie
// ("1234.565" read as a double), where the 18-digit step decides.
double RandomValue(std::mt19937& random, const MaskLayout& layout) {
    std::uniform_int_distribution<int> coin(0, 1);
    const double sign = coin(random) ? -1.0 : 1.0;
    if (coin(random)) {
        std::uniform_real_distribution<double> exponent(-6.0, layout.integerPositions + 1.0);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        return sign * unit(random) * std::pow(10.0, exponent(random));
    }
    std::uniform_int_distribution<long long> integer(0, 99999999);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text = std::to_string(
        integer(random) % static_cast<long long>(std::pow(10.0, layout.integerPositions)));
    text += '.';
    for (int i = 0; i < layout.decimalPlaces; ++i) {
        text += static_cast<char>('0' + digit(random));
    }
    text += '5';
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return sign * value;
}

const std::vector<std::u32string>& PageMasks() {
    static const std::vector<std::u32string> masks = {kMoneyMask, kRateMask, kYearsMask};
    return masks;
}

TEST(PictureMaskProperty, FormattedValueReadsBackRoundedToTheMask) {
    std::mt19937 random(20240611);
    for (const auto& mask : PageMasks()) {
        const MaskLayout layout = AnalyseMask(mask);
        for (const auto& pair : AllSeparators()) {
            for (int i = 0; i < 1500; ++i) {
                const double value = RandomValue(random, layout);
                const ExpectedShown expected = RoundLikeTheMask(value, layout.decimalPlaces);
                const std::u32string text = FormatIntoMask(value, layout, pair.separators);
                SCOPED_TRACE(Show(mask) + " " + pair.name + " value " + std::to_string(value) +
                             " shows " + Show(text));
                ASSERT_EQ(text.size(), mask.size());
                const bool fits = ExpectedToFit(expected, layout);
                ASSERT_EQ(FitsMask(value, layout), fits);
                if (fits) {
                    const auto parsed = ParseMaskedText(text, layout, pair.separators);
                    ASSERT_TRUE(parsed.has_value());
                    ASSERT_EQ(*parsed, expected.Value());
                }
            }
        }
    }
}

// The field's entry rules for typed characters, as far as they decide what reaches the buffer.
class Typist {
public:
    Typist(const MaskLayout& layout, Entry entry) : layout_(layout), entry_(std::move(entry)) {}

    bool Type(char c) {
        const int m = entry_.pendingMinus ? 1 : 0;
        const int n = static_cast<int>(entry_.buffer.size());
        const bool hasPoint = entry_.buffer.find('.') != std::string::npos;
        const int integerDigits = static_cast<int>(entry_.buffer.find('.') == std::string::npos
                                                       ? entry_.buffer.size()
                                                       : entry_.buffer.find('.'));
        if (m + n > layout_.entryWidth) {
            return false;
        }
        if (c == '-') {
            if (entry_.pendingMinus) {
                entry_.pendingMinus = false;
                return true;
            }
            const bool room =
                m + integerDigits < layout_.integerPositions && n < layout_.entryWidth;
            entry_.pendingMinus = room;
            return room;
        }
        if ((c == '.' && (!layout_.pointPosition || hasPoint)) || m + n >= layout_.entryWidth) {
            return false;
        }
        if (c == '0' && entry_.buffer.empty()) {
            return true;
        }
        if (c != '.' && layout_.pointPosition && !hasPoint &&
            m + integerDigits >= layout_.integerPositions) {
            return false;
        }
        entry_.buffer.push_back(c);
        return true;
    }

    const Entry& entry() const { return entry_; }

    long double TypedValue() const {
        std::string text = entry_.buffer.empty() ? "0" : entry_.buffer;
        if (text.back() == '.') {
            text.pop_back();
        }
        if (text.empty() || text.front() == '.') {
            text.insert(0, "0");
        }
        return ParseLong((entry_.pendingMinus ? "-" : "") + text);
    }

private:
    const MaskLayout& layout_;
    Entry entry_;
};

TEST(PictureMaskProperty, EveryTypedPrefixReadsBackAsTyped) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int> key(0, 12);
    std::uniform_int_distribution<int> coin(0, 1);
    int checked = 0;
    for (const auto& mask : PageMasks()) {
        const MaskLayout layout = AnalyseMask(mask);
        for (const auto& pair : AllSeparators()) {
            for (int sequence = 0; sequence < 700; ++sequence) {
                Entry start;
                if (coin(random)) { // clicked into a field showing a value: typing appends
                    const double value = RandomValue(random, layout);
                    start = LoadEntry(FormatIntoMask(value, layout, pair.separators), layout,
                                      pair.separators);
                }
                Typist typist(layout, start);
                for (int stroke = 0; stroke < 14; ++stroke) {
                    const int k = key(random);
                    typist.Type(k < 10 ? static_cast<char>('0' + k) : k < 12 ? '.' : '-');
                    const Entry& entry = typist.entry();
                    const std::u32string text =
                        LayoutEntry(entry.buffer, entry.pendingMinus, layout, pair.separators);
                    SCOPED_TRACE(Show(mask) + " " + pair.name + " entry " +
                                 (entry.pendingMinus ? "-" : "") + entry.buffer + " shows " +
                                 Show(text));
                    ASSERT_EQ(text.size(), mask.size());
                    const auto parsed = ParseMaskedText(text, layout, pair.separators);
                    ASSERT_TRUE(parsed.has_value());
                    ASSERT_EQ(*parsed, typist.TypedValue());
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

TEST(PictureMaskProperty, LoadedEntryShowsTheFormattedText) {
    std::mt19937 random(4242);
    for (const auto& mask : PageMasks()) {
        const MaskLayout layout = AnalyseMask(mask);
        for (const auto& pair : AllSeparators()) {
            for (int i = 0; i < 1000; ++i) {
                const std::u32string shown =
                    FormatIntoMask(RandomValue(random, layout), layout, pair.separators);
                const Entry entry = LoadEntry(shown, layout, pair.separators);
                const std::u32string laidOut =
                    LayoutEntry(entry.buffer, entry.pendingMinus, layout, pair.separators);
                ASSERT_EQ(Show(TrimBlanks(laidOut)), Show(TrimBlanks(shown)));
                ASSERT_EQ(ParseMaskedText(laidOut, layout, pair.separators),
                          ParseMaskedText(shown, layout, pair.separators));
            }
        }
    }
}

char32_t RandomCharacter(std::mt19937& random, const LocaleSeparators& separators) {
    static const std::u32string common = U"0123456789.,- -abcxyzE+\u202F\u00A0#";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(common.size()) + 2);
    std::uniform_int_distribution<char32_t> anyCodePoint(0, 0x10FFFF);
    const int k = pick(random);
    if (k < static_cast<int>(common.size())) {
        return common[static_cast<std::size_t>(k)];
    }
    if (k == static_cast<int>(common.size())) {
        return separators.decimal;
    }
    return k == static_cast<int>(common.size()) + 1 ? separators.thousands : anyCodePoint(random);
}

bool IsEntryBuffer(const std::string& buffer) {
    return buffer.find_first_not_of("0123456789.") == std::string::npos &&
           std::count(buffer.begin(), buffer.end(), '.') <= 1;
}

TEST(PictureMaskProperty, ForeignTextsNeverCrashParsingOrLoading) {
    std::mt19937 random(9001);
    std::uniform_int_distribution<int> length(0, 255);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 3000; ++i) {
        const std::u32string& mask = PageMasks()[static_cast<std::size_t>(i) % 3];
        const LocaleSeparators separators =
            AllSeparators()[static_cast<std::size_t>(i / 3) % 3].separators;
        const MaskLayout layout = AnalyseMask(mask);
        std::u32string text;
        std::string buffer;
        const int size = length(random);
        for (int c = 0; c < size; ++c) {
            text.push_back(RandomCharacter(random, separators));
            buffer.push_back(static_cast<char>(byte(random)));
        }
        SCOPED_TRACE(Show(text));
        const auto parsed = ParseMaskedText(text, layout, separators);
        if (parsed) {
            EXPECT_TRUE(std::isfinite(*parsed));
        }
        const Entry entry = LoadEntry(text, layout, separators);
        EXPECT_TRUE(IsEntryBuffer(entry.buffer)) << entry.buffer;
        EXPECT_EQ(LayoutEntry(buffer, i % 2 == 0, layout, separators).size(), mask.size());
    }
}

// Masks the page never uses (no point, nothing but a point, literals, group positions after the
// point) still give texts of their own length.
TEST(PictureMaskProperty, OddMasksKeepTheirLength) {
    std::mt19937 random(31337);
    const std::u32string pieces = U"#,.$ -";
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 20);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    for (int i = 0; i < 3000; ++i) {
        std::u32string mask;
        const int size = length(random);
        for (int c = 0; c < size; ++c) {
            mask.push_back(pieces[piece(random)]);
        }
        const MaskLayout layout = AnalyseMask(mask);
        std::string buffer;
        for (int c = digit(random); c > 0; --c) {
            buffer.push_back(c == 3 ? '.' : static_cast<char>('0' + digit(random)));
        }
        SCOPED_TRACE(Show(mask) + " entry " + buffer);
        const LocaleSeparators separators{};
        const std::u32string shown = FormatIntoMask(value(random), layout, separators);
        EXPECT_EQ(shown.size(), mask.size());
        EXPECT_EQ(LayoutEntry(buffer, i % 2 == 0, layout, separators).size(), mask.size());
        EXPECT_EQ(OverflowText(layout, separators).size(), mask.size());
        ParseMaskedText(shown, layout, separators);
        LoadEntry(shown, layout, separators);
    }
}

} // namespace
} // namespace plumcrest::test
