#pragma once
// The loan's records and the one description of its eighteen fields: what each is called, saved
// under, defaults to, shows its value through, says on its label and where its help is. Loading,
// saving, Reset, the calculator page, its tab order and menus and the tests all read this table;
// only the pixel places and the widgets live with the window. No Qt.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Marks a caption for translation without needing Qt here; the window translates it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace plumcrest {

struct LoanInputs {
    double PurchasePrice = 0;
    double DownPaymentPercent = 0;
    double Term = 0;     // years
    double Interest = 0; // annual percentage
    double OriginationFees = 0;
    double Points = 0;
    double PrepaidInterest = 0;
    double MIP = 0;
    double Buydown = 0;
    double FloodCheck = 0;
    double TaxService = 0;
    double Other1 = 0;
    double Other2 = 0;
};

struct LoanResults {
    double DownPayment = 0;
    double Loan = 0;
    double Payment = 0; // unrounded
    double FixedFees = 0;
    double APR = 0; // percent
    double AmountFinanced = 0;
    std::int32_t Months = 0;
    std::int32_t WholeYears = 0;
};

enum class MaskKind { Money, Rate, Years };

// The mask text each kind of field shows its value through.
constexpr std::u32string_view MaskText(MaskKind kind) {
    switch (kind) {
    case MaskKind::Money:
        return U"##,###,###.##";
    case MaskKind::Rate:
        return U"###.####";
    case MaskKind::Years:
        return U"###";
    }
    return U"";
}

// One row per field of the calculator page. An input has `member` (and `defaultValue`); a result
// has `result` instead. `key` is the saved-values key of an input and the record member's name of
// both. `caption` is the label's text as shown (one "&").
struct LoanField {
    const char* key;
    double LoanInputs::*member;
    double defaultValue;
    const char* fieldName;
    MaskKind mask;
    double LoanResults::*result;
    const char* labelName;
    const char* caption;
    const char* helpTopic; // page of the help file that explains the field

    constexpr bool IsInput() const { return member != nullptr; }
};

// The loan inputs are the rows that have a LoanInputs member.
using LoanInputField = LoanField;

namespace detail {
constexpr LoanField Input(const char* key, double LoanInputs::*member, double defaultValue,
                          const char* fieldName, MaskKind mask, const char* labelName,
                          const char* caption, const char* helpTopic) {
    return {key, member, defaultValue, fieldName, mask, nullptr, labelName, caption, helpTopic};
}
constexpr LoanField Result(const char* key, double LoanResults::*result, const char* fieldName,
                           MaskKind mask, const char* labelName, const char* caption,
                           const char* helpTopic) {
    return {key, nullptr, 0, fieldName, mask, result, labelName, caption, helpTopic};
}
} // namespace detail

// In the order of the page and of Tab: the left column top to bottom, then the nine fees. The
// inputs among them, in this order, are also the order of loading, saving and Reset.
inline constexpr std::array<LoanField, 18> kLoanPageFields{{
    detail::Input("PurchasePrice", &LoanInputs::PurchasePrice, 120000, "edtPurchasePrice",
                  MaskKind::Money, "Label5",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Home Purchase Price:"),
                  "purchase_price.htm"),
    detail::Input("DownPaymentPercent", &LoanInputs::DownPaymentPercent, 10,
                  "edtDownPaymentPercent", MaskKind::Rate, "Label4",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Down Payment Percent:"),
                  "down_payment_percent.htm"),
    detail::Result("DownPayment", &LoanResults::DownPayment, "edtDownPayment", MaskKind::Money,
                   "Label18", QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Down Payment:"),
                   "down_payment.htm"),
    detail::Result("Loan", &LoanResults::Loan, "edtLoan", MaskKind::Money, "Label1",
                   QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Loan Amount:"), "loan_amount.htm"),
    detail::Input("Term", &LoanInputs::Term, 30, "edtTerm", MaskKind::Years, "Label3",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Term in Years:"), "term.htm"),
    detail::Input("Interest", &LoanInputs::Interest, 6.75, "edtInterest", MaskKind::Rate, "Label2",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Interest Rate:"), "interest_rate.htm"),
    detail::Result("Payment", &LoanResults::Payment, "edtPayment", MaskKind::Money, "Label6",
                   QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Monthly Payment (P&I):"),
                   "monthly_payment.htm"),
    detail::Result("FixedFees", &LoanResults::FixedFees, "edtFixedFees", MaskKind::Money, "Label17",
                   QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "TOTAL of Fixed Fees:"),
                   "fixed_fees.htm"),
    detail::Result("APR", &LoanResults::APR, "edtAPR", MaskKind::Rate, "Label16",
                   QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Annual Percentage Rate:"), "apr.htm"),
    detail::Input("OriginationFees", &LoanInputs::OriginationFees, 1200, "edtOriginationFees",
                  MaskKind::Money, "Label11",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Origination Fees:"),
                  "origination_fees.htm"),
    detail::Input("Points", &LoanInputs::Points, 1200, "edtPoints", MaskKind::Money, "Label10",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Discount Points:"),
                  "discount_points.htm"),
    detail::Input("PrepaidInterest", &LoanInputs::PrepaidInterest, 500, "edtPrepaidInterest",
                  MaskKind::Money, "Label7",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Prepaid Mortgage Interest:"),
                  "prepaid_interest.htm"),
    detail::Input("MIP", &LoanInputs::MIP, 500, "edtMIP", MaskKind::Money, "Label9",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Mortgage Insurance Premiums:"),
                  "mortgage_insurance.htm"),
    detail::Input("Buydown", &LoanInputs::Buydown, 0, "edtBuydown", MaskKind::Money, "Label8",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Buydown funds:"), "buydown.htm"),
    detail::Input("FloodCheck", &LoanInputs::FloodCheck, 50, "edtFloodCheck", MaskKind::Money,
                  "Label12", QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Flood check fee:"),
                  "flood_check.htm"),
    detail::Input("TaxService", &LoanInputs::TaxService, 50, "edtTaxService", MaskKind::Money,
                  "Label13", QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Tax Servicing Fee:"),
                  "tax_service.htm"),
    detail::Input("Other1", &LoanInputs::Other1, 0, "edtOther1", MaskKind::Money, "Label14",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Appraisal:"), "appraisal.htm"),
    detail::Input("Other2", &LoanInputs::Other2, 0, "edtOther2", MaskKind::Money, "Label15",
                  QT_TRANSLATE_NOOP("plumcrest::TfrmMain", "Other Loan & Closing Fees:"),
                  "other_fees.htm"),
}};

namespace detail {
constexpr std::size_t CountInputs() {
    std::size_t count = 0;
    for (const auto& field : kLoanPageFields)
        count += field.IsInput() ? 1 : 0;
    return count;
}

template <std::size_t N> constexpr std::array<LoanField, N> SelectFields(bool inputs) {
    std::array<LoanField, N> selected{};
    std::size_t next = 0;
    for (const auto& field : kLoanPageFields)
        if (field.IsInput() == inputs)
            selected[next++] = field;
    return selected;
}
} // namespace detail

// The inputs, in page order: the order they are read, loaded, saved and reset in.
inline constexpr auto kLoanInputFields =
    detail::SelectFields<detail::CountInputs()>(/*inputs=*/true);
// The results the page shows, in page order.
inline constexpr auto kLoanResultFields =
    detail::SelectFields<kLoanPageFields.size() - detail::CountInputs()>(/*inputs=*/false);

// Every input has a LoanInputs member and every LoanInputs member one input row.
static_assert(kLoanInputFields.size() * sizeof(double) == sizeof(LoanInputs));

} // namespace plumcrest
