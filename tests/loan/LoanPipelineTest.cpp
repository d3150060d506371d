#include "LoanPipeline.h"

#include "MathError.h"
#include "NumberText.h"
#include "OfferFigures.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <thread>

namespace plumcrest {
namespace {

constexpr double kUnset = -777.0;

LoanResults Sentinel() {
    return {kUnset, kUnset, kUnset, kUnset, kUnset, kUnset, -777, -777};
}

LoanInputs Defaults(const std::function<void(LoanInputs&)>& change) {
    LoanInputs inputs = DefaultLoanInputs();
    change(inputs);
    return inputs;
}

void NoFees(LoanInputs& in) {
    in.OriginationFees = in.Points = in.PrepaidInterest = in.MIP = 0;
    in.Buydown = in.FloodCheck = in.TaxService = in.Other1 = in.Other2 = 0;
}

// Exact expectations; APR within its tolerance (a negative tolerance: only a lower bound of 1e10).
struct PipelineCase {
    const char* name;
    LoanInputs inputs;
    double downPayment, loan, fixedFees, amountFinanced;
    std::int32_t months, wholeYears;
    double payment, apr, aprTolerance;
};

class PipelineReference : public ::testing::TestWithParam<PipelineCase> {};

TEST_P(PipelineReference, fills_every_result) {
    const auto& c = GetParam();
    LoanResults r = Sentinel();
    RecalculateLoan(c.inputs, r, '.');
    EXPECT_EQ(r.DownPayment, c.downPayment);
    EXPECT_EQ(r.Loan, c.loan);
    EXPECT_EQ(r.FixedFees, c.fixedFees);
    EXPECT_EQ(r.AmountFinanced, c.amountFinanced);
    EXPECT_EQ(r.Months, c.months);
    EXPECT_EQ(r.WholeYears, c.wholeYears);
    EXPECT_EQ(r.Payment, c.payment) << std::hexfloat << r.Payment;
    if (c.aprTolerance < 0) {
        EXPECT_GT(r.APR, 1e10);
        EXPECT_LT(r.APR, 2e10);
    } else {
        EXPECT_NEAR(r.APR, c.apr, c.aprTolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PipelineReference,
    ::testing::Values(PipelineCase{"defaults", DefaultLoanInputs(), 12000, 108000, 3500, 104500,
                                   360, 30, 700.4859442936724, 7.0746200766648, 3e-13},
                      PipelineCase{"no_fees", Defaults(NoFees), 12000, 108000, 0, 108000, 360, 30,
                                   700.4859442936724, 6.75000000000007, 1e-12},
                      PipelineCase{"zero_interest",
                                   Defaults([](LoanInputs& in) { in.Interest = 0; }), 12000, 108000,
                                   3500, 104500, 360, 30, 300, 0.220248629449359, 1e-12},
                      PipelineCase{"zero_interest_no_fees", Defaults([](LoanInputs& in) {
                                       NoFees(in);
                                       in.Interest = 0;
                                   }),
                                   12000, 108000, 0, 108000, 360, 30, 300, 0.0, 1e-13},
                      PipelineCase{"fifteen_years_5_5",
                                   {250000, 20, 15, 5.5, 2000, 0, 300, 0, 0, 25, 75, 100, 0},
                                   50000,
                                   200000,
                                   2500,
                                   197500,
                                   180,
                                   15,
                                   1634.1669092422787,
                                   5.69422135051105,
                                   1e-12},
                      PipelineCase{"one_year", Defaults([](LoanInputs& in) { in.Term = 1; }), 12000,
                                   108000, 3500, 104500, 12, 1, 9332.446191296085, 12.9753371440988,
                                   1e-12},
                      PipelineCase{"zero_term", Defaults([](LoanInputs& in) { in.Term = 0; }),
                                   12000, 108000, 3500, 104500, 0, 0, 0, 0, 0},
                      PipelineCase{"down_payment_100",
                                   Defaults([](LoanInputs& in) { in.DownPaymentPercent = 100; }),
                                   120000, 0, 3500, -3500, 360, 30, 0, 0, 0},
                      PipelineCase{"down_payment_above_100",
                                   Defaults([](LoanInputs& in) { in.DownPaymentPercent = 120; }),
                                   144000, -24000, 3500, -27500, 360, 30, 0, 0, 0},
                      PipelineCase{"fees_equal_loan", Defaults([](LoanInputs& in) {
                                       NoFees(in);
                                       in.OriginationFees = 108000;
                                   }),
                                   12000, 108000, 108000, 0, 360, 30, 700.4859442936724, 0, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// Which results a failing run has filled, by name, in step order.
std::string Filled(const LoanResults& r) {
    std::string out;
    auto mark = [&](const char* name, bool filled) {
        if (filled)
            out += std::string(out.empty() ? "" : " ") + name;
    };
    mark("Months", r.Months != -777);
    mark("FixedFees", r.FixedFees != kUnset);
    mark("DownPayment", r.DownPayment != kUnset);
    mark("Loan", r.Loan != kUnset);
    mark("Payment", r.Payment != kUnset);
    mark("AmountFinanced", r.AmountFinanced != kUnset);
    mark("WholeYears", r.WholeYears != -777);
    mark("APR", r.APR != kUnset);
    return out;
}

std::string Failure(const LoanInputs& inputs, char32_t separator, LoanResults& r) {
    try {
        RecalculateLoan(inputs, r, separator);
    } catch (const ConversionError& error) {
        return std::string("ConversionError: ") + error.what();
    } catch (const MathError& error) {
        return std::string("MathError: ") + error.what();
    }
    return "no error";
}

struct FailureCase {
    const char* name;
    LoanInputs inputs;
    char32_t separator;
    const char* error;
    const char* filled;
};

class PipelineFailure : public ::testing::TestWithParam<FailureCase> {};

// State: results holding stale values. Action: recalculate inputs that fail in some step.
// Expected: that step's error, and the results of the steps before it filled, no others.
TEST_P(PipelineFailure, stops_at_the_failing_step) {
    const auto& c = GetParam();
    LoanResults r = Sentinel();
    EXPECT_EQ(Failure(c.inputs, c.separator, r), c.error);
    EXPECT_EQ(Filled(r), c.filled);
}

constexpr const char* kBeforeYears = "Months FixedFees DownPayment Loan Payment AmountFinanced";

INSTANTIATE_TEST_SUITE_P(
    Rows, PipelineFailure,
    ::testing::Values(
        FailureCase{"term_2_5_fails_in_whole_years",
                    Defaults([](LoanInputs& in) { in.Term = 2.5; }), '.',
                    "ConversionError: '2.5' is not a valid integer value", kBeforeYears},
        FailureCase{"term_2_5_names_comma_text", Defaults([](LoanInputs& in) { in.Term = 2.5; }),
                    ',', "ConversionError: '2,5' is not a valid integer value", kBeforeYears},
        FailureCase{"term_2_4_fails_in_months", Defaults([](LoanInputs& in) { in.Term = 2.4; }),
                    '.', "ConversionError: '28.8' is not a valid integer value", ""},
        FailureCase{"months_beyond_32_bits", Defaults([](LoanInputs& in) { in.Term = 1e9; }), '.',
                    "ConversionError: '12000000000' is not a valid integer value", ""},
        FailureCase{"fees_above_loan",
                    Defaults([](LoanInputs& in) { in.OriginationFees = 200000; }), '.',
                    "MathError: Floating point division by zero",
                    "Months FixedFees DownPayment Loan Payment AmountFinanced WholeYears"},
        FailureCase{
            "rate_minus_100_percent_a_month", Defaults([](LoanInputs& in) { in.Interest = -1200; }),
            '.', "MathError: Floating point division by zero", "Months FixedFees DownPayment Loan"},
        FailureCase{"rate_below_minus_100_percent_a_month",
                    Defaults([](LoanInputs& in) { in.Interest = -2400; }), '.',
                    "MathError: Invalid floating point operation",
                    "Months FixedFees DownPayment Loan"},
        FailureCase{"rate_too_small_to_move_the_discount",
                    Defaults([](LoanInputs& in) { in.Interest = 1e-20; }), '.',
                    "MathError: Floating point division by zero",
                    "Months FixedFees DownPayment Loan"},
        FailureCase{"fees_beyond_double_range",
                    Defaults([](LoanInputs& in) { in.Points = in.MIP = 1.7e308; }), '.',
                    "MathError: Floating point overflow", "Months"}),
    [](const auto& info) { return std::string(info.param.name); });

// The fee total and the down payment are formed in extended precision, not in double.
TEST(RecalculateLoan, sums_and_scales_in_extended_precision) {
    LoanInputs in = DefaultLoanInputs();
    in.OriginationFees = 1e16;
    in.Points = 1;
    in.PrepaidInterest = 1;
    in.MIP = in.Buydown = in.FloodCheck = in.TaxService = in.Other1 = in.Other2 = 0;
    LoanResults r;
    try {
        RecalculateLoan(in, r, '.');
    } catch (const MathError&) {
        // The solver may fail on such fees; the total is filled before it runs.
    }
    EXPECT_EQ(r.FixedFees, 1e16 + 2); // in double, 1e16 + 1 + 1 stays 1e16
}

using ResultBits = std::array<std::uint64_t, 7>; // six doubles and two int32

struct Outcome {
    LoanResults results = Sentinel();
    std::string error;
};

Outcome RunPipeline(void (*recalculate)(const LoanInputs&, LoanResults&, char32_t),
                    const LoanInputs& inputs) {
    Outcome out;
    try {
        recalculate(inputs, out.results, '.');
    } catch (const std::exception& error) {
        out.error = error.what();
    }
    return out;
}

double Cents(double x) {
    return std::round(x * 100.0) / 100.0;
}

LoanInputs RandomLoan(std::mt19937_64& random, int row) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    LoanInputs in;
    in.PurchasePrice = Cents(unit(random) * 1.5e6);
    in.DownPaymentPercent = std::round(unit(random) * 40.0 * 1e4) / 1e4;
    in.Term = 1 + std::floor(40.0 * std::pow(unit(random), 1.5)); // 1..40, more short terms
    switch (row % 4) {
    case 0:
        in.Interest = 0;
        break;
    case 1:
        in.Interest = std::round(unit(random) * 0.05 * 1e4) / 1e4; // small
        break;
    default:
        in.Interest = std::round(unit(random) * 18.0 * 1e4) / 1e4;
    }
    const double feeScale = row % 25 == 0 ? 5e5 : 3000.0; // now and then fees above the loan
    for (double* fee : {&in.OriginationFees, &in.Points, &in.PrepaidInterest, &in.MIP, &in.Buydown,
                        &in.FloodCheck, &in.TaxService, &in.Other1, &in.Other2})
        *fee = Cents(unit(random) * feeScale);
    return in;
}

// The first row whose outcome differs between the pipeline and its reference, or -1.
int FirstMismatch(int firstRow, int endRow, int& errors) {
    for (int row = firstRow; row < endRow; ++row) {
        std::mt19937_64 random(static_cast<std::uint64_t>(row) * 7919 + 1);
        const LoanInputs in = RandomLoan(random, row);
        const Outcome fast = RunPipeline(RecalculateLoan, in);
        const Outcome reference = RunPipeline(ReferenceRecalculateLoan, in);
        if (fast.error != reference.error ||
            std::bit_cast<ResultBits>(fast.results) != std::bit_cast<ResultBits>(reference.results))
            return row;
        errors += fast.error.empty() ? 0 : 1;
    }
    return -1;
}

// State: a few thousand varied loans. Action: run the pipeline and its reference transcription.
// Expected: the same bits in every result, and the same error where one is raised.
TEST(RecalculateLoan, is_bit_identical_to_the_reference) {
    constexpr int kRows = 2000;
    int errorsA = 0;
    int errorsB = 0;
    int mismatchB = -1;
    std::thread half([&] { mismatchB = FirstMismatch(kRows / 2, kRows, errorsB); });
    const int mismatchA = FirstMismatch(0, kRows / 2, errorsA);
    half.join();
    EXPECT_EQ(mismatchA, -1);
    EXPECT_EQ(mismatchB, -1);
    EXPECT_GT(errorsA + errorsB, 0); // the rows with fees above the loan reached the error path
}

// State: the longest terms the term field admits, where most periods are summed.
// Action and Expected: as above.
TEST(RecalculateLoan, is_bit_identical_to_the_reference_for_long_terms) {
    std::mt19937_64 random(999);
    for (double term : {100.0, 250.0, 500.0, 750.0, 999.0}) {
        LoanInputs in = RandomLoan(random, 2);
        in.Term = term;
        const Outcome fast = RunPipeline(RecalculateLoan, in);
        const Outcome reference = RunPipeline(ReferenceRecalculateLoan, in);
        EXPECT_EQ(fast.error, reference.error) << term;
        EXPECT_EQ(std::bit_cast<ResultBits>(fast.results),
                  std::bit_cast<ResultBits>(reference.results))
            << term;
    }
}

// Fees far beyond any typed figure sum to the largest amount, never wrap to a negative one (under
// UBSan a wrapped sum stops the test).
TEST(OfferFigures, hostile_fees_saturate_rather_than_wrap) {
    LoanEstimate estimate;
    estimate.price = 300000;
    estimate.loanAmount = 270000;
    estimate.months = 360;
    estimate.noteRate = 6.5;
    for (const CostSection section : {CostSection::A, CostSection::B, CostSection::F})
        estimate.costs.push_back({section, "Prepaid interest", 1e300, true});
    estimate.disclosedInFiveTotal = -1e300;
    const OfferFigures figures = FigureOffer(estimate);
    EXPECT_EQ(figures.totals.closingCosts, INT64_MAX);
    EXPECT_EQ(figures.cashToClose, INT64_MAX);
    EXPECT_LT(figures.amountFinanced, 0);
    ASSERT_TRUE(figures.inFiveTotalDifference);
    EXPECT_EQ(*figures.inFiveTotalDifference, INT64_MIN);
    const HorizonFigures horizon = FigureHorizon(figures, 10, 2.0);
    EXPECT_EQ(horizon.plainCost, INT64_MAX);
    EXPECT_EQ(horizon.discountedCost, INT64_MAX);
    EXPECT_EQ(horizon.paid.totalPaid, INT64_MAX);
}

} // namespace
} // namespace plumcrest
