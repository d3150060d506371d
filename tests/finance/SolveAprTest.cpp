#include "LoanMath.h"
#include "MathError.h"

#include <gtest/gtest.h>
#include <string>

namespace plumcrest {
namespace {

constexpr double kDefaultPayment = 700.4859442936724;

struct AprCase {
    const char* name;
    std::int32_t years;
    double amountFinanced;
    double payment;
    double expected;
    double tolerance;
};

class AprReference : public ::testing::TestWithParam<AprCase> {};

TEST_P(AprReference, within_tolerance) {
    const auto& c = GetParam();
    EXPECT_NEAR(SolveApr(c.years, c.amountFinanced, c.payment), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AprReference,
    ::testing::Values(
        AprCase{"defaults", 30, 104500, kDefaultPayment, 7.0746200766648, 3e-13},
        AprCase{"no_fees_is_note_rate", 30, 108000, kDefaultPayment, 6.75000000000007, 1e-12},
        AprCase{"zero_note_rate_with_fees", 30, 104500, 300, 0.220248629449359, 1e-12},
        AprCase{"zero_note_rate_no_fees", 30, 108000, 300, 0.0, 1e-13},
        AprCase{"fifteen_years", 15, 197500, 1634.1669092422787, 5.69422135051105, 1e-12},
        AprCase{"one_year", 1, 104500, 9332.446191296085, 12.9753371440988, 1e-12}),
    [](const auto& info) { return std::string(info.param.name); });

// State: the default loan. Action: solve with a trace.
// Expected: the guesses of the worked example to ten decimals, and the first step's PVs.
TEST(SolveAprTrace, follows_the_worked_iteration) {
    const double expected[] = {4.3023811825, 6.5264017787, 7.0551178975, 7.0747466417,
                               7.0746190544, 7.0746200849, 7.0746200766};
    AprTrace trace;
    const double apr = SolveAprTrace(30, 104500, kDefaultPayment, trace);
    ASSERT_EQ(trace.guesses.size(), 30u);
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_NEAR(trace.guesses[i], expected[i], 5e-11) << "iteration " << i + 1;
    // "7.07462007666" is the value cut to eleven decimals.
    for (std::size_t i = 7; i < 30; ++i) {
        EXPECT_GE(trace.guesses[i], 7.07462007666) << "iteration " << i + 1;
        EXPECT_LT(trace.guesses[i], 7.07462007667) << "iteration " << i + 1;
    }
    EXPECT_NEAR(trace.pv1[0], 65634.1859, 5e-5);
    EXPECT_NEAR(trace.pv2[0], 65160.0749, 5e-5);
    EXPECT_EQ(trace.discountFactorSumCalls, 60);
    EXPECT_EQ(apr, trace.guesses.back());
    EXPECT_EQ(apr, SolveApr(30, 104500, kDefaultPayment));
}

struct EarlyExitCase {
    const char* name;
    std::int32_t years;
    double amountFinanced;
    double payment;
};

class AprEarlyExit : public ::testing::TestWithParam<EarlyExitCase> {};

// The early exits return 0 before any discount-factor sum, even for inputs that would fail.
TEST_P(AprEarlyExit, returns_zero_without_summing) {
    const auto& c = GetParam();
    AprTrace trace;
    EXPECT_EQ(SolveAprTrace(c.years, c.amountFinanced, c.payment, trace), 0.0);
    EXPECT_EQ(trace.discountFactorSumCalls, 0);
    EXPECT_TRUE(trace.guesses.empty());
    const auto before = DiscountFactorSumCallCount();
    EXPECT_EQ(SolveApr(c.years, c.amountFinanced, c.payment), 0.0);
    EXPECT_EQ(DiscountFactorSumCallCount(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AprEarlyExit,
    ::testing::Values(EarlyExitCase{"zero_years", 0, 104500, kDefaultPayment},
                      EarlyExitCase{"zero_years_negative_amount", 0, -500, 700.49},
                      EarlyExitCase{"zero_payment", 30, 104500, 0},
                      EarlyExitCase{"zero_payment_negative_amount", 30, -500, 0},
                      EarlyExitCase{"months_wrap_to_zero", 1073741824, 104500, 700}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveApr, amount_financed_zero_climbs_without_error) {
    AprTrace trace;
    const double apr = SolveAprTrace(30, 0, kDefaultPayment, trace);
    EXPECT_EQ(trace.guesses.size(), 30u);
    EXPECT_GT(apr, 1.0e10);
    EXPECT_LT(apr, 2.0e10);
}

TEST(SolveApr, negative_amount_financed_divides_by_zero_before_the_last_iteration) {
    AprTrace trace;
    EXPECT_THROW(SolveAprTrace(30, -500, 700.49, trace), EZeroDivide);
    EXPECT_LT(trace.guesses.size(), 30u);
    EXPECT_THROW(SolveApr(30, -500, 700.49), EZeroDivide);
}

} // namespace
} // namespace plumcrest
