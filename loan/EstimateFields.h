#pragma once
// The one description of a Loan Estimate's figures, as LoanFields.h is the calculator's: for each
// figure its key, where it lives in the record, its kind and so its limits, its caption and name
// in the offer editor, the form's label in English and in Spanish, its key in the reader's JSON,
// its column in the offers file and the schema step that brought that column. The offer editor,
// the store, the reader's JSON, the import review and Compare read this table; a figure is added
// here once. No Qt.

#include "LoanEstimate.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Marks a caption for lupdate without needing Qt here; the windows translate it in the context
// "EstimateFields".
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace plumcrest {

// SignedMoney: money that may be below zero (an adjustment the form adds with its sign).
enum class FigureKind { Money, Rate, Months, Date, Text, Choice, SignedMoney };

// What any figure of a kind may be: what the calculator's masks show (money to 99,999,999.99,
// rates to 999.9999) and the longest schedule the calculator's 999-year term gives.
struct FigureLimits {
    double low = 0;
    double high = 0;
    int decimals = 0;
};
inline constexpr double kMaxMoney = 99999999.99;
inline constexpr double kMaxRate = 999.9999;
inline constexpr std::int32_t kMaxMonths = 11988;
// Dates as days from 1970-01-01: 1900-01-01 to 9999-12-31.
inline constexpr double kFirstDay = -25567;
inline constexpr double kLastDay = 2932896;

constexpr FigureLimits LimitsOf(FigureKind kind) {
    switch (kind) {
    case FigureKind::Money:
        return {0, kMaxMoney, 2};
    case FigureKind::SignedMoney:
        return {-kMaxMoney, kMaxMoney, 2};
    case FigureKind::Rate:
        return {0, kMaxRate, 4};
    case FigureKind::Months:
        return {1, kMaxMonths, 0};
    case FigureKind::Date:
        return {kFirstDay, kLastDay, 0};
    case FigureKind::Text:
    case FigureKind::Choice:
        break;
    }
    return {};
}

// The editor's boxes, in the order they are laid out; CashToClose is the Calculating Cash to Close
// table below the totals.
enum class FieldGroup { Loan, Monthly, Disclosed, Adjustable, Credits, CashToClose };

// Where a figure lives in the record; exactly one member is set. An adjustable-rate figure lives
// in LoanEstimate::adjustable, which is either wholly absent (a fixed rate) or wholly given.
struct FigurePlace {
    double LoanEstimate::*number = nullptr;
    std::optional<double> LoanEstimate::*optional = nullptr;
    std::int32_t LoanEstimate::*months = nullptr;
    double AdjustableRate::*adjustable = nullptr;
    std::int32_t AdjustableRate::*adjustableMonths = nullptr;
    LoanType LoanEstimate::*loanType = nullptr;
    InsuranceEnd LoanEstimate::*insuranceEnd = nullptr;
    LoanPurpose LoanEstimate::*purpose = nullptr;
    std::optional<std::chrono::sys_days> LoanEstimate::*date = nullptr;
};

constexpr FigurePlace At(double LoanEstimate::*member) {
    FigurePlace place;
    place.number = member;
    return place;
}
constexpr FigurePlace At(std::optional<double> LoanEstimate::*member) {
    FigurePlace place;
    place.optional = member;
    return place;
}
constexpr FigurePlace At(std::int32_t LoanEstimate::*member) {
    FigurePlace place;
    place.months = member;
    return place;
}
constexpr FigurePlace At(double AdjustableRate::*member) {
    FigurePlace place;
    place.adjustable = member;
    return place;
}
constexpr FigurePlace At(std::int32_t AdjustableRate::*member) {
    FigurePlace place;
    place.adjustableMonths = member;
    return place;
}
constexpr FigurePlace At(LoanType LoanEstimate::*member) {
    FigurePlace place;
    place.loanType = member;
    return place;
}
constexpr FigurePlace At(LoanPurpose LoanEstimate::*member) {
    FigurePlace place;
    place.purpose = member;
    return place;
}
constexpr FigurePlace At(InsuranceEnd LoanEstimate::*member) {
    FigurePlace place;
    place.insuranceEnd = member;
    return place;
}
constexpr FigurePlace At(std::optional<std::chrono::sys_days> LoanEstimate::*member) {
    FigurePlace place;
    place.date = member;
    return place;
}

// One choice of a Choice figure: the word stored for it and its caption in the editor.
struct ChoiceName {
    const char* stored;
    const char* caption;
};

struct EstimateField {
    std::string_view key; // the figure's name in code and in tests
    FigureKind kind;
    FieldGroup group;
    FigurePlace place;
    bool positive;           // the lower limit itself is not allowed (a price of 0)
    bool optional;           // may be "not given"
    const char* caption;     // the editor's label, with its shortcut letter
    const char* name;        // the field's name in messages and to screen readers
    const char* formLabel;   // as the English form (H-24) prints it; "" when the form has none
    const char* formLabelEs; // as the Spanish form (H-28) prints it
    const char* json;        // key in the reader's JSON; "" when it reads none
    const char* column;      // in the offers table
    int schemaStep;          // the step (numbered from 1) that brought the column
    std::span<const ChoiceName> choices = {}; // a Choice figure's choices, in enum order

    // The limits of the figure's kind; a Months figure shown in years keeps months' limits.
    constexpr FigureLimits Limits() const { return LimitsOf(kind); }
    constexpr bool IsAdjustable() const {
        return place.adjustable != nullptr || place.adjustableMonths != nullptr;
    }
};

inline constexpr ChoiceName kLoanTypeChoices[] = {
    {"conventional", QT_TRANSLATE_NOOP("EstimateFields", "Conventional")},
    {"fha", QT_TRANSLATE_NOOP("EstimateFields", "FHA")},
    {"va", QT_TRANSLATE_NOOP("EstimateFields", "VA")},
    {"other", QT_TRANSLATE_NOOP("EstimateFields", "Other")},
    {"usda", QT_TRANSLATE_NOOP("EstimateFields", "USDA")},
};
// As the form's Purpose names them.
inline constexpr ChoiceName kPurposeChoices[] = {
    {"purchase", QT_TRANSLATE_NOOP("EstimateFields", "Purchase")},
    {"refinance", QT_TRANSLATE_NOOP("EstimateFields", "Refinance")},
    {"construction", QT_TRANSLATE_NOOP("EstimateFields", "Construction")},
    {"home_equity", QT_TRANSLATE_NOOP("EstimateFields", "Home equity loan")},
};
inline constexpr ChoiceName kInsuranceEndChoices[] = {
    {"none", QT_TRANSLATE_NOOP("EstimateFields", "None")},
    {"conventional", QT_TRANSLATE_NOOP("EstimateFields", "Conventional: at 78 % of the value")},
    {"fha", QT_TRANSLATE_NOOP("EstimateFields", "FHA: after 11 years, or the whole term")},
    {"usda", QT_TRANSLATE_NOOP("EstimateFields", "USDA annual fee: the whole term")},
};

namespace detail {
#define PLUMCREST_CAPTION(text) QT_TRANSLATE_NOOP("EstimateFields", text)
constexpr EstimateField Figure(std::string_view key, FigureKind kind, FieldGroup group,
                               FigurePlace place, bool positive, bool optional, const char* caption,
                               const char* name, const char* formLabel, const char* formLabelEs,
                               const char* json, const char* column, int schemaStep,
                               std::span<const ChoiceName> choices = {}) {
    return {key,  kind,      group,       place, positive, optional,   caption,
            name, formLabel, formLabelEs, json,  column,   schemaStep, choices};
}
} // namespace detail

// In the editor's order within each group. The term is kept in months and typed in years.
inline constexpr auto kEstimateFields = std::to_array<EstimateField>({
    detail::Figure("loanType", FigureKind::Choice, FieldGroup::Loan, At(&LoanEstimate::loanType),
                   false, false, PLUMCREST_CAPTION("Loan &type:"), PLUMCREST_CAPTION("Loan type"),
                   "Loan Type", "Tipo de préstamo", "loanType", "loan_type", 3, kLoanTypeChoices),
    detail::Figure("purpose", FigureKind::Choice, FieldGroup::Loan, At(&LoanEstimate::purpose),
                   false, false, PLUMCREST_CAPTION("Purpose:"), PLUMCREST_CAPTION("Purpose"),
                   "Purpose", "Finalidad", "purpose", "loan_purpose", 7, kPurposeChoices),
    detail::Figure("price", FigureKind::Money, FieldGroup::Loan, At(&LoanEstimate::price), true,
                   false, PLUMCREST_CAPTION("&Price:"), PLUMCREST_CAPTION("Price"), "Sale Price",
                   "Precio de venta", "salePrice", "price", 3),
    detail::Figure("loanAmount", FigureKind::Money, FieldGroup::Loan, At(&LoanEstimate::loanAmount),
                   true, false, PLUMCREST_CAPTION("Loan a&mount:"),
                   PLUMCREST_CAPTION("Loan amount"), "Loan Amount", "Monto del préstamo",
                   "loanAmount", "loan_amount", 3),
    detail::Figure("upfrontPremiumFinanced", FigureKind::Money, FieldGroup::Loan,
                   At(&LoanEstimate::upfrontPremiumFinanced), false, false,
                   PLUMCREST_CAPTION("&Upfront premium or funding fee financed:"),
                   PLUMCREST_CAPTION("Upfront premium or funding fee financed"), "", "", "",
                   "upfront_premium_financed", 5),
    detail::Figure("months", FigureKind::Months, FieldGroup::Loan, At(&LoanEstimate::months), false,
                   false, PLUMCREST_CAPTION("Term (&years):"), PLUMCREST_CAPTION("Term in years"),
                   "Loan Term", "Plazo del préstamo", "loanTermYears", "term_months", 3),
    detail::Figure("noteRate", FigureKind::Rate, FieldGroup::Loan, At(&LoanEstimate::noteRate),
                   false, false, PLUMCREST_CAPTION("Note &rate (%):"),
                   PLUMCREST_CAPTION("Note rate"), "Interest Rate", "Tasa de interés",
                   "interestRate", "note_rate", 3),
    // The Adjustable Payment table's "Interest Only Payments?": the first payments pay interest
    // alone. Not given: none, as for a loan without that table.
    detail::Figure("interestOnlyMonths", FigureKind::Months, FieldGroup::Loan,
                   At(&LoanEstimate::interestOnlyMonths), false, true,
                   PLUMCREST_CAPTION("Interest only for the first (months):"),
                   PLUMCREST_CAPTION("Months of interest-only payments"), "Interest Only Payments?",
                   "¿Pago de interés solamente?", "", "interest_only_months", 8),
    detail::Figure("insuranceEnd", FigureKind::Choice, FieldGroup::Monthly,
                   At(&LoanEstimate::insuranceEnd), false, false,
                   PLUMCREST_CAPTION("Mortgage insurance &ends:"),
                   PLUMCREST_CAPTION("Mortgage insurance ends"), "", "", "", "insurance_end", 3,
                   kInsuranceEndChoices),
    detail::Figure("insurancePercent", FigureKind::Rate, FieldGroup::Monthly,
                   At(&LoanEstimate::insurancePercent), false, false,
                   PLUMCREST_CAPTION("Mortgage insurance a year, % of the &loan:"),
                   PLUMCREST_CAPTION("Mortgage insurance rate"), "", "", "", "insurance_rate", 3),
    detail::Figure("propertyTaxYearly", FigureKind::Money, FieldGroup::Monthly,
                   At(&LoanEstimate::propertyTaxYearly), false, false,
                   PLUMCREST_CAPTION("Property ta&x a year:"),
                   PLUMCREST_CAPTION("Property tax a year"), "Property Taxes",
                   "Impuestos sobre la propiedad", "", "property_tax_yearly", 3),
    detail::Figure("homeInsuranceYearly", FigureKind::Money, FieldGroup::Monthly,
                   At(&LoanEstimate::homeInsuranceYearly), false, false,
                   PLUMCREST_CAPTION("Home&owner's insurance a year:"),
                   PLUMCREST_CAPTION("Homeowner's insurance a year"), "Homeowner's Insurance",
                   "Seguro de la vivienda", "", "home_insurance_yearly", 3),
    detail::Figure("hoaMonthly", FigureKind::Money, FieldGroup::Monthly,
                   At(&LoanEstimate::hoaMonthly), false, false,
                   PLUMCREST_CAPTION("HOA &dues a month:"), PLUMCREST_CAPTION("HOA dues a month"),
                   "", "", "", "hoa_monthly", 3),
    detail::Figure("disclosedApr", FigureKind::Rate, FieldGroup::Disclosed,
                   At(&LoanEstimate::disclosedApr), false, true, PLUMCREST_CAPTION("&APR (%):"),
                   PLUMCREST_CAPTION("APR the lender disclosed"), "Annual Percentage Rate (APR)",
                   "Tasa porcentual anual (APR)", "apr", "disclosed_apr", 2),
    detail::Figure("disclosedTip", FigureKind::Rate, FieldGroup::Disclosed,
                   At(&LoanEstimate::disclosedTip), false, true, PLUMCREST_CAPTION("T&IP (%):"),
                   PLUMCREST_CAPTION("Total Interest Percentage disclosed"),
                   "Total Interest Percentage (TIP)",
                   "Total de intereses pagados a lo largo del plazo del préstamo (TIP)", "tip",
                   "disclosed_tip", 3),
    detail::Figure("disclosedInFiveTotal", FigureKind::Money, FieldGroup::Disclosed,
                   At(&LoanEstimate::disclosedInFiveTotal), false, true,
                   PLUMCREST_CAPTION("In &5 Years, total paid:"),
                   PLUMCREST_CAPTION("In 5 Years, total paid, disclosed"), "In 5 Years",
                   "En 5 años", "in5YearsTotalPaid", "disclosed_in5_total", 3),
    detail::Figure("disclosedInFivePrincipal", FigureKind::Money, FieldGroup::Disclosed,
                   At(&LoanEstimate::disclosedInFivePrincipal), false, true,
                   PLUMCREST_CAPTION("In 5 Years, principal paid o&ff:"),
                   PLUMCREST_CAPTION("In 5 Years, principal paid off, disclosed"), "In 5 Years",
                   "En 5 años", "in5YearsPrincipal", "disclosed_in5_principal", 3),
    detail::Figure("disclosedInsuranceMonthly", FigureKind::Money, FieldGroup::Disclosed,
                   At(&LoanEstimate::disclosedInsuranceMonthly), false, true,
                   PLUMCREST_CAPTION("Mortgage insurance a month, year &1:"),
                   PLUMCREST_CAPTION("Mortgage insurance a month in year 1, disclosed"),
                   "Mortgage Insurance", "Seguro hipotecario", "", "disclosed_insurance_monthly",
                   5),
    detail::Figure("disclosedFinanceCharge", FigureKind::Money, FieldGroup::Disclosed,
                   At(&LoanEstimate::disclosedFinanceCharge), false, true,
                   PLUMCREST_CAPTION("Finance c&harge:"),
                   PLUMCREST_CAPTION("Finance charge disclosed"), "Finance Charge",
                   "Cargo financiero", "financeCharge", "disclosed_finance_charge", 5),
    detail::Figure("disclosedCashToClose", FigureKind::SignedMoney, FieldGroup::Disclosed,
                   At(&LoanEstimate::disclosedCashToClose), false, true,
                   PLUMCREST_CAPTION("Estimated ca&sh to close:"),
                   PLUMCREST_CAPTION("Estimated cash to close, disclosed"),
                   "Estimated Cash to Close", "Dinero en efectivo estimado para el cierre",
                   "cashToClose", "disclosed_cash_to_close", 5),
    detail::Figure("armInitialMonths", FigureKind::Months, FieldGroup::Adjustable,
                   At(&AdjustableRate::initialMonths), false, false,
                   PLUMCREST_CAPTION("Initial rate lasts (months):"),
                   PLUMCREST_CAPTION("Months of the initial rate"), "First Change", "Primer cambio",
                   "", "arm_initial_months", 4),
    detail::Figure("armIndex", FigureKind::Rate, FieldGroup::Adjustable,
                   At(&AdjustableRate::indexPercent), false, false,
                   PLUMCREST_CAPTION("Index today (%):"), PLUMCREST_CAPTION("Index"),
                   "Index + Margin", "Índice + Margen", "", "arm_index", 4),
    detail::Figure("armMargin", FigureKind::Rate, FieldGroup::Adjustable,
                   At(&AdjustableRate::marginPercent), false, false,
                   PLUMCREST_CAPTION("Margin (%):"), PLUMCREST_CAPTION("Margin"), "Index + Margin",
                   "Índice + Margen", "", "arm_margin", 4),
    detail::Figure("armMonthsBetween", FigureKind::Months, FieldGroup::Adjustable,
                   At(&AdjustableRate::monthsBetween), false, false,
                   PLUMCREST_CAPTION("Changes every (months):"),
                   PLUMCREST_CAPTION("Months between changes"), "Subsequent Changes",
                   "Cambios subsiguientes", "", "arm_months_between", 4),
    detail::Figure("armFirstCap", FigureKind::Rate, FieldGroup::Adjustable,
                   At(&AdjustableRate::firstCap), false, false,
                   PLUMCREST_CAPTION("First change at most (points):"),
                   PLUMCREST_CAPTION("First change cap"), "First Change", "Primer cambio", "",
                   "arm_first_cap", 4),
    detail::Figure("armLaterCap", FigureKind::Rate, FieldGroup::Adjustable,
                   At(&AdjustableRate::laterCap), false, false,
                   PLUMCREST_CAPTION("Each later change at most (points):"),
                   PLUMCREST_CAPTION("Later change cap"), "Subsequent Changes",
                   "Cambios subsiguientes", "", "arm_later_cap", 4),
    detail::Figure("armLifeCap", FigureKind::Rate, FieldGroup::Adjustable,
                   At(&AdjustableRate::lifeCap), false, false,
                   PLUMCREST_CAPTION("Over the life of the loan at most (points):"),
                   PLUMCREST_CAPTION("Lifetime cap"), "Minimum/Maximum Interest Rate",
                   "Tasa de interés mínima/máxima", "", "arm_life_cap", 4),
    detail::Figure("armFloor", FigureKind::Rate, FieldGroup::Adjustable, At(&AdjustableRate::floor),
                   false, false, PLUMCREST_CAPTION("Minimum rate (%):"),
                   PLUMCREST_CAPTION("Minimum rate"), "Minimum/Maximum Interest Rate",
                   "Tasa de interés mínima/máxima", "", "arm_floor", 4),
    detail::Figure(
        "lenderCredits", FigureKind::Money, FieldGroup::Credits, At(&LoanEstimate::lenderCredits),
        false, false, PLUMCREST_CAPTION("Lender &credits:"), PLUMCREST_CAPTION("Lender credits"),
        "Lender Credits", "Créditos del prestamista", "lenderCredits", "lender_credits", 3),
    // The Calculating Cash to Close table after its Total Closing Costs (J).
    detail::Figure("closingCostsFinanced", FigureKind::Money, FieldGroup::CashToClose,
                   At(&LoanEstimate::closingCostsFinanced), false, true,
                   PLUMCREST_CAPTION("Closing costs financed:"),
                   PLUMCREST_CAPTION("Closing costs financed"),
                   "Closing Costs Financed (Paid from your Loan Amount)",
                   "Costos de cierre financiados (pagados del monto del préstamo)", "",
                   "closing_costs_financed", 5),
    detail::Figure("downPaymentFunds", FigureKind::Money, FieldGroup::CashToClose,
                   At(&LoanEstimate::downPaymentFunds), false, true,
                   PLUMCREST_CAPTION("Down payment or funds from you:"),
                   PLUMCREST_CAPTION("Down payment or funds from the borrower"),
                   "Down Payment/Funds from Borrower", "Pago inicial/Fondos del deudor", "",
                   "down_payment_funds", 5),
    detail::Figure("deposit", FigureKind::Money, FieldGroup::CashToClose,
                   At(&LoanEstimate::deposit), false, true, PLUMCREST_CAPTION("Deposit:"),
                   PLUMCREST_CAPTION("Deposit"), "Deposit", "Depósito", "", "deposit", 5),
    detail::Figure("fundsForBorrower", FigureKind::Money, FieldGroup::CashToClose,
                   At(&LoanEstimate::fundsForBorrower), false, true,
                   PLUMCREST_CAPTION("Funds for you:"), PLUMCREST_CAPTION("Funds for the borrower"),
                   "Funds for Borrower", "Fondos para el deudor", "", "funds_for_borrower", 5),
    detail::Figure("sellerCredits", FigureKind::Money, FieldGroup::CashToClose,
                   At(&LoanEstimate::sellerCredits), false, true,
                   PLUMCREST_CAPTION("Seller credits:"), PLUMCREST_CAPTION("Seller credits"),
                   "Seller Credits", "Créditos del vendedor", "", "seller_credits", 5),
    detail::Figure("adjustmentsCredits", FigureKind::SignedMoney, FieldGroup::CashToClose,
                   At(&LoanEstimate::adjustmentsCredits), false, true,
                   PLUMCREST_CAPTION("Adjustments and other credits (a credit below 0):"),
                   PLUMCREST_CAPTION("Adjustments and other credits"),
                   "Adjustments and Other Credits", "Ajustes y otros créditos", "",
                   "adjustments_credits", 5),
    detail::Figure("rateLockUntil", FigureKind::Date, FieldGroup::Loan,
                   At(&LoanEstimate::rateLockUntil), false, true,
                   PLUMCREST_CAPTION("Rate loc&ked until:"), PLUMCREST_CAPTION("Rate locked until"),
                   "Rate Lock", "Bloqueo de tasa", "rateLockUntil", "rate_lock_until", 6),
    detail::Figure("closingCostsExpire", FigureKind::Date, FieldGroup::Loan,
                   At(&LoanEstimate::closingCostsExpire), false, true,
                   PLUMCREST_CAPTION("Closing costs expire:"),
                   PLUMCREST_CAPTION("Estimated closing costs expire"), "Rate Lock",
                   "Bloqueo de tasa", "closingCostsExpire", "closing_costs_expire", 6),
    // What the same lender offers at other rates: points paid for a lower one, a credit taken
    // for a higher one. Not on the form; asked of the lender.
    detail::Figure("pointsOptionPoints", FigureKind::Rate, FieldGroup::Credits,
                   At(&LoanEstimate::pointsOptionPoints), true, true,
                   PLUMCREST_CAPTION("Or pay points (% of the loan):"),
                   PLUMCREST_CAPTION("Points for a lower rate"), "", "", "", "points_option_points",
                   7),
    detail::Figure("pointsOptionRate", FigureKind::Rate, FieldGroup::Credits,
                   At(&LoanEstimate::pointsOptionRate), false, true,
                   PLUMCREST_CAPTION("Rate with those points (%):"),
                   PLUMCREST_CAPTION("Rate with points"), "", "", "", "points_option_rate", 7),
    detail::Figure("creditOptionAmount", FigureKind::Money, FieldGroup::Credits,
                   At(&LoanEstimate::creditOptionAmount), true, true,
                   PLUMCREST_CAPTION("Or take a lender credit of:"),
                   PLUMCREST_CAPTION("Lender credit for a higher rate"), "", "", "",
                   "credit_option_amount", 7),
    detail::Figure("creditOptionRate", FigureKind::Rate, FieldGroup::Credits,
                   At(&LoanEstimate::creditOptionRate), false, true,
                   PLUMCREST_CAPTION("Rate with that credit (%):"),
                   PLUMCREST_CAPTION("Rate with the credit"), "", "", "", "credit_option_rate", 7),
});
#undef PLUMCREST_CAPTION

// The row of `key`; nullptr when there is none.
const EstimateField* FindEstimateField(std::string_view key);
// The row of `key`, which must exist (for code naming a figure it knows).
const EstimateField& EstimateFieldOf(std::string_view key);

// A figure of the record as a number: money and rates as they are, months as months, a choice as
// its index. Nothing for an optional figure not given, or an adjustable one of a fixed rate.
std::optional<double> FigureValue(const EstimateField& field, const LoanEstimate& estimate);
// Sets it; an adjustable figure makes the rate adjustable. A choice out of range and an optional
// value on a figure that must be given are ignored.
void SetFigureValue(const EstimateField& field, LoanEstimate& estimate,
                    std::optional<double> value);
// Whether `value` is one the figure may hold: within its kind's limits, whole for months and
// choices. (That a price be above zero, or have at most two decimals, is for typed entries.)
bool FigureAllows(const EstimateField& field, double value);

// The stored word of a choice and back.
const char* ChoiceStored(const EstimateField& field, int index);
std::optional<int> ChoiceOfStored(const EstimateField& field, std::string_view stored);

} // namespace plumcrest

namespace plumcrest {

// What the form prints that the record does not keep, or keeps only through another figure:
// each with the form's label in English and in Spanish and its key in the reader's JSON.
struct FormOnlyLabel {
    std::string_view key;
    const char* formLabel;
    const char* formLabelEs;
    const char* json;
};

inline constexpr FormOnlyLabel kFormOnlyLabels[] = {
    {"dateIssued", "Date Issued", "Fecha de emisión", "dateIssued"},
    {"propertyValue", "Est. Prop. Value", "Valor estimado de la propiedad",
     "estimatedPropertyValue"},
    {"product", "Product", "Producto", "product"},
    {"rateLock", "Rate Lock", "Bloqueo de tasa", "rateLocked"},
    {"monthlyPrincipalInterest", "Monthly Principal & Interest",
     "Pago mensual de intereses y capital", "monthlyPrincipalInterest"},
    {"balloonPayment", "Balloon Payment", "Cuota extraordinaria", "balloonPayment"},
    {"prepaymentPenalty", "Prepayment Penalty", "Multa por pago anticipado", "prepaymentPenalty"},
    {"cashToClose", "Estimated Cash to Close", "Dinero en efectivo estimado para el cierre",
     "cashToClose"},
    {"lender", "Lender", "Prestamista", "lender"},
    {"initialRate", "Initial Interest Rate", "Tasa de interés inicial", "initialRate"},
};

} // namespace plumcrest
