#include "StreamApr.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace plumcrest {

namespace {

// The payments from the first positive one to the last, 1-based months; the zeros outside
// add nothing to the present value.
struct PositiveSpan {
    std::size_t first = 0;
    std::size_t last = 0;
};

// ln of the present value at the monthly log-rate u = ln(1 + i). The sum is taken relative to
// the payment whose discount factor is largest (the first positive one when u >= 0, the last
// when u < 0), so every factor in it lies in (0, 1]: it cannot overflow, it holds at least that
// payment, and the factor pulled out is added as a logarithm. Rates near -100 % and far above any
// real loan's stay finite this way, for any term. Horner's rule keeps it to one pass.
long double LogPresentValue(const std::vector<Cents>& payments, PositiveSpan span, long double u) {
    long double sum = 0;
    if (u >= 0) {
        const long double v = std::exp(-u);
        for (std::size_t k = span.last; k >= span.first; --k)
            sum = sum * v + static_cast<long double>(payments[k - 1]);
        return -u * static_cast<long double>(span.first) + std::log(sum);
    }
    const long double w = std::exp(u);
    for (std::size_t k = span.first; k <= span.last; ++k)
        sum = sum * w + static_cast<long double>(payments[k - 1]);
    return -u * static_cast<long double>(span.last) + std::log(sum);
}

} // namespace

std::optional<double> StreamApr(Cents amountFinanced, const std::vector<Cents>& payments) {
    if (amountFinanced <= 0)
        return std::nullopt;
    PositiveSpan span;
    long double total = 0; // exact below 2^64, and a sum beyond that cannot equal the amount
    for (std::size_t k = 1; k <= payments.size(); ++k) {
        const Cents payment = payments[k - 1];
        if (payment < 0)
            return std::nullopt;
        if (payment > 0) {
            if (span.first == 0)
                span.first = k;
            span.last = k;
        }
        total += static_cast<long double>(payment);
    }
    if (span.first == 0)
        return std::nullopt; // no payments, or all of them zero
    const auto amount = static_cast<long double>(amountFinanced);
    if (total == amount)
        return 0.0;

    // The present value falls strictly from infinity to 0 as u rises, so exactly one root; the
    // bracket keeps g(low) >= 0 > g(high). The sum of the payments is the PV at u = 0, which
    // tells the root's side; the far end doubles out from about 9 % a year until it passes it.
    const long double logAmount = std::log(amount);
    const auto g = [&](long double u) { return LogPresentValue(payments, span, u) - logAmount; };
    long double low = 0;
    long double high = 0;
    long double reach = 1.0L / 128;
    if (total > amount) {
        while (g(reach) >= 0)
            reach *= 2;
        high = reach;
    } else {
        while (g(-reach) < 0)
            reach *= 2;
        low = -reach;
    }
    // Bisection to the last bits of u: the APR, 1200 (e^u - 1), then moves by under 1e-15 of a
    // point near real loans' rates, far inside the 1e-12 asked of it.
    for (int step = 0; step < 256; ++step) {
        const long double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high ||
            high - low <= 1e-21L + 1e-19L * std::fmax(std::fabs(low), std::fabs(high)))
            break;
        if (g(middle) >= 0)
            low = middle;
        else
            high = middle;
    }
    return static_cast<double>(1200.0L * std::expm1(low + (high - low) / 2));
}

double AprToleranceOf(const AprFeatures& features) {
    return features.multipleAdvances || features.irregularPeriods || features.irregularAmounts
               ? kIrregularAprTolerance
               : kRegularAprTolerance;
}

bool IrregularAmounts(const std::vector<Cents>& payments) {
    // The first and the final payment may differ alone: an odd first period, the final
    // adjustment of a few cents.
    for (std::size_t k = 2; k + 1 < payments.size(); ++k)
        if (payments[k] != payments[1])
            return true;
    return false;
}

double AprToleranceFor(const std::vector<Cents>& payments) {
    return AprToleranceOf({false, false, IrregularAmounts(payments)});
}

DisclosedAprCheck CheckDisclosedApr(std::optional<double> computedApr,
                                    std::optional<double> disclosedApr, double tolerance) {
    using Verdict = DisclosedAprCheck::Verdict;
    constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();
    if (!disclosedApr || !std::isfinite(*disclosedApr))
        return {Verdict::NotGiven, kUnknown, tolerance};
    if (!computedApr || !std::isfinite(*computedApr))
        return {Verdict::CannotCheck, kUnknown, tolerance};
    const double difference = *disclosedApr - *computedApr;
    // "Within" the tolerance: the boundary itself is accurate.
    const bool accurate = std::fabs(difference) <= tolerance + kAprComparisonMargin;
    return {accurate ? Verdict::Accurate : Verdict::Inaccurate, difference, tolerance};
}

bool FinanceChargeAccurate(Cents disclosed, Cents computed) {
    return disclosed >= SubtractCents(computed, kFinanceChargeUnderstatement);
}

DisclosedAprCheck CheckDisclosedApr(std::optional<double> computedApr,
                                    std::optional<double> disclosedApr, double tolerance,
                                    std::optional<Cents> disclosedFinanceCharge,
                                    Cents computedFinanceCharge,
                                    std::optional<double> aprOfDisclosedCharge) {
    DisclosedAprCheck check = CheckDisclosedApr(computedApr, disclosedApr, tolerance);
    if (check.verdict != DisclosedAprCheck::Verdict::Inaccurate || !disclosedFinanceCharge ||
        !aprOfDisclosedCharge || !std::isfinite(*aprOfDisclosedCharge) ||
        !FinanceChargeAccurate(*disclosedFinanceCharge, computedFinanceCharge))
        return check;
    // Half a thousandth either way: the APR as disclosed, to three decimals.
    constexpr double kRounding = 0.0005 + kAprComparisonMargin;
    const double low = std::fmin(*computedApr, *aprOfDisclosedCharge) - kRounding;
    const double high = std::fmax(*computedApr, *aprOfDisclosedCharge) + kRounding;
    if (*disclosedApr >= low && *disclosedApr <= high) {
        check.verdict = DisclosedAprCheck::Verdict::Accurate;
        check.byFinanceCharge = true;
    }
    return check;
}

} // namespace plumcrest
