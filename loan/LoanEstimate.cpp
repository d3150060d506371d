#include "LoanEstimate.h"

#include "LoanTerms.h"

#include <algorithm>
#include <cctype>

namespace plumcrest {

std::string_view SectionLetter(CostSection section) {
    switch (section) {
    case CostSection::A:
        return "A";
    case CostSection::B:
        return "B";
    case CostSection::C:
        return "C";
    case CostSection::E:
        return "E";
    case CostSection::F:
        return "F";
    case CostSection::G:
        return "G";
    case CostSection::H:
        return "H";
    }
    return "";
}

// Marked for the offer editor, which shows them translated.
std::string_view SectionTitle(CostSection section) {
    switch (section) {
    case CostSection::A:
        return QT_TRANSLATE_NOOP("plumcrest::offers::OfferEditor", "Origination Charges");
    case CostSection::B:
        return QT_TRANSLATE_NOOP("plumcrest::offers::OfferEditor", "Services You Cannot Shop For");
    case CostSection::C:
        return QT_TRANSLATE_NOOP("plumcrest::offers::OfferEditor", "Services You Can Shop For");
    case CostSection::E:
        return QT_TRANSLATE_NOOP("plumcrest::offers::OfferEditor",
                                 "Taxes and Other Government Fees");
    case CostSection::F:
        return QT_TRANSLATE_NOOP("plumcrest::offers::OfferEditor", "Prepaids");
    case CostSection::G:
        return QT_TRANSLATE_NOOP("plumcrest::offers::OfferEditor",
                                 "Initial Escrow Payment at Closing");
    case CostSection::H:
        return QT_TRANSLATE_NOOP("plumcrest::offers::OfferEditor", "Other");
    }
    return "";
}

std::optional<CostSection> SectionFromLetter(std::string_view letter) {
    for (CostSection section : kCostSections)
        if (SectionLetter(section) == letter)
            return section;
    return std::nullopt;
}

bool IsLoanCost(CostSection section) {
    return section == CostSection::A || section == CostSection::B || section == CostSection::C;
}

std::span<const CalculatorFee> CalculatorFees() {
    static constexpr CalculatorFee kFees[] = {
        {&LoanInputs::OriginationFees, CostSection::A, "Origination Fees", true},
        {&LoanInputs::Points, CostSection::A, "Discount Points", true},
        {&LoanInputs::MIP, CostSection::B, "Mortgage Insurance Premiums", true},
        {&LoanInputs::FloodCheck, CostSection::B, "Flood check fee", true},
        {&LoanInputs::TaxService, CostSection::B, "Tax Servicing Fee", true},
        {&LoanInputs::Other1, CostSection::B, "Appraisal", false},
        {&LoanInputs::PrepaidInterest, CostSection::F, "Prepaid Mortgage Interest", true},
        {&LoanInputs::Buydown, CostSection::H, "Buydown funds", true},
        {&LoanInputs::Other2, CostSection::H, "Other Loan & Closing Fees", true},
    };
    return kFees;
}

LoanEstimate EstimateFromCalculator(const LoanInputs& inputs, const LoanResults& results) {
    LoanEstimate estimate;
    estimate.price = inputs.PurchasePrice;
    estimate.loanAmount = results.Loan;
    estimate.months = MonthsOfTerm(inputs.Term);
    estimate.noteRate = inputs.Interest;
    for (const CalculatorFee& fee : CalculatorFees())
        if (inputs.*fee.fee != 0)
            estimate.costs.push_back({fee.section, fee.label, inputs.*fee.fee, fee.financeCharge});
    return estimate;
}

} // namespace plumcrest
