#include "FinanceChargeRules.h"

#include <array>
#include <string>

namespace plumcrest {

namespace {

using Words = std::string_view;

// The words of each rule, English first, then as the Spanish forms print them. An owner's title
// policy is named before the title charges, a settlement agent's or courier's fee (which the forms
// list under "Title –") before them too, and mortgage insurance before other insurance. The
// regulator's own sample forms read them so: their amounts financed leave out the application
// fee, the settlement agent's fee, the flood determination and the tax status research, and
// count the points, the origination and underwriting fees, flood and tax monitoring, prepaid
// interest and the mortgage insurance paid at closing, less the lender's credits.
constexpr Words kOwnersTitle[] = {"owner's title", "del propietario"};
constexpr Words kOptional[] = {"(optional)", "(opcional)"};
constexpr Words kPrepaidInterest[] = {"prepaid interest", "interest", "intereses"};
constexpr Words kMortgageInsurance[] = {
    "mortgage insurance",     "mortgage guaranty",  "funding fee",
    "guarantee fee",          "seguro de hipoteca", "seguro hipotecario",
    "cargo de financiamiento"};
constexpr Words kClosingAgent[] = {"settlement agent",
                                   "closing agent",
                                   "settlement fee",
                                   "closing fee",
                                   "escrow fee",
                                   "courier",
                                   "wire",
                                   "operación de cierre",
                                   "cargo por cierre",
                                   "envío",
                                   "transferencia bancaria"};
constexpr Words kApplication[] = {"application fee", "solicitud"};
constexpr Words kTitle[] = {"title",  "abstract", "tax status",
                            "título", "titulo",   "situación tributaria"};
constexpr Words kSurvey[] = {"survey", "peritaje", "agrimensura", "deslinde"};
constexpr Words kDocuments[] = {"document prep", "preparation of documents", "deed prep",
                                "preparación de documentos"};
constexpr Words kNotary[] = {"notary", "notario", "notarial"};
constexpr Words kCreditReport[] = {"credit report", "informe de crédito", "informe crediticio"};
constexpr Words kFloodDetermination[] = {"flood determination", "flood certification",
                                         "determinación de zonas de inundación"};
constexpr Words kAppraisal[] = {"appraisal", "valuation", "valoración", "tasación", "avalúo"};
constexpr Words kInspection[] = {"inspection", "pest", "inspección", "plagas"};
constexpr Words kRecording[] = {"recording", "registro"};
constexpr Words kTransferTax[] = {"transfer tax", "impuesto de transferencia",
                                  "impuestos de transferencia"};
constexpr Words kLenderServices[] = {"flood monitoring", "tax monitoring",
                                     "tax service",      "tax servicing",
                                     "control de zonas", "fiscalización tributaria"};
constexpr Words kHomeInsurance[] = {
    "homeowner's insurance", "hazard insurance",   "property insurance", "flood insurance",
    "seguro de la vivienda", "seguro de vivienda", "seguro contra"};
constexpr Words kPropertyTax[] = {"property tax", "city/town tax", "county tax",
                                  "impuestos sobre la propiedad", "impuesto sobre la propiedad"};
constexpr Words kAssociation[] = {"hoa", "association", "asociación"};
constexpr Words kWarranty[] = {"home warranty", "garantía de la vivienda", "garantía de vivienda"};
constexpr Words kCommission[] = {"commission", "comisión", "broker fee"};
constexpr Words kLenderCharges[] = {
    "points",  "origination", "application", "underwriting", "processing",    "attorney",
    "buydown", "puntos",      "tramitac",    "solicitud",    "procesamiento", "estudio del crédito",
    "abogado"};
constexpr Words kNone[] = {"\x01"}; // matches no label: the section defaults below

constexpr std::array kRules{
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "owner's title insurance, which a cash buyer pays too"),
                      "1026.4(a)", false, kOwnersTitle, ""},
    FinanceChargeRule{
        QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules", "optional, not required by the lender"),
        "1026.4(a)", false, kOptional, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules", "prepaid interest"),
                      "1026.4(b)(1)", true, kPrepaidInterest, "F"},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "mortgage insurance or a guarantee of the loan"),
                      "1026.4(b)(5)", true, kMortgageInsurance, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "a closing agent's charge, a finance charge only when "
                                        "the lender requires that service or keeps part of it"),
                      "1026.4(a)(2)", false, kClosingAgent, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "an application fee, which every applicant pays "
                                        "whether or not the loan is made"),
                      "1026.4(c)(1)", false, kApplication, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "title examination, search or insurance, or a "
                                        "search of the property's records"),
                      "1026.4(c)(7)(i)", false, kTitle, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules", "property survey"),
                      "1026.4(c)(7)(i)", false, kSurvey, ""},
    FinanceChargeRule{
        QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules", "preparing the loan's documents"),
        "1026.4(c)(7)(ii)", false, kDocuments, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules", "notary"),
                      "1026.4(c)(7)(iii)", false, kNotary, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules", "credit report"),
                      "1026.4(c)(7)(iii)", false, kCreditReport, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "flood-hazard determination before closing"),
                      "1026.4(c)(7)(iv)", false, kFloodDetermination, ""},
    FinanceChargeRule{
        QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules", "appraisal before closing"),
        "1026.4(c)(7)(iv)", false, kAppraisal, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "inspection of the property before closing"),
                      "1026.4(c)(7)(iv)", false, kInspection, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "recording fees and taxes paid to public officials"),
                      "1026.4(e)", false, kRecording, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "transfer tax, which a cash buyer pays too"),
                      "1026.4(a)", false, kTransferTax, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "a service the lender requires for the life of the loan"),
                      "1026.4(a)", true, kLenderServices, "ABC"},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "homeowner's insurance from an insurer the buyer chooses"),
                      "1026.4(d)(2)", false, kHomeInsurance, "FH"},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "property taxes, which a cash buyer pays too"),
                      "1026.4(a)", false, kPropertyTax, "FH"},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "homeowners' association charges, which a cash buyer "
                                        "pays too"),
                      "1026.4(a)", false, kAssociation, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "home warranty, which a cash buyer pays too"),
                      "1026.4(a)", false, kWarranty, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "real estate commission, which a cash buyer pays too"),
                      "1026.4(a)", false, kCommission, ""},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "points or a fee the lender charges for the loan"),
                      "1026.4(b)(3)", true, kLenderCharges, "ABCH"},
    // The sections' own rules, for a line no rule above names.
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "a charge the lender imposes or requires for the loan"),
                      "1026.4(a)", true, kNone, "ABC"},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules", "a tax or government fee"),
                      "1026.4(e)", false, kNone, "E"},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "a deposit into escrow for costs that are no finance "
                                        "charge"),
                      "1026.4(c)(7)(v)", false, kNone, "G"},
    FinanceChargeRule{QT_TRANSLATE_NOOP("plumcrest::FinanceChargeRules",
                                        "a cost of owning the home, not of the loan"),
                      "1026.4(a)", false, kNone, "FH"},
};

// Lower case for ASCII and for the accented capitals of Latin-1 (as UTF-8), with the form's
// curly apostrophe read as a straight one.
std::string Folded(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            folded += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9E &&
                   static_cast<unsigned char>(text[i + 1]) != 0x97) {
            folded += text[i];
            folded += static_cast<char>(static_cast<unsigned char>(text[++i]) + 0x20);
        } else if (text.substr(i, 3) == "\xE2\x80\x99" || text.substr(i, 3) == "\xE2\x80\x98") {
            folded += '\'';
            i += 2;
        } else {
            folded += static_cast<char>(c);
        }
    }
    return folded;
}

bool HoldsIn(const FinanceChargeRule& rule, CostSection section) {
    return rule.sections.empty() || rule.sections.find(SectionLetter(section)) != std::string::npos;
}

} // namespace

std::span<const FinanceChargeRule> FinanceChargeRules() {
    return kRules;
}

const FinanceChargeRule& FinanceChargeRuleOf(CostSection section, std::string_view label) {
    const std::string folded = Folded(label);
    // Section E holds only taxes and government fees, G only escrow deposits: there the section
    // decides, but for mortgage insurance, which is a finance charge wherever it is paid.
    const bool bySection = section == CostSection::E || section == CostSection::G;
    for (const FinanceChargeRule& rule : kRules) {
        if (!HoldsIn(rule, section))
            continue;
        if (rule.words.front() == kNone[0])
            return rule;
        if (bySection && rule.words.data() != kMortgageInsurance)
            continue;
        for (std::string_view word : rule.words)
            if (folded.find(word) != std::string::npos)
                return rule;
    }
    return kRules.back();
}

bool IsPrepaidInterest(const CostItem& item) {
    if (item.section != CostSection::F)
        return false;
    const std::string folded = Folded(item.label);
    for (std::string_view word : kPrepaidInterest)
        if (folded.find(word) != std::string::npos)
            return true;
    return false;
}

bool NamesMortgageInsurance(std::string_view label) {
    const std::string folded = Folded(label);
    for (std::string_view word : kMortgageInsurance)
        if (folded.find(word) != std::string::npos)
            return true;
    return false;
}

bool DefaultFinanceCharge(CostSection section, std::string_view label) {
    return FinanceChargeRuleOf(section, label).financeCharge;
}

} // namespace plumcrest
