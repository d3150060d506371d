#include "StreamApr.h"

#include "Amortization.h"
#include "LoanMath.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace plumcrest {
namespace {

using Verdict = DisclosedAprCheck::Verdict;

// The APR of a level payment by plain double Newton on the closed-form annuity, a = p (1 - v^n)/i.
double LevelAprByNewton(double amount, double payment, int months) {
    double i = 0.01;
    for (int step = 0; step < 100; ++step) {
        const double v = std::pow(1 + i, -months);
        const double annuity = payment * (1 - v) / i;
        const double slope = payment * (months * v / (1 + i) / i - (1 - v) / (i * i));
        i -= (annuity - amount) / slope;
    }
    return 1200 * i;
}

// Present value, in cents, of the payments at an annual percentage rate: each factor its own
// power, summed first month first.
long double PresentValueCents(const std::vector<Cents>& payments, double apr) {
    const long double growth = 1 + static_cast<long double>(apr) / 1200;
    long double pv = 0;
    for (std::size_t k = 1; k <= payments.size(); ++k)
        pv += payments[k - 1] / std::pow(growth, static_cast<long double>(k));
    return pv;
}

// 270,000.00 at 6.5 % over 360 months, 1,706.58 a month, 4,321.00 of finance charges paid up front.
constexpr Cents kPayment = 170658;
constexpr Cents kAmountFinanced = 27000000 - 432100;

// The same loan with 112.50 of mortgage insurance on top for the first 109 months.
std::vector<Cents> InsuredPayments() {
    std::vector<Cents> payments(360, kPayment);
    for (int k = 0; k < 109; ++k)
        payments[k] += 11250;
    return payments;
}

TEST(StreamApr, level_stream_matches_the_closed_form_annuity) {
    const std::vector<Cents> payments(60, 39712);
    const auto apr = StreamApr(1876543, payments);
    ASSERT_TRUE(apr.has_value());
    EXPECT_NEAR(*apr, LevelAprByNewton(18765.43, 397.12, 60), 1e-9);
}

TEST(StreamApr, level_stream_matches_the_calculators_own_solvers) {
    const auto apr = StreamApr(kAmountFinanced, std::vector<Cents>(360, kPayment));
    ASSERT_TRUE(apr.has_value());
    EXPECT_NEAR(*apr, SolveApr(30, kAmountFinanced / 100.0, kPayment / 100.0), 1e-9);
    EXPECT_NEAR(*apr, BracketApr(30, kAmountFinanced / 100.0, kPayment / 100.0), 1e-9);
}

TEST(StreamApr, insurance_that_ends_discounts_to_the_amount_financed) {
    const auto payments = InsuredPayments();
    const auto apr = StreamApr(kAmountFinanced, payments);
    ASSERT_TRUE(apr.has_value());
    EXPECT_NEAR(static_cast<double>(PresentValueCents(payments, *apr)), kAmountFinanced, 1.0);
    // The insurance is a finance charge: the rate exceeds the same loan's without it.
    const auto level = StreamApr(kAmountFinanced, std::vector<Cents>(360, kPayment));
    ASSERT_TRUE(level.has_value());
    EXPECT_GT(*level, 6.5);
    EXPECT_GT(*apr, *level);
}

TEST(StreamApr, no_finance_charge_is_a_zero_rate) {
    const auto apr = StreamApr(100000, {40017, 38123, 21860});
    ASSERT_TRUE(apr.has_value());
    EXPECT_NEAR(*apr, 0, 1e-12);
}

TEST(StreamApr, no_rate_without_payments_or_a_positive_amount) {
    EXPECT_FALSE(StreamApr(1876543, {}).has_value());
    EXPECT_FALSE(StreamApr(0, {39712, 39713}).has_value());
    EXPECT_FALSE(StreamApr(-1876543, {39712, 39713}).has_value());
    EXPECT_FALSE(StreamApr(1876543, {39712, -5, 39713}).has_value());
    EXPECT_FALSE(StreamApr(1876543, {0, 0, 0}).has_value());
}

std::vector<Cents> OnlyLastPayment(std::size_t months, Cents payment) {
    std::vector<Cents> payments(months, 0);
    payments.back() = payment;
    return payments;
}

TEST(StreamApr, nine_hundred_ninety_nine_years) {
    const std::vector<Cents> level(11988, 123456);
    const auto apr = StreamApr(18765432, level);
    ASSERT_TRUE(apr.has_value());
    EXPECT_NEAR(*apr, LevelAprByNewton(187654.32, 1234.56, 11988), 1e-9);

    // A single payment at the very end: (1 + i)^11988 = payment / amount, both ways round.
    const auto grows = StreamApr(1234567, OnlyLastPayment(11988, 98765432100));
    ASSERT_TRUE(grows.has_value());
    EXPECT_NEAR(*grows, 1200 * std::expm1(std::log(98765432100.0 / 1234567) / 11988), 1e-9);
    const auto shrinks = StreamApr(98765432100, OnlyLastPayment(11988, 1234567));
    ASSERT_TRUE(shrinks.has_value());
    EXPECT_NEAR(*shrinks, 1200 * std::expm1(std::log(1234567 / 98765432100.0) / 11988), 1e-9);
}

// Two payments: a v + b v^2 = amount, a quadratic in the discount factor v = 1 / (1 + i).
double TwoPaymentApr(double amount, double first, double second) {
    const double v = 2 * amount / (first + std::sqrt(first * first + 4 * second * amount));
    return 1200 * (1 / v - 1);
}

TEST(StreamApr, rates_far_from_any_guess) {
    const auto huge = StreamApr(3, {700000000000, 500000000000});
    ASSERT_TRUE(huge.has_value());
    const double expected = TwoPaymentApr(3, 7e11, 5e11);
    EXPECT_NEAR(*huge / expected, 1, 1e-12);

    // Near -100 %: two and three cents against ninety trillion dollars.
    const auto nearMinus = StreamApr(9000000000000000, {2, 3});
    ASSERT_TRUE(nearMinus.has_value());
    EXPECT_NEAR(*nearMinus, TwoPaymentApr(9e15, 2, 3), 1e-9);
    EXPECT_GT(*nearMinus, -1200);
}

TEST(AprTolerance, only_a_change_before_the_last_payment_makes_a_loan_irregular) {
    const auto schedule = BuildSchedule(270000, 6.5, 360);
    std::vector<Cents> payments;
    for (const auto& month : schedule.months)
        payments.push_back(month.payment);
    ASSERT_EQ(payments.size(), 360u);
    ASSERT_NE(payments.back(), payments.front()); // the final adjustment
    EXPECT_EQ(AprToleranceFor(payments), 0.125);

    EXPECT_EQ(AprToleranceFor(InsuredPayments()), 0.25);
    EXPECT_EQ(AprToleranceFor({39712, 39713, 39712, 39712}), 0.25);
    EXPECT_EQ(AprToleranceFor({39712, 39712, 39713, 39712}), 0.25);
    EXPECT_EQ(AprToleranceFor({39712, 39712, 39712, 39713}), 0.125);
    EXPECT_EQ(AprToleranceFor({39712, 41234}), 0.125);
}

// An interest-only period is a series of payments in another amount the contract commits the
// buyer to, as a graduated schedule is: irregular. An odd first payment, or a first and a final
// one, alone are not.
TEST(AprTolerance, interest_only_years_are_irregular_an_odd_first_payment_is_not) {
    std::vector<Cents> interestOnly(60, 70333);
    interestOnly.insert(interestOnly.end(), 300, 113246);
    EXPECT_EQ(AprToleranceFor(interestOnly), 0.25);
    EXPECT_EQ(AprToleranceFor({52117, 39712, 39712, 39712, 39712}), 0.125);
    EXPECT_EQ(AprToleranceFor({52117, 39712, 39712, 39712, 38001}), 0.125);
    EXPECT_EQ(AprToleranceFor({52117, 39712, 39713, 39712, 38001}), 0.25);
    EXPECT_EQ(AprToleranceOf({true, false, false}), 0.25);
    EXPECT_EQ(AprToleranceOf({false, true, false}), 0.25);
    EXPECT_EQ(AprToleranceOf({}), 0.125);
}

// 1026.22(a)(4) and (5): an APR outside the tolerance is accurate when it comes from a disclosed
// finance charge that is itself accurate: understated by 100.00 at most, or overstated.
TEST(DisclosedApr, the_finance_charge_rule_for_a_dwelling) {
    std::vector<Cents> payments(360, kPayment);
    Cents total = 0;
    for (const Cents payment : payments)
        total += payment;
    const Cents charge = total - kAmountFinanced;
    const double computed = *StreamApr(kAmountFinanced, payments);
    const auto aprOf = [&](Cents disclosedCharge) {
        return StreamApr(total - disclosedCharge, payments);
    };

    // 10,000.00 too much: its APR, as disclosed to three decimals, is accurate however far off.
    const double over = *aprOf(charge + 1000000);
    ASSERT_GT(over - computed, 0.125);
    const double shown = std::round(over * 1000) / 1000;
    auto check = CheckDisclosedApr(computed, shown, 0.125, charge + 1000000, charge, over);
    EXPECT_EQ(check.verdict, Verdict::Accurate);
    EXPECT_TRUE(check.byFinanceCharge);
    // Between the two rates, (a)(5), too; a thousandth beyond the charge's rate is not.
    EXPECT_EQ(
        CheckDisclosedApr(computed, (computed + over) / 2, 0.125, charge + 1000000, charge, over)
            .verdict,
        Verdict::Accurate);
    EXPECT_EQ(
        CheckDisclosedApr(computed, shown + 0.001, 0.125, charge + 1000000, charge, over).verdict,
        Verdict::Inaccurate);
    // Without a disclosed charge only the tolerance counts.
    EXPECT_EQ(CheckDisclosedApr(computed, shown, 0.125, std::nullopt, charge, std::nullopt).verdict,
              Verdict::Inaccurate);

    // Understated by 100.00 is accurate, by 100.01 not (with a tolerance too small to hide it).
    const double under = *aprOf(charge - 10000);
    EXPECT_EQ(CheckDisclosedApr(computed, under, 1e-6, charge - 10000, charge, under).verdict,
              Verdict::Accurate);
    const double further = *aprOf(charge - 10001);
    EXPECT_EQ(CheckDisclosedApr(computed, further, 1e-6, charge - 10001, charge, further).verdict,
              Verdict::Inaccurate);
    EXPECT_TRUE(FinanceChargeAccurate(charge - 10000, charge));
    EXPECT_FALSE(FinanceChargeAccurate(charge - 10001, charge));
    EXPECT_TRUE(FinanceChargeAccurate(charge + 1, charge));
}

// Just inside and just outside the tolerance, either side: 1/8 for the level loan, 1/4 once the
// insurance ends.
TEST(DisclosedApr, within_the_tolerance_either_side) {
    for (const auto& payments : {std::vector<Cents>(360, kPayment), InsuredPayments()}) {
        const double computed = *StreamApr(kAmountFinanced, payments);
        const double tolerance = AprToleranceFor(payments);
        for (const double sign : {1.0, -1.0}) {
            const auto inside =
                CheckDisclosedApr(computed, computed + sign * (tolerance - 1e-4), tolerance);
            EXPECT_EQ(inside.verdict, Verdict::Accurate) << tolerance << " " << sign;
            EXPECT_NEAR(inside.difference, sign * (tolerance - 1e-4), 1e-12);
            const auto outside =
                CheckDisclosedApr(computed, computed + sign * (tolerance + 1e-4), tolerance);
            EXPECT_EQ(outside.verdict, Verdict::Inaccurate) << tolerance << " " << sign;
        }
    }
}

TEST(DisclosedApr, exactly_an_eighth_apart_as_typed_is_accurate) {
    // 4.001 - 3.876 comes out a few units in the last place above 0.125 in binary.
    EXPECT_EQ(CheckDisclosedApr(3.876, 4.001, 0.125).verdict, Verdict::Accurate);
    EXPECT_EQ(CheckDisclosedApr(4.001, 3.876, 0.125).verdict, Verdict::Accurate);
}

TEST(DisclosedApr, nothing_to_check_against) {
    const auto notGiven = CheckDisclosedApr(6.789, std::nullopt, 0.125);
    EXPECT_EQ(notGiven.verdict, Verdict::NotGiven);
    EXPECT_TRUE(std::isnan(notGiven.difference));
    const auto cannot = CheckDisclosedApr(std::nullopt, 6.789, 0.25);
    EXPECT_EQ(cannot.verdict, Verdict::CannotCheck);
    EXPECT_TRUE(std::isnan(cannot.difference));
}

} // namespace
} // namespace plumcrest
