#include "NumberText.h"

#include <gtest/gtest.h>

namespace plumcrest {
namespace {

struct GeneralCase {
    const char* name;
    long double value;
    char32_t separator;
    const char* expected;
};

// Keeps test names short: the row's name, not its bytes.
void PrintTo(const GeneralCase& c, std::ostream* os) {
    *os << c.name;
}

class GeneralFormat : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormat, writes_fifteen_significant_digits) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatGeneral15(c.value, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GeneralFormat,
    ::testing::Values(
        GeneralCase{"whole", 120000.0L, '.', "120000"}, GeneralCase{"fraction", 6.75L, '.', "6.75"},
        GeneralCase{"comma", 6.75L, ',', "6,75"},
        GeneralCase{"months_of_2_4_years", 2.4L * 12.0L, '.', "28.8"},
        GeneralCase{"large_whole", 1.4e10L, '.', "14000000000"},
        GeneralCase{"exponent_at_15", 1e15L, '.', "1E15"},
        GeneralCase{"long_mantissa", 123456789012345678.0L, '.', "1.23456789012346E17"},
        GeneralCase{"small_fixed", 0.0001L, '.', "0.0001"},
        GeneralCase{"small_exponent", 0.00001L, '.', "1E-5"},
        GeneralCase{"negative", -0.5L, '.', "-0.5"}, GeneralCase{"zero", 0.0L, '.', "0"},
        GeneralCase{"rounds_to_15", 2.0L / 3.0L, '.', "0.666666666666667"},
        GeneralCase{"carry_into_new_digit", 999999999999999.9L, '.', "1E15"},
        GeneralCase{"wide_separator", 2.5L, U'\u066B', "2\u066B5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseInt32, takes_only_whole_texts_in_range) {
    EXPECT_EQ(ParseInt32("360"), 360);
    EXPECT_EQ(ParseInt32("-12"), -12);
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_FALSE(ParseInt32("2147483648"));
    EXPECT_FALSE(ParseInt32("2.5"));
    EXPECT_FALSE(ParseInt32("1E15"));
    EXPECT_FALSE(ParseInt32(""));
    EXPECT_FALSE(ParseInt32("12 "));
    EXPECT_FALSE(ParseInt32("-"));
}

TEST(StrToInt, names_the_text_in_its_error) {
    try {
        StrToInt("2,5");
        FAIL() << "expected a conversion error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'2,5' is not a valid integer value");
    }
}

TEST(ParseFloat, reads_with_the_given_separator_only) {
    EXPECT_EQ(ParseFloat("6.75", '.'), 6.75);
    EXPECT_EQ(ParseFloat("6,75", ','), 6.75);
    EXPECT_EQ(ParseFloat(" 120000 ", ','), 120000.0);
    EXPECT_EQ(ParseFloat("1E15", '.'), 1e15);
    EXPECT_EQ(ParseFloat("-2.5e-3", '.'), -0.0025);
    EXPECT_FALSE(ParseFloat("6.75", ','));
    EXPECT_FALSE(ParseFloat("abc", '.'));
    EXPECT_FALSE(ParseFloat("", '.'));
    EXPECT_FALSE(ParseFloat(".", '.'));
    EXPECT_FALSE(ParseFloat("1e", '.'));
    EXPECT_FALSE(ParseFloat("nan", '.'));
    EXPECT_FALSE(ParseFloat("inf", '.'));
    EXPECT_FALSE(ParseFloat("1e400", '.'));
    EXPECT_FALSE(ParseFloat("1,000.5", '.'));
}

TEST(ParseFloat, reads_back_what_the_general_format_writes) {
    for (double v : {120000.0, 6.75, 0.1, 1234.56, -0.004, 1e-7, 3.0e20, 99999999.99}) {
        for (char32_t sep : {U'.', U','}) {
            const auto text = FormatGeneral15(v, sep);
            const auto back = ParseFloat(text, sep);
            ASSERT_TRUE(back) << text;
            EXPECT_DOUBLE_EQ(*back, v) << text;
        }
    }
}

} // namespace
} // namespace plumcrest
