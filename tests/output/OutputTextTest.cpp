// CSV text and the chart's crossings: plain numbers, no Qt.

#include "Amortization.h"
#include "CostSeries.h"
#include "Csv.h"
#include "OfferCost.h"

#include <gtest/gtest.h>

namespace plumcrest {
namespace {

using namespace output;

struct FieldCase {
    const char* name;
    const char* text;
    const char* field;
};

class CsvFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField(GetParam().text), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvFieldTest,
    ::testing::Values(FieldCase{"plain", "First Lakeside Bank", "First Lakeside Bank"},
                      FieldCase{"comma", "Smith, Jones & Co", "\"Smith, Jones & Co\""},
                      FieldCase{"quote", "The \"Best\" Rate", "\"The \"\"Best\"\" Rate\""},
                      FieldCase{"newline", "two\nlines", "\"two\nlines\""},
                      FieldCase{"carriage_return", "a\rb", "\"a\rb\""}, FieldCase{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A cell a spreadsheet would run as a formula arrives as text; the program's figures, negative
// ones too, stay numbers.
INSTANTIATE_TEST_SUITE_P(
    Formulas, CsvFieldTest,
    ::testing::Values(FieldCase{"equals", "=HYPERLINK(\"http://x.test\",\"Bank\")",
                                "\"'=HYPERLINK(\"\"http://x.test\"\",\"\"Bank\"\")\""},
                      FieldCase{"plus", "+1 555 0100", "\"'+1 555 0100\""},
                      FieldCase{"minus_sum", "-2+3+cmd|' /C calc'!A0",
                                "\"'-2+3+cmd|' /C calc'!A0\""},
                      FieldCase{"at", "@SUM(A1:A9)", "\"'@SUM(A1:A9)\""},
                      FieldCase{"tab", "\t=1+1", "\"'\t=1+1\""},
                      FieldCase{"carriage_return_first", "\r=1", "\"'\r=1\""},
                      FieldCase{"lone_minus", "-", "\"'-\""},
                      FieldCase{"minus_point", "-.5", "\"'-.5\""},
                      FieldCase{"negative_money", "-700.49", "-700.49"},
                      FieldCase{"negative_whole", "-12", "-12"},
                      FieldCase{"equals_inside", "Bank = best", "Bank = best"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvText, EndsEveryRecordWithCrLf) {
    EXPECT_EQ(CsvText({{"Name", "Cost"}, {"A, B", "12.50"}}), "Name,Cost\r\n\"A, B\",12.50\r\n");
}

TEST(CsvMoney, PointDecimalsWithoutGrouping) {
    EXPECT_EQ(CsvMoney(123456789), "1234567.89");
    EXPECT_EQ(CsvMoney(5), "0.05");
    EXPECT_EQ(CsvMoney(-70049), "-700.49");
    EXPECT_EQ(CsvMoney(0), "0.00");
    // The ends of the range, as a saturated sum reaches them.
    EXPECT_EQ(CsvMoney(INT64_MIN), "-92233720368547758.08");
    EXPECT_EQ(CsvMoney(INT64_MAX), "92233720368547758.07");
}

// Two 30-year loans of 108,000.00: 6.75 % with 3,500.00 of fees, and 6.25 % with 5,660.00
// (two points more). The lower rate starts dearer by its fees and overtakes later.
TEST(CostSeries, CrossingIsTheBreakEvenMonthOfTheComparison) {
    const AmortizationSchedule high = BuildSchedule(108000.0, 6.75, 360);
    const AmortizationSchedule low = BuildSchedule(108000.0, 6.25, 360);
    const std::vector<std::vector<Cents>> costs = {CumulativeCost(350000, high, {}, 360),
                                                   CumulativeCost(566000, low, {}, 360)};
    ASSERT_EQ(costs[0].size(), 361u);
    EXPECT_EQ(costs[0][0], 350000);
    EXPECT_EQ(costs[0][1], 350000 + 60750); // the first month's interest, 607.50
    EXPECT_EQ(costs[1][84], HorizonCost(low, 566000, 7));
    EXPECT_EQ(costs[0][360], 350000 + high.totalInterest);

    const std::vector<CostCrossing> crossings = CostCrossings(costs);
    ASSERT_EQ(crossings.size(), 1u);
    const auto breakEven = BreakEvenMonth(low, 566000, high, 350000);
    ASSERT_TRUE(breakEven.has_value());
    EXPECT_EQ(crossings[0].month, *breakEven);
    EXPECT_EQ(crossings[0].cost, costs[1][static_cast<std::size_t>(*breakEven)]);
    EXPECT_LT(costs[1][static_cast<std::size_t>(*breakEven)],
              costs[0][static_cast<std::size_t>(*breakEven)]);
    EXPECT_GE(costs[1][static_cast<std::size_t>(*breakEven) - 1],
              costs[0][static_cast<std::size_t>(*breakEven) - 1]);
}

// A 15-year loan beside a 30-year one: after its last payment the shorter loan's cost stays
// where it ended and its balance stays at zero, to the end of the longer term.
TEST(CostSeries, ShorterTermStaysFlatAfterItsEnd) {
    const AmortizationSchedule shortLoan = BuildSchedule(90000.0, 5.5, 180);
    const std::vector<Cents> cost = CumulativeCost(123400, shortLoan, {}, 360);
    const std::vector<Cents> balance = BalanceSeries(shortLoan, 360);
    ASSERT_EQ(cost.size(), 361u);
    EXPECT_EQ(balance[0], 9000000);
    EXPECT_EQ(balance[1], shortLoan.months[0].balance);
    EXPECT_EQ(cost[180], 123400 + shortLoan.totalInterest);
    EXPECT_EQ(cost[360], cost[180]);
    EXPECT_EQ(balance[360], 0);
    EXPECT_GT(balance[179], 0);
}

// The cheaper of two changes by a single cent, each way: the first offer falls behind at month 2
// and catches up again at month 4 (a tie in between changes nothing).
TEST(CostSeries, ACrossingByOneCentCountsEitherWay) {
    const std::vector<std::vector<Cents>> costs = {{500, 500, 501, 501, 502},
                                                   {500, 501, 500, 501, 503}};
    const auto crossings = CostCrossings(costs);
    ASSERT_EQ(crossings.size(), 2u);
    EXPECT_EQ(crossings[0].month, 2);
    EXPECT_EQ(crossings[0].cost, 500);
    EXPECT_EQ(crossings[1].month, 4);
    EXPECT_EQ(crossings[1].cost, 502);
}

} // namespace
} // namespace plumcrest
