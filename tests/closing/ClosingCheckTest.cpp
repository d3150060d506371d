// The check of a Closing Disclosure against its Loan Estimate, on hand-worked readings: each rule
// tried on both sides of its line (a zero-tolerance fee up by a dollar, the 10 % group at exactly
// 110 % and a cent above, a line moved from C to B and renamed, the APR up by exactly 1/8 and a
// little more, a form received on the third business day and on the second, with a Sunday and a
// federal holiday between).

#include "ClosingCheck.h"

#include "BusinessDays.h"

#include <gtest/gtest.h>

namespace plumcrest::closing {
namespace {

using reader::ClosingLine;
using reader::ClosingReading;
using reader::EstimateReading;

Day D(const char* iso) {
    return *ParseIsoDay(iso);
}

// A Loan Estimate whose every line differs from the others.
EstimateReading Estimate() {
    EstimateReading e;
    e.loanAmount.value = 250000;
    e.interestRate.value = 6.25;
    e.loanTermYears.value = 30;
    e.product.value = "Fixed Rate";
    e.loanType.value = "Conventional";
    e.apr.value = 6.5;
    e.lenderCredits.value = -500;
    const auto add = [&](CostSection s, const char* label, double amount) {
        e.Section(s).lines.push_back({label, amount, {}});
    };
    add(CostSection::A, "Origination Fee", 1100);
    add(CostSection::A, "Application Fee", 250);
    add(CostSection::B, "Appraisal Fee", 475);
    add(CostSection::B, "Credit Report Fee", 35);
    add(CostSection::C, "Pest Inspection Fee", 140);
    add(CostSection::C, "Survey Fee", 380);
    add(CostSection::C, "Title \u2013 Lender's Title Policy", 910);
    add(CostSection::E, "Recording Fees", 120);
    add(CostSection::E, "Transfer Taxes", 640);
    add(CostSection::F, "Prepaid Interest ( $42.81 per day for 7 days @ 6.25%)", 299.67);
    add(CostSection::H, "Home Warranty", 450);
    return e;
}

ClosingLine Line(const char* label, double amount) {
    ClosingLine line;
    line.label = label;
    line.borrowerAtClosing = amount;
    return line;
}

// Its Closing Disclosure with nothing changed: pest inspection and survey from the lender's list
// (so in B), the rest where the estimate had it.
ClosingReading Closing() {
    ClosingReading c;
    c.loanAmount.value = 250000;
    c.interestRate.value = 6.25;
    c.loanTermYears.value = 30;
    c.monthlyPrincipalInterest.value = 1539.29;
    c.product.value = "Fixed Rate";
    c.loanType.value = "Conventional";
    c.lenderCredits.value = -500;
    c.cureGiven.value = 0;
    c.dateIssued.value = "2026-11-30";
    c.closingDate.value = "2026-12-03";
    reader::ProjectedColumn column;
    column.years = "1-30";
    column.principalInterest.value = 1539.29;
    column.mortgageInsurance.value = 0;
    column.escrow.value = 300;
    column.total.value = 1839.29;
    c.projectedPayments = {column};
    c.Section(CostSection::A) = {Line("Origination Fee", 1100), Line("Application Fee", 250)};
    c.Section(CostSection::B) = {Line("Appraisal Fee", 475), Line("Credit Report Fee", 35),
                                 Line("Pest Inspection Fee", 140), Line("Survey Fee", 380)};
    c.Section(CostSection::C) = {Line("Title \u2013 Lender's Title Policy", 910)};
    c.Section(CostSection::E) = {Line("Recording Fees", 120), Line("Transfer Taxes", 640)};
    c.Section(CostSection::F) = {
        Line("Prepaid Interest ( $42.81 per day from 11/24/26 to 12/1/26 )", 299.67)};
    c.Section(CostSection::H) = {Line("Home Warranty", 450)};
    c.loanCalculations.apr.value = 6.5;
    return c;
}

const LinePair& PairOf(const ClosingCheck& check, std::string_view label) {
    for (const LinePair& pair : check.lines)
        if (pair.label == label)
            return pair;
    throw std::runtime_error("no line " + std::string(label));
}

TEST(ClosingCheck, unchanged_costs_owe_nothing_and_every_line_pairs) {
    const ClosingCheck check = CheckClosingDisclosure(Estimate(), Closing());
    EXPECT_EQ(check.cureOwed, 0);
    EXPECT_EQ(check.cureStillOwed, 0);
    // Eleven lines and the lender credits, none left without its partner.
    ASSERT_EQ(check.lines.size(), 12u);
    for (const LinePair& pair : check.lines) {
        EXPECT_TRUE(pair.estimate && pair.closing) << pair.label;
        EXPECT_EQ(pair.Change(), 0) << pair.label;
    }
    EXPECT_EQ(PairOf(check, "Survey Fee").category, Tolerance::TenPercent);
    EXPECT_TRUE(PairOf(check, "Survey Fee").moved);
    EXPECT_EQ(PairOf(check, "Title \u2013 Lender's Title Policy").category, Tolerance::NoLimit);
    EXPECT_EQ(PairOf(check, "Transfer Taxes").category, Tolerance::Zero);
    EXPECT_EQ(PairOf(check, "Home Warranty").category, Tolerance::NoLimit);
    // 120 + 140 + 380 on both forms.
    EXPECT_EQ(check.tenPercentGroup.loanEstimate, 64000);
    EXPECT_EQ(check.tenPercentGroup.limit, 70400);
}

TEST(ClosingCheck, zero_tolerance_fee_up_a_dollar_is_owed_and_a_fall_elsewhere_does_not_offset) {
    ClosingReading closing = Closing();
    closing.Section(CostSection::A)[0].borrowerAtClosing = 1101; // origination fee
    closing.Section(CostSection::B)[0].borrowerAtClosing = 425;  // appraisal, 50 less
    const ClosingCheck check = CheckClosingDisclosure(Estimate(), closing);
    EXPECT_EQ(PairOf(check, "Origination Fee").category, Tolerance::Zero);
    EXPECT_STREQ(PairOf(check, "Origination Fee").paragraph, "1026.19(e)(3)(i)");
    EXPECT_EQ(check.zeroToleranceExcess, 100);
    EXPECT_EQ(check.cureOwed, 100);

    closing.Section(CostSection::A)[0].borrowerAtClosing = 1100;
    EXPECT_EQ(CheckClosingDisclosure(Estimate(), closing).cureOwed, 0);
}

TEST(ClosingCheck, ten_percent_group_at_exactly_110_percent_owes_nothing_a_cent_above_owes_it) {
    ClosingReading closing = Closing();
    // The group: recording 120, pest 140, survey 380 = 640.00; 110 % is 704.00.
    closing.Section(CostSection::E)[0].borrowerAtClosing = 184.00;
    ClosingCheck check = CheckClosingDisclosure(Estimate(), closing);
    EXPECT_EQ(check.tenPercentGroup.closingDisclosure, 70400);
    EXPECT_EQ(check.tenPercentGroup.excess, 0);
    EXPECT_EQ(check.cureOwed, 0);

    closing.Section(CostSection::E)[0].borrowerAtClosing = 184.01;
    check = CheckClosingDisclosure(Estimate(), closing);
    EXPECT_EQ(check.tenPercentGroup.excess, 1);
    EXPECT_EQ(check.cureOwed, 1);
    // The title policy was shopped for off the list: no limit, however far it rose.
    closing.Section(CostSection::C)[0].borrowerAtClosing = 1910;
    EXPECT_EQ(CheckClosingDisclosure(Estimate(), closing).cureOwed, 1);
}

TEST(ClosingCheck, moved_and_renamed_line_pairs_and_new_charges_take_their_sections_rule) {
    ClosingReading closing = Closing();
    closing.Section(CostSection::B)[2].label = "Pest Inspection";
    closing.Section(CostSection::B).push_back(Line("Flood Certification", 20));
    closing.Section(CostSection::C).push_back(Line("Courier Fee", 40));
    const ClosingCheck check = CheckClosingDisclosure(Estimate(), closing);
    const LinePair& pest = PairOf(check, "Pest Inspection");
    EXPECT_EQ(pest.estimateLabel, "Pest Inspection Fee");
    EXPECT_TRUE(pest.moved);
    EXPECT_TRUE(pest.renamed);
    EXPECT_EQ(pest.category, Tolerance::TenPercent);
    EXPECT_FALSE(PairOf(check, "Flood Certification").estimate);
    EXPECT_EQ(PairOf(check, "Flood Certification").category, Tolerance::Zero);
    EXPECT_EQ(PairOf(check, "Courier Fee").category, Tolerance::NoLimit);
    // The new charge the buyer could not shop for is owed whole; the courier they chose is not.
    EXPECT_EQ(check.cureOwed, 2000);
}

TEST(ClosingCheck, buyer_choices_change_a_pairing_and_a_category) {
    ClosingReading closing = Closing();
    closing.Section(CostSection::C)[0].borrowerAtClosing = 1110; // title policy, 200 more
    CheckChoices choices;
    // The title company was on the lender's list after all: the 10 % group, 640 + 910.
    choices.categories.push_back({{"C", 0}, Tolerance::TenPercent});
    ClosingCheck check = CheckClosingDisclosure(Estimate(), closing, choices);
    EXPECT_EQ(PairOf(check, "Title \u2013 Lender's Title Policy").category, Tolerance::TenPercent);
    EXPECT_EQ(check.tenPercentGroup.loanEstimate, 155000);
    EXPECT_EQ(check.cureOwed, 4500); // 1,750 less 1,705
    // The buyer undoes the pairing of the credit report: a new charge beside a line gone.
    choices = {};
    choices.pairings.push_back({{"B", 1}, std::nullopt});
    check = CheckClosingDisclosure(Estimate(), Closing(), choices);
    EXPECT_EQ(check.cureOwed, 3500);
}

TEST(ClosingCheck, lender_credits_that_fall_are_owed_less_the_cure_given) {
    ClosingReading closing = Closing();
    closing.Section(CostSection::A)[0].borrowerAtClosing = 1300; // 200 more
    closing.lenderCredits.value = -700;                          // 200 of it the cure
    closing.cureGiven.value = 200;
    ClosingCheck check = CheckClosingDisclosure(Estimate(), closing);
    EXPECT_EQ(check.cureOwed, 20000);
    EXPECT_EQ(check.cureGiven, 20000);
    EXPECT_EQ(check.cureStillOwed, 0);
    // The same cure taken out of the credits the estimate promised: they fell by 200 too.
    closing.lenderCredits.value = -500;
    check = CheckClosingDisclosure(Estimate(), closing);
    EXPECT_EQ(check.cureOwed, 40000);
    EXPECT_EQ(check.cureStillOwed, 20000);
}

TEST(ClosingCheck, apr_up_by_exactly_an_eighth_needs_no_new_wait_a_little_more_does) {
    ClosingReading closing = Closing();
    closing.loanCalculations.apr.value = 6.625;
    ClosingCheck check = CheckClosingDisclosure(Estimate(), closing);
    EXPECT_DOUBLE_EQ(check.aprTolerance, 0.125);
    EXPECT_FALSE(check.newWaitingPeriod);
    closing.loanCalculations.apr.value = 6.626;
    check = CheckClosingDisclosure(Estimate(), closing);
    EXPECT_TRUE(check.newWaitingPeriod);
    ASSERT_EQ(check.waitReasons.size(), 1u);
    EXPECT_EQ(check.waitReasons.front(), WaitReason::AprRose);
    closing.loanCalculations.apr.value = 5.5; // a fall never needs one
    EXPECT_FALSE(CheckClosingDisclosure(Estimate(), closing).newWaitingPeriod);
}

TEST(ClosingCheck, product_changed_or_penalty_added_needs_a_new_wait) {
    ClosingReading closing = Closing();
    closing.product.value = "Tasa fija"; // the same product, in Spanish
    EXPECT_FALSE(CheckClosingDisclosure(Estimate(), closing).newWaitingPeriod);
    closing.product.value = "5/1 Adjustable Rate";
    ClosingCheck check = CheckClosingDisclosure(Estimate(), closing);
    ASSERT_EQ(check.waitReasons.size(), 1u);
    EXPECT_EQ(check.waitReasons.front(), WaitReason::ProductChanged);

    closing = Closing();
    closing.prepaymentPenalty.value = true;
    CheckChoices choices;
    EXPECT_FALSE(CheckClosingDisclosure(Estimate(), closing, choices).newWaitingPeriod);
    choices.estimatePrepaymentPenalty = false;
    check = CheckClosingDisclosure(Estimate(), closing, choices);
    ASSERT_EQ(check.waitReasons.size(), 1u);
    EXPECT_EQ(check.waitReasons.front(), WaitReason::PrepaymentPenaltyAdded);
    // The Loan Estimate's own "NO" decides without the buyer; its "YES" lets a penalty stay.
    EstimateReading estimate = Estimate();
    estimate.prepaymentPenalty.value = false;
    EXPECT_TRUE(CheckClosingDisclosure(estimate, closing).newWaitingPeriod);
    estimate.prepaymentPenalty.value = true;
    EXPECT_FALSE(CheckClosingDisclosure(estimate, closing, choices).newWaitingPeriod);
}

// The product named in the other language, its words in another order, is the same product;
// another period or adjustment is not.
TEST(ClosingCheck, a_product_is_the_same_in_either_language_and_another_period_is_not) {
    EstimateReading estimate = Estimate();
    estimate.product.value = "5 Year Interest Only, 5/3 Adjustable Rate";
    ClosingReading closing = Closing();
    closing.product.value = "Por 5 a\u00f1os pago de intereses solamente, 5/3 tasa ajustable";
    EXPECT_FALSE(CheckClosingDisclosure(estimate, closing).newWaitingPeriod);
    closing.product.value = "5/3 Adjustable Rate, 5 Year Interest Only";
    EXPECT_FALSE(CheckClosingDisclosure(estimate, closing).newWaitingPeriod);
    for (const char* other :
         {"7 Year Interest Only, 5/3 Adjustable Rate", "5 Year Interest Only, 5/1 Adjustable Rate",
          "5/3 Adjustable Rate", "Por 5 a\u00f1os pago de intereses solamente, tasa fija"}) {
        closing.product.value = other;
        const ClosingCheck check = CheckClosingDisclosure(estimate, closing);
        ASSERT_EQ(check.waitReasons.size(), 1u) << other;
        EXPECT_EQ(check.waitReasons.front(), WaitReason::ProductChanged) << other;
    }
}

struct TimingRow {
    const char* name;
    const char* received;
    const char* closing;
    int businessDays;
    bool inTime;
};

class Timing : public ::testing::TestWithParam<TimingRow> {};

TEST_P(Timing, counts_business_days_from_receipt_to_closing) {
    ClosingReading closing = Closing();
    closing.closingDate.value = GetParam().closing;
    CheckChoices choices;
    choices.received = D(GetParam().received);
    const ClosingCheck check = CheckClosingDisclosure(Estimate(), closing, choices);
    EXPECT_EQ(check.timing.businessDaysBeforeClosing, GetParam().businessDays);
    EXPECT_EQ(check.timing.receivedInTime, GetParam().inTime);
}

INSTANTIATE_TEST_SUITE_P(
    ClosingCheck, Timing,
    ::testing::Values(
        // Monday for Thursday: Tuesday, Wednesday, Thursday.
        TimingRow{"third_business_day", "2026-11-30", "2026-12-03", 3, true},
        TimingRow{"second_business_day", "2026-12-01", "2026-12-03", 2, false},
        // Friday for Tuesday: Saturday counts, Sunday does not.
        TimingRow{"sunday_between_in_time", "2026-12-04", "2026-12-08", 3, true},
        TimingRow{"sunday_between_late", "2026-12-05", "2026-12-08", 2, false},
        // Tuesday for Saturday across Thanksgiving (November 26).
        TimingRow{"holiday_between_in_time", "2026-11-24", "2026-11-28", 3, true},
        TimingRow{"holiday_between_late", "2026-11-25", "2026-11-28", 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClosingCheck, received_is_the_date_issued_unless_said_and_mailed_adds_three_business_days) {
    ClosingReading closing = Closing(); // issued Monday 11/30, closing Thursday 12/3
    ClosingCheck check = CheckClosingDisclosure(Estimate(), closing);
    EXPECT_TRUE(check.timing.receivedAssumed);
    EXPECT_EQ(check.timing.received, D("2026-11-30"));
    EXPECT_EQ(check.timing.receivedInTime, true);
    CheckChoices choices;
    choices.mailed = true;
    check = CheckClosingDisclosure(Estimate(), closing, choices);
    EXPECT_EQ(check.timing.received, D("2026-12-03"));
    EXPECT_EQ(check.timing.earliestClosing, D("2026-12-07")); // Friday, Saturday, Monday
    EXPECT_EQ(check.timing.receivedInTime, false);
}

TEST(BusinessDays, legal_public_holidays_on_their_own_dates) {
    for (const char* holiday :
         {"2027-01-01", "2026-01-19", "2026-02-16", "2026-05-25", "2021-06-19", "2026-07-04",
          "2026-09-07", "2026-10-12", "2026-11-11", "2026-11-26", "2026-12-25"})
        EXPECT_FALSE(IsBusinessDay(D(holiday))) << holiday;
    // A holiday on a Saturday leaves the Friday before a business day; Juneteenth from 2021;
    // Saturdays are business days, Sundays are not.
    for (const char* day : {"2026-07-03", "2020-06-19", "2026-11-27", "2026-12-05"})
        EXPECT_TRUE(IsBusinessDay(D(day))) << day;
    EXPECT_FALSE(IsBusinessDay(D("2026-12-06")));
    EXPECT_FALSE(ParseIsoDay("2026-02-29"));
    EXPECT_EQ(IsoText(D("2028-02-29")), "2028-02-29");
}

// A day typed for --received or kept with a check is a date written YYYY-MM-DD that exists, or
// none: never another day than the one meant. Days across the calendar's centuries and 400-year
// eras keep their weekdays (2000-03-01 a Wednesday, 2100-03-01 a Monday, 1900-03-01 a Thursday).
TEST(BusinessDays, a_day_is_read_as_written_or_not_at_all) {
    for (const char* wrong : {"2026/11/25", "2026-11-255", "2026-11-2", "2026-02-30", "2026-04-31",
                              "2026-13-01", "2026-00-10", "2026-11-00", "1899-12-31", "2026-1a-05"})
        EXPECT_FALSE(ParseIsoDay(wrong)) << wrong;
    for (const char* right : {"2000-02-29", "2000-03-01", "2100-03-01", "1900-03-01", "2026-11-25",
                              "2399-12-31", "2400-02-29"})
        EXPECT_EQ(IsoText(D(right)), right);
    EXPECT_EQ(Weekday(D("2000-03-01")), 3);
    EXPECT_EQ(Weekday(D("2100-03-01")), 1);
    EXPECT_EQ(Weekday(D("1900-03-01")), 4);
    EXPECT_EQ(D("2000-03-01").number - D("2000-02-28").number, 2);
    EXPECT_EQ(D("2100-03-01").number - D("2100-02-28").number, 1);
}

TEST(ClosingCheck, finance_charge_understated_by_a_hundred_is_accurate_by_a_cent_more_is_not) {
    ClosingReading closing = Closing();
    const ClosingCheck first = CheckClosingDisclosure(Estimate(), closing);
    const auto computed = [&](std::string_view name) {
        for (const CalculationCheck& calculation : first.loanCalculations)
            if (calculation.name == name)
                return *calculation.computed;
        throw std::runtime_error("no calculation");
    };
    const auto ok = [&](std::string_view name) {
        for (const CalculationCheck& calculation :
             CheckClosingDisclosure(Estimate(), closing).loanCalculations)
            if (calculation.name == name)
                return calculation.ok;
        return std::optional<bool>();
    };
    const double charge = computed("financeCharge");
    // The loan's own figures: interest over 360 payments of 1,539.29 and the prepaid charges.
    EXPECT_GT(charge, 300000);
    closing.loanCalculations.financeCharge.value = charge - 100.00;
    EXPECT_EQ(ok("financeCharge"), true);
    closing.loanCalculations.financeCharge.value = charge - 100.01;
    EXPECT_EQ(ok("financeCharge"), false);
    closing.loanCalculations.financeCharge.value = charge + 500;
    EXPECT_EQ(ok("financeCharge"), true);
    const double financed = computed("amountFinanced");
    closing.loanCalculations.amountFinanced.value = financed + 100.01;
    EXPECT_EQ(ok("amountFinanced"), false);
    closing.loanCalculations.amountFinanced.value = financed - 40;
    EXPECT_EQ(ok("amountFinanced"), true);
}

} // namespace
} // namespace plumcrest::closing
