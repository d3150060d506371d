#include "ClosingReading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace plumcrest::reader {

namespace {

// ---------------------------------------------------------------------------------------------
// Words and figures.

constexpr std::string_view kDashes[] = {"-", "\u2013", "\u2014", "\u2212"};

bool IsDash(std::string_view text) {
    return std::find(std::begin(kDashes), std::end(kDashes), text) != std::end(kDashes);
}

bool IsMark(std::string_view text) {
    for (std::string_view mark :
         {"\u2612", "\u25A0", "\u2611", "\u2714", "\u2713", "x", "X", "\u25A3", "\u2718", "\u2717"})
        if (text == mark)
            return true;
    return false;
}

std::optional<int> LeadingWhole(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

double Middle(const Word& word) {
    return (word.top + word.bottom) / 2;
}

// The amounts of some words in reading order, each with the word it ends on: "– $29.80" and
// "$ 83.33" set as two words read as one.
struct Amount {
    double value = 0;
    const Word* word = nullptr;
};
std::vector<Amount> AmountsOf(const std::vector<const Word*>& words, bool needDollar) {
    std::vector<Amount> amounts;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string text = words[i]->text;
        while (!text.empty() && (text.back() == '.' || text.back() == ',') &&
               std::count(text.begin(), text.end(), '.') > 1)
            text.pop_back();
        if (!text.empty() && text.back() == ',')
            text.pop_back();
        if ((text == "$" || IsDash(text)) && i + 1 < words.size()) {
            const std::string joined = text + words[i + 1]->text;
            if (const auto amount = ParseAmount(joined, needDollar)) {
                amounts.push_back({*amount, words[++i]});
                continue;
            }
        }
        if (IsDash(text))
            continue; // a dash alone is not an amount here: "–" before a figure, or a blank
        if (const auto amount = ParseAmount(text, needDollar))
            amounts.push_back({*amount, words[i]});
        else if (text.size() > 1 && text.back() == '.')
            if (const auto trimmed = ParseAmount(text.substr(0, text.size() - 1), needDollar))
                amounts.push_back({*trimmed, words[i]}); // "$200." ends a sentence
    }
    return amounts;
}

std::optional<double> FirstAmount(const std::vector<const Word*>& words, bool needDollar) {
    const auto amounts = AmountsOf(words, needDollar);
    if (amounts.empty())
        return std::nullopt;
    return amounts.front().value;
}

std::vector<double> Percents(const std::vector<const Word*>& words) {
    std::vector<double> percents;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string text = words[i]->text;
        if (i + 1 < words.size() && words[i + 1]->text == "%")
            text += words[++i]->text; // "6.625 %"
        while (!text.empty() && (text.back() == ',' || text.back() == '.' || text.back() == ')'))
            text.pop_back();
        if (const auto percent = ParsePercent(text))
            percents.push_back(*percent);
    }
    return percents;
}

std::vector<std::vector<const Word*>> ByLine(std::vector<const Word*> words) {
    std::sort(words.begin(), words.end(),
              [](const Word* a, const Word* b) { return Middle(*a) < Middle(*b); });
    std::vector<std::vector<const Word*>> lines;
    for (const Word* word : words) {
        if (lines.empty() || Middle(*word) > lines.back().front()->bottom - 1)
            lines.push_back({word});
        else
            lines.back().push_back(word);
    }
    for (auto& line : lines)
        std::sort(line.begin(), line.end(),
                  [](const Word* a, const Word* b) { return a->left < b->left; });
    return lines;
}

std::vector<const Word*> InReadingOrder(std::vector<const Word*> words) {
    std::vector<const Word*> ordered;
    for (const auto& line : ByLine(std::move(words)))
        ordered.insert(ordered.end(), line.begin(), line.end());
    return ordered;
}

bool IsWord(const Word* word, std::initializer_list<std::string_view> folded) {
    const std::string text = Folded(word->text);
    return std::find(folded.begin(), folded.end(), text) != folded.end();
}

// ---------------------------------------------------------------------------------------------
// The form, described once. Each region is found by its heading on whichever page holds it (a
// fragment may put two pages' regions on one) and spans from its heading to the next heading on
// its line, down to the next heading below it across its width.

enum class RegionId {
    ClosingInformation,
    TransactionInformation,
    LoanInformation,
    LoanTerms,
    Projected,
    EstimatedTaxes,
    CostsAtClosing,
    CostDetails,
    A,
    B,
    C,
    D,
    E,
    F,
    G,
    H,
    I,
    J,
    Payoffs,
    PayoffsTotal,
    CashToClose,
    Summaries,
    LoanDisclosures,
    LoanCalculations,
    OtherDisclosures,
    Contacts,
};

struct RegionOfForm {
    RegionId id;
    int formPage; // where the whole form has it, 1 to 5
    bool headingIsLabel;
    Wording heading;
};

constexpr RegionOfForm kRegions[] = {
    {RegionId::ClosingInformation,
     1,
     false,
     {"Closing Information", "Información sobre el cierre"}},
    {RegionId::TransactionInformation,
     1,
     false,
     {"Transaction Information", "Información sobre la transacción"}},
    {RegionId::LoanInformation, 1, false, {"Loan Information", "Información sobre el préstamo"}},
    {RegionId::LoanTerms, 1, false, {"Loan Terms", "Términos del préstamo"}},
    {RegionId::Projected, 1, false, {"Projected Payments", "Pagos proyectados"}},
    {RegionId::EstimatedTaxes, 1, true, {"Estimated Taxes, Insurance", "Impuestos, seguro y"}},
    {RegionId::CostsAtClosing, 1, false, {"Costs at Closing", "Costos al momento del cierre"}},
    {RegionId::CostDetails, 2, false, {"Closing Cost Details", "Detalles de los costos de cierre"}},
    {RegionId::A, 2, false, {"A. Origination Charges", "A. Gastos por tramitación"}},
    {RegionId::B,
     2,
     false,
     {"B. Services Borrower Did Not Shop For",
      "B. Servicios que el deudor no contrató|B. Servicios que el deudor no contrato"}},
    {RegionId::C,
     2,
     false,
     {"C. Services Borrower Did Shop For",
      "C. Servicios que el deudor contrató|C. Servicios que el deudor contrato"}},
    {RegionId::D, 2, false, {"D. TOTAL LOAN COSTS", "D. COSTOS TOTALES DEL PRÉSTAMO"}},
    {RegionId::E,
     2,
     false,
     {"E. Taxes and Other Government Fees", "E. Impuestos y otros cargos gubernamentales"}},
    {RegionId::F, 2, false, {"F. Prepaids", "F. Pagos anticipados"}},
    {RegionId::G,
     2,
     false,
     {"G. Initial Escrow Payment at Closing", "G. Pago inicial de la cuenta en depósito"}},
    {RegionId::H, 2, false, {"H. Other", "H. Otros"}},
    {RegionId::I, 2, false, {"I. TOTAL OTHER COSTS", "I. TOTAL DE OTROS COSTOS"}},
    {RegionId::J, 2, false, {"J. TOTAL CLOSING COSTS", "J. TOTAL DE COSTOS DE CIERRE"}},
    {RegionId::Payoffs, 3, false, {"Payoffs and Payments", "Liquidaciones y pagos"}},
    {RegionId::PayoffsTotal,
     3,
     true,
     {"K. TOTAL PAYOFFS AND PAYMENTS", "K. TOTAL DE LIQUIDACIONES Y PAGOS"}},
    {RegionId::CashToClose,
     3,
     false,
     {"Calculating Cash to Close", "Cálculo del dinero en efectivo para el cierre"}},
    {RegionId::Summaries, 3, false, {"Summaries of Transactions", "Resúmenes de transacciones"}},
    {RegionId::LoanDisclosures,
     4,
     false,
     {"Additional Information About This Loan", "Información adicional sobre este préstamo"}},
    {RegionId::LoanCalculations, 5, false, {"Loan Calculations", "Cálculos del préstamo"}},
    {RegionId::OtherDisclosures, 5, false, {"Other Disclosures", "Otras divulgaciones"}},
    {RegionId::Contacts, 5, false, {"Contact Information", "Información de contacto"}},
};
constexpr int kFormPages = 5;

// What names a page as a Closing Disclosure's, in each language (ReadForm knows it by these).
constexpr Wording kFormTitle{"Closing Disclosure", "Declaración de Cierre"};

// The labels of the first page's figures.
constexpr Wording kDateIssued{"Date Issued", "Fecha de emisión"};
constexpr Wording kClosingDate{"Closing Date", "Fecha de cierre"};
constexpr Wording kDisbursementDate{"Disbursement Date", "Fecha de desembolso"};
constexpr Wording kSettlementAgent{"Settlement Agent", "Agente a cargo de"};
constexpr Wording kFileNumber{"File #", "N.° de Archivo|N.º de Archivo"};
constexpr Wording kProperty{"Property", "Inmueble"};
constexpr Wording kSalePrice{"Sale Price", "Precio de venta"};
constexpr Wording kAppraised{"Appraised Prop. Value|Appraised Property Value",
                             "Valoración de la vivienda"};
constexpr Wording kBorrower{"Borrower", "Deudor"};
constexpr Wording kSeller{"Seller", "Vendedor"};
constexpr Wording kLender{"Lender", "Prestamista"};
constexpr Wording kLoanTerm{"Loan Term", "Plazo del préstamo"};
constexpr Wording kPurpose{"Purpose", "Finalidad"};
constexpr Wording kProduct{"Product", "Producto"};
constexpr Wording kLoanType{"Loan Type", "Tipo de préstamo"};
constexpr Wording kLoanId{"Loan ID #", "N.º del préstamo|N.° del préstamo"};
constexpr Wording kMic{"MIC #", "N.° de MIC|N.º de MIC"};
constexpr Wording kLoanAmount{"Loan Amount", "Monto del préstamo"};
constexpr Wording kInterestRate{"Interest Rate", "Tasa de interés"};
constexpr Wording kMonthlyPayment{"Monthly Principal & Interest",
                                  "Pago mensual de intereses y capital|Pago mensual"};
constexpr Wording kPrepaymentPenalty{"Prepayment Penalty", "Multa por pago anticipado"};
constexpr Wording kBalloonPayment{"Balloon Payment", "Cuota extraordinaria"};
constexpr Wording kClosingCosts{"Closing Costs", "Costos de cierre"};
constexpr Wording kCashToClose{"Cash to Close",
                               "Dinero en efectivo para el cierre|Dinero en efectivo para"};

constexpr Wording kPaymentColumns{"Payment Calculation", "Cálculo de los pagos"};
constexpr Wording kYears{"Years", "Años"};
struct ProjectedRow {
    Wording label;
    Figure<double> ProjectedColumn::*figure;
};
const ProjectedRow kProjectedRows[] = {
    {{"Principal & Interest", "Capital e intereses"}, &ProjectedColumn::principalInterest},
    {{"Mortgage Insurance", "Seguro hipotecario"}, &ProjectedColumn::mortgageInsurance},
    {{"Estimated Escrow", "Depósito estimado para impuestos y seguros de la vivienda|Depósito "
                          "estimado para impuestos|Depósito estimado"},
     &ProjectedColumn::escrow},
    {{"Estimated Total Monthly Payment", "Pago total mensual estimado"}, &ProjectedColumn::total},
};

// The columns of the closing cost details, as headed.
constexpr Wording kAtClosing{"At Closing", "Al cierre"};
constexpr Wording kBeforeClosing{"Before Closing", "Antes del cierre"};
constexpr Wording kOthers{"Others", "otros"};
constexpr Wording kLenderCredits{"Lender Credits", "Créditos del prestamista"};
constexpr std::string_view kLegalLimit[] = {"legal limit", "límite legal", "limite legal"};

struct CashRowOfForm {
    std::string_view key;
    Wording label;
};
constexpr CashRowOfForm kCashRows[] = {
    {"loanAmount", {"Loan Amount", "Monto del préstamo"}},
    {"totalClosingCosts", {"Total Closing Costs (J)", "Total de costos de cierre (J)"}},
    {"closingCostsPaidBeforeClosing",
     {"Closing Costs Paid Before Closing", "Costos de cierre pagados antes del cierre"}},
    {"closingCostsFinanced",
     {"Closing Costs Financed (Paid from your Loan Amount)",
      "Costos de cierre financiados (pagados del monto del préstamo)"}},
    {"downPayment", {"Down Payment/Funds from Borrower", "Pago inicial/Fondos del deudor"}},
    {"deposit", {"Deposit", "Depósito"}},
    {"fundsForBorrower", {"Funds for Borrower", "Fondos para el deudor"}},
    {"sellerCredits", {"Seller Credits", "Créditos del vendedor"}},
    {"adjustments", {"Adjustments and Other Credits", "Ajustes y otros créditos"}},
    {"totalPayoffsAndPayments",
     {"Total Payoffs and Payments (K)", "Total de liquidaciones y pagos (K)"}},
    {"cashToClose", {"Cash to Close", "Dinero en efectivo para el cierre"}},
};
constexpr Wording kLoanEstimateColumn{"Loan Estimate", "Estimación"};
constexpr Wording kFinalColumn{"Final", "Final"};
constexpr Wording kChangedColumn{"Did this change?", "¿Esto cambió?"};
constexpr Wording kFinancedAside{"Closing Costs Financed (Paid from your Loan Amount)",
                                 "Costos de cierre financiados (pagados del monto del préstamo)"};

struct SummaryOfForm {
    Wording label;
    Figure<double> ClosingReading::*figure;
};
const SummaryOfForm kSummaries[] = {
    {{"K. Due from Borrower at Closing", "K. Pagaderos por el deudor al cierre"},
     &ClosingReading::dueFromBorrower},
    {{"L. Paid Already by or on Behalf of Borrower at Closing",
      "L. Pagado por el deudor, o en su nombre, al cierre"},
     &ClosingReading::paidAlreadyByBorrower},
    {{"M. Due to Seller at Closing", "M. Pagaderos al vendedor al cierre"},
     &ClosingReading::dueToSeller},
    {{"N. Due from Seller at Closing", "N. Pagaderos por el vendedor al cierre"},
     &ClosingReading::dueFromSeller},
};

struct CalculationOfForm {
    Wording label;
    Figure<double> LoanCalculations::*figure;
    bool percent;
};
const CalculationOfForm kCalculations[] = {
    {{"Total of Payments", "Pagos totales"}, &LoanCalculations::totalOfPayments, false},
    {{"Finance Charge", "Cargo financiero"}, &LoanCalculations::financeCharge, false},
    {{"Amount Financed", "Monto financiado"}, &LoanCalculations::amountFinanced, false},
    {{"Annual Percentage Rate (APR)", "Tasa porcentual anual (APR)"}, &LoanCalculations::apr, true},
    {{"Total Interest Percentage (TIP)", "Total de intereses pagados (TIP)"},
     &LoanCalculations::tip,
     true},
};

struct Naming {
    std::string_view printed;
    std::string_view named;
};
constexpr Naming kNames[] = {
    {"purchase", "Purchase"},
    {"adquisición por compra", "Purchase"},
    {"refinance", "Refinance"},
    {"refinanciamiento", "Refinance"},
    {"construction", "Construction"},
    {"construcción", "Construction"},
    {"home equity loan", "Home Equity Loan"},
    {"conventional", "Conventional"},
    {"convencional", "Conventional"},
    {"fha", "FHA"},
    {"va", "VA"},
};

std::optional<std::string> Named(const std::string& printed) {
    const std::string folded = Folded(printed);
    for (const Naming& name : kNames)
        if (folded == name.printed)
            return std::string(name.named);
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// Pages and regions.

struct Sheet {
    int number = 0; // in the file, from 1
    Layout layout;
    double bottom = 1e9; // where the footer begins
};

bool IsFooter(const std::vector<const Word*>& line) {
    // "CLOSING DISCLOSURE  PAGE 2 OF 5 • LOAN ID # ...", "PÁGINA 2 DE 6"
    for (std::size_t i = 0; i + 3 < line.size(); ++i) {
        const std::string page = Folded(line[i]->text);
        const std::string of = Folded(line[i + 2]->text);
        if ((page == "page" || page == "página") && (of == "of" || of == "de") &&
            LeadingWhole(line[i + 1]->text) && LeadingWhole(line[i + 3]->text))
            return true;
    }
    return false;
}

Sheet SheetOf(const Page& page, int number) {
    Sheet sheet{number, Layout(page), page.height};
    for (const Line& line : sheet.layout.lines())
        if (IsFooter(line.words))
            sheet.bottom = std::min(sheet.bottom, line.box.top);
    return sheet;
}

struct FoundRegion {
    const RegionOfForm* form = nullptr;
    const Sheet* sheet = nullptr;
    Label heading;
    Box area;
};

std::vector<FoundRegion> RegionsOf(const Sheet& sheet, const std::string& language) {
    std::vector<FoundRegion> found;
    const Box whole{-1e9, -1e9, 1e9, sheet.bottom};
    for (const RegionOfForm& form : kRegions)
        if (const auto heading = FindLabel(sheet.layout, form.heading, language, whole))
            found.push_back({&form, &sheet, *heading, {}});
    const double width = sheet.layout.page().width;
    for (FoundRegion& region : found) {
        const Box& h = region.heading.box;
        region.area.left = h.left - 3;
        region.area.right = width + 1e3;
        for (const FoundRegion& other : found) {
            const Box& o = other.heading.box;
            if (&other != &region && o.left > h.right && o.top < h.bottom && o.bottom > h.top)
                region.area.right = std::min(region.area.right, o.left - 3);
        }
        region.area.top = region.form->headingIsLabel ? h.top - 0.5 : h.bottom;
        region.area.bottom = sheet.bottom;
    }
    // A region's figures may stand right of its heading's column only as far as the page's
    // right part: the Loan Calculations' figures, beside the other disclosures.
    for (FoundRegion& region : found)
        if (region.form->id == RegionId::LoanCalculations && region.area.right > width)
            region.area.right = width * 0.58;
    for (FoundRegion& region : found) {
        for (const FoundRegion& other : found) {
            const Box& o = other.heading.box;
            if (&other == &region || o.top <= region.heading.box.bottom - 0.5)
                continue;
            // Below, and across this region's width.
            if (other.area.left < region.area.right && other.area.right > region.area.left &&
                o.left < region.area.right)
                region.area.bottom = std::min(region.area.bottom, o.top - 0.1);
        }
    }
    return found;
}

// ---------------------------------------------------------------------------------------------
// Reading.

class ClosingReader {
public:
    ClosingReader(const std::vector<Page>& pages, std::string language)
        : language_(std::move(language)) {
        sheets_.reserve(pages.size());
        for (std::size_t p = 0; p < pages.size(); ++p)
            sheets_.push_back(SheetOf(pages[p], static_cast<int>(p) + 1));
        for (const Sheet& sheet : sheets_)
            for (FoundRegion& region : RegionsOf(sheet, language_))
                if (!Region(region.form->id))
                    regions_.push_back(std::move(region));
    }

    ClosingReading Read() {
        reading_.language = language_;
        for (int page = 1; page <= kFormPages; ++page)
            if (std::none_of(regions_.begin(), regions_.end(), [&](const FoundRegion& region) {
                    return region.form->formPage == page;
                }))
                reading_.missingPages.push_back(page);
        ReadFirstPage();
        ReadProjected();
        ReadCostDetails();
        ReadCashToClose();
        ReadSummaries();
        ReadLoanCalculations();
        return std::move(reading_);
    }

private:
    const FoundRegion* Region(RegionId id) const {
        for (const FoundRegion& region : regions_)
            if (region.form->id == id)
                return &region;
        return nullptr;
    }

    struct Rows {
        std::vector<std::optional<Label>> labels; // as asked, found or not
        std::vector<std::vector<const Word*>> cells;
    };

    // The words beside each of `wordings` in the region, by the engine's cells.
    Rows RowsIn(const FoundRegion& region, const std::vector<Wording>& wordings) const {
        Rows rows;
        std::vector<Label> found;
        std::vector<int> index;
        for (const Wording& wording : wordings) {
            rows.labels.push_back(FindLabel(region.sheet->layout, wording, language_, region.area));
            if (rows.labels.back()) {
                index.push_back(static_cast<int>(found.size()));
                found.push_back(*rows.labels.back());
            } else {
                index.push_back(-1);
            }
        }
        const auto cells = region.sheet->layout.Cells(found, region.area);
        for (int i : index)
            rows.cells.push_back(i < 0 ? std::vector<const Word*>{}
                                       : cells[static_cast<std::size_t>(i)]);
        return rows;
    }

    Where WhereOf(const FoundRegion& region, const std::optional<Label>& label) const {
        return label ? Where{region.sheet->number, label->firstLine} : Where{};
    }

    static std::string CellText(const std::vector<const Word*>& words) {
        const auto lines = ByLine(words);
        if (lines.empty())
            return {};
        return Joined(Runs(lines.front()).front());
    }

    // The words of a cell on its label's own line, where a name stands beside its label and the
    // lines above and below belong to others (an address ends just above "Lender").
    static std::string TextBeside(const std::optional<Label>& label,
                                  const std::vector<const Word*>& words) {
        if (!label)
            return {};
        std::vector<const Word*> beside;
        for (const Word* word : words)
            if (Middle(*word) >= label->box.top && Middle(*word) <= label->box.bottom)
                beside.push_back(word);
        return beside.empty() ? CellText(words) : CellText(beside);
    }

    static std::optional<std::string> MarkedOption(const std::vector<const Word*>& words) {
        const auto ordered = InReadingOrder(words);
        for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
            if (!IsMark(ordered[i]->text))
                continue;
            const std::string option = ordered[i + 1]->text;
            if (const auto named = Named(option))
                return named;
            return option;
        }
        return std::nullopt;
    }

    static std::optional<bool> YesNo(const std::vector<const Word*>& words) {
        for (const Word* word : InReadingOrder(words)) {
            if (IsWord(word, {"yes", "sí", "si"}))
                return true;
            if (IsWord(word, {"no"}))
                return false;
        }
        return std::nullopt;
    }

    void ReadFirstPage() {
        if (const FoundRegion* region = Region(RegionId::ClosingInformation)) {
            const Rows rows =
                RowsIn(*region, {kDateIssued, kClosingDate, kDisbursementDate, kSettlementAgent,
                                 kFileNumber, kProperty, kSalePrice, kAppraised});
            Figure<std::string>* dates[] = {&reading_.dateIssued, &reading_.closingDate,
                                            &reading_.disbursementDate};
            for (std::size_t i = 0; i < 3; ++i)
                if (const auto date = ParseDate(CellText(rows.cells[i])))
                    *dates[i] = {*date, WhereOf(*region, rows.labels[i])};
            if (const auto price = FirstAmount(rows.cells[6], true))
                reading_.salePrice = {*price, WhereOf(*region, rows.labels[6])};
            if (const auto value = FirstAmount(rows.cells[7], true))
                reading_.appraisedPropertyValue = {*value, WhereOf(*region, rows.labels[7])};
        }
        if (const FoundRegion* region = Region(RegionId::TransactionInformation)) {
            const Rows rows = RowsIn(*region, {kBorrower, kSeller, kLender});
            const std::string lender = TextBeside(rows.labels[2], rows.cells[2]);
            if (!lender.empty())
                reading_.lender = {lender, WhereOf(*region, rows.labels[2])};
        }
        if (const FoundRegion* region = Region(RegionId::LoanInformation)) {
            const Rows rows =
                RowsIn(*region, {kLoanTerm, kPurpose, kProduct, kLoanType, kLoanId, kMic});
            for (const Word* word : InReadingOrder(rows.cells[0]))
                if (const auto years = LeadingWhole(word->text)) {
                    reading_.loanTermYears = {*years, WhereOf(*region, rows.labels[0])};
                    break;
                }
            std::string purpose = CellText(rows.cells[1]);
            if (const auto named = Named(purpose))
                purpose = *named;
            if (!purpose.empty())
                reading_.purpose = {purpose, WhereOf(*region, rows.labels[1])};
            const std::string product = CellText(rows.cells[2]);
            if (!product.empty())
                reading_.product = {product, WhereOf(*region, rows.labels[2])};
            if (const auto type = MarkedOption(rows.cells[3]))
                reading_.loanType = {*type, WhereOf(*region, rows.labels[3])};
        }
        if (const FoundRegion* region = Region(RegionId::LoanTerms)) {
            const Rows rows = RowsIn(*region, {kLoanAmount, kInterestRate, kMonthlyPayment,
                                               kPrepaymentPenalty, kBalloonPayment});
            if (const auto amount = FirstAmount(rows.cells[0], true))
                reading_.loanAmount = {*amount, WhereOf(*region, rows.labels[0])};
            if (const auto rates = Percents(InReadingOrder(rows.cells[1])); !rates.empty())
                reading_.interestRate = {rates.front(), WhereOf(*region, rows.labels[1])};
            if (const auto payment = FirstAmount(InReadingOrder(rows.cells[2]), true))
                reading_.monthlyPrincipalInterest = {*payment, WhereOf(*region, rows.labels[2])};
            if (const auto penalty = YesNo(rows.cells[3]))
                reading_.prepaymentPenalty = {*penalty, WhereOf(*region, rows.labels[3])};
            if (const auto balloon = YesNo(rows.cells[4]))
                reading_.balloonPayment = {*balloon, WhereOf(*region, rows.labels[4])};
        }
        if (const FoundRegion* region = Region(RegionId::CostsAtClosing)) {
            const Rows rows = RowsIn(*region, {kClosingCosts, kCashToClose});
            if (const auto costs = FirstAmount(InReadingOrder(rows.cells[0]), true))
                reading_.closingCosts = {*costs, WhereOf(*region, rows.labels[0])};
            if (const auto cash = FirstAmount(InReadingOrder(rows.cells[1]), true))
                reading_.cashToClose = {*cash, WhereOf(*region, rows.labels[1])};
            if (const auto from = FromBorrower(rows.cells[1]))
                reading_.cashToCloseFromBorrower = {*from, WhereOf(*region, rows.labels[1])};
        }
    }

    // "From ☒ To Borrower", "Del Deudor ☒ Para Deudor": whether the mark stands before "From".
    // The mark may sit on a line of its own just above its word; the last pair read decides (the
    // final column of a table).
    static std::optional<bool> FromBorrower(const std::vector<const Word*>& words) {
        std::optional<bool> from;
        for (const Word* mark : words) {
            if (!IsMark(mark->text))
                continue;
            const Word* next = nullptr;
            for (const Word* word : words)
                if (word != mark && word->left >= mark->right - 0.5 &&
                    word->left - mark->right < 12 && std::fabs(Middle(*word) - Middle(*mark)) < 6 &&
                    (!next || word->left < next->left))
                    next = word;
            if (!next)
                continue;
            if (IsWord(next, {"from", "del", "desde"}))
                from = true;
            else if (IsWord(next, {"to", "para", "al"}))
                from = false;
        }
        return from;
    }

    void ReadProjected() {
        const FoundRegion* region = Region(RegionId::Projected);
        if (!region)
            return;
        std::vector<Wording> wordings{kPaymentColumns};
        for (const ProjectedRow& row : kProjectedRows)
            wordings.push_back(row.label);
        const Rows rows = RowsIn(*region, wordings);
        if (!rows.labels.front())
            return;
        const auto header = ByLine(rows.cells.front());
        if (header.empty())
            return;
        std::vector<double> middles;
        const std::string years = Folded(kYears.In(language_));
        for (const auto& run : Runs(header.front())) {
            middles.push_back((run.front()->left + run.back()->right) / 2);
            std::vector<const Word*> title = run;
            if (Folded(title.front()->text) == years)
                title.erase(title.begin());
            std::string text;
            for (const Word* word : title) {
                const std::string piece = Folded(word->text);
                if (piece == "a" || piece == "to" || IsDash(piece))
                    text += '-';
                else
                    text += word->text;
            }
            for (std::string_view dash : kDashes)
                for (std::size_t at = text.find(dash); at != std::string::npos;
                     at = text.find(dash))
                    text.replace(at, dash.size(), "\x01");
            std::replace(text.begin(), text.end(), '\x01', '-');
            ProjectedColumn column;
            column.years = text;
            reading_.projectedPayments.push_back(column);
        }
        for (std::size_t r = 0; r < std::size(kProjectedRows); ++r) {
            if (!rows.labels[r + 1])
                continue;
            std::vector<std::vector<const Word*>> byColumn(middles.size());
            for (const Word* word : rows.cells[r + 1]) {
                const double middle = (word->left + word->right) / 2;
                std::size_t best = 0;
                for (std::size_t c = 1; c < middles.size(); ++c)
                    if (std::fabs(middle - middles[c]) < std::fabs(middle - middles[best]))
                        best = c;
                byColumn[best].push_back(word);
            }
            const Where where = WhereOf(*region, rows.labels[r + 1]);
            for (std::size_t c = 0; c < middles.size(); ++c) {
                const auto words = InReadingOrder(byColumn[c]);
                if (const auto amount = FirstAmount(words, false))
                    reading_.projectedPayments[c].*(kProjectedRows[r].figure) = {*amount, where};
                else if (std::any_of(words.begin(), words.end(),
                                     [](const Word* word) { return IsDash(word->text); }))
                    reading_.projectedPayments[c].*(kProjectedRows[r].figure) = {0.0, where};
            }
        }
    }

    // The right edges of the five amount columns of the closing cost details (none where the form
    // has no such column: a refinance has no seller's).
    struct Columns {
        std::array<std::optional<double>, 5> right;
        double left = 1e9; // where the first column's figures may begin
    };

    Columns CostColumns() const {
        Columns columns;
        const FoundRegion* details = Region(RegionId::CostDetails);
        const FoundRegion* a = Region(RegionId::A);
        if (!details)
            return columns;
        Box header = details->area;
        if (a && a->sheet == details->sheet)
            header.bottom = a->heading.box.top;
        const Layout& layout = details->sheet->layout;
        const auto at = Anywhere(layout, kAtClosing.In(language_), header);
        const auto before = Anywhere(layout, kBeforeClosing.In(language_), header);
        std::vector<double> atRights;
        std::vector<double> beforeRights;
        for (const Label& label : at)
            atRights.push_back(label.box.right);
        for (const Label& label : before)
            beforeRights.push_back(label.box.right);
        std::sort(atRights.begin(), atRights.end());
        std::sort(beforeRights.begin(), beforeRights.end());
        if (!atRights.empty()) {
            columns.right[0] = atRights[0];
            columns.left = at.front().box.left;
            for (const Label& label : at)
                columns.left = std::min(columns.left, label.box.left);
        }
        if (!beforeRights.empty())
            columns.right[1] = beforeRights[0];
        if (atRights.size() > 1)
            columns.right[2] = atRights[1];
        if (beforeRights.size() > 1)
            columns.right[3] = beforeRights[1];
        for (const Label& label : Anywhere(layout, kOthers.In(language_), header))
            columns.right[4] = std::max(columns.right[4].value_or(0), label.box.right);
        return columns;
    }

    // Each place in `area` where the phrase's words follow each other on a line, wherever the
    // run begins: column headings set close together read as one run.
    static std::vector<Label> Anywhere(const Layout& layout, std::string_view phrase,
                                       const Box& area) {
        std::vector<std::string> tokens;
        for (std::size_t at = 0; at < phrase.size();) {
            const std::size_t end = std::min(phrase.find(' ', at), phrase.size());
            if (end > at)
                tokens.push_back(Folded(phrase.substr(at, end - at)));
            at = end + 1;
        }
        std::vector<Label> found;
        for (const auto& line : layout.LinesIn(area))
            for (std::size_t i = 0; i + tokens.size() <= line.size(); ++i) {
                bool same = true;
                for (std::size_t k = 0; k < tokens.size() && same; ++k)
                    same = Folded(line[i + k]->text) == tokens[k];
                if (!same)
                    continue;
                Label label;
                label.words.assign(line.begin() + static_cast<std::ptrdiff_t>(i),
                                   line.begin() + static_cast<std::ptrdiff_t>(i + tokens.size()));
                label.box = {label.words.front()->left, label.words.front()->top,
                             label.words.back()->right, label.words.back()->bottom};
                found.push_back(std::move(label));
            }
        return found;
    }

    static std::optional<double> ClosingLine::*ColumnMember(std::size_t column) {
        static constexpr std::optional<double> ClosingLine::*kMembers[] = {
            &ClosingLine::borrowerAtClosing, &ClosingLine::borrowerBeforeClosing,
            &ClosingLine::sellerAtClosing, &ClosingLine::sellerBeforeClosing,
            &ClosingLine::paidByOthers};
        return kMembers[column];
    }

    static std::optional<std::size_t> ColumnOf(const Columns& columns, const Word& word) {
        std::optional<std::size_t> best;
        for (std::size_t c = 0; c < columns.right.size(); ++c) {
            if (!columns.right[c])
                continue;
            if (!best || std::fabs(word.right - *columns.right[c]) <
                             std::fabs(word.right - *columns.right[*best]))
                best = c;
        }
        return best;
    }

    void ReadCostDetails() {
        const Columns columns = CostColumns();
        // Amounts right of this belong to the columns; left of it to a label ("Deed: $40.00").
        const double figuresFrom = columns.left - 20;
        constexpr RegionId kTotals[] = {RegionId::A, RegionId::B, RegionId::C, RegionId::D,
                                        RegionId::E, RegionId::F, RegionId::G, RegionId::H,
                                        RegionId::I, RegionId::J};
        for (std::size_t t = 0; t < std::size(kTotals); ++t) {
            const FoundRegion* region = Region(kTotals[t]);
            if (!region)
                continue;
            const Layout& layout = region->sheet->layout;
            std::vector<const Word*> beside;
            for (const Line& line : layout.lines())
                if (line.number >= region->heading.firstLine &&
                    line.number <= region->heading.lastLine)
                    for (const Word* word : line.words)
                        if (word->left > region->heading.box.right)
                            beside.push_back(word);
            const auto totals = AmountsOf(beside, true);
            // A section with nothing in it prints no total: none is 0.
            reading_.borrowerPaidTotals[t] = {totals.empty() ? 0.0 : totals.back().value,
                                              {region->sheet->number, region->heading.firstLine}};
        }
        for (std::size_t s = 0; s < kCostSections.size(); ++s) {
            static constexpr RegionId kSections[] = {RegionId::A, RegionId::B, RegionId::C,
                                                     RegionId::E, RegionId::F, RegionId::G,
                                                     RegionId::H};
            if (const FoundRegion* region = Region(kSections[s]))
                ReadLines(*region, columns, figuresFrom, reading_.sections[s]);
        }
        if (const FoundRegion* j = Region(RegionId::J))
            ReadLenderCredits(*j);
    }

    // The numbered lines of a section: a line that begins with its number ("01") starts one; the
    // lines after it until the next number carry on its label (a Spanish label over two lines).
    // Every amount of the columns belongs to the numbered line nearest it up or down.
    static void ReadLines(const FoundRegion& region, const Columns& columns, double figuresFrom,
                          std::vector<ClosingLine>& lines) {
        struct Item {
            ClosingLine line;
            double top = 0;
            double bottom = 0;
            std::vector<const Word*> words; // left of the columns
        };
        std::vector<Item> items;
        std::vector<const Word*> figures;
        for (const auto& words : region.sheet->layout.LinesIn(region.area)) {
            std::vector<const Word*> labelWords;
            for (const Word* word : words) {
                if (word->left >= figuresFrom && ParseAmountLike(word->text))
                    figures.push_back(word);
                else if (word->right < figuresFrom + 20)
                    labelWords.push_back(word);
                else if (IsDash(word->text))
                    figures.push_back(word);
            }
            if (labelWords.empty())
                continue;
            const std::string& first = labelWords.front()->text;
            const bool numbered = first.size() == 2 &&
                                  std::isdigit(static_cast<unsigned char>(first[0])) &&
                                  std::isdigit(static_cast<unsigned char>(first[1]));
            if (numbered) {
                Item item;
                item.line.number = first;
                item.line.where = {region.sheet->number, 0};
                for (const Line& line : region.sheet->layout.lines())
                    if (std::find(line.words.begin(), line.words.end(), labelWords.front()) !=
                        line.words.end())
                        item.line.where.line = line.number;
                item.top = labelWords.front()->top;
                item.bottom = labelWords.front()->bottom;
                item.words.assign(labelWords.begin() + 1, labelWords.end());
                items.push_back(std::move(item));
            } else if (!items.empty()) {
                Item& item = items.back();
                item.words.insert(item.words.end(), labelWords.begin(), labelWords.end());
                item.bottom = std::max(item.bottom, labelWords.front()->bottom);
            }
        }
        if (items.empty())
            return;
        std::sort(figures.begin(), figures.end(), [](const Word* a, const Word* b) {
            return Middle(*a) < Middle(*b) || (Middle(*a) == Middle(*b) && a->left < b->left);
        });
        std::vector<std::vector<const Word*>> figuresOf(items.size());
        for (const Word* word : figures) {
            std::size_t best = 0;
            double nearest = 1e18;
            for (std::size_t i = 0; i < items.size(); ++i) {
                const double middle = Middle(*word);
                const double distance = middle < items[i].top      ? items[i].top - middle
                                        : middle > items[i].bottom ? middle - items[i].bottom
                                                                   : 0;
                if (distance < nearest) {
                    nearest = distance;
                    best = i;
                }
            }
            figuresOf[best].push_back(word);
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            Item& item = items[i];
            SplitLabel(item.words, item.line.label, item.line.payee);
            for (const Amount& amount : AmountsOf(InReadingOrder(figuresOf[i]), false))
                if (const auto column = ColumnOf(columns, *amount.word))
                    item.line.*ColumnMember(*column) = amount.value;
            if (!item.line.label.empty() || item.line.HasAmount())
                lines.push_back(std::move(item.line));
        }
    }

    static bool ParseAmountLike(const std::string& text) {
        return ParseAmount(text, false).has_value() || text == "$";
    }

    // "Appraisal Fee to John Smith Appraisers Inc.": the payee begins at the first "to" ("para")
    // outside parentheses that a name follows, not a date ("from 4/15/13 to 5/1/13").
    static void SplitLabel(const std::vector<const Word*>& words, std::string& label,
                           std::string& payee) {
        const auto ordered = InReadingOrder(words);
        int depth = 0;
        std::size_t split = ordered.size();
        for (std::size_t i = 0; i < ordered.size(); ++i) {
            const std::string& text = ordered[i]->text;
            if (depth == 0 && i > 0 && i + 1 < ordered.size() &&
                IsWord(ordered[i], {"to", "para"}) &&
                !std::isdigit(static_cast<unsigned char>(ordered[i + 1]->text.front()))) {
                split = i;
                break;
            }
            depth += static_cast<int>(std::count(text.begin(), text.end(), '('));
            depth -= static_cast<int>(std::count(text.begin(), text.end(), ')'));
            depth = std::max(depth, 0);
        }
        label = Joined(std::vector<const Word*>(
            ordered.begin(), ordered.begin() + static_cast<std::ptrdiff_t>(split)));
        if (split < ordered.size())
            payee = Joined(std::vector<const Word*>(
                ordered.begin() + static_cast<std::ptrdiff_t>(split + 1), ordered.end()));
    }

    // "Lender Credits (Includes $200 credit for increase in Closing Costs above legal limit)
    // – $500.00": the credits, and inside the parentheses the cure.
    void ReadLenderCredits(const FoundRegion& j) {
        const Layout& layout = j.sheet->layout;
        const auto label = FindLabel(layout, kLenderCredits, language_, j.area);
        if (!label)
            return;
        std::vector<const Word*> words;
        for (const Line& line : layout.lines()) {
            if (line.number < label->firstLine || line.number > label->lastLine + 1)
                continue;
            // The next line only when it carries on the parentheses.
            if (line.number == label->lastLine + 1 &&
                (words.empty() || Joined(words).find('(') == std::string::npos ||
                 Joined(words).find(')') != std::string::npos))
                continue;
            for (const Word* word : line.words)
                if (j.area.HoldsMiddleOf(*word) &&
                    std::find(label->words.begin(), label->words.end(), word) == label->words.end())
                    words.push_back(word);
        }
        // The credits stand apart at the end of the label's line, in the first column; the note
        // in parentheses (which may run on to the next line) names the cure.
        std::vector<const Word*> first;
        for (const Word* word : words)
            if (std::fabs(Middle(*word) - Middle(*label->words.front())) < 3)
                first.push_back(word);
        std::sort(first.begin(), first.end(),
                  [](const Word* a, const Word* b) { return a->left < b->left; });
        std::vector<const Word*> figure;
        const auto runs = Runs(first);
        if (!runs.empty() && !runs.back().empty() && runs.back().front()->text.front() != '(' &&
            !AmountsOf(runs.back(), true).empty())
            figure = runs.back();
        std::vector<const Word*> inside;
        for (const Word* word : words)
            if (std::find(figure.begin(), figure.end(), word) == figure.end())
                inside.push_back(word);
        const Where where{j.sheet->number, label->firstLine};
        const auto credits = AmountsOf(figure, true);
        reading_.lenderCredits = {credits.empty() ? 0.0 : credits.back().value, where};
        const std::string said = Folded(Joined(inside));
        const bool cure = std::any_of(
            std::begin(kLegalLimit), std::end(kLegalLimit),
            [&](std::string_view words) { return said.find(words) != std::string::npos; });
        const auto cured = AmountsOf(inside, true);
        reading_.cureGiven = {cure && !cured.empty() ? std::fabs(cured.front().value) : 0.0, where};
    }

    void ReadCashToClose() {
        const FoundRegion* region = Region(RegionId::CashToClose);
        if (!region)
            return;
        const Layout& layout = region->sheet->layout;
        const auto estimate = FindLabel(layout, kLoanEstimateColumn, language_, region->area);
        const auto final = FindLabel(layout, kFinalColumn, language_, region->area);
        const auto changed = FindLabel(layout, kChangedColumn, language_, region->area);
        if (!estimate || !final)
            return;
        const double estimateRight = estimate->box.right;
        const double finalRight = final->box.right;
        const double changedLeft = changed ? changed->box.left : finalRight + 10;
        const double tableTop = std::max(estimate->box.bottom, final->box.bottom);
        Box body = region->area;
        body.top = tableTop;
        body.right = changedLeft - 2;
        // The rows, top to bottom, each found once at the table's left edge.
        struct Row {
            const CashRowOfForm* form;
            Label label;
        };
        std::vector<Row> rows;
        for (const CashRowOfForm& form : kCashRows) {
            for (const Label& label : layout.Find(form.label.In(language_), body)) {
                if (label.box.left > region->heading.box.left + 12)
                    continue;
                const bool taken = std::any_of(rows.begin(), rows.end(), [&](const Row& row) {
                    return row.label.firstLine <= label.lastLine &&
                           label.firstLine <= row.label.lastLine;
                });
                if (!taken)
                    rows.push_back({&form, label});
            }
        }
        std::sort(rows.begin(), rows.end(),
                  [](const Row& a, const Row& b) { return a.label.box.top < b.label.box.top; });
        // Each row's figures stand on its label's lines or, where a note beside the row pushes
        // them down, on the lines below it before the next row.
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const Row& row = rows[r];
            Box band = region->area;
            band.top = row.label.box.top - 1.5;
            band.bottom =
                r + 1 < rows.size() ? rows[r + 1].label.box.top - 1.5 : region->area.bottom;
            band.left = row.label.box.right + 1;
            std::vector<const Word*> words;
            for (const auto& line : layout.LinesIn(band))
                words.insert(words.end(), line.begin(), line.end());
            std::vector<const Word*> estimateWords;
            std::vector<const Word*> finalWords;
            std::optional<bool> didChange;
            for (const Word* word : words) {
                if (word->left >= changedLeft - 2) {
                    if (!didChange && Middle(*word) < row.label.box.bottom + 2) {
                        if (IsWord(word, {"yes", "sí", "si"}))
                            didChange = true;
                        else if (IsWord(word, {"no"}))
                            didChange = false;
                    }
                    continue;
                }
                // A minus set apart goes with the figure just right of it.
                double right = word->right;
                if (IsDash(word->text))
                    for (const Word* next : words)
                        if (next->left >= word->right - 0.5 && next->left - word->right < 8 &&
                            std::fabs(Middle(*next) - Middle(*word)) < 3)
                            right = next->right;
                (std::fabs(right - estimateRight) < std::fabs(right - finalRight) ? estimateWords
                                                                                  : finalWords)
                    .push_back(word);
            }
            CashToCloseRow read;
            read.key = row.form->key;
            read.label = Joined(row.label.words);
            read.where = {region->sheet->number, row.label.firstLine};
            const auto first = [](const std::vector<const Word*>& words) {
                return FirstAmount(InReadingOrder(words), true);
            };
            read.loanEstimate = first(estimateWords);
            read.final = first(finalWords);
            if (read.key != "cashToClose")
                read.changed = didChange;
            if (read.key == "cashToClose") {
                if (!reading_.cashToCloseFromBorrower.value)
                    if (const auto from = FromBorrower(words))
                        reading_.cashToCloseFromBorrower = {*from, read.where};
            }
            reading_.calculatingCashToClose.push_back(std::move(read));
        }
        // A refinance prints the closing costs financed beside the table's last row.
        if (const auto aside = FindLabel(layout, kFinancedAside, language_, region->area)) {
            if (aside->box.left > region->heading.box.left + 12) {
                std::vector<const Word*> words;
                for (const Line& line : layout.lines())
                    if (line.number == aside->lastLine)
                        for (const Word* word : line.words)
                            if (word->left > aside->box.right - 1)
                                words.push_back(word);
                if (const auto financed = FirstAmount(words, true))
                    reading_.closingCostsFinanced = {*financed,
                                                     {region->sheet->number, aside->firstLine}};
            }
        }
    }

    void ReadSummaries() {
        if (const FoundRegion* region = Region(RegionId::Summaries)) {
            const Layout& layout = region->sheet->layout;
            for (const SummaryOfForm& summary : kSummaries) {
                const auto label = FindLabel(layout, summary.label, language_, region->area);
                if (!label)
                    continue;
                // The figure at the end of the label's run, before the other side's column.
                std::vector<const Word*> words;
                for (const Line& line : layout.lines())
                    if (line.number == label->firstLine)
                        for (const auto& run : Runs(line.words))
                            if (run.front()->left > label->box.right - 1 &&
                                (words.empty() || run.front()->left < words.front()->left + 1)) {
                                const auto amounts = AmountsOf(run, true);
                                if (!amounts.empty() && words.empty())
                                    words.push_back(amounts.front().word);
                            }
                if (!words.empty())
                    if (const auto amount = ParseAmount(words.front()->text, true))
                        reading_.*
                            summary.figure = {*amount, {region->sheet->number, label->firstLine}};
            }
            // "Cash to Close ☒ From ☐ To Borrower" at the foot of the borrower's side.
            if (!reading_.cashToCloseFromBorrower.value) {
                std::vector<const Word*> words;
                for (const auto& line : layout.LinesIn(region->area))
                    for (const Word* word : line)
                        if (word->left < layout.page().width / 2)
                            words.push_back(word);
                if (const auto from = FromBorrower(words))
                    reading_.cashToCloseFromBorrower = {*from, {region->sheet->number, 0}};
            }
        }
        if (const FoundRegion* region = Region(RegionId::PayoffsTotal)) {
            std::vector<const Word*> words;
            for (const Line& line : region->sheet->layout.lines())
                if (line.number == region->heading.firstLine)
                    for (const Word* word : line.words)
                        if (word->left > region->heading.box.right)
                            words.push_back(word);
            if (const auto total = FirstAmount(words, true))
                reading_.totalPayoffsAndPayments = {
                    *total, {region->sheet->number, region->heading.firstLine}};
        }
    }

    // Each figure stands beside its paragraph, on any of its lines: the band from its label down
    // to the next label.
    void ReadLoanCalculations() {
        const FoundRegion* region = Region(RegionId::LoanCalculations);
        if (!region)
            return;
        const Layout& layout = region->sheet->layout;
        std::vector<std::optional<Label>> labels;
        for (const CalculationOfForm& calculation : kCalculations)
            labels.push_back(FindLabel(layout, calculation.label, language_, region->area));
        for (std::size_t c = 0; c < labels.size(); ++c) {
            if (!labels[c])
                continue;
            Box band = region->area;
            band.top = labels[c]->box.top - 1;
            for (std::size_t next = 0; next < labels.size(); ++next)
                if (labels[next] && labels[next]->box.top > labels[c]->box.bottom)
                    band.bottom = std::min(band.bottom, labels[next]->box.top - 1);
            std::vector<const Word*> words;
            for (const auto& line : layout.LinesIn(band))
                words.insert(words.end(), line.begin(), line.end());
            const Where where{region->sheet->number, labels[c]->firstLine};
            const CalculationOfForm& calculation = kCalculations[c];
            if (calculation.percent) {
                // "(APR)", "(TIP)" hold no percent sign; the figure is the last percentage.
                const auto percents = Percents(words);
                if (!percents.empty())
                    reading_.loanCalculations.*calculation.figure = {percents.back(), where};
            } else if (const auto amount = FirstAmount(words, true)) {
                reading_.loanCalculations.*calculation.figure = {*amount, where};
            }
        }
    }

    std::string language_;
    std::vector<Sheet> sheets_;
    std::vector<FoundRegion> regions_;
    ClosingReading reading_;
};

// The language of the first page that heads itself with the form's title or one of its regions.
std::optional<std::string> LanguageOf(const std::vector<Page>& pages) {
    for (const Page& page : pages) {
        const Layout layout(page);
        for (const std::string language : {"en", "es"}) {
            for (const RegionOfForm& region : kRegions)
                if (region.id == RegionId::ClosingInformation ||
                    region.id == RegionId::CostDetails || region.id == RegionId::CashToClose ||
                    region.id == RegionId::J)
                    if (FindLabel(layout, region.heading, language, layout.Whole()))
                        return language;
        }
    }
    for (const Page& page : pages) {
        const Layout layout(page);
        if (FindLabel(layout, kFormTitle, "es", layout.Whole()))
            return std::string("es");
    }
    return std::nullopt;
}

} // namespace

std::optional<ClosingReading> ReadClosing(const std::vector<Page>& pages) {
    if (ReadForm(pages).kind != FormKind::ClosingDisclosure)
        return std::nullopt;
    const auto language = LanguageOf(pages);
    ClosingReader reader(pages, language.value_or("en"));
    return reader.Read();
}

} // namespace plumcrest::reader
