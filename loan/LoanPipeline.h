#pragma once
// The calculator's one computation on plain records: the thirteen inputs in, the results out.

#include <array>
#include <cstdint>
#include <string_view>

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

// One row per input: its saved-values key (also the LoanInputs member name), the member, the
// default that Reset and a missing saved value give, its field on the calculator page and that
// field's mask. In the order the inputs are read, loaded, saved and reset.
struct LoanInputField {
    const char* key;
    double LoanInputs::*member;
    double defaultValue;
    const char* fieldName;
    MaskKind mask;
};

inline constexpr std::array<LoanInputField, 13> kLoanInputFields{{
    {"PurchasePrice", &LoanInputs::PurchasePrice, 120000, "edtPurchasePrice", MaskKind::Money},
    {"DownPaymentPercent", &LoanInputs::DownPaymentPercent, 10, "edtDownPaymentPercent",
     MaskKind::Rate},
    {"Term", &LoanInputs::Term, 30, "edtTerm", MaskKind::Years},
    {"Interest", &LoanInputs::Interest, 6.75, "edtInterest", MaskKind::Rate},
    {"OriginationFees", &LoanInputs::OriginationFees, 1200, "edtOriginationFees", MaskKind::Money},
    {"Points", &LoanInputs::Points, 1200, "edtPoints", MaskKind::Money},
    {"PrepaidInterest", &LoanInputs::PrepaidInterest, 500, "edtPrepaidInterest", MaskKind::Money},
    {"MIP", &LoanInputs::MIP, 500, "edtMIP", MaskKind::Money},
    {"Buydown", &LoanInputs::Buydown, 0, "edtBuydown", MaskKind::Money},
    {"FloodCheck", &LoanInputs::FloodCheck, 50, "edtFloodCheck", MaskKind::Money},
    {"TaxService", &LoanInputs::TaxService, 50, "edtTaxService", MaskKind::Money},
    {"Other1", &LoanInputs::Other1, 0, "edtOther1", MaskKind::Money},
    {"Other2", &LoanInputs::Other2, 0, "edtOther2", MaskKind::Money},
}};

// The thirteen defaults (120000, 10 %, 30 years, 6.75 %, fees 1200, 1200, 500, 500, 0, 50, 50,
// 0, 0).
LoanInputs DefaultLoanInputs();

// Fills `results` step by step: months (text round trip), fixed fees, down payment, loan,
// payment, amount financed, whole years (text round trip), APR. A failing step throws its error
// (ConversionError, or a MathError from the loan mathematics) and leaves the fields of the
// completed steps filled. The conversion error's text uses `decimalSeparator`.
void RecalculateLoan(const LoanInputs& inputs, LoanResults& results, char32_t decimalSeparator);

// The same steps over the unoptimised reference mathematics (finance/ReferenceLoanMath.h): what
// the benchmark measures RecalculateLoan against and the tests hold it bit-identical to.
void ReferenceRecalculateLoan(const LoanInputs& inputs, LoanResults& results,
                              char32_t decimalSeparator);

} // namespace plumcrest
