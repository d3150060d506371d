// The plan of extra payments as the comparison keeps it, and the pieces the command line reads:
// what is written reads back the same, and text this program never writes is refused.
#include "WhatIf.h"

#include <gtest/gtest.h>

namespace plumcrest {
namespace {

TEST(ExtraPlanText, every_part_reads_back_as_it_was_kept) {
    ExtraPayments plan;
    plan.monthly = 12345;
    plan.monthlyFrom = 13;
    plan.once = {{24, 500000}, {7, 99}, {24, 1}};
    plan.yearly = 250075;
    plan.yearlyMonth = 11;
    plan.biweekly = true;
    const std::string text = ExtraPlanText(plan);
    EXPECT_EQ(text, "monthly=123.45@13;once=24:5000.00,7:0.99,24:0.01;yearly=11:2500.75;biweekly");
    EXPECT_EQ(ParseExtraPlan(text), std::optional<ExtraPayments>(plan));
    EXPECT_EQ(ParseExtraPlan(""), std::optional<ExtraPayments>(ExtraPayments{}));
}

TEST(ExtraPlanText, text_it_never_writes_is_refused) {
    for (const char* text :
         {"monthly=1.005@1", "monthly=100", "once=0:5.00", "once=12:-5", "yearly=13:1.00",
          "biweekly=1", "weekly", "monthly=1@1;;", "once=12:1e5", "monthly=99999999999@1"})
        EXPECT_FALSE(ParseExtraPlan(text)) << text;
}

TEST(CommandLinePieces, an_adjustable_rate_reads_in_its_order) {
    const auto rate = ParseAdjustable("60:4.0:2.75:2:1.5:5:2.875:12");
    ASSERT_TRUE(rate);
    EXPECT_EQ(*rate, (AdjustableRate{60, 4.0, 2.75, 2, 1.5, 5, 2.875, 12}));
    EXPECT_EQ(AdjustableText(*rate), "60:4:2.75:2:1.5:5:2.875:12");
    EXPECT_FALSE(ParseAdjustable("60:4.0:2.75:2:1.5:5:2.875:0"));
    EXPECT_FALSE(ParseAdjustable("0:4.0:2.75:2:1.5:5:2.875:12"));
    EXPECT_FALSE(ParseAdjustable("60:4.00001:2.75:2:1.5:5:2.875:12"));
    EXPECT_EQ(ParseMonthlyExtra("250.5@13", 360), (std::pair<Cents, std::int32_t>{25050, 13}));
    EXPECT_FALSE(ParseMonthlyExtra("250.5@361", 360));
    EXPECT_EQ(ParseMonthAmount("12:5000", 360), (std::pair<std::int32_t, Cents>{12, 500000}));
}

} // namespace
} // namespace plumcrest
