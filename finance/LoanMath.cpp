#include "LoanMath.h"

#include "DiscountSum.h"
#include "Fpu.h"

#include <algorithm>

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

// Present value of the payments at the monthly rate: the start-of-month sum over 1 + x.
double PresentValue(std::int32_t months, double monthlyRate, double payment) {
    return ToDouble(
        Div(Mul(DiscountFactorSum(months, monthlyRate), payment), Add(1.0L, monthlyRate)));
}

thread_local std::uint64_t discountFactorSumCalls = 0;

struct NoTrace {
    void iteration(double, double, double) {}
};

struct Recorder {
    AprTrace& trace;
    void iteration(double g, double pv1, double pv2) {
        trace.guesses.push_back(g);
        trace.pv1.push_back(pv1);
        trace.pv2.push_back(pv2);
    }
};

template <class Trace>
double Solve(std::int32_t years, double amountFinanced, double payment, Trace trace) {
    const std::int32_t n = MonthsOf(years);
    if (n == 0)
        return 0;
    if (payment == 0)
        return 0;
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
    return g;
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
