#pragma once
// Extended-precision operations that raise a MathError where a floating-point unit with invalid
// operation, division by zero and overflow unmasked would trap. Each checks its operands or its
// result right after the operation, so the common path costs one predictable branch.

#include "MathError.h"

#include <cmath>
#include <limits>

namespace plumcrest::fpu {

// The reference digits depend on the x87 80-bit format.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended format with a 64-bit significand");

[[noreturn]] void RaiseZeroDivide();
[[noreturn]] void RaiseInvalidOp();
[[noreturn]] void RaiseOverflow();

// A value stored as a double: overflow when a finite extended value rounds beyond the double range.
inline double ToDouble(long double x) {
    const double d = static_cast<double>(x);
    if (std::isinf(d) && !std::isinf(x)) [[unlikely]]
        RaiseOverflow();
    return d;
}

// inf - inf and 0 * inf turn two non-NaN operands into a NaN.
inline long double CheckInvalid(long double result, long double a, long double b) {
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) [[unlikely]]
        RaiseInvalidOp();
    return result;
}

inline long double Add(long double a, long double b) {
    return CheckInvalid(a + b, a, b);
}
inline long double Sub(long double a, long double b) {
    return CheckInvalid(a - b, a, b);
}
inline long double Mul(long double a, long double b) {
    return CheckInvalid(a * b, a, b);
}

inline long double Div(long double a, long double b) {
    if (b == 0 && !std::isnan(a) && !std::isinf(a)) [[unlikely]] {
        if (a == 0)
            RaiseInvalidOp();
        RaiseZeroDivide();
    }
    return CheckInvalid(a / b, a, b);
}

inline long double Ln(long double x) {
    if (x <= 0) [[unlikely]] {
        if (x == 0)
            RaiseZeroDivide();
        RaiseInvalidOp();
    }
    return logl(x);
}

inline long double Exp(long double x) {
    const long double result = expl(x);
    if (std::isinf(result) && !std::isinf(x)) [[unlikely]]
        RaiseOverflow();
    return result;
}

} // namespace plumcrest::fpu
