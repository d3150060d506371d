#include "LoanMath.h"

#include "MathError.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace plumcrest {
namespace {

// Expected NaN means "exactly this double"; a tolerance widens it for figures given to 15 digits.
struct ValueCase {
    const char* name;
    std::function<double()> compute;
    double expected;
    double tolerance;
};

class ReferenceFigure : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReferenceFigure, matches) {
    const auto& c = GetParam();
    const double value = c.compute();
    if (c.tolerance == 0)
        EXPECT_EQ(value, c.expected) << std::hexfloat << value;
    else
        EXPECT_NEAR(value, c.expected, c.tolerance);
}

const double kDefaultRate = static_cast<double>(6.75L / 1200.0L);

INSTANTIATE_TEST_SUITE_P(
    Rows, ReferenceFigure,
    ::testing::Values(
        ValueCase{"payment_30_years", [] { return MonthlyPayment(360, 108000, kDefaultRate); },
                  700.4859442936724, 0},
        ValueCase{"payment_one_year", [] { return MonthlyPayment(12, 108000, kDefaultRate); },
                  9332.446191296085, 0},
        ValueCase{"payment_15_years_5_5",
                  [] { return MonthlyPayment(180, 200000, static_cast<double>(5.5L / 1200.0L)); },
                  1634.1669092422787, 0},
        ValueCase{"payment_zero_rate", [] { return MonthlyPayment(360, 108000, 0); }, 300.0, 0},
        ValueCase{"payment_no_months", [] { return MonthlyPayment(0, 108000, kDefaultRate); }, 0.0,
                  0},
        // With no months the rate is never looked at: a rate whose logarithm fails gives 0.
        ValueCase{"payment_no_months_bad_rate", [] { return MonthlyPayment(0, 108000, -5); }, 0.0,
                  0},
        ValueCase{"sum_zero_rate", [] { return DiscountFactorSum(12, 0); }, 12.0, 0},
        ValueCase{"sum_count_1", [] { return DiscountFactorSum(1, 0.01); }, 1.99009900990099,
                  5e-15},
        ValueCase{"sum_count_2", [] { return DiscountFactorSum(2, 0.01); }, 1.99009900990099,
                  5e-15},
        ValueCase{"sum_count_negative", [] { return DiscountFactorSum(-7, 0.01); },
                  1.99009900990099, 5e-15},
        ValueCase{"sum_count_3", [] { return DiscountFactorSum(3, 0.01); }, 2.970395059307911, 0},
        ValueCase{"power_base_0", [] { return PowerClamped(0, 5); }, 0.0, 0},
        ValueCase{"power_capped_at_exp_88", [] { return PowerClamped(3, 100); },
                  1.6516362549940018e38, 0},
        ValueCase{"power_below_cap", [] { return PowerClamped(2, 10); }, 1024.0, 1e-12},
        // Only the upper side is capped: a large negative t underflows quietly.
        ValueCase{"power_negative_t_uncapped", [] { return PowerClamped(0.5, 2000); }, 0.0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    std::function<double()> compute;
    std::optional<MathError::Kind> kind; // nothing: must not fail
};

class MathFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(MathFailure, raises_the_fault_the_fpu_would) {
    const auto& c = GetParam();
    try {
        const double value = c.compute();
        EXPECT_FALSE(c.kind) << "returned " << value;
    } catch (const MathError& error) {
        ASSERT_TRUE(c.kind) << error.what();
        EXPECT_EQ(error.kind(), *c.kind) << error.what();
    }
}

using K = MathError::Kind;
INSTANTIATE_TEST_SUITE_P(
    Rows, MathFailure,
    ::testing::Values(
        FailureCase{"payment_rate_minus_one_is_ln_0", [] { return MonthlyPayment(12, 1000, -1); },
                    K::ZeroDivide},
        FailureCase{"payment_rate_below_minus_one", [] { return MonthlyPayment(12, 1000, -2); },
                    K::InvalidOp},
        FailureCase{"payment_rate_too_small_for_v", [] { return MonthlyPayment(360, 1000, 1e-22); },
                    K::ZeroDivide},
        FailureCase{"payment_no_principal_and_v_of_1", [] { return MonthlyPayment(360, 0, 1e-22); },
                    K::InvalidOp},
        FailureCase{"payment_negative_months_beyond_double",
                    [] { return MonthlyPayment(-2000, 1000, 1); }, K::Overflow},
        FailureCase{"payment_negative_months_beyond_extended",
                    [] { return MonthlyPayment(-2147483647, 1000, 1); }, K::Overflow},
        FailureCase{"payment_negative_months_in_range",
                    [] { return MonthlyPayment(-12, 1000, 0.01); }, std::nullopt},
        FailureCase{"power_negative_base", [] { return PowerClamped(-2, 3); }, K::InvalidOp},
        FailureCase{"sum_rate_minus_one", [] { return DiscountFactorSum(12, -1); }, K::ZeroDivide},
        FailureCase{"sum_negative_base", [] { return DiscountFactorSum(3, -3); }, K::InvalidOp},
        // Two terms need no power, so a negative base passes.
        FailureCase{"sum_negative_base_two_terms", [] { return DiscountFactorSum(2, -3); },
                    std::nullopt},
        // The reciprocal of a factor in the subnormal range exceeds the double range.
        FailureCase{"sum_negative_rate_long_count", [] { return DiscountFactorSum(2000, -0.5); },
                    K::Overflow},
        FailureCase{"sum_huge_rate_capped", [] { return DiscountFactorSum(500, 1e300); },
                    std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MathErrorText, names_each_fault) {
    EXPECT_STREQ(EZeroDivide().what(), "Floating point division by zero");
    EXPECT_STREQ(EInvalidOp().what(), "Invalid floating point operation");
    EXPECT_STREQ(EOverflow().what(), "Floating point overflow");
}

TEST(MonthsOf, wraps_like_a_32_bit_product) {
    EXPECT_EQ(MonthsOf(30), 360);
    EXPECT_EQ(MonthsOf(-1), -12);
    EXPECT_EQ(MonthsOf(178956970), 2147483640);
    EXPECT_EQ(MonthsOf(178956971), -2147483644);
    EXPECT_EQ(MonthsOf(1073741824), 0);
    EXPECT_EQ(MonthsOf(INT32_MIN), 0);
}

} // namespace
} // namespace plumcrest
