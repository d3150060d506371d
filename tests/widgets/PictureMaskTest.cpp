// Worked examples of the picture masks: mask analysis, separators, formatting, parsing, the entry
// layout while typing and loading an entry. Every text table is written with "." and "," and runs
// under each separator pair.

#include "DecimalDigits.h"
#include "PictureMaskTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace plumcrest::test {
namespace {

struct LayoutRow {
    const char* name;
    std::u32string mask;
    int textLength;
    int integerPositions;
    int decimalPlaces;
    int entryWidth;
    std::optional<std::size_t> point;
    int first;
    int last;
};

TEST(AnalyseMask, CountsPositions) {
    const std::vector<LayoutRow> rows = {
        {"money", kMoneyMask, 13, 8, 2, 11, 10, 0, 12},
        {"rate", kRateMask, 8, 3, 4, 8, 3, 0, 7},
        {"years", kYearsMask, 3, 3, 0, 3, std::nullopt, 0, 2},
        {"literals_around", U"$#,###.##%", 10, 4, 2, 7, 6, 1, 8},
        {"no_digit_positions", U"abc", 3, 0, 0, 0, std::nullopt, -1, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const MaskLayout layout = AnalyseMask(row.mask);
        EXPECT_EQ(layout.textLength, row.textLength);
        EXPECT_EQ(layout.integerPositions, row.integerPositions);
        EXPECT_EQ(layout.decimalPlaces, row.decimalPlaces);
        EXPECT_EQ(layout.entryWidth, row.entryWidth);
        EXPECT_EQ(layout.pointPosition, row.point);
        EXPECT_EQ(layout.firstDigitPosition, row.first);
        EXPECT_EQ(layout.lastDigitPosition, row.last);
        ASSERT_EQ(layout.positions.size(), row.mask.size());
    }
    const MaskLayout money = AnalyseMask(kMoneyMask);
    EXPECT_EQ(money.positions[2], MaskPosition::Group);
    EXPECT_EQ(money.positions[10], MaskPosition::Literal);
    EXPECT_EQ(money.positions[12], MaskPosition::Digit);
}

struct SeparatorRow {
    const char* name;
    std::u32string decimal;
    std::u32string thousands;
    char32_t expectedDecimal;
    char32_t expectedThousands;
};

TEST(MakeLocaleSeparators, FirstCharacterWithFallbacks) {
    const std::vector<SeparatorRow> rows = {
        {"english", U".", U",", U'.', U','},
        {"german", U",", U".", U',', U'.'},
        {"french_narrow_space", U",", U"\u202F", U',', U'\u202F'},
        {"first_character_only", U",x", U"'y", U',', U'\''},
        {"empty_decimal", U"", U"'", U'.', U'\''},
        {"empty_thousands_meets_comma", U",", U"", U'.', U','},
        {"equal_fall_back", U",", U",", U'.', U','},
        {"equal_after_default", U"", U".", U'.', U','},
        {"both_empty", U"", U"", U'.', U','},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const LocaleSeparators separators = MakeLocaleSeparators(row.decimal, row.thousands);
        EXPECT_EQ(separators.decimal, row.expectedDecimal);
        EXPECT_EQ(separators.thousands, row.expectedThousands);
    }
}

struct FormatRow {
    const char* name;
    double value;
    const std::u32string* mask;
    const char* expected; // trimmed, written with "." and ","
};

const std::vector<FormatRow>& FormatRows() {
    static const std::vector<FormatRow> rows = {
        {"money_120000", 120000, &kMoneyMask, "120,000.00"},
        {"money_1234_5", 1234.5, &kMoneyMask, "1,234.50"},
        {"money_rounds_down", 1234.5649, &kMoneyMask, "1,234.56"},
        {"money_negative", -1500, &kMoneyMask, "-1,500.00"},
        {"money_sign_in_group_position", -123456, &kMoneyMask, "-123,456.00"},
        {"money_zero", 0, &kMoneyMask, "0.00"},
        {"rate_zero", 0, &kRateMask, "0.0000"},
        {"years_zero", 0, &kYearsMask, "0"},
        {"rate_pads_decimals", 6.75, &kRateMask, "6.7500"},
        {"rate_typed_6_7_on_leaving", 6.7, &kRateMask, "6.7000"},
        {"years_half_rounds_up", 2.5, &kYearsMask, "3"},
        {"years_30", 30, &kYearsMask, "30"},
        {"money_eighth_rounds_up", 0.125, &kMoneyMask, "0.13"},
        {"money_small_negative_keeps_sign", -0.004, &kMoneyMask, "-0.00"},
        {"money_negative_zero_has_no_sign", -0.0, &kMoneyMask, "0.00"},
        {"money_18_digits_round_up_first", 1000.005, &kMoneyMask, "1,000.01"},
        {"money_just_above_half_cent", 120000.005, &kMoneyMask, "120,000.01"},
        {"money_below_one", 0.5, &kMoneyMask, "0.50"},
        {"money_eight_digits", 12345678.9, &kMoneyMask, "12,345,678.90"},
        {"money_negative_seven_digits", -1234567, &kMoneyMask, "-1,234,567.00"},
        {"money_ninth_digit_dropped", 123456789, &kMoneyMask, "23,456,789.00"},
        {"money_negative_no_room_for_sign", -12345678, &kMoneyMask, "12,345,678.00"},
        {"money_carry_into_ninth_digit", 99999999.995, &kMoneyMask, "00,000,000.00"},
        {"rate_keeps_last_three_digits", 1234.5, &kRateMask, "234.5000"},
        {"rate_carry_into_fourth_digit", 999.99995, &kRateMask, "000.0000"},
        {"rate_tiny_negative_keeps_sign", -1e-300, &kRateMask, "-0.0000"},
        {"years_negative", -12, &kYearsMask, "-12"},
    };
    return rows;
}

TEST(FormatIntoMask, ResultTableUnderEachSeparatorPair) {
    for (const auto& pair : AllSeparators()) {
        for (const auto& row : FormatRows()) {
            SCOPED_TRACE(std::string(pair.name) + "/" + row.name);
            const MaskLayout layout = AnalyseMask(*row.mask);
            const std::u32string text = FormatIntoMask(row.value, layout, pair.separators);
            EXPECT_EQ(text.size(), row.mask->size()) << Show(text);
            EXPECT_EQ(Show(TrimBlanks(text)), Show(Localised(row.expected, pair.separators)));
        }
    }
}

TEST(FormatIntoMask, BlanksLeftOfTheNumberKeepTheMasksLength) {
    const LocaleSeparators dot{};
    EXPECT_EQ(FormatIntoMask(-123456, AnalyseMask(kMoneyMask), dot), U"  -123,456.00");
    EXPECT_EQ(FormatIntoMask(0, AnalyseMask(kMoneyMask), dot), U"         0.00");
    EXPECT_EQ(FormatIntoMask(6.75, AnalyseMask(kRateMask), dot), U"  6.7500");
}

TEST(FormatIntoMask, LiteralsOfTheMaskStay) {
    const MaskLayout layout = AnalyseMask(U"$#,###.##%");
    EXPECT_EQ(FormatIntoMask(1234.5, layout, {}), U"$1,234.50%");
    EXPECT_EQ(FormatIntoMask(-12.5, layout, {}), U"$  -12.50%");
}

// A blank literal left of the point is no empty digit position: 5 must not turn into 50.
TEST(FormatIntoMask, BlankLiteralBeforePointStaysBlank) {
    const MaskLayout layout = AnalyseMask(U"## .##");
    const std::u32string text = FormatIntoMask(5, layout, {});
    EXPECT_EQ(text, U" 5 .00");
    EXPECT_EQ(ParseMaskedText(text, layout, {}), 5.0L);
}

TEST(FormatIntoMask, NonFiniteShowsTheOverflowText) {
    const MaskLayout layout = AnalyseMask(kRateMask);
    EXPECT_EQ(FormatIntoMask(std::numeric_limits<double>::infinity(), layout, {}), U"###.####");
    EXPECT_EQ(FormatIntoMask(std::nan(""), layout, {}), U"###.####");
}

TEST(FormatIntoMask, LargestDoubleKeepsTheMasksLength) {
    const MaskLayout layout = AnalyseMask(kMoneyMask);
    const std::u32string text = FormatIntoMask(-1.7e308, layout, {});
    EXPECT_EQ(text.size(), kMoneyMask.size());
    EXPECT_FALSE(FitsMask(-1.7e308, layout));
}

struct ParseRow {
    const char* name;
    const std::u32string* mask;
    const char* text; // written with "." and ","
    std::optional<long double> expected;
};

TEST(ParseMaskedText, DisplayTextsUnderEachSeparatorPair) {
    const std::vector<ParseRow> rows = {
        {"money", &kMoneyMask, "   120,000.00", 120000.0L},
        {"rounded_cents", &kMoneyMask, "    1,234.56", 1234.56L},
        {"negative_sign_in_group", &kMoneyMask, "  -123,456.00", -123456.0L},
        {"overflowed_display", &kMoneyMask, "23,456,789.00", 23456789.0L},
        {"empty", &kMoneyMask, "", 0.0L},
        {"all_blank", &kMoneyMask, "             ", 0.0L},
        {"shifted_entry_with_point", &kMoneyMask, "       1,234.", 1234.0L},
        {"shifted_entry_without_point", &kMoneyMask, "        1,234", 1234.0L},
        {"shifted_entry_extra_decimal", &kMoneyMask, "  120,000.005", 120000.005L},
        {"point_without_digit_before", &kRateMask, "   .5", 0.5L},
        {"negative_point_without_digit", &kRateMask, "-.123456", -0.123456L},
        {"blanks_next_to_point", &kRateMask, "12 . 5", 12.5L},
        {"blank_before_trailing_point", &kRateMask, "  5 .", 5.0L},
        {"pending_minus_of_empty_entry", &kRateMask, "      -0", -0.0L},
        {"years", &kYearsMask, "  3", 3.0L},
        {"longer_than_mask_keeps_its_positions", &kYearsMask, "12345", 123.0L},
        {"letters", &kMoneyMask, "abc", std::nullopt},
        {"minus_alone", &kMoneyMask, "     -", std::nullopt},
        {"minus_inside", &kMoneyMask, "1-2", std::nullopt},
        {"two_points", &kMoneyMask, "1.2.3", std::nullopt},
        {"blank_inside_digits", &kMoneyMask, " 1 2", std::nullopt},
        {"exponent", &kMoneyMask, "1e5", std::nullopt},
        {"infinity", &kMoneyMask, "inf", std::nullopt},
        {"nan", &kMoneyMask, "nan", std::nullopt},
        {"plus_sign", &kMoneyMask, "+5", std::nullopt},
        {"overflow_text", &kRateMask, "###.####", std::nullopt},
    };
    for (const auto& pair : AllSeparators()) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(pair.name) + "/" + row.name);
            const std::optional<long double> value = ParseMaskedText(
                Localised(row.text, pair.separators), AnalyseMask(*row.mask), pair.separators);
            ASSERT_EQ(value.has_value(), row.expected.has_value());
            if (value) {
                EXPECT_EQ(*value, *row.expected);
            }
        }
    }
}

TEST(ParseMaskedText, CommaDecimalReadsGermanDisplay) {
    const LocaleSeparators german{U',', U'.'};
    EXPECT_EQ(FormatIntoMask(120000, AnalyseMask(kMoneyMask), german), U"   120.000,00");
    EXPECT_EQ(ParseMaskedText(U"   120.000,00", AnalyseMask(kMoneyMask), german), 120000.0L);
    // "." is the thousands separator there, never a decimal point.
    EXPECT_EQ(ParseMaskedText(U"1.5", AnalyseMask(kMoneyMask), german), 15.0L);
}

TEST(ParseMaskedText, LiteralPositionsAreSkipped) {
    const MaskLayout layout = AnalyseMask(U"$#,###.##%");
    EXPECT_EQ(ParseMaskedText(U"$1,234.50%", layout, {}), 1234.5L);
    EXPECT_EQ(ParseMaskedText(U"$  -12.50%", layout, {}), -12.5L);
}

// Typing 1 2 3 4 . 5 6 7 into a money field.
TEST(LayoutEntry, MoneyEntryGrowsFromTheRight) {
    const MaskLayout layout = AnalyseMask(kMoneyMask);
    const std::vector<std::pair<std::string, const char*>> steps = {
        {"", "0"},
        {"1", "1"},
        {"12", "12"},
        {"123", "123"},
        {"1234", "1,234"},
        {"1234.", "1,234."},
        {"1234.5", "1,234.5"},
        {"1234.56", "1,234.56"},
        {"1234.567", "1,234.567"},
    };
    for (const auto& pair : AllSeparators()) {
        for (const auto& [buffer, expected] : steps) {
            SCOPED_TRACE(std::string(pair.name) + "/" + buffer);
            const std::u32string text = LayoutEntry(buffer, false, layout, pair.separators);
            EXPECT_EQ(text.size(), kMoneyMask.size());
            EXPECT_EQ(Show(TrimBlanks(text)), Show(Localised(expected, pair.separators)));
        }
    }
}

struct EntryRow {
    const char* name;
    const std::u32string* mask;
    const char* buffer;
    bool minus;
    const char* expected; // trimmed, "." and ","
};

TEST(LayoutEntry, SignsPointsAndShifts) {
    const std::vector<EntryRow> rows = {
        {"pending_minus_alone", &kMoneyMask, "", true, "-0"},
        {"negative_seven_digits", &kMoneyMask, "1234567", true, "-1,234,567"},
        {"leading_point", &kMoneyMask, ".5", false, "0.5"},
        {"loaded_zero", &kMoneyMask, "0.00", false, "0.00"},
        {"digit_after_loaded_value", &kMoneyMask, "120000.005", false, "120,000.005"},
        {"rate_full_fraction", &kRateMask, ".1234567", false, ".1234567"},
        {"rate_shift_keeps_sign", &kRateMask, ".123456", true, "-.123456"},
        {"rate_negative_shift", &kRateMask, "1.23456", true, "-1.23456"},
        {"money_negative_shift", &kMoneyMask, "0.00123456", true, "-0.00123456"},
        {"years", &kYearsMask, "12", false, "12"},
        {"years_negative", &kYearsMask, "12", true, "-12"},
    };
    for (const auto& pair : AllSeparators()) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(pair.name) + "/" + row.name);
            const MaskLayout layout = AnalyseMask(*row.mask);
            const std::u32string text = LayoutEntry(row.buffer, row.minus, layout, pair.separators);
            EXPECT_EQ(text.size(), row.mask->size());
            EXPECT_EQ(Show(TrimBlanks(text)), Show(Localised(row.expected, pair.separators)));
        }
    }
}

// While typing, the entry is right-aligned in the field: whatever was typed last (a digit of
// the integer part, the point, a fraction digit, one beyond the mask's decimals) sits in the last
// position, and the whole entry moves left as it grows.
TEST(LayoutEntry, LastTypedCharacterSitsInTheLastPosition) {
    // As many decimals as integer positions and one: the shift takes the whole width.
    static const std::u32string kShortMask = U"#.##";
    // A literal after the last digit stays where it is.
    static const std::u32string kPercentMask = U"###.##%";
    struct Row {
        const std::u32string* mask;
        const char* buffer;
        bool minus;
        const char* expected; // untrimmed, "." and ","
    };
    const std::vector<Row> rows = {
        {&kMoneyMask, "1234", false, "        1,234"},
        {&kMoneyMask, "1234.", false, "       1,234."},
        {&kMoneyMask, "1234.5", false, "      1,234.5"},
        {&kMoneyMask, "1234.56", false, "     1,234.56"},
        {&kMoneyMask, "1234.567", false, "    1,234.567"},
        {&kMoneyMask, "765432.1", true, "   -765,432.1"},
        {&kRateMask, "12", false, "      12"},
        {&kRateMask, "7.25", false, "    7.25"},
        {&kRateMask, ".12345", true, "-0.12345"},
        {&kShortMask, "5", false, "   5"},
        {&kShortMask, "5.2", false, " 5.2"},
        {&kPercentMask, "12.345", false, "12.345%"},
        {&kPercentMask, "1.2", false, "   1.2%"},
    };
    for (const auto& pair : AllSeparators()) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(pair.name) + "/" + row.buffer);
            const MaskLayout layout = AnalyseMask(*row.mask);
            EXPECT_EQ(Show(LayoutEntry(row.buffer, row.minus, layout, pair.separators)),
                      Show(Localised(row.expected, pair.separators)));
        }
    }
}

TEST(LayoutEntry, ShiftedNegativeEntryLeavesAsNegative) {
    const MaskLayout layout = AnalyseMask(kRateMask);
    const std::u32string text = LayoutEntry(".123456", true, layout, {});
    EXPECT_EQ(ParseMaskedText(text, layout, {}), -0.123456L);
    EXPECT_EQ(Show(TrimBlanks(FormatIntoMask(-0.123456, layout, {}))), "-0.1235");
}

struct LoadRow {
    const char* name;
    const std::u32string* mask;
    const char* display; // "." and ","
    const char* buffer;
    bool minus;
};

TEST(LoadEntry, EditingStartsFromTheDisplay) {
    const std::vector<LoadRow> rows = {
        {"money", &kMoneyMask, "   120,000.00", "120000.00", false},
        {"money_zero_keeps_decimals", &kMoneyMask, "         0.00", "0.00", false},
        {"years_zero_is_empty", &kYearsMask, "  0", "", false},
        {"negative", &kMoneyMask, "    -1,500.00", "1500.00", true},
        {"pending_minus_of_empty_entry", &kMoneyMask, "           -0", "", true},
        {"shifted_entry_with_point", &kMoneyMask, "       1,234.", "1234.", false},
        {"shifted_negative_rate", &kRateMask, "-.123456", ".123456", true},
        {"letters_start_empty", &kMoneyMask, "   12a", "", false},
        {"overflow_text_starts_empty", &kRateMask, "###.####", "", false},
        {"blank", &kMoneyMask, "", "", false},
    };
    for (const auto& pair : AllSeparators()) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(pair.name) + "/" + row.name);
            const Entry entry = LoadEntry(Localised(row.display, pair.separators),
                                          AnalyseMask(*row.mask), pair.separators);
            EXPECT_EQ(entry.buffer, row.buffer);
            EXPECT_EQ(entry.pendingMinus, row.minus);
        }
    }
}

struct FitsRow {
    const char* name;
    double value;
    const std::u32string* mask;
    bool fits;
};

TEST(FitsMask, WholeDigitsAndRoomForTheSign) {
    const std::vector<FitsRow> rows = {
        {"money_eight_digits", 12345678, &kMoneyMask, true},
        {"money_largest", 99999999.99, &kMoneyMask, true},
        {"money_nine_digits", 123456789, &kMoneyMask, false},
        {"money_rounds_to_nine_digits", 99999999.995, &kMoneyMask, false},
        {"money_negative_eight_digits", -12345678, &kMoneyMask, false},
        {"money_negative_seven_digits", -1234567, &kMoneyMask, true},
        {"money_tiny_negative", -0.004, &kMoneyMask, true},
        {"money_negative_zero", -0.0, &kMoneyMask, true},
        {"rate_1000", 1000, &kRateMask, false},
        {"rate_largest", 999.9999, &kRateMask, true},
        {"rate_rounds_to_1000", 999.99995, &kRateMask, false},
        {"rate_rounds_down", 999.99994, &kRateMask, true},
        {"rate_negative_three_digits", -999, &kRateMask, false},
        {"rate_negative_two_digits", -99.5, &kRateMask, true},
        {"years_999", 999, &kYearsMask, true},
        {"years_rounds_to_1000", 999.5, &kYearsMask, false},
        {"years_negative_two_digits", -99, &kYearsMask, true},
        {"years_negative_rounds_to_zero", -0.4, &kYearsMask, true},
        {"infinity", std::numeric_limits<double>::infinity(), &kMoneyMask, false},
        {"nan", std::nan(""), &kMoneyMask, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FitsMask(row.value, AnalyseMask(*row.mask)), row.fits);
    }
}

// A single-position mask has no room for "-0".
TEST(FitsMask, SignWithoutRoomDoesNotFit) {
    EXPECT_FALSE(FitsMask(-0.4, AnalyseMask(U"#")));
    EXPECT_TRUE(FitsMask(0.4, AnalyseMask(U"#")));
}

TEST(OverflowText, MaskWithSeparators) {
    for (const auto& pair : AllSeparators()) {
        SCOPED_TRACE(pair.name);
        EXPECT_EQ(Show(OverflowText(AnalyseMask(kMoneyMask), pair.separators)),
                  Show(Localised("##,###,###.##", pair.separators)));
        EXPECT_EQ(Show(OverflowText(AnalyseMask(kRateMask), pair.separators)),
                  Show(Localised("###.####", pair.separators)));
        EXPECT_EQ(OverflowText(AnalyseMask(kYearsMask), pair.separators), U"###");
    }
    EXPECT_EQ(OverflowText(AnalyseMask(kMoneyMask), {U',', U'.'}), U"##.###.###,##");
}

TEST(TrimBlanks, DropsOnlyOuterBlanks) {
    EXPECT_EQ(TrimBlanks(U"  1 2  "), U"1 2");
    EXPECT_EQ(TrimBlanks(U"   "), U"");
    EXPECT_EQ(TrimBlanks(U""), U"");
    EXPECT_EQ(TrimBlanks(U"\u202F1"), U"\u202F1");
}

struct RoundRow {
    const char* name;
    FixedDigits digits;
    int places;
    const char* expected;
};

TEST(RoundHalfUp, CarriesThroughNines) {
    const std::vector<RoundRow> rows = {
        {"carry_into_new_digit", {"999", "995"}, 2, "1000.00"},
        {"half_to_whole", {"2", "5"}, 0, "3"},
        {"below_half", {"2", "49999"}, 0, "2"},
        {"pads_zeros", {"6", "75"}, 4, "6.7500"},
        {"fraction_carry", {"9", "96"}, 1, "10.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const FixedDigits rounded = RoundHalfUp(row.digits, row.places);
        const std::string text =
            rounded.integer + (rounded.fraction.empty() ? "" : "." + rounded.fraction);
        EXPECT_EQ(text, row.expected);
    }
}

} // namespace
} // namespace plumcrest::test
