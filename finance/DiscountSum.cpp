// Chooses how the discount-factor sum is computed. The vector kernel (DiscountSumAvx2.cpp) takes
// the periods whose exponent stays well inside the double range; the rest, and every call on a
// processor without AVX2 and FMA, go one period at a time. Under a floating-point state other
// than the default one (x87 64-bit precision and round to nearest, SSE round to nearest with
// every exception masked and no flush to zero), every period goes through PowerClamped itself,
// exactly as written, because the shortcuts are only proven for the default state.
#include "DiscountSum.h"

#include "ExpToDouble.h"
#include "Fpu.h"
#include "LoanMath.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <xmmintrin.h>

namespace plumcrest::discount {

using fpu::Add;
using fpu::Div;
using fpu::Mul;
using fpu::ToDouble;

namespace {

constexpr double kExponentCap = 88.0;
// Below this many periods the kernel's set-up costs more than it saves.
constexpr std::int32_t kWorthVector = 24;

std::atomic<Path> forcedPath{Path::Automatic};

bool DefaultFloatingPointState() {
    std::uint16_t x87 = 0;
    asm volatile("fnstcw %0" : "=m"(x87));
    // x87: exceptions masked, 64-bit precision, round to nearest. SSE: exceptions masked, round to
    // nearest, neither flush to zero nor denormals as zero; the sticky flags do not matter.
    return (x87 & 0x0F3F) == 0x033F && (_mm_getcsr() & 0xFFC0) == 0x1F80;
}

// Every period through PowerClamped, as the step-by-step sum does it.
double LiteralSum(double sum, double base, std::int32_t count, double* partials) {
    for (std::int32_t i = 2; i < count; ++i) {
        sum = detail::PlainAdd(sum, ToDouble(Div(1.0L, PowerClamped(base, i))));
        if (partials != nullptr)
            partials[i] = sum;
    }
    return sum;
}

// From the first period whose exponent reaches the cap every term is the same, so once adding it
// no longer changes the sum, nothing after it will.
double CappedSum(double sum, double term, std::int32_t first, std::int32_t count,
                 double* partials) {
    for (std::int32_t i = first; i < count; ++i) {
        const double next = detail::PlainAdd(sum, term);
        if (next == sum) {
            if (partials != nullptr)
                std::fill(partials + i, partials + count, sum);
            return sum;
        }
        sum = next;
        if (partials != nullptr)
            partials[i] = sum;
    }
    return sum;
}

// Periods first .. count - 1 one at a time. Recording the partial sums is a separate instance:
// the mere test for it slows the x87 loop by half.
template <bool Record>
double PortableSum(double sum, long double lnBase, std::int32_t first, std::int32_t count,
                   double* partials) {
    for (std::int32_t i = first; i < count; ++i) {
        const double t = std::min(ToDouble(Mul(lnBase, static_cast<long double>(i))), kExponentCap);
        const double term = ToDouble(Div(1.0L, ExpToDouble(t)));
        if (t == kExponentCap) [[unlikely]]
            return CappedSum(sum, term, i, count, partials);
        sum = detail::PlainAdd(sum, term);
        if constexpr (Record)
            partials[i] = sum;
    }
    return sum;
}

double PortableSum(double sum, long double lnBase, std::int32_t first, std::int32_t count,
                   double* partials) {
    return partials != nullptr ? PortableSum<true>(sum, lnBase, first, count, partials)
                               : PortableSum<false>(sum, lnBase, first, count, nullptr);
}

// The first period the kernel must not take: where i * |ln base| would leave its bounds.
std::int32_t VectorEnd(long double lnBase, std::int32_t count) {
    const long double width = std::fabs(lnBase);
    if (!(width <= detail::kWidestLog))
        return 2; // NaN included
    const std::int32_t end = std::min(count, detail::kLastPeriod);
    if (width == 0)
        return end;
    const long double bound = lnBase > 0 ? detail::kHighestExponent : -detail::kLowestExponent;
    const long double periods = bound / width; // i * width <= bound for every i below end
    return periods < end ? static_cast<std::int32_t>(periods) : end;
}

} // namespace

void ForcePath(Path path) {
    forcedPath.store(path);
}

bool VectorAvailable() {
    static const bool available = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return available;
}

double detail::PlainTerm(long double lnBase, std::int32_t i) {
    const double t = std::min(ToDouble(Mul(lnBase, static_cast<long double>(i))), kExponentCap);
    return ToDouble(Div(1.0L, ExpToDouble(t)));
}

double detail::PlainPower(double t) {
    return ToDouble(fpu::Exp(t));
}

double detail::PlainReciprocal(double power) {
    return ToDouble(Div(1.0L, power));
}

double detail::PlainAdd(double sum, double term) {
    return ToDouble(Add(sum, term));
}

double Sum(std::int32_t count, double monthlyRate, double* partials) {
    double sum = ToDouble(Add(1.0L, Div(1.0L, Add(1.0L, monthlyRate))));
    if (partials != nullptr && count > 1)
        partials[1] = sum;
    if (count <= 2)
        return sum;
    const double base = ToDouble(Add(1.0L, monthlyRate));
    if (base == 0)
        fpu::RaiseZeroDivide(); // PowerClamped gives 0; its reciprocal divides by zero
    if (!DefaultFloatingPointState())
        return LiteralSum(sum, base, count, partials);
    // ln(base) once: PowerClamped forms the same extended logarithm in every period.
    const long double lnBase = fpu::Ln(base);
    const Path path = forcedPath.load(std::memory_order_relaxed);
    std::int32_t first = 2;
    if (path != Path::Portable && VectorAvailable()) {
        // The kernel takes whole vectors of four periods.
        const std::int32_t end = VectorEnd(lnBase, count) / 4 * 4;
        if (end > 2 && (end >= kWorthVector || path != Path::Automatic)) {
            sum = detail::SumAvx2(sum, lnBase, end, path == Path::VectorNoTrust, partials);
            first = end;
        }
    }
    return PortableSum(sum, lnBase, first, count, partials);
}

} // namespace plumcrest::discount
