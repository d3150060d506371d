#include "ExpToDouble.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

// Method: t = n * ln2/256 + r with |r| <= ln2/512, exp(t) = 2^(n/256) * exp(r), the power from a
// table and exp(r) from a short series, all in extended precision. That value and expl's are both
// within a few extended units in the last place of the true value, so they round to the same double
// unless the true value lies near a midpoint between two doubles. The 11 extended bits below a
// double's significand tell how near; when they are within kMargin units of the midpoint pattern
// the result comes from expl itself.

namespace plumcrest {
namespace {

struct Extended {
    std::uint64_t mantissa;
    std::uint16_t signExponent;
};

std::uint64_t MantissaBits(long double x) {
    Extended bits{};
    std::memcpy(&bits, &x, 10);
    return bits.mantissa;
}

long double PowerOfTwo(std::int64_t exponent) {
    const Extended bits{0x8000000000000000ULL, static_cast<std::uint16_t>(16383 + exponent)};
    long double x = 0;
    std::memcpy(&x, &bits, 10);
    return x;
}

constexpr double kInvStep = 369.329930467574632284140718336484387; // 256 / ln 2
// ln2 / 256 split so that n * kStepHi is exact for |n| < 2^18.
constexpr long double kStepHi = 0x1.62e42fefa3ap-9L;
constexpr long double kStepLo = -7.28198700673555907252041125435796775e-18L;
constexpr double kRoundToInteger = 0x1.8p52; // adding it leaves an ulp of 1
constexpr std::uint64_t kRoundToIntegerBits = 0x4338000000000000ULL;
// Inside this range |n| < 2^18 and the result is a normal double.
constexpr double kLowest = -700.0;
constexpr double kHighest = 709.0;
constexpr std::uint64_t kMidpoint = 0x400; // the low 11 bits of a double-precision midpoint
constexpr std::uint64_t kMargin = 32;      // extended units; both errors are a few units

std::array<long double, 256> MakePowersOfTwo() {
    std::array<long double, 256> table{};
    for (std::size_t j = 0; j < table.size(); ++j)
        table[j] = exp2l(static_cast<long double>(j) / 256.0L);
    return table;
}

// 2^(j/256); filled before main, and nothing calls ExpToDouble during static initialisation.
const std::array<long double, 256> kPowersOfTwo = MakePowersOfTwo();

// exp(r) for |r| <= ln2/512. Beyond 1 + r the terms are below 1e-6, so double precision keeps
// them far below an extended unit, and the cheap SSE arithmetic shortens the x87 chain.
long double ExpSeries(long double r) {
    const double rd = static_cast<double>(r);
    const double tail =
        rd * rd *
        (1.0 / 2 + rd * (1.0 / 6 + rd * (1.0 / 24 + rd * (1.0 / 120 + rd * (1.0 / 720)))));
    return 1.0L + (r + static_cast<long double>(tail));
}

} // namespace

double ExpToDouble(double t) {
    if (!(t >= kLowest && t <= kHighest))
        return static_cast<double>(expl(t));
    // n = t * 256/ln2 rounded to an integer; any nearby integer would do.
    const double shifted = t * kInvStep + kRoundToInteger;
    std::uint64_t shiftedBits = 0;
    std::memcpy(&shiftedBits, &shifted, sizeof shifted);
    const auto n = static_cast<std::int64_t>(shiftedBits - kRoundToIntegerBits);
    const long double nl = static_cast<long double>(shifted - kRoundToInteger);
    const long double r = (t - nl * kStepHi) - nl * kStepLo;
    const long double value =
        kPowersOfTwo[static_cast<std::size_t>(n & 255)] * ExpSeries(r) * PowerOfTwo(n >> 8);
    const std::uint64_t low = MantissaBits(value) & 0x7FF;
    if (low + kMargin >= kMidpoint && low <= kMidpoint + kMargin) [[unlikely]]
        return static_cast<double>(expl(t));
    return static_cast<double>(value);
}

} // namespace plumcrest
