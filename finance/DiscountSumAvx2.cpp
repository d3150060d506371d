// The vector kernel of the discount-factor sum: four periods at a time with AVX2 and FMA.
//
// Why the bits are those of the plain way. A period rounds t = i * ln(base) to extended and then to
// double, takes p = expl(t) rounded to double, rounds q = 1/p to extended and then to double, and
// adds q to the sum the same way. For each of these values the kernel finds the double d nearest
// the true value and the distance from the true value to d, exactly or within 2^-80 relatively:
// - t: ln(base) = hi + lo exactly in two doubles; i * hi (by FMA) and i * lo are exact, so
//   i * ln(base) = t + r exactly, t the nearest double (Fast2Sum).
// - p: exp(t) = exp(i * ln base) * exp(-r) = E[m] * F[j] * (1 - r) with i = 64m + j, |r| < 2^-43;
//   E and F are double-double powers of exp(ln base), built per call from its series.
// - q: the division gives the nearest double; 1 - q * p is exact by FMA.
// - sum: s + q = n + e exactly (TwoSum). While the sum stays in one binade, s + q is s plus
//   q / unit rounded to a whole number of units, so a block adds its units at once (AddBlock).
// Rounding to extended moves a value by at most 2^-12 of a double unit, and expl stays within
// about one extended unit (2^-11 of a double unit) of the true exponential, so unless the distance
// comes within kMargin (kExpMargin for p) of half a double unit, every way of rounding gives d.
// Otherwise, and next to a power of two (whose lower neighbour is nearer), the period or the
// addition is redone the plain way. The bounds in DiscountSum.h keep t, p, q and the sum normal
// (low parts of double-doubles may be subnormal, a relative error below 2^-90) and the error the
// powers accumulate below 2^-80.
#include "DiscountSum.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <immintrin.h>

#define PLUMCREST_AVX2 __attribute__((target("avx2,fma")))

namespace plumcrest::discount::detail {
namespace {

// Margins below half a double unit, in double units. Rounding twice needs 2^-12; expl, whose
// error was at most 1.005 extended units over 20 million arguments, gets four extended units.
constexpr double kMargin = 0x1p-11;
constexpr double kExpMargin = 0x1p-9;
// A value's unit in the last place is 2^-52 times the power of two at or below it.
constexpr double kNear = 0x1p-52 * (0.5 - kMargin);
constexpr double kExpNear = 0x1p-52 * (0.5 - kExpMargin);
constexpr long long kExponentBits = 0x7FF0000000000000LL;
constexpr double kJustBelowOne = 1.0 - 0x1p-53;
constexpr int kBlock = 64; // periods per power of exp(64 ln base)
constexpr int kLanes = 4;
constexpr int kPart = 16; // periods added as units at once

// kInverse[n] = 1/n, for the series (at most 30 levels for |x| <= kWidestLog).
constexpr auto kInverse = [] {
    std::array<double, 32> inverse{};
    for (std::size_t n = 1; n < inverse.size(); ++n)
        inverse[n] = 1.0 / static_cast<double>(n);
    return inverse;
}();

struct DoubleDouble {
    double hi;
    double lo;
};

PLUMCREST_AVX2 inline double Fma(double a, double b, double c) {
    return __builtin_fma(a, b, c);
}

[[gnu::always_inline]] PLUMCREST_AVX2 inline DoubleDouble Times(DoubleDouble a, DoubleDouble b) {
    const double p = a.hi * b.hi;
    double e = Fma(a.hi, b.hi, -p);
    e = Fma(a.hi, b.lo, e);
    e = Fma(a.lo, b.hi, e);
    const double hi = p + e;
    return {hi, e - (hi - p)};
}

[[gnu::always_inline]] PLUMCREST_AVX2 inline DoubleDouble DividedBy(DoubleDouble a, double k) {
    const double q1 = a.hi / k;
    const double q2 = (Fma(-q1, k, a.hi) + a.lo) / k; // the remainder a.hi - q1 * k is exact
    const double hi = q1 + q2;
    return {hi, q2 - (hi - q1)};
}

// 1 + a for |a.hi| < 2, so that Fast2Sum applies; the low part is left unnormalised.
[[gnu::always_inline]] PLUMCREST_AVX2 inline DoubleDouble OnePlus(DoubleDouble a) {
    const double s = 1.0 + a.hi;
    return {s, ((1.0 - s) + a.hi) + a.lo};
}

// exp(x) for |x| <= kWidestLog, relative error near 2^-104: the series in nested form,
// 1 + x(1 + x/2(1 + x/3(...))). An error at level k reaches the result scaled by |x|^(k-1)/(k-1)!,
// so the levels where that is below 2^-53 run in double, the outer ones in double-double.
PLUMCREST_AVX2 DoubleDouble Exp(DoubleDouble x) {
    int levels = 0;
    int firstInDouble = 1;
    for (double term = 1; term > 0x1p-112; term *= std::fabs(x.hi) * kInverse[levels]) {
        if (term > 0x1p-53)
            firstInDouble = levels + 2;
        ++levels;
    }
    double inner = 1;
    for (int k = levels; k >= firstInDouble; --k)
        inner = 1 + x.hi * kInverse[k] * inner;
    DoubleDouble sum{inner, 0};
    for (int k = std::min(levels, firstInDouble - 1); k >= 1; --k)
        sum = OnePlus(Times(sum, DividedBy(x, k)));
    const double hi = sum.hi + sum.lo;
    return {hi, sum.lo - (hi - sum.hi)};
}

// The power of two at or below |x|, or for an exact power of two the one below it, whose unit is
// the distance to the nearer neighbour. 0 for 0.
PLUMCREST_AVX2 inline double Binade(double x) {
    x *= kJustBelowOne;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    bits &= kExponentBits;
    std::memcpy(&x, &bits, sizeof bits);
    return x;
}

PLUMCREST_AVX2 inline __m256d Binade(__m256d x) {
    return _mm256_and_pd(_mm256_mul_pd(x, _mm256_set1_pd(kJustBelowOne)),
                         _mm256_castsi256_pd(_mm256_set1_epi64x(kExponentBits)));
}

PLUMCREST_AVX2 inline __m256d Magnitude(__m256d x) {
    return _mm256_andnot_pd(_mm256_set1_pd(-0.0), x);
}

// Lanes where rounding x + distance twice (or from expl, with the wider margin) might not give x.
PLUMCREST_AVX2 inline __m256d Doubtful(__m256d x, __m256d distance, __m256d near) {
    return _mm256_cmp_pd(Magnitude(distance), _mm256_mul_pd(Binade(x), near), _CMP_GT_OQ);
}

// 2^52 / binade for a power of two: the exponent negated in the bits, with no division.
PLUMCREST_AVX2 inline double PerUnit(double binade) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &binade, sizeof bits);
    bits = (std::uint64_t{2 * 1023 + 52} << 52) - bits;
    double result = 0;
    std::memcpy(&result, &bits, sizeof bits);
    return result;
}

// While the sum stays in its binade, adding q adds q / unit rounded to an integer number of units,
// unless q / unit lies near a midpoint. Counts the units of count terms (a multiple of kLanes)
// into units and total; true if one lies near a midpoint.
PLUMCREST_AVX2 inline bool CountUnits(const double* terms, int count, double perUnit, double* units,
                                      double& total) {
    const __m256d scale = _mm256_set1_pd(perUnit);
    __m256d unitSum = _mm256_setzero_pd();
    __m256d doubtful = _mm256_setzero_pd();
    for (int k = 0; k < count; k += kLanes) {
        const __m256d scaled = _mm256_mul_pd(_mm256_load_pd(terms + k), scale);
        const __m256d whole =
            _mm256_round_pd(scaled, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
        const __m256d fraction = Magnitude(_mm256_sub_pd(scaled, whole));
        doubtful = _mm256_or_pd(doubtful,
                                _mm256_cmp_pd(fraction, _mm256_set1_pd(0.5 - kMargin), _CMP_GT_OQ));
        unitSum = _mm256_add_pd(unitSum, whole);
        _mm256_store_pd(units + k, whole);
    }
    // Integers, exact in any order while the sum stays in the binade.
    const __m128d pairs =
        _mm_add_pd(_mm256_castpd256_pd128(unitSum), _mm256_extractf128_pd(unitSum, 1));
    total = _mm_cvtsd_f64(_mm_add_sd(pairs, _mm_unpackhi_pd(pairs, pairs)));
    return _mm256_movemask_pd(doubtful) != 0;
}

// Adds count terms (a multiple of kLanes, at most kPart) to sum one at a time in double, then
// checks every addition at once: where s + q = n + e (TwoSum) puts e near half a unit of n, that
// addition is redone the plain way and the ones after it are added again.
PLUMCREST_AVX2 double AddInOrder(double sum, const double* terms, int count, double* partials) {
    alignas(32) double sums[kPart + kLanes]; // sums[k + 1]: the sum after term k
    sums[0] = sum;
    int from = 0; // additions before this one are settled
    for (;;) {
        double running = sums[from]; // in a register: through memory the chain would be slower
        for (int k = from; k < count; ++k)
            sums[k + 1] = running += terms[k];
        int doubtful = count;
        for (int k = from / kLanes * kLanes; k < count && doubtful == count; k += kLanes) {
            const __m256d s = _mm256_loadu_pd(sums + k);
            const __m256d q = _mm256_load_pd(terms + k);
            const __m256d n = _mm256_loadu_pd(sums + k + 1);
            const __m256d b = _mm256_sub_pd(n, s);
            const __m256d e =
                _mm256_add_pd(_mm256_sub_pd(s, _mm256_sub_pd(n, b)), _mm256_sub_pd(q, b));
            int lanes = _mm256_movemask_pd(Doubtful(n, e, _mm256_set1_pd(kNear)));
            if (k < from)
                lanes &= ~((1 << (from - k)) - 1);
            if (lanes != 0) [[unlikely]]
                doubtful = k + __builtin_ctz(static_cast<unsigned>(lanes));
        }
        if (doubtful == count)
            break;
        sums[doubtful + 1] = PlainAdd(sums[doubtful], terms[doubtful]);
        from = doubtful + 1;
    }
    if (partials != nullptr) {
        for (int k = 0; k < count; ++k)
            partials[k] = sums[k + 1];
    }
    return sums[count];
}

// Adds count terms (a multiple of kLanes, at most kPart) to sum: as units if the sum stays in its
// binade, else one addition at a time.
PLUMCREST_AVX2 double AddPart(double sum, const double* terms, int count, bool noTrust,
                              double* partials) {
    if (noTrust) {
        for (int k = 0; k < count; ++k) {
            sum = PlainAdd(sum, terms[k]);
            if (partials != nullptr)
                partials[k] = sum;
        }
        return sum;
    }
    alignas(32) double units[kPart];
    const double binade = Binade(sum);
    const double unit = binade * 0x1p-52;
    double total = 0;
    const bool doubtful = CountUnits(terms, count, PerUnit(binade), units, total);
    const double end = sum + total * unit;
    if (doubtful || Binade(end) != binade)
        return AddInOrder(sum, terms, count, partials);
    if (partials != nullptr) {
        for (int k = 0; k < count; ++k)
            partials[k] = sum += units[k] * unit;
    }
    return end;
}

// Adds count terms (a multiple of kLanes, at most kBlock) to sum. The units of every part are
// counted against the binade the sum starts in, so no part waits for the one before; from the
// first part that leaves the binade or meets a near-midpoint on, the parts go one by one.
PLUMCREST_AVX2 double AddBlock(double sum, const double* terms, int count, bool noTrust,
                               double* partials) {
    constexpr int kParts = kBlock / kPart;
    alignas(32) double units[kBlock];
    double totals[kParts];
    bool doubtful[kParts];
    const double binade = Binade(sum);
    const double unit = binade * 0x1p-52;
    const double perUnit = PerUnit(binade);
    const int parts = (count + kPart - 1) / kPart;
    for (int k = 0; k < parts && !noTrust; ++k)
        doubtful[k] = CountUnits(terms + k * kPart, std::min(kPart, count - k * kPart), perUnit,
                                 units + k * kPart, totals[k]);
    for (int k = 0; k < parts; ++k) {
        const int first = k * kPart;
        const int size = std::min(kPart, count - first);
        const double end = sum + totals[k] * unit;
        if (noTrust || doubtful[k] || Binade(end) != binade) {
            for (; k < parts; ++k) {
                const int from = k * kPart;
                sum = AddPart(sum, terms + from, std::min(kPart, count - from), noTrust,
                              partials != nullptr ? partials + from : nullptr);
            }
            return sum;
        }
        if (partials != nullptr) {
            for (int j = first; j < first + size; ++j)
                partials[j] = sum += units[j] * unit;
        }
        sum = end;
    }
    return sum;
}

// The terms of the lanes in `plain` the plain way, from the first value in doubt on: t (lanes in
// tPlain), else the power (pPlain), else the reciprocal.
[[gnu::noinline, gnu::cold]] PLUMCREST_AVX2 __m256d Redo(int plain, int tPlain, int pPlain,
                                                         __m256d t, __m256d p, __m256d q,
                                                         long double lnBase, std::int32_t first) {
    alignas(32) double ts[kLanes];
    alignas(32) double ps[kLanes];
    alignas(32) double qs[kLanes];
    _mm256_store_pd(ts, t);
    _mm256_store_pd(ps, p);
    _mm256_store_pd(qs, q);
    for (int lane = 0; lane < kLanes; ++lane) {
        const int bit = 1 << lane;
        if (tPlain & bit)
            qs[lane] = PlainTerm(lnBase, first + lane);
        else if (pPlain & bit)
            qs[lane] = PlainReciprocal(PlainPower(ts[lane]));
        else if (plain & bit)
            qs[lane] = PlainReciprocal(ps[lane]);
    }
    return _mm256_load_pd(qs);
}

} // namespace

PLUMCREST_AVX2 double SumAvx2(double sum, long double lnBase, std::int32_t end, bool noTrust,
                              double* partials) {
    const double lnHi = static_cast<double>(lnBase);
    const double lnLo = static_cast<double>(lnBase - lnHi);

    // F[j] = exp(j ln base) for j < kBlock: F[w + j] = F[w] * F[j], four at a time once w >= 4.
    alignas(32) double fHi[kBlock];
    alignas(32) double fLo[kBlock];
    // squares[k] = F[2^k], a chain of its own so the vectors below need not wait for each other.
    DoubleDouble squares[7];
    squares[0] = Exp({lnHi, lnLo});
    for (int k = 1; k < 7; ++k)
        squares[k] = Times(squares[k - 1], squares[k - 1]);
    const DoubleDouble first4[kLanes] = {
        {1, 0}, squares[0], squares[1], Times(squares[1], squares[0])};
    for (int j = 0; j < kLanes; ++j) {
        fHi[j] = first4[j].hi;
        fLo[j] = first4[j].lo;
    }
    for (int k = 2; (1 << k) < kBlock; ++k) {
        const int width = 1 << k;
        const __m256d sh = _mm256_set1_pd(squares[k].hi);
        const __m256d sl = _mm256_set1_pd(squares[k].lo);
        for (int j = 0; j < width; j += kLanes) {
            const __m256d ah = _mm256_load_pd(fHi + j);
            const __m256d al = _mm256_load_pd(fLo + j);
            const __m256d product = _mm256_mul_pd(sh, ah);
            __m256d e = _mm256_fmsub_pd(sh, ah, product);
            e = _mm256_fmadd_pd(sh, al, e);
            e = _mm256_fmadd_pd(sl, ah, e);
            const __m256d sumHi = _mm256_add_pd(product, e);
            _mm256_store_pd(fHi + width + j, sumHi);
            _mm256_store_pd(fLo + width + j, _mm256_sub_pd(e, _mm256_sub_pd(sumHi, product)));
        }
    }
    static_assert(kBlock == 1 << 6);
    const DoubleDouble step = squares[6]; // exp(kBlock ln base)

    const __m256d hi = _mm256_set1_pd(lnHi);
    const __m256d lo = _mm256_set1_pd(lnLo);
    const __m256d one = _mm256_set1_pd(1.0);
    const __m256d lanes = _mm256_set1_pd(kLanes);
    const __m256d near = _mm256_set1_pd(kNear);
    const __m256d expNear = _mm256_set1_pd(kExpNear);
    const __m256d everyLane = _mm256_castsi256_pd(_mm256_set1_epi64x(noTrust ? -1 : 0));
    alignas(32) double terms[kBlock];
    DoubleDouble blockPower{1, 0}; // exp(start ln base)
    for (std::int32_t start = 0; start < end; start += kBlock) {
        const std::int32_t last = end - start < kBlock ? end : start + kBlock;
        const __m256d eHi = _mm256_set1_pd(blockPower.hi);
        const __m256d eLo = _mm256_set1_pd(blockPower.lo);
        __m256d i = _mm256_set_pd(start + 3, start + 2, start + 1, start);
        for (int j = 0; j < last - start; j += kLanes, i = _mm256_add_pd(i, lanes)) {
            // t + r = i * ln base exactly.
            const __m256d ph = _mm256_mul_pd(hi, i);
            const __m256d c = _mm256_fmadd_pd(lo, i, _mm256_fmsub_pd(hi, i, ph));
            const __m256d t = _mm256_add_pd(ph, c);
            const __m256d r = _mm256_sub_pd(c, _mm256_sub_pd(t, ph));
            // exp(t) = E * F * (1 - r) = p + pLo.
            const __m256d fh = _mm256_load_pd(fHi + j);
            const __m256d fl = _mm256_load_pd(fLo + j);
            const __m256d bh = _mm256_mul_pd(eHi, fh);
            __m256d bl = _mm256_fmsub_pd(eHi, fh, bh);
            bl = _mm256_fmadd_pd(eHi, fl, bl);
            bl = _mm256_fmadd_pd(eLo, fh, bl);
            const __m256d correction = _mm256_fnmadd_pd(bh, r, bl);
            const __m256d p = _mm256_add_pd(bh, correction);
            const __m256d pLo = _mm256_sub_pd(correction, _mm256_sub_pd(p, bh));
            // 1/p = q + (1 - q p) / p.
            __m256d q = _mm256_div_pd(one, p);
            const __m256d qLo = _mm256_mul_pd(_mm256_fnmadd_pd(q, p, one), q);
            const __m256d tDoubtful = _mm256_or_pd(Doubtful(t, r, near), everyLane);
            const __m256d pDoubtful = Doubtful(p, pLo, expNear);
            const int plain = _mm256_movemask_pd(
                _mm256_or_pd(_mm256_or_pd(tDoubtful, pDoubtful), Doubtful(q, qLo, near)));
            if (plain != 0) [[unlikely]]
                q = Redo(plain, _mm256_movemask_pd(tDoubtful), _mm256_movemask_pd(pDoubtful), t, p,
                         q, lnBase, start + j);
            _mm256_store_pd(terms + j, q);
        }
        blockPower = Times(blockPower, step);
        if (start == 0)
            terms[0] = terms[1] = 0; // periods 0 and 1 are in the first two factors
        sum = AddBlock(sum, terms, last - start, noTrust,
                       partials != nullptr ? partials + start : nullptr);
    }
    return sum;
}

} // namespace plumcrest::discount::detail
