#pragma once
// exp(t) rounded to double, bit-identical to static_cast<double>(expl(t)) for every double t, at
// about a third of the cost. The discount-factor sum spends nearly all its time here, so the
// function is inline: the loop then keeps several periods in flight.
//
// Method: t = n * ln2/256 + r with |r| <= ln2/512, exp(t) = 2^(n/256) * exp(r) * 2^(n div 256).
// v = 2^(n mod 256 / 256) * exp(r), in extended precision, lies in [0.998, 2); it and expl's
// value are both within a few extended units in the last place of the true value, so they round
// to the same double unless the true value lies near a midpoint between two doubles. The 11
// extended bits below a double's significand tell how near; within kMargin units of the midpoint
// the result comes from expl itself (about 3 % of calls). Outside [-700, 709] expl does it all.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace plumcrest {

namespace exp_detail {

extern const std::array<long double, 256> kPowersOfTwo; // 2^(j/256)

constexpr double kInvStep = 369.329930467574632284140718336484387; // 256 / ln 2
// ln2 / 256 split so that n * kStepHi is exact for |n| < 2^18.
constexpr long double kStepHi = 0x1.62e42fefa3ap-9L;
constexpr long double kStepLo = -7.28198700673555907252041125435796775e-18L;
constexpr double kRoundToInteger = 0x1.8p52; // adding it leaves an ulp of 1
constexpr std::uint64_t kRoundToIntegerBits = 0x4338000000000000ULL;
// Inside this range |n| < 2^18 and the result is a normal double.
constexpr double kLowest = -700.0;
constexpr double kHighest = 709.0;
// |residual| / half a double ulp at or above this is near a midpoint: 1 - kMargin / 1024 for a
// margin of 32 extended units, far more than the few units either value may be off by.
constexpr double kNearMidpoint = 1.0 - 32.0 / 1024.0;

inline double Bits2Double(std::uint64_t bits) {
    double d = 0;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// exp(r) for |r| <= ln2/512. Beyond 1 + r the terms are below 1e-6, so double precision keeps
// them far below an extended unit, and the SSE arithmetic shortens the x87 chain.
inline long double ExpSeries(long double r) {
    const double rd = static_cast<double>(r);
    const double tail =
        rd * rd *
        (1.0 / 2 + rd * (1.0 / 6 + rd * (1.0 / 24 + rd * (1.0 / 120 + rd * (1.0 / 720)))));
    return 1.0L + (r + static_cast<long double>(tail));
}

} // namespace exp_detail

inline double ExpToDouble(double t) {
    using namespace exp_detail;
    if (!(t >= kLowest && t <= kHighest)) [[unlikely]]
        return static_cast<double>(expl(t));
    // n = t * 256/ln2 rounded to an integer; any nearby integer would do.
    const double shifted = t * kInvStep + kRoundToInteger;
    std::uint64_t shiftedBits = 0;
    std::memcpy(&shiftedBits, &shifted, sizeof shifted);
    const auto n = static_cast<std::int64_t>(shiftedBits - kRoundToIntegerBits);
    const long double nl = static_cast<long double>(shifted - kRoundToInteger);
    const long double r = (t - nl * kStepHi) - nl * kStepLo;
    const long double v = kPowersOfTwo[static_cast<std::size_t>(n & 255)] * ExpSeries(r);
    const double d = static_cast<double>(v);
    // v - d is exact (at most 11 significant bits); scaled so half a double ulp of v is 1.
    const double halfUlps =
        static_cast<double>((v - static_cast<long double>(d)) * (v < 1.0L ? 0x1p54L : 0x1p53L));
    if (std::fabs(halfUlps) >= kNearMidpoint) [[unlikely]]
        return static_cast<double>(expl(t));
    // d is normal and so is the result: scaling by 2^(n div 256) is exact.
    return d * Bits2Double(static_cast<std::uint64_t>((n >> 8) + 1023) << 52);
}

} // namespace plumcrest
