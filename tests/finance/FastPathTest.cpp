// The fast paths against what they replace: ExpToDouble against expl rounded to double, and
// DiscountFactorSum / SolveApr against the step-by-step reference, bit for bit and error for error.
// PLUMCREST_FULL_CORPUS=1 widens the solver corpus to every iteration of 20,480 loans (about half
// an hour of processor time).
#include "DiscountSum.h"
#include "ExpToDouble.h"
#include "Fpu.h"
#include "LoanMath.h"
#include "MathError.h"
#include "ReferenceLoanMath.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>
#include <xmmintrin.h>

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

// ---- Every period of the discount-factor sum, on every path ----

using discount::Path;

std::string PathName(Path path) {
    switch (path) {
    case Path::Automatic:
        return "automatic";
    case Path::Portable:
        return "portable";
    case Path::Vector:
        return "vector";
    case Path::VectorNoTrust:
        return "vector_no_trust";
    }
    return "unknown";
}

// Sets the path for one test and puts Automatic back however the test ends.
class ForcedPath {
public:
    explicit ForcedPath(Path path) { discount::ForcePath(path); }
    ~ForcedPath() { discount::ForcePath(Path::Automatic); }
    ForcedPath(const ForcedPath&) = delete;
    ForcedPath& operator=(const ForcedPath&) = delete;
};

// The sum after each period and how it ended (the result's bits or the error's text).
struct Periods {
    std::vector<double> partials; // partials[i]: the sum up to period i; valid below `reached`
    std::int32_t reached = 0;
    std::string outcome;
};

// The step-by-step sum of the reference, recording the sum after every period. The logarithm of a
// fixed base is the same extended value on every call, so it is taken once.
Periods ReferencePeriods(std::int32_t count, double rate) {
    using namespace fpu;
    Periods periods;
    periods.partials.assign(static_cast<std::size_t>(std::max(count, 2)), 0.0);
    std::int32_t i = 1;
    periods.outcome = Outcome([&] {
        double sum = ToDouble(Add(1.0L, Div(1.0L, Add(1.0L, rate))));
        periods.partials[1] = sum;
        if (count <= 2)
            return sum;
        const double base = ToDouble(Add(1.0L, rate));
        std::optional<long double> lnBase;
        for (i = 2; i < count; ++i) {
            double power = 0;
            if (base != 0) {
                if (!lnBase)
                    lnBase = Ln(base);
                const double t =
                    std::min(ToDouble(Mul(*lnBase, static_cast<long double>(i))), 88.0);
                power = ToDouble(Exp(t));
            }
            sum = ToDouble(Add(sum, ToDouble(Div(1.0L, power))));
            periods.partials[static_cast<std::size_t>(i)] = sum;
        }
        return sum;
    });
    periods.reached = count <= 2 ? std::max(count, 1) : i;
    return periods;
}

Periods FastPeriods(std::int32_t count, double rate) {
    Periods periods;
    periods.partials.assign(static_cast<std::size_t>(std::max(count, 2)), 0.0);
    periods.outcome = Outcome([&] { return discount::Sum(count, rate, periods.partials.data()); });
    return periods;
}

// Empty when every period and the outcome agree, else where they first part.
std::string FirstDifference(std::int32_t count, double rate) {
    const Periods expected = ReferencePeriods(count, rate);
    const Periods actual = FastPeriods(count, rate);
    for (std::int32_t i = 1; i < expected.reached; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (Bits(actual.partials[k]) != Bits(expected.partials[k])) {
            std::ostringstream text;
            text << "period " << i << ": " << std::hexfloat << actual.partials[k] << " instead of "
                 << expected.partials[k];
            return text.str();
        }
    }
    if (actual.outcome != expected.outcome)
        return "outcome " + actual.outcome + " instead of " + expected.outcome;
    return {};
}

struct Loan {
    std::int32_t count;
    double rate; // monthly fraction
};

// Terms of -30 to 999 years at annual rates of -100 % to 1000 %, with one loan in eight drawn from
// the odd corners: no rate, rates too small to move the base off 1, NaN, infinities, a base of 0,
// a negative base, and rates so high the cap rules from the first period.
std::vector<Loan> RandomLoans(int size, std::uint64_t seed) {
    const double inf = std::numeric_limits<double>::infinity();
    const double odd[] = {0.0,       1e-17, -3e-17, 4e-15, std::numeric_limits<double>::quiet_NaN(),
                          inf,       -inf,  -1.0,   -1.5,  1e300,
                          -0.999999, 0.75,  -0.5};
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::int32_t> years(-30, 999);
    std::uniform_real_distribution<double> annual(-100.0, 1000.0);
    std::uniform_real_distribution<double> mortgage(0.0, 20.0);
    std::uniform_int_distribution<std::size_t> corner(0, std::size(odd) - 1);
    std::vector<Loan> loans;
    for (int row = 0; row < size; ++row) {
        const std::int32_t count = MonthsOf(years(random));
        switch (row % 8) {
        case 0:
            loans.push_back({count, odd[corner(random)]});
            break;
        case 1:
        case 2:
            loans.push_back({count, mortgage(random) / 1200});
            break;
        default:
            loans.push_back({count, annual(random) / 1200});
        }
    }
    return loans;
}

// Every period of 20,480 random loans, on the path the program takes.
TEST(DiscountSumPeriods, random_loans_match_the_reference_in_every_period) {
    for (const Loan& loan : RandomLoans(20480, 20)) {
        const std::string difference = FirstDifference(loan.count, loan.rate);
        ASSERT_EQ(difference, "") << "count " << loan.count << " rate " << std::hexfloat
                                  << loan.rate;
    }
}

struct BoundaryCase {
    const char* name;
    std::int32_t count;
    double rate;
};

class DiscountSumBoundary : public ::testing::TestWithParam<std::tuple<BoundaryCase, Path>> {};

// Where the vector kernel hands over to the one-period-at-a-time code, and its odd inputs.
TEST_P(DiscountSumBoundary, matches_the_reference_in_every_period) {
    const auto& [c, path] = GetParam();
    if (path == Path::Vector && !discount::VectorAvailable())
        GTEST_SKIP() << "no AVX2 and FMA";
    const ForcedPath forced(path);
    EXPECT_EQ(FirstDifference(c.count, c.rate), "");
}

const BoundaryCase kBoundaries[] = {
    {"default_loan", 360, 0.005625},
    {"longest_term", 11988, 0.0059},
    {"no_rate", 11988, 0.0},
    {"base_one", 11988, 1e-17},
    {"base_one_ulp_above", 11988, 0x1p-52},
    {"base_one_ulp_below", 11988, -0x1p-53},
    {"exponent_reaches_cap_within_term", 11988, 0.01}, // 88 / ln 1.01 = 8844 periods
    {"cap_on_a_kernel_period", 11988, 0.75},           // ln 1.75 = 0.56, the kernel stops at 156
    {"widest_kernel_log", 2000, 1.117},                // ln 2.117 just over 0.75: no kernel
    {"just_inside_widest_log", 2000, 1.1},
    {"base_two", 3000, 1.0},                           // an exact power of two
    {"base_one_half", 3000, -0.5},                     // terms grow until the reciprocal fails
    {"overflowing_sum", 11988, -0.06},                 // the sum passes the double range
    {"kernel_stops_before_underflow", 11988, -0.0572}, // 679.5 / -ln 0.9428 = 11536 periods
    {"period_count_limit", (1 << 20) + 70, 1e-9},      // the kernel's last period, then plain
    {"short_counts", 7, 0.0123},
    {"one_vector", 6, 0.0123},
    {"one_period", 3, 0.0123},
    {"nothing_beyond_two", 2, 0.0123},
    {"negative_count", -12, 0.0123},
    {"base_zero", 400, -1.0},
    {"negative_base", 400, -1.25},
    {"nan_rate", 400, std::numeric_limits<double>::quiet_NaN()},
    {"infinite_rate", 400, std::numeric_limits<double>::infinity()},
};

INSTANTIATE_TEST_SUITE_P(Rows, DiscountSumBoundary,
                         ::testing::Combine(::testing::ValuesIn(kBoundaries),
                                            ::testing::Values(Path::Automatic, Path::Portable,
                                                              Path::Vector, Path::VectorNoTrust)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    PathName(std::get<1>(info.param));
                         });

// The vector kernel with every period and every addition redone the plain way, and the portable
// code, each on a slice of the random loans: both must give the reference too.
class DiscountSumPath : public ::testing::TestWithParam<Path> {};

TEST_P(DiscountSumPath, random_loans_match_the_reference_in_every_period) {
    if (GetParam() == Path::Vector && !discount::VectorAvailable())
        GTEST_SKIP() << "no AVX2 and FMA";
    const ForcedPath forced(GetParam());
    for (const Loan& loan : RandomLoans(1500, 21)) {
        ASSERT_EQ(FirstDifference(loan.count, loan.rate), "")
            << "count " << loan.count << " rate " << std::hexfloat << loan.rate;
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, DiscountSumPath,
                         ::testing::Values(Path::Portable, Path::Vector, Path::VectorNoTrust),
                         [](const auto& info) { return PathName(info.param); });

// Under a floating-point state other than the default one the shortcuts do not hold: the sum must
// still be the reference's, computed in that same state.
struct FloatingPointState {
    const char* name;
    std::uint16_t x87;
    unsigned mxcsr;
};

class DiscountSumUnderState : public ::testing::TestWithParam<FloatingPointState> {};

TEST_P(DiscountSumUnderState, matches_the_reference_computed_in_the_same_state) {
    std::uint16_t savedX87 = 0;
    asm volatile("fnstcw %0" : "=m"(savedX87));
    const unsigned savedMxcsr = _mm_getcsr();
    std::vector<std::string> fast, reference;
    const Loan loans[] = {{360, 0.005625}, {3000, 0.0123}, {1200, -0.004}};
    {
        const std::uint16_t x87 = GetParam().x87;
        asm volatile("fldcw %0" : : "m"(x87));
        _mm_setcsr(GetParam().mxcsr);
        for (const Loan& loan : loans) {
            fast.push_back(Outcome([&] { return DiscountFactorSum(loan.count, loan.rate); }));
            reference.push_back(
                Outcome([&] { return ReferenceDiscountFactorSum(loan.count, loan.rate); }));
        }
        asm volatile("fldcw %0" : : "m"(savedX87));
        _mm_setcsr(savedMxcsr);
    }
    EXPECT_EQ(fast, reference);
}

INSTANTIATE_TEST_SUITE_P(States, DiscountSumUnderState,
                         ::testing::Values(FloatingPointState{"x87_double_precision", 0x027F,
                                                              0x1F80},
                                           FloatingPointState{"x87_round_down", 0x077F, 0x1F80},
                                           FloatingPointState{"sse_round_up", 0x037F, 0x5F80},
                                           FloatingPointState{"sse_round_to_zero", 0x037F, 0x7F80},
                                           FloatingPointState{"sse_flush_to_zero", 0x037F, 0x9F80}),
                         [](const auto& info) { return std::string(info.param.name); });

// Whole solves at terms up to 999 years against the reference solve, and with
// PLUMCREST_FULL_CORPUS set, every period of both sums of every iteration of 20,480 of them.
TEST(SolveApr, long_terms_match_the_reference_in_every_iteration) {
    // PLUMCREST_FULL_CORPUS=N takes the first N loans of the corpus instead.
    const char* corpus = std::getenv("PLUMCREST_FULL_CORPUS");
    const bool full = corpus != nullptr;
    std::mt19937_64 random(999);
    std::uniform_int_distribution<std::int32_t> years(-30, 999);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int size = !full ? 24 : std::atoi(corpus) > 0 ? std::atoi(corpus) : 20480;
    for (int row = 0; row < size; ++row) {
        const std::int32_t term = row % 6 == 0 ? 999 : years(random);
        const double loan = 1000 + unit(random) * 400000;
        const double note = (row % 5 == 0 ? -20 : 0) + unit(random) * 30;
        const double payment = MonthlyPayment(MonthsOf(term), loan, note / 1200);
        const double fees = (row % 9 == 0 ? 1.2 : 0.1) * unit(random) * loan;
        AprTrace trace;
        const std::string fast =
            Outcome([&] { return SolveAprTrace(term, loan - fees, payment, trace); });
        ASSERT_EQ(fast, Outcome([&] { return ReferenceSolveApr(term, loan - fees, payment); }))
            << "term " << term << " loan " << loan << " fees " << fees << " note " << note;
        if (!full)
            continue;
        double g = 12.5;
        for (std::size_t k = 0; k <= trace.guesses.size() && k < 30; ++k) {
            const double x1 = g / 1200.0L;
            const double x2 = static_cast<double>(g + 0.1L) / 1200.0L;
            ASSERT_EQ(FirstDifference(MonthsOf(term), x1), "") << "row " << row << " x " << x1;
            ASSERT_EQ(FirstDifference(MonthsOf(term), x2), "") << "row " << row << " x " << x2;
            if (k < trace.guesses.size())
                g = trace.guesses[k];
        }
    }
}

} // namespace
} // namespace plumcrest
