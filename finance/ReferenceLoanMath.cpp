#include "ReferenceLoanMath.h"

#include "Fpu.h"
#include "LoanMath.h"

namespace plumcrest {

using fpu::Add;
using fpu::Div;
using fpu::Mul;
using fpu::Sub;
using fpu::ToDouble;

double ReferenceDiscountFactorSum(std::int32_t count, double monthlyRate) {
    double sum = ToDouble(Add(1.0L, Div(1.0L, Add(1.0L, monthlyRate))));
    for (std::int32_t i = 2; i < count; ++i) { // i <= count - 1, without overflow at INT32_MIN
        const double base = ToDouble(Add(1.0L, monthlyRate));
        const double reciprocal = ToDouble(Div(1.0L, PowerClamped(base, i)));
        sum = ToDouble(Add(sum, reciprocal));
    }
    return sum;
}

double ReferenceSolveApr(std::int32_t years, double amountFinanced, double payment) {
    const std::int32_t n = MonthsOf(years);
    double result = 0;
    if (n == 0)
        return result;
    if (payment == 0)
        return result;
    // A loan that has a rate gets it from BracketApr when the 30 steps fail or miss it.
    const bool hasRoot = AprHasRoot(years, amountFinanced, payment);
    try {
        double g = 12.5;
        for (int iteration = 1; iteration <= 30; ++iteration) {
            const double x1 = ToDouble(Div(g, 1200.0L));
            const double pv1 =
                ToDouble(Div(Mul(ReferenceDiscountFactorSum(n, x1), payment), Add(1.0L, x1)));
            const double g2 = ToDouble(Add(g, 0.1L));
            const double x2 = ToDouble(Div(g2, 1200.0L));
            const double pv2 =
                ToDouble(Div(Mul(ReferenceDiscountFactorSum(n, x2), payment), Add(1.0L, x2)));
            g = ToDouble(Add(g, Mul(0.1L, Div(Sub(amountFinanced, pv1), Sub(pv2, pv1)))));
        }
        result = g;
        if (!hasRoot)
            return result;
        const double x = ToDouble(Div(g, 1200.0L));
        const double pv =
            ToDouble(Div(Mul(ReferenceDiscountFactorSum(n, x), payment), Add(1.0L, x)));
        if (AprSolvesItsEquation(pv, amountFinanced))
            return result;
    } catch (const MathError&) {
        if (!hasRoot)
            throw;
    }
    return BracketApr(years, amountFinanced, payment);
}

} // namespace plumcrest
