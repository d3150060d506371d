#include "FinanceChargeRules.h"

#include <gtest/gtest.h>
#include <string>

namespace plumcrest {
namespace {

struct Line {
    const char* name;
    CostSection section;
    const char* label;
    bool financeCharge;
    const char* paragraph;
};

class FinanceChargeRow : public ::testing::TestWithParam<Line> {};

TEST_P(FinanceChargeRow, decides) {
    const Line& line = GetParam();
    const FinanceChargeRule& rule = FinanceChargeRuleOf(line.section, line.label);
    EXPECT_EQ(rule.financeCharge, line.financeCharge) << line.label;
    EXPECT_STREQ(rule.paragraph, line.paragraph) << line.label;
    EXPECT_EQ(DefaultFinanceCharge(line.section, line.label), line.financeCharge);
}

using S = CostSection;

// Each pair on either side of a rule's edge, as the regulator's forms word the lines.
INSTANTIATE_TEST_SUITE_P(
    Rules, FinanceChargeRow,
    ::testing::Values(
        Line{"points", S::A, ".25 % of Loan Amount (Points)", true, "1026.4(b)(3)"},
        Line{"application_fee_every_applicant_pays", S::A, "Application Fee", false,
             "1026.4(c)(1)"},
        Line{"underwriting", S::A, "Underwriting Fee", true, "1026.4(b)(3)"},
        Line{"a_lender_fee_no_rule_names", S::B, "Document Review Fee", true, "1026.4(a)"},
        Line{"flood_determination_before_closing", S::B, "Flood Determination Fee", false,
             "1026.4(c)(7)(iv)"},
        Line{"flood_monitoring_for_the_loans_life", S::B, "Flood Monitoring Fee", true,
             "1026.4(a)"},
        Line{"tax_status_research", S::B, "Tax Status Research Fee", false, "1026.4(c)(7)(i)"},
        Line{"tax_monitoring", S::B, "Tax Monitoring Fee", true, "1026.4(a)"},
        Line{"appraisal", S::B, "Appraisal Fee", false, "1026.4(c)(7)(iv)"},
        Line{"credit_report", S::B, "Credit Report Fee", false, "1026.4(c)(7)(iii)"},
        Line{"survey", S::C, "Survey Fee", false, "1026.4(c)(7)(i)"},
        Line{"pest_inspection", S::C, "Pest Inspection Fee", false, "1026.4(c)(7)(iv)"},
        Line{"settlement_agent", S::C, "Title \u2013 Settlement Agent Fee", false, "1026.4(a)(2)"},
        Line{"title_search", S::C, "Title \u2013 Title Search", false, "1026.4(c)(7)(i)"},
        Line{"recording", S::E, "Recording Fees and Other Taxes", false, "1026.4(e)"},
        Line{"prepaid_interest", S::F, "Prepaid Interest ($17.44 per day for 15 days @ 3.875%)",
             true, "1026.4(b)(1)"},
        Line{"homeowners_insurance", S::F, "Homeowner\u2019s Insurance Premium (6 months)", false,
             "1026.4(d)(2)"},
        Line{"mortgage_insurance_prepaid", S::F, "Mortgage Insurance Premium (1 months)", true,
             "1026.4(b)(5)"},
        Line{"mortgage_insurance_in_escrow", S::G, "Mortgage Insurance $82.35 per month for 2 mo.",
             true, "1026.4(b)(5)"},
        Line{"taxes_in_escrow", S::G, "Property Taxes $105.30 per month for 2 mo.", false,
             "1026.4(c)(7)(v)"},
        Line{"owners_title", S::H, "Title \u2013 Owner\u2019s Title Policy (optional)", false,
             "1026.4(a)"},
        Line{"home_warranty", S::H, "Home Warranty Fee", false, "1026.4(a)"},
        Line{"hoa_transfer", S::H, "HOA Transfer Fee", false, "1026.4(a)"},
        Line{"other_unnamed", S::H, "Moving allowance", false, "1026.4(a)"},
        Line{"es_points", S::A, "1 % del monto del pr\u00e9stamo (Puntos)", true, "1026.4(b)(3)"},
        Line{"es_application", S::A, "Cargo por la solicitud del pr\u00e9stamo", false,
             "1026.4(c)(1)"},
        Line{"es_flood_monitoring", S::B, "Cargo por control de zonas de inundaci\u00f3n", true,
             "1026.4(a)"},
        Line{"es_flood_determination", S::B,
             "Cargo por determinaci\u00f3n de zonas de inundaci\u00f3n", false, "1026.4(c)(7)(iv)"},
        Line{"es_settlement_agent", S::C,
             "T\u00edtulo \u2013 Honorarios del agente a cargo de la operaci\u00f3n de cierre",
             false, "1026.4(a)(2)"},
        Line{"es_courier", S::C, "T\u00cdTULO \u2013 TARIFA DE ENV\u00cdO", false, "1026.4(a)(2)"},
        Line{"es_prepaid_interest", S::F,
             "Pago anticipado de intereses ($23.44 diarios durante 15 d\u00edas)", true,
             "1026.4(b)(1)"},
        Line{"es_mortgage_insurance", S::F, "Prima del seguro de hipoteca (1 meses)", true,
             "1026.4(b)(5)"},
        Line{"es_home_insurance", S::F, "Prima del seguro de la vivienda (12 meses)", false,
             "1026.4(d)(2)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FinanceChargeRules, prepaid_interest_in_either_language_and_only_in_prepaids) {
    EXPECT_TRUE(IsPrepaidInterest({S::F, "Pago anticipado de intereses", 352, true}));
    EXPECT_TRUE(IsPrepaidInterest({S::F, "Prepaid Interest", 262, true}));
    EXPECT_FALSE(IsPrepaidInterest({S::H, "Prepaid Interest", 262, true}));
    EXPECT_FALSE(IsPrepaidInterest({S::F, "Property Taxes (6 months)", 632, false}));
}

} // namespace
} // namespace plumcrest
