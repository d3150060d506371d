#include "LoanMath.h"
#include "MathError.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
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
    // The check accepts the 30th guess, so the figure is that guess bit for bit.
    AprTrace trace;
    const double apr = SolveAprTrace(c.years, c.amountFinanced, c.payment, trace);
    ASSERT_EQ(trace.guesses.size(), 30u);
    EXPECT_EQ(apr, trace.guesses.back());
    EXPECT_EQ(trace.bracketSteps, 0);
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
    EXPECT_EQ(trace.discountFactorSumCalls, 61); // 30 iterations of two, and the check
    EXPECT_NEAR(trace.checkedPv, 104500, 104500 * 1e-12);
    EXPECT_FALSE(trace.iterationFault);
    EXPECT_EQ(trace.bracketSteps, 0);
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

struct RootCase {
    const char* name;
    std::int32_t years;
    double amountFinanced;
    double payment;
    bool hasRoot;
};

class AprRoot : public ::testing::TestWithParam<RootCase> {};

// Whether a rate exists that discounts the payments to the amount financed: a loan of cents
// has one as much as a large loan; nothing, a negative or an unbounded amount has none.
TEST_P(AprRoot, exists_only_for_positive_finite_figures) {
    const auto& c = GetParam();
    EXPECT_EQ(AprHasRoot(c.years, c.amountFinanced, c.payment), c.hasRoot);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AprRoot,
    ::testing::Values(RootCase{"defaults", 30, 104500, kDefaultPayment, true},
                      RootCase{"cents_financed_and_paid", 1, 0.6, 0.07, true},
                      RootCase{"one_year", 1, 104500, 9332.45, true},
                      RootCase{"longest_term_without_wrap", 178956970, 104500, 700, true},
                      RootCase{"term_whose_months_wrap", 178956971, 104500, 700, false},
                      RootCase{"zero_years", 0, 104500, kDefaultPayment, false},
                      RootCase{"negative_years", -1, 104500, kDefaultPayment, false},
                      RootCase{"nothing_financed", 30, 0, kDefaultPayment, false},
                      RootCase{"negative_financed", 30, -500, kDefaultPayment, false},
                      RootCase{"zero_payment", 30, 104500, 0, false},
                      RootCase{"negative_payment", 30, 104500, -700, false},
                      RootCase{"infinite_financed", 30, INFINITY, kDefaultPayment, false},
                      RootCase{"infinite_payment", 30, 104500, INFINITY, false},
                      RootCase{"nan_payment", 30, 104500, NAN, false}),
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

// An independent solver: bisection on the monthly rate, the present value summed payment by
// payment with a running discount factor, all in long double. The annual percentage.
double BisectedApr(std::int32_t years, double amountFinanced, double payment) {
    const std::int32_t months = 12 * years;
    long double low = -0.5L; // -600 % a year
    long double high = 1.0L; // 1200 % a year
    while (high - low > 1e-17L) {
        const long double middle = (low + high) / 2;
        const long double discount = 1 / (1 + middle);
        long double factor = 1;
        long double sum = 0;
        for (std::int32_t month = 0; month < months; ++month) {
            factor *= discount;
            sum += factor;
        }
        if (sum * payment >= amountFinanced)
            low = middle;
        else
            high = middle;
    }
    return static_cast<double>(600 * (low + high));
}

// The APR as the rate field shows it, four decimals.
std::string Shown(double apr) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", apr);
    return text;
}

struct Loan {
    std::int32_t years;
    double amount;
    double notePercent;
    double fees;
    double payment() const {
        return MonthlyPayment(12 * years, amount, static_cast<double>(notePercent / 1200.0L));
    }
    double amountFinanced() const { return amount - fees; }
};

struct MissedRateCase {
    const char* name;
    Loan loan;
    const char* shown; // the true APR as displayed
};

class AprMissedByIteration : public ::testing::TestWithParam<MissedRateCase> {};

// State: loans whose 30 steps end away from the rate, or fail. Action: solve.
// Expected: the steps' own guess is more than 1e-10 of a point off, or the steps raised an error;
// the answer is the rate, as an independent solver finds it, and the trace shows the bisection.
TEST_P(AprMissedByIteration, gives_the_true_rate) {
    const auto& c = GetParam();
    const double payment = c.loan.payment();
    const double amountFinanced = c.loan.amountFinanced();
    AprTrace trace;
    const double apr = SolveAprTrace(c.loan.years, amountFinanced, payment, trace);
    const double truth = BisectedApr(c.loan.years, amountFinanced, payment);
    EXPECT_EQ(Shown(truth), c.shown);
    EXPECT_EQ(Shown(apr), c.shown);
    EXPECT_NEAR(apr, truth, 1e-10);
    EXPECT_GT(trace.bracketSteps, 0);
    if (!trace.iterationFault) {
        ASSERT_EQ(trace.guesses.size(), 30u);
        EXPECT_GT(std::fabs(trace.guesses.back() - truth), 1e-10);
    }
    EXPECT_EQ(SolveApr(c.loan.years, amountFinanced, payment), apr);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AprMissedByIteration,
    ::testing::Values(
        // The steps end at -3.3707 and at -1.9058.
        MissedRateCase{"defaults_at_3_percent_for_150_years", {150, 108000, 3, 3500}, "3.1056"},
        MissedRateCase{
            "defaults_at_4_6785_percent_for_757_years", {757, 108000, 4.6785, 3500}, "4.8352"},
        // The steps end at -228.2058.
        MissedRateCase{"negative_note_rate", {30, 108000, -10, 3500}, "-9.8487"},
        // A seller's credit of 20000 against fees: the steps end at -38.4934.
        MissedRateCase{"negative_fee", {60, 108000, 0.0125, -20000}, "-0.5385"},
        // The steps fail with an invalid operation.
        MissedRateCase{"steep_negative_note_rate", {30, 108000, -25, 3500}, "-24.8763"},
        // The steps still creep towards the rate: 9e-8 and 4e-10 of a point away after 30.
        MissedRateCase{"slow_steps_77_years", {77, 90822.02, 1.7838, 7953.36}, "2.0971"},
        MissedRateCase{"slow_steps_55_years", {55, 106879.80, 0.3595, 10483.74}, "0.7546"}),
    [](const auto& info) { return std::string(info.param.name); });

// State: a seeded sweep of long terms, 51 to 999 years, note rates 0 to 25 %, fees up to 10 % of
// the loan. Action: solve each. Expected: the displayed APR of the independent solver everywhere,
// within 1e-10 of a point; the sweep includes loans whose steps overflowed.
TEST(SolveApr, agrees_with_an_independent_solver_over_long_terms) {
    std::mt19937_64 random(14);
    std::uniform_int_distribution<std::int32_t> years(51, 999);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int overflowed = 0;
    int bisected = 0;
    for (int row = 0; row < 150; ++row) {
        Loan loan;
        loan.years = years(random);
        loan.amount = std::round(20000 + unit(random) * 1e7) / 100;
        loan.notePercent = std::round(unit(random) * 25e4) / 1e4;
        loan.fees = std::round(unit(random) * 10 * loan.amount) / 100;
        const double payment = loan.payment();
        AprTrace trace;
        const double apr = SolveAprTrace(loan.years, loan.amountFinanced(), payment, trace);
        const double truth = BisectedApr(loan.years, loan.amountFinanced(), payment);
        ASSERT_EQ(Shown(apr), Shown(truth)) << "row " << row;
        ASSERT_NEAR(apr, truth, 1e-10) << "row " << row;
        overflowed += trace.iterationFault == MathError::Kind::Overflow ? 1 : 0;
        bisected += trace.bracketSteps > 0 ? 1 : 0;
    }
    EXPECT_GT(overflowed, 0);
    EXPECT_GT(bisected, overflowed);
}

} // namespace
} // namespace plumcrest
