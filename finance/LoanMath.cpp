#include "LoanMath.h"

#include "DiscountSum.h"
#include "Fpu.h"

#include <algorithm>
#include <cmath>

namespace plumcrest {

using fpu::Add;
using fpu::Div;
using fpu::Mul;
using fpu::Sub;
using fpu::ToDouble;

namespace {

constexpr long double kStep = 0.1L; // the extended value nearest one tenth
constexpr double kStartGuess = 12.5;
constexpr int kIterations = 30;
constexpr double kExponentCap = 88.0;
// Accepted relative residual of the 30th guess. A settled iteration leaves only the sum's
// rounding noise in its PV, about sqrt(n) errors of 2^-53 each: under 1e-13 of the amount for
// every term up to 999 years. The relative slope of the PV is D / 1200 per percentage point, D the
// PV-weighted mean month of payment (at least 1, and at least 44 for 51 years or more at rates
// up to 27 %), so an accepted guess lies within 1.2e-9 of a point of the root, within 3e-11 for
// such long terms: far inside the 5e-5 the four-decimal display can hide, ten times the noise.
constexpr double kResidualTolerance = 1e-12;

// Present value of the payments at the monthly rate: the start-of-month sum over 1 + x.
double PresentValue(std::int32_t months, double monthlyRate, double payment) {
    return ToDouble(
        Div(Mul(DiscountFactorSum(months, monthlyRate), payment), Add(1.0L, monthlyRate)));
}

thread_local std::uint64_t discountFactorSumCalls = 0;

struct NoTrace {
    void iteration(double, double, double) {}
    void checked(double) {}
    void fault(MathError::Kind) {}
    std::int32_t* bracketSteps() { return nullptr; }
};

struct Recorder {
    AprTrace& trace;
    void iteration(double g, double pv1, double pv2) {
        trace.guesses.push_back(g);
        trace.pv1.push_back(pv1);
        trace.pv2.push_back(pv2);
    }
    void checked(double pv) { trace.checkedPv = pv; }
    void fault(MathError::Kind kind) { trace.iterationFault = kind; }
    std::int32_t* bracketSteps() { return &trace.bracketSteps; }
};

template <class Trace>
double Solve(std::int32_t years, double amountFinanced, double payment, Trace trace) {
    const std::int32_t n = MonthsOf(years);
    if (n == 0)
        return 0;
    if (payment == 0)
        return 0;
    const bool hasRoot = AprHasRoot(years, amountFinanced, payment);
    try {
        double g = kStartGuess;
        for (int iteration = 0; iteration < kIterations; ++iteration) {
            const double x1 = ToDouble(Div(g, 1200.0L));
            const double pv1 = PresentValue(n, x1, payment);
            const double g2 = ToDouble(Add(g, kStep));
            const double x2 = ToDouble(Div(g2, 1200.0L));
            const double pv2 = PresentValue(n, x2, payment);
            const long double slope = Div(Sub(amountFinanced, pv1), Sub(pv2, pv1));
            g = ToDouble(Add(g, Mul(kStep, slope)));
            trace.iteration(g, pv1, pv2);
        }
        if (!hasRoot)
            return g;
        const double pv = PresentValue(n, ToDouble(Div(g, 1200.0L)), payment);
        trace.checked(pv);
        if (AprSolvesItsEquation(pv, amountFinanced))
            return g;
    } catch (const MathError& error) {
        if (!hasRoot)
            throw;
        trace.fault(error.kind());
    }
    return BracketApr(years, amountFinanced, payment, trace.bracketSteps());
}

// Sum of e^(-u i) for i = 1 .. n: the PV of n payments of 1 at the monthly log-rate u = ln(1 + x).
// Unrounded, so it falls strictly with u; infinite for a large negative u, 0 for a large positive.
long double UnitPresentValue(long double n, long double u) {
    if (u == 0)
        return n;
    return -std::expm1(-u * n) / std::expm1(u);
}

} // namespace

std::int32_t MonthsOf(std::int32_t years) {
    const auto product = static_cast<std::int64_t>(years) * 12;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(product));
}

double MonthlyPayment(std::int32_t months, double principal, double monthlyRate) {
    if (months == 0)
        return 0;
    if (monthlyRate == 0)
        return ToDouble(Div(principal, static_cast<long double>(months)));
    const long double exponent =
        Mul(fpu::Ln(Add(1.0L, monthlyRate)), -static_cast<long double>(months));
    const double v = ToDouble(fpu::Exp(exponent));
    return ToDouble(Div(Mul(principal, monthlyRate), Sub(1.0L, v)));
}

double PowerClamped(double base, double exponent) {
    if (base == 0)
        return 0;
    const double t = std::min(ToDouble(Mul(fpu::Ln(base), exponent)), kExponentCap);
    return ToDouble(fpu::Exp(t));
}

std::uint64_t DiscountFactorSumCallCount() {
    return discountFactorSumCalls;
}

// Bit for bit the step-by-step sum, however it is computed (DiscountSum.h).
double DiscountFactorSum(std::int32_t count, double monthlyRate) {
    ++discountFactorSumCalls;
    return discount::Sum(count, monthlyRate);
}

double SolveApr(std::int32_t years, double amountFinanced, double payment) {
    return Solve(years, amountFinanced, payment, NoTrace{});
}

bool AprHasRoot(std::int32_t years, double amountFinanced, double payment) {
    // 12 x years must not wrap: the sum's count then matches the months.
    return years > 0 && years <= std::numeric_limits<std::int32_t>::max() / 12 &&
           amountFinanced > 0 && std::isfinite(amountFinanced) && payment > 0 &&
           std::isfinite(payment);
}

bool AprSolvesItsEquation(double presentValue, double amountFinanced) {
    return std::fabs(static_cast<long double>(presentValue) - amountFinanced) <=
           kResidualTolerance * std::fabs(amountFinanced);
}

double BracketApr(std::int32_t years, double amountFinanced, double payment, std::int32_t* steps) {
    if (!AprHasRoot(years, amountFinanced, payment))
        fpu::RaiseInvalidOp();
    const long double n = 12.0L * years;
    const long double target = static_cast<long double>(amountFinanced) / payment;
    // Invariant: UnitPresentValue(n, low) >= target >= UnitPresentValue(n, high).
    long double low = 0;
    long double high = 0;
    if (target <= n)
        high = std::log1p(1 / target); // the PV is below 1 / (e^u - 1), the perpetuity's
    else
        low = -std::log(target) / n; // the last payment alone is worth the target there
    // Bisection to the last bits of u: under 1e-18 of a percentage point near u = 0.
    std::int32_t count = 0;
    for (; count < 200; ++count) {
        const long double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high ||
            high - low <= 1e-21L + 1e-19L * std::max(std::fabs(low), std::fabs(high)))
            break;
        if (UnitPresentValue(n, middle) >= target)
            low = middle;
        else
            high = middle;
    }
    if (steps != nullptr)
        *steps = count;
    return ToDouble(Mul(1200.0L, std::expm1(low + (high - low) / 2)));
}

double SolveAprTrace(std::int32_t years, double amountFinanced, double payment, AprTrace& trace) {
    // Counted on every way out, a failing solve included.
    struct CallCount {
        AprTrace& trace;
        std::uint64_t before = DiscountFactorSumCallCount();
        ~CallCount() {
            trace.discountFactorSumCalls =
                static_cast<std::int32_t>(DiscountFactorSumCallCount() - before);
        }
    } count{trace};
    return Solve(years, amountFinanced, payment, Recorder{trace});
}

} // namespace plumcrest
