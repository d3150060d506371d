// The fast paths against what they replace: ExpToDouble against expl rounded to double, and
// DiscountFactorSum / SolveApr against the step-by-step reference, bit for bit and error for error.
#include "ExpToDouble.h"
#include "LoanMath.h"
#include "MathError.h"
#include "ReferenceLoanMath.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace plumcrest {
namespace {

// The bits of the result, or the error's text.
template <class F> std::string Outcome(F compute) {
    try {
        const double value = compute();
        return std::to_string(std::bit_cast<std::uint64_t>(value));
    } catch (const MathError& error) {
        return error.what();
    }
}

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

TEST(ExpToDouble, is_expl_rounded_to_double_bit_for_bit) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> wide(-760.0, 720.0);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 300000; ++i) {
        double t = wide(random);
        if (i % 3 == 1)
            t = std::ldexp(unit(random), -(i % 60)); // near zero, where the series does all
        const double expected = static_cast<double>(expl(t));
        ASSERT_EQ(Bits(ExpToDouble(t)), Bits(expected)) << std::hexfloat << t;
    }
}

TEST(ExpToDouble, handles_the_edges_like_expl) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double t : {0.0, -0.0, 88.0, -700.0, 709.0, 709.8, -745.2, -746.0, 1e6, -1e6, inf, -inf,
                     std::numeric_limits<double>::denorm_min()})
        EXPECT_EQ(Bits(ExpToDouble(t)), Bits(static_cast<double>(expl(t)))) << t;
    EXPECT_TRUE(std::isnan(ExpToDouble(std::numeric_limits<double>::quiet_NaN())));
}

double RandomRate(std::mt19937_64& random, int row) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    switch (row % 6) {
    case 0:
        return 0.0;
    case 1:
        return unit(random) * 1e-6; // small
    case 2:
        return -unit(random) * 0.2; // negative: long counts overflow
    case 3:
        return -1.0 - unit(random); // below -1: invalid logarithm
    case 4:
        return unit(random) * 50.0; // large: the cap at 88
    default:
        return unit(random) * 0.03;
    }
}

TEST(DiscountFactorSum, matches_the_reference_bits_and_errors) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int32_t> counts(-3, 900);
    for (int row = 0; row < 3000; ++row) {
        const std::int32_t count = counts(random);
        const double rate = RandomRate(random, row);
        ASSERT_EQ(Outcome([&] { return DiscountFactorSum(count, rate); }),
                  Outcome([&] { return ReferenceDiscountFactorSum(count, rate); }))
            << "count " << count << " rate " << std::hexfloat << rate;
    }
}

TEST(SolveApr, matches_the_reference_bits_and_errors) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int row = 0; row < 120; ++row) {
        const std::int32_t years = 1 + row % 12;
        const double payment = unit(random) * 3000.0;
        const double amount = payment * years * 12 * (row % 10 == 0 ? -0.1 : unit(random));
        ASSERT_EQ(Outcome([&] { return SolveApr(years, amount, payment); }),
                  Outcome([&] { return ReferenceSolveApr(years, amount, payment); }))
            << years << " " << amount << " " << payment;
    }
}

// Loans whose rate comes from the bisection: after a missed guess (150 years), after an
// invalid operation (-25 %) and after a runaway to a negative rate (-10 %).
TEST(SolveApr, matches_the_reference_where_it_bisects) {
    struct Row {
        std::int32_t years;
        double notePercent;
    };
    for (const Row& row : {Row{150, 3}, Row{30, -25}, Row{30, -10}}) {
        const double payment =
            MonthlyPayment(12 * row.years, 108000, static_cast<double>(row.notePercent / 1200.0L));
        AprTrace trace;
        SolveAprTrace(row.years, 104500, payment, trace);
        EXPECT_GT(trace.bracketSteps, 0) << row.years << " " << row.notePercent;
        EXPECT_EQ(Outcome([&] { return SolveApr(row.years, 104500, payment); }),
                  Outcome([&] { return ReferenceSolveApr(row.years, 104500, payment); }))
            << row.years << " " << row.notePercent;
    }
}

} // namespace
} // namespace plumcrest
