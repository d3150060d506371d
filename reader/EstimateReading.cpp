#include "EstimateReading.h"

#include "EstimateFields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

namespace plumcrest::reader {

namespace {

bool IsPunctuation(char c) {
    return c == ':' || c == ',' || c == '.' || c == ';' || c == '(' || c == ')' || c == '[' ||
           c == ']' || c == '"' || c == '\'';
}

std::string KeyOf(const std::string& text) {
    std::string key;
    for (char c : text)
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    std::size_t first = 0;
    std::size_t last = key.size();
    while (first < last && IsPunctuation(key[first]))
        ++first;
    while (last > first && IsPunctuation(key[last - 1]))
        --last;
    return key.substr(first, last - first);
}

std::vector<std::string> Keys(std::string_view phrase) {
    std::vector<std::string> keys;
    std::size_t at = 0;
    while (at < phrase.size()) {
        const std::size_t end = std::min(phrase.find(' ', at), phrase.size());
        if (end > at)
            keys.push_back(KeyOf(std::string(phrase.substr(at, end - at))));
        at = end + 1;
    }
    return keys;
}

constexpr std::string_view kDashes[] = {"-", "\u2013", "\u2014", "\u2212"};

bool IsDash(std::string_view text) {
    return std::find(std::begin(kDashes), std::end(kDashes), text) != std::end(kDashes);
}

// Leading minus signs as the form may print them.
std::string_view WithoutMinus(std::string_view text, bool& negative) {
    for (std::string_view minus : kDashes) {
        if (text.substr(0, minus.size()) == minus) {
            negative = true;
            return text.substr(minus.size());
        }
    }
    return text;
}

std::optional<int> LeadingWhole(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

// ---------------------------------------------------------------------------------------------
// The form, described once. Each region is found by its heading on its page of the form and
// spans the page or one of its two columns, down to the next heading below it there; each
// figure is looked for only inside its region, by its label in the form's language.

// The form's labels of the figures the one description of a Loan Estimate names; a key it lacks
// stops the build.
constexpr Wording FormWording(std::string_view key) {
    for (const EstimateField& field : kEstimateFields)
        if (field.key == key)
            return {field.formLabel, field.formLabelEs};
    for (const FormOnlyLabel& label : kFormOnlyLabels)
        if (label.key == key)
            return {label.formLabel, label.formLabelEs};
    throw "no such figure";
}

constexpr Wording kDateIssued = FormWording("dateIssued");
constexpr Wording kSalePrice = FormWording("price");
constexpr Wording kPropertyValue = FormWording("propertyValue");
constexpr Wording kLoanTerm = FormWording("months");
constexpr Wording kPurpose = FormWording("purpose");
constexpr Wording kProduct = FormWording("product");
constexpr Wording kLoanType = FormWording("loanType");
constexpr Wording kRateLock = FormWording("rateLock");
constexpr Wording kLoanAmount = FormWording("loanAmount");
constexpr Wording kInterestRate = FormWording("noteRate");
constexpr Wording kMonthlyPayment = FormWording("monthlyPrincipalInterest");
constexpr Wording kBalloon = FormWording("balloonPayment");
constexpr Wording kPrepaymentPenalty = FormWording("prepaymentPenalty");
constexpr Wording kCashToClose = FormWording("cashToClose");
constexpr Wording kLenderCredits = FormWording("lenderCredits");
constexpr Wording kIndexMargin = FormWording("armMargin");
constexpr Wording kInitialRate = FormWording("initialRate");
constexpr Wording kMinimumMaximum = FormWording("armFloor");
constexpr Wording kFirstChange = FormWording("armFirstCap");
constexpr Wording kLaterChanges = FormWording("armLaterCap");
constexpr Wording kLender = FormWording("lender");
constexpr Wording kInFiveYears = FormWording("disclosedInFiveTotal");
constexpr Wording kApr = FormWording("disclosedApr");
constexpr Wording kTip = FormWording("disclosedTip");
constexpr Wording kDownPayment = FormWording("downPaymentFunds");
constexpr Wording kDeposit = FormWording("deposit");
constexpr Wording kFundsForBorrower = FormWording("fundsForBorrower");
constexpr Wording kSellerCredits = FormWording("sellerCredits");
constexpr Wording kAdjustments = FormWording("adjustmentsCredits");

enum class Column { Full, Left, Right };

enum class RegionId {
    Title,
    Details,
    LoanTerms,
    Projected,
    CostsAtClosing, // page 1
    LoanCosts,
    OtherCosts,
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
    CashToClose,
    PaymentTable,
    RateTable,
    RateChanges,
    RateLimits, // page 2
    Contacts,
    Comparisons,
    OtherConsiderations, // page 3
};

struct RegionOfForm {
    RegionId id;
    int formPage; // 1 to 3
    Column column;
    bool headingIsLabel; // the heading is the first label of its region
    Wording heading;
};

constexpr RegionOfForm kRegions[] = {
    {RegionId::Title, 1, Column::Left, false, {"Loan Estimate", "Estimación de Préstamo"}},
    {RegionId::Details, 1, Column::Right, true, kLoanTerm},
    {RegionId::LoanTerms, 1, Column::Full, false, {"Loan Terms", "Términos del préstamo"}},
    {RegionId::Projected, 1, Column::Full, false, {"Projected Payments", "Pagos proyectados"}},
    {RegionId::CostsAtClosing,
     1,
     Column::Full,
     false,
     {"Costs at Closing", "Costos al momento del cierre"}},
    {RegionId::LoanCosts, 2, Column::Left, false, {"Loan Costs", "Costos del préstamo"}},
    {RegionId::OtherCosts, 2, Column::Right, false, {"Other Costs", "Otros costos"}},
    {RegionId::A, 2, Column::Left, false, {"A. Origination Charges", "A. Gastos por tramitación"}},
    {RegionId::B,
     2,
     Column::Left,
     false,
     {"B. Services You Cannot Shop For", "B. Servicios que usted no puede contratar"}},
    {RegionId::C,
     2,
     Column::Left,
     false,
     {"C. Services You Can Shop For", "C. Servicios que usted puede contratar"}},
    {RegionId::D,
     2,
     Column::Left,
     false,
     {"D. TOTAL LOAN COSTS (A + B + C)", "D. COSTOS TOTALES DEL PRÉSTAMO (A + B + C)"}},
    {RegionId::E,
     2,
     Column::Right,
     false,
     {"E. Taxes and Other Government Fees", "E. Impuestos y otros cargos gubernamentales"}},
    {RegionId::F, 2, Column::Right, false, {"F. Prepaids", "F. Pagos anticipados"}},
    {RegionId::G,
     2,
     Column::Right,
     false,
     {"G. Initial Escrow Payment at Closing",
      "G. Pago inicial de la cuenta en depósito para impuestos y seguros de la vivienda al "
      "cierre|G. Pago inicial de la cuenta en depósito al cierre"}},
    {RegionId::H, 2, Column::Right, false, {"H. Other", "H. Otros"}},
    {RegionId::I,
     2,
     Column::Right,
     false,
     {"I. TOTAL OTHER COSTS (E + F + G + H)", "I. TOTAL DE OTROS COSTOS (E + F + G + H)"}},
    {RegionId::J,
     2,
     Column::Right,
     false,
     {"J. TOTAL CLOSING COSTS", "J. TOTAL DE COSTOS DE CIERRE"}},
    {RegionId::CashToClose,
     2,
     Column::Right,
     false,
     {"Calculating Cash to Close", "Cálculo del dinero en efectivo para el cierre"}},
    {RegionId::PaymentTable,
     2,
     Column::Left,
     false,
     {"Adjustable Payment (AP) Table", "Tabla de pagos ajustables (PA)"}},
    {RegionId::RateTable,
     2,
     Column::Right,
     false,
     {"Adjustable Interest Rate (AIR) Table", "Tabla de tasa de interés ajustable (TIA)"}},
    {RegionId::RateChanges,
     2,
     Column::Right,
     false,
     {"Change Frequency", "Frecuencia de los cambios"}},
    {RegionId::RateLimits,
     2,
     Column::Right,
     false,
     {"Limits on Interest Rate Changes", "Límites de cambios en la tasa de interés"}},
    {RegionId::Contacts,
     3,
     Column::Full,
     false,
     {"Additional Information About This Loan", "Información adicional sobre este préstamo"}},
    {RegionId::Comparisons, 3, Column::Full, false, {"Comparisons", "Comparaciones"}},
    {RegionId::OtherConsiderations,
     3,
     Column::Full,
     false,
     {"Other Considerations", "Otras consideraciones"}},
};

// How a figure is written beside its label.
enum class Kind {
    Money,       // the n-th amount with a dollar sign
    Percent,     // the n-th percentage
    Years,       // "30 years"
    Date,        // "2/15/2013"
    Text,        // the words of the cell's first column, over as many lines as it runs
    Purpose,     // Text, named in English
    LoanType,    // the marked box
    Lock,        // "NO ☒ YES, until ...": whether and until when
    Expiry,      // "... expire on 3/4/2013 at 5:00 p.m. EDT"
    ToBorrower,  // "From ☒ To Borrower"
    Credits,     // an amount, none printed meaning 0
    IndexMargin, // "MTA + 4%"
    MinMax,      // "3.25%/12%"
    Month,       // the first whole number: "Beginning of 61st month", "Every 36th month"
    Range,       // two amounts, the least and the most: "$1,028 – $1,359 at 61st payment"
    YesNo,       // "YES" or "NO" (in Spanish "SÍ" or "NO")
    YesCount,    // "YES for your first 60 payments": 60; "NO": 0
};

using Target = std::variant<std::monostate, Figure<double> EstimateReading::*,
                            Figure<int> EstimateReading::*, Figure<std::string> EstimateReading::*,
                            Figure<bool> EstimateReading::*, Figure<double> RateTable::*,
                            Figure<int> RateTable::*, Figure<std::string> RateTable::*,
                            Figure<double> PaymentTable::*, Figure<int> PaymentTable::*,
                            Figure<bool> PaymentTable::*, Figure<std::string> PaymentTable::*,
                            Figure<double> CashToCloseTable::*, Figure<bool> CashToCloseTable::*>;

struct FieldSpec {
    RegionId region;
    Wording label;
    Kind kind;
    int nth; // which of the figures beside the label, from 0
    Target target;
    Target second = {}; // the other half of a pair (until when, the maximum, the margin)
};

using R = EstimateReading;
using T = RateTable;
using P = PaymentTable;
using C = CashToCloseTable;

// Labels of the page 2 tables that the record keeps under other names, or not at all.
constexpr Wording kEstimatedClosingCosts{"Estimated Closing Costs", "Costos de cierre estimados"};
constexpr Wording kInterestOnlyPayments = FormWording("interestOnlyMonths");
constexpr Wording kOptionalPayments{"Optional Payments?", "¿Pagos opcionales?"};
constexpr Wording kStepPayments{"Step Payments?", "¿Pagos escalonados?"};
constexpr Wording kSeasonalPayments{"Seasonal Payments?", "¿Pagos estacionales?"};
constexpr Wording kFirstPaymentChange{"First Change/Amount", "Primer cambio/Monto"};
constexpr Wording kMaximumPayment{"Maximum Payment", "Pago máximo"};
constexpr Wording kTotalClosingCostsJ{"Total Closing Costs (J)", "Total de costos de cierre (J)"};
// A refinance's table calls the closing costs financed "estimated" and sets it last.
constexpr Wording kCostsFinanced{
    "Estimated Closing Costs Financed (Paid from your Loan Amount)|Closing Costs Financed (Paid "
    "from your Loan Amount)",
    "Costos de cierre financiados estimados (pagados del monto del préstamo)|Costos de cierre "
    "financiados (pagados del monto del préstamo)"};
constexpr Wording kPayoffs{"Estimated Total Payoffs and Payments",
                           "Liquidaciones y pagos totales estimados"};

const FieldSpec kFields[] = {
    {RegionId::Title, kDateIssued, Kind::Date, 0, &R::dateIssued},
    {RegionId::Title, kSalePrice, Kind::Money, 0, &R::salePrice},
    {RegionId::Title, kPropertyValue, Kind::Money, 0, &R::propertyValue},
    {RegionId::Details, kLoanTerm, Kind::Years, 0, &R::loanTermYears},
    {RegionId::Details, kPurpose, Kind::Purpose, 0, &R::purpose},
    {RegionId::Details, kProduct, Kind::Text, 0, &R::product},
    {RegionId::Details, kLoanType, Kind::LoanType, 0, &R::loanType},
    {RegionId::Details, kRateLock, Kind::Lock, 0, &R::rateLocked, &R::rateLockUntil},
    {RegionId::Details, kRateLock, Kind::Expiry, 0, &R::closingCostsExpire},
    {RegionId::LoanTerms, kLoanAmount, Kind::Money, 0, &R::loanAmount},
    {RegionId::LoanTerms, kInterestRate, Kind::Percent, 0, &R::interestRate},
    {RegionId::LoanTerms, kMonthlyPayment, Kind::Money, 0, &R::monthlyPrincipalInterest},
    {RegionId::LoanTerms, kBalloon, Kind::Money, 0, &R::balloonPayment},
    {RegionId::LoanTerms, kPrepaymentPenalty, Kind::YesNo, 0, &R::prepaymentPenalty},
    {RegionId::CostsAtClosing, kCashToClose, Kind::Money, 0, &R::cashToClose},
    {RegionId::CostsAtClosing, kCashToClose, Kind::ToBorrower, 0, &R::cashToCloseToBorrower},
    // "$8,791 Includes $5,851 in Loan Costs + $2,940 in Other Costs – $0 in Lender Credits": the
    // lender credits where page 2 prints no line for them.
    {RegionId::CostsAtClosing, kEstimatedClosingCosts, Kind::Money, 3, &R::lenderCredits},
    {RegionId::J, kLenderCredits, Kind::Credits, 0, &R::lenderCredits},
    {RegionId::CashToClose, kTotalClosingCostsJ, Kind::Money, 0, &C::totalClosingCosts},
    {RegionId::CashToClose, kCostsFinanced, Kind::Money, 0, &C::closingCostsFinanced},
    {RegionId::CashToClose, kDownPayment, Kind::Money, 0, &C::downPaymentFunds},
    {RegionId::CashToClose, kDeposit, Kind::Money, 0, &C::deposit},
    {RegionId::CashToClose, kFundsForBorrower, Kind::Money, 0, &C::fundsForBorrower},
    {RegionId::CashToClose, kSellerCredits, Kind::Money, 0, &C::sellerCredits},
    {RegionId::CashToClose, kAdjustments, Kind::Money, 0, &C::adjustmentsCredits},
    {RegionId::CashToClose, kLoanAmount, Kind::Money, 0, &C::loanAmount},
    {RegionId::CashToClose, kPayoffs, Kind::Money, 0, &C::payoffs},
    {RegionId::CashToClose, kCashToClose, Kind::Money, 0, &C::cashToClose},
    {RegionId::CashToClose, kCashToClose, Kind::ToBorrower, 0, &C::toBorrower},
    {RegionId::PaymentTable, kInterestOnlyPayments, Kind::YesCount, 0, &P::interestOnlyPayments},
    {RegionId::PaymentTable, kOptionalPayments, Kind::YesNo, 0, &P::optionalPayments},
    {RegionId::PaymentTable, kStepPayments, Kind::YesNo, 0, &P::stepPayments},
    {RegionId::PaymentTable, kSeasonalPayments, Kind::YesNo, 0, &P::seasonalPayments},
    {RegionId::PaymentTable, kFirstPaymentChange, Kind::Range, 0, &P::firstChangeMinimum,
     &P::firstChangeMaximum},
    {RegionId::PaymentTable, kFirstPaymentChange, Kind::Month, 0, &P::firstChangePayment},
    {RegionId::PaymentTable, kLaterChanges, Kind::Text, 0, &P::laterChanges},
    {RegionId::PaymentTable, kMaximumPayment, Kind::Money, 0, &P::maximumPayment},
    {RegionId::PaymentTable, kMaximumPayment, Kind::Month, 0, &P::maximumPaymentFrom},
    {RegionId::RateTable, kIndexMargin, Kind::IndexMargin, 0, &T::index, &T::margin},
    {RegionId::RateTable, kInitialRate, Kind::Percent, 0, &T::initialRate},
    {RegionId::RateTable, kMinimumMaximum, Kind::MinMax, 0, &T::minimumRate, &T::maximumRate},
    {RegionId::RateChanges, kFirstChange, Kind::Month, 0, &T::firstChangeMonth},
    {RegionId::RateChanges, kLaterChanges, Kind::Month, 0, &T::laterChangeMonths},
    {RegionId::RateLimits, kFirstChange, Kind::Percent, 0, &T::firstChangeCap},
    {RegionId::RateLimits, kLaterChanges, Kind::Percent, 0, &T::laterChangeCap},
    {RegionId::Contacts, kLender, Kind::Text, 0, &R::lender},
    {RegionId::Comparisons, kInFiveYears, Kind::Money, 0, &R::in5YearsTotalPaid},
    {RegionId::Comparisons, kInFiveYears, Kind::Money, 1, &R::in5YearsPrincipal},
    {RegionId::Comparisons, kApr, Kind::Percent, 0, &R::apr},
    {RegionId::Comparisons, kTip, Kind::Percent, 0, &R::tip},
};

// The Projected Payments: the columns are headed on the first row; the rows below hold one
// figure, or a range, in each column.
constexpr Wording kPaymentColumns{"Payment Calculation", "Cálculo de los pagos"};
constexpr Wording kYears{"Years", "Años"};
constexpr Wording kRangeLow{"min", "min"};
constexpr Wording kRangeHigh{"max", "máx"};
struct ProjectedRow {
    Wording label;
    Figure<double> ProjectedColumn::*figure;
    std::optional<double> ProjectedColumn::*maximum;
};
const ProjectedRow kProjectedRows[] = {
    {{"Principal & Interest", "Capital e intereses"},
     &ProjectedColumn::principalInterest,
     &ProjectedColumn::principalInterestMaximum},
    {{"Mortgage Insurance", "Seguro hipotecario"}, &ProjectedColumn::mortgageInsurance, nullptr},
    {{"Estimated Escrow", "Depósito estimado para impuestos y seguros de la vivienda"},
     &ProjectedColumn::escrow,
     nullptr},
    {{"Estimated Total Monthly Payment", "Pago total mensual estimado"},
     &ProjectedColumn::total,
     &ProjectedColumn::totalMaximum},
};

// Which section each lettered region holds, and the totals beside D, I and J.
struct SectionRegion {
    RegionId region;
    std::optional<CostSection> section;
    Figure<double> EstimateReading::*total; // for D, I and J
};
const SectionRegion kSectionRegions[] = {
    {RegionId::A, CostSection::A, nullptr},
    {RegionId::B, CostSection::B, nullptr},
    {RegionId::C, CostSection::C, nullptr},
    {RegionId::D, std::nullopt, &R::totalLoanCosts},
    {RegionId::E, CostSection::E, nullptr},
    {RegionId::F, CostSection::F, nullptr},
    {RegionId::G, CostSection::G, nullptr},
    {RegionId::H, CostSection::H, nullptr},
    {RegionId::I, std::nullopt, &R::totalOtherCosts},
    {RegionId::J, std::nullopt, &R::totalClosingCosts},
};

// What the pages of other documents say that a Loan Estimate never does.
constexpr std::string_view kClosingDisclosureMarks[] = {
    "closing information", "borrower-paid", "información sobre el cierre", "pagados por el deudor"};

// The headings that name each page of the form.
constexpr Wording kPageMarks[] = {
    {"Loan Terms", "Términos del préstamo"},
    {"Closing Cost Details", "Detalles de los costos del cierre"},
    {"Additional Information About This Loan", "Información adicional sobre este préstamo"},
};
constexpr Wording kComparisonsMark{"Comparisons", "Comparaciones"};
// A page of closing-cost lines carried over from page 2.
constexpr Wording kCarriedOverMark{"Closing Cost Details (continued)",
                                   "Detalles de los costos del cierre (continuación)"};

// Words of a product's name that say its payments are not level ones.
constexpr std::string_view kInterestOnly[] = {"interest only", "intereses solamente"};
constexpr std::string_view kNegativeAmortization[] = {"negative amortization",
                                                      "amortización negativa"};

// Spanish words of the form's fixed choices, as the reading names them.
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

// ---------------------------------------------------------------------------------------------
// Reading the figures out of the words of a cell.

// The pieces of a word split at dashes that follow a figure: "$1,137–$1,468" is two amounts.
std::vector<std::string> Pieces(const std::string& text) {
    std::vector<std::string> pieces;
    std::string current;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t dash = 0;
        for (std::string_view d : kDashes)
            if (text.compare(i, d.size(), d) == 0)
                dash = d.size();
        if (dash && !current.empty() && current.back() >= '0' && current.back() <= '9') {
            pieces.push_back(current);
            current.clear();
            i += dash;
            continue;
        }
        current += text[i++];
    }
    if (!current.empty())
        pieces.push_back(current);
    return pieces;
}

// The amounts of a cell in reading order; "$ 83.33" set as two words reads as one.
std::vector<double> Amounts(const std::vector<const Word*>& words, bool needDollar,
                            bool signs = true) {
    std::vector<double> amounts;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string text = words[i]->text;
        if ((text == "$" || text == "-$" || text == "\u2013$") && i + 1 < words.size())
            text += words[++i]->text;
        else if (signs && IsDash(text) && i + 1 < words.size() && !words[i + 1]->text.empty() &&
                 words[i + 1]->text.front() == '$')
            text += words[++i]->text; // "– $10,000"
        for (const std::string& piece : Pieces(text))
            if (const auto amount = ParseAmount(piece, needDollar))
                amounts.push_back(*amount);
    }
    return amounts;
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

bool IsMark(std::string_view text) {
    for (std::string_view mark :
         {"\u2612", "\u25A0", "\u2611", "\u2714", "\u2713", "x", "X", "\u25A3", "\u2718", "\u2717"})
        if (text == mark)
            return true;
    return false;
}

// "☒Conventional" set as one word: the option after the mark.
std::optional<std::string> AfterGluedMark(const std::string& text) {
    for (std::string_view mark : {"\u2612", "\u25A0", "\u2611", "\u2714", "\u2713"})
        if (text.size() > mark.size() && text.compare(0, mark.size(), mark) == 0)
            return text.substr(mark.size());
    return std::nullopt;
}

std::optional<std::string> Named(const std::string& printed) {
    const std::string folded = Folded(printed);
    for (const Naming& name : kNames)
        if (folded == name.printed)
            return std::string(name.named);
    return std::nullopt;
}

std::vector<std::vector<const Word*>> ByLine(const std::vector<const Word*>& words) {
    std::vector<std::vector<const Word*>> lines;
    for (const Word* word : words) {
        if (lines.empty() || word->top >= lines.back().front()->bottom - 1)
            lines.push_back({word});
        else
            lines.back().push_back(word);
    }
    for (auto& line : lines)
        std::sort(line.begin(), line.end(),
                  [](const Word* a, const Word* b) { return a->left < b->left; });
    return lines;
}

// The text of a cell: on each line the run of words in the cell's first column.
std::string CellText(const std::vector<const Word*>& words) {
    const auto lines = ByLine(words);
    if (lines.empty())
        return {};
    const double column = Runs(lines.front()).front().front()->left;
    std::string text;
    for (const auto& line : lines) {
        for (const auto& run : Runs(line)) {
            if (std::fabs(run.front()->left - column) > 3)
                continue;
            if (!text.empty())
                text += ' ';
            text += Joined(run);
        }
    }
    return text;
}

std::optional<std::string> MarkedOption(const std::vector<const Word*>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string option;
        if (IsMark(words[i]->text) && i + 1 < words.size()) {
            option = words[i + 1]->text;
        } else if (const auto glued = AfterGluedMark(words[i]->text)) {
            option = *glued;
        }
        if (option.empty())
            continue;
        if (const auto named = Named(option))
            return named;
        // "Other" types are written on the line after their box.
        std::string other;
        for (std::size_t k = i + 1; k < words.size() && !IsMark(words[k]->text); ++k)
            other += (other.empty() ? "" : " ") + words[k]->text;
        while (!other.empty() && (other.front() == '_' || other.front() == ' '))
            other.erase(other.begin());
        if (!other.empty())
            return other;
    }
    return std::nullopt;
}

// The words after the first of `keys` (a folded phrase of one or more words), to the cell's end
// of line.
std::optional<std::string> TextAfter(const std::vector<const Word*>& words,
                                     std::initializer_list<std::string_view> keys) {
    const auto lines = ByLine(words);
    for (const auto& line : lines) {
        for (std::string_view key : keys) {
            const std::vector<std::string> tokens = Keys(key);
            for (std::size_t i = 0; i + tokens.size() <= line.size(); ++i) {
                bool same = true;
                for (std::size_t k = 0; k < tokens.size() && same; ++k)
                    same = Folded(line[i + k]->text) == tokens[k];
                if (!same)
                    continue;
                std::vector<const Word*> rest(
                    line.begin() + static_cast<std::ptrdiff_t>(i + tokens.size()), line.end());
                // A sentence may run on to the next line of the cell.
                const auto next = std::find(lines.begin(), lines.end(), line);
                if (next + 1 != lines.end() && rest.size() < 3)
                    rest.insert(rest.end(), (next + 1)->begin(), (next + 1)->end());
                if (!rest.empty())
                    return Joined(rest);
            }
        }
    }
    return std::nullopt;
}

struct Parsed {
    std::optional<double> number;
    std::optional<int> whole;
    std::optional<std::string> text;
    std::optional<bool> flag;
    std::optional<double> secondNumber;
    std::optional<std::string> secondText;
};

Parsed Parse(Kind kind, int nth, const std::vector<const Word*>& words) {
    Parsed parsed;
    const auto nthOf = [nth](const std::vector<double>& values) -> std::optional<double> {
        return static_cast<std::size_t>(nth) < values.size()
                   ? std::optional<double>(values[static_cast<std::size_t>(nth)])
                   : std::nullopt;
    };
    switch (kind) {
    case Kind::Money:
        parsed.number = nthOf(Amounts(words, true));
        break;
    case Kind::Credits: {
        const auto amounts = Amounts(words, true);
        parsed.number = amounts.empty() ? 0.0 : amounts.front();
        break;
    }
    case Kind::Percent:
        parsed.number = nthOf(Percents(words));
        break;
    case Kind::Years:
        if (!words.empty())
            parsed.whole = LeadingWhole(words.front()->text);
        break;
    case Kind::Date:
        if (!words.empty())
            if (const auto date = ParseDate(Joined(Runs(ByLine(words).front()).front())))
                parsed.text = *date;
        break;
    case Kind::Text:
    case Kind::Purpose: {
        std::string text = CellText(words);
        if (kind == Kind::Purpose)
            if (const auto named = Named(text))
                text = *named;
        if (!text.empty())
            parsed.text = text;
        break;
    }
    case Kind::LoanType:
        parsed.text = MarkedOption(words);
        break;
    case Kind::Lock:
        for (std::size_t i = 0; i + 1 < words.size(); ++i) {
            if (!IsMark(words[i]->text))
                continue;
            const std::string answer = Folded(words[i + 1]->text);
            if (answer == "yes" || answer == "sí")
                parsed.flag = true;
            else if (answer == "no")
                parsed.flag = false;
            if (parsed.flag)
                break;
        }
        if (parsed.flag.value_or(false))
            parsed.secondText = TextAfter(ByLine(words).front(), {"until", "hasta el"});
        break;
    case Kind::Expiry:
        parsed.text = TextAfter(words, {"expire on", "vigentes hasta el"});
        break;
    case Kind::ToBorrower:
        for (std::size_t i = 0; i + 1 < words.size(); ++i) {
            if (!IsMark(words[i]->text))
                continue;
            const std::string side = Folded(words[i + 1]->text);
            if (side == "to" || side == "al" || side == "para")
                parsed.flag = true;
            else if (side == "from" || side == "del" || side == "desde")
                parsed.flag = false;
        }
        break;
    case Kind::IndexMargin: {
        const auto lines = ByLine(words);
        if (lines.empty())
            break;
        const auto& line = lines.front();
        const auto plus = std::find_if(line.begin(), line.end(),
                                       [](const Word* word) { return word->text == "+"; });
        if (plus == line.end())
            break;
        const std::vector<const Word*> name(line.begin(), plus);
        if (!name.empty())
            parsed.text = Joined(name);
        const auto margins = Percents(std::vector<const Word*>(plus + 1, line.end()));
        if (!margins.empty())
            parsed.secondNumber = margins.front();
        break;
    }
    case Kind::MinMax: {
        const std::string text = words.empty() ? std::string() : Joined(ByLine(words).front());
        const std::size_t slash = text.find('/');
        if (slash == std::string::npos)
            break;
        std::string low = text.substr(0, slash);
        std::string high = text.substr(slash + 1);
        low.erase(std::remove(low.begin(), low.end(), ' '), low.end());
        high.erase(std::remove(high.begin(), high.end(), ' '), high.end());
        parsed.number = ParsePercent(low);
        parsed.secondNumber = ParsePercent(high);
        break;
    }
    case Kind::Range: {
        // The dash between the two is no minus.
        const auto amounts =
            Amounts(ByLine(words).empty() ? words : ByLine(words).front(), true, false);
        if (amounts.size() >= 2) {
            parsed.number = amounts[0];
            parsed.secondNumber = amounts[1];
        }
        break;
    }
    case Kind::YesNo:
    case Kind::YesCount: {
        // The answer begins its line: the Loan Terms set the heading of their features ("Does
        // the loan have these features?") above the first answer, in its cell.
        for (const auto& line : ByLine(words)) {
            const std::string answer = Folded(line.front()->text);
            if (answer == "yes" || answer == "sí" || answer == "si")
                parsed.flag = true;
            else if (answer == "no")
                parsed.flag = false;
            if (parsed.flag)
                break;
        }
        if (kind == Kind::YesCount && parsed.flag) {
            if (!*parsed.flag)
                parsed.whole = 0;
            else
                for (const auto lines = ByLine(words); const Word* word : lines.front())
                    if (const auto count = LeadingWhole(word->text); count && *count > 0) {
                        parsed.whole = count;
                        break;
                    }
        }
        break;
    }
    case Kind::Month:
        for (const Word* word : words) {
            if (!word->text.empty() && word->text.front() >= '0' && word->text.front() <= '9') {
                parsed.whole = LeadingWhole(word->text);
                break;
            }
        }
        break;
    }
    return parsed;
}

template <typename M> struct MemberOf;
template <typename V, typename O> struct MemberOf<Figure<V> O::*> {
    using Value = V;
    using Owner = O;
};

template <typename O> O& OwnerIn(EstimateReading& reading) {
    if constexpr (std::is_same_v<O, RateTable>)
        return reading.rateTable;
    else if constexpr (std::is_same_v<O, PaymentTable>)
        return reading.paymentTable;
    else if constexpr (std::is_same_v<O, CashToCloseTable>)
        return reading.cashTable;
    else
        return reading;
}

void Store(EstimateReading& reading, const Target& target, const Parsed& parsed, bool second,
           Where where) {
    const auto number = second ? parsed.secondNumber : parsed.number;
    const auto text = second ? parsed.secondText : parsed.text;
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (!std::is_same_v<M, std::monostate>) {
                using V = typename MemberOf<M>::Value;
                auto& figure = OwnerIn<typename MemberOf<M>::Owner>(reading).*member;
                if constexpr (std::is_same_v<V, double>) {
                    // "– $0" is no amount below zero.
                    if (number)
                        figure = {*number == 0 ? 0.0 : *number, where};
                } else if constexpr (std::is_same_v<V, int>) {
                    if (parsed.whole)
                        figure = {parsed.whole, where};
                } else if constexpr (std::is_same_v<V, std::string>) {
                    if (text)
                        figure = {text, where};
                } else if constexpr (std::is_same_v<V, bool>) {
                    if (parsed.flag)
                        figure = {parsed.flag, where};
                }
            }
        },
        target);
}

// ---------------------------------------------------------------------------------------------
// Pages and regions.

struct Sheet {
    int number = 0; // in the file, from 1
    Layout layout;
    std::string text;    // every drawn word, folded, for what marks a document
    double bottom = 1e9; // where the footer begins
};

bool IsFooter(const std::vector<const Word*>& line) {
    // "LOAN ESTIMATE  PAGE 2 OF 3 • LOAN ID # ...", "PÁGINA 2 DE 3"
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
    Sheet sheet{number, Layout(page), {}, page.height};
    for (const Line& line : sheet.layout.lines()) {
        for (const Word* word : line.words)
            sheet.text += Folded(word->text) + ' ';
        if (IsFooter(line.words))
            sheet.bottom = std::min(sheet.bottom, line.box.top);
    }
    return sheet;
}

bool Holds(const Sheet& sheet, std::string_view phrase) {
    return sheet.layout.First(phrase, sheet.layout.Whole()).has_value();
}

struct FoundRegion {
    const RegionOfForm* form = nullptr;
    Label heading;
    Box area;
};

std::vector<FoundRegion> RegionsOf(const Sheet& sheet, int formPage, const std::string& language) {
    std::vector<FoundRegion> found;
    const Box whole{-1e9, -1e9, 1e9, sheet.bottom};
    for (const RegionOfForm& form : kRegions) {
        if (form.formPage != formPage)
            continue;
        if (const auto heading = FindLabel(sheet.layout, form.heading, language, whole))
            found.push_back({&form, *heading, {}});
    }
    double split = sheet.layout.page().width / 2;
    bool any = false;
    for (const FoundRegion& region : found)
        if (region.form->column == Column::Right) {
            split =
                any ? std::min(split, region.heading.box.left - 2) : region.heading.box.left - 2;
            any = true;
        }
    const auto overlaps = [](Column a, Column b) {
        return a == Column::Full || b == Column::Full || a == b;
    };
    for (FoundRegion& region : found) {
        const Column column = region.form->column;
        region.area.left = column == Column::Right ? split : -1e9;
        region.area.right = column == Column::Left ? split : 1e9;
        region.area.top =
            region.form->headingIsLabel ? region.heading.box.top - 0.5 : region.heading.box.bottom;
        region.area.bottom = sheet.bottom;
        for (const FoundRegion& other : found)
            if (other.heading.box.top > region.heading.box.bottom - 0.5 &&
                overlaps(column, other.form->column) && &other != &region)
                region.area.bottom = std::min(region.area.bottom, other.heading.box.top - 0.1);
    }
    return found;
}

const FoundRegion* RegionIn(const std::vector<FoundRegion>& regions, RegionId id) {
    for (const FoundRegion& region : regions)
        if (region.form->id == id)
            return &region;
    return nullptr;
}

void ReadFields(const Sheet& sheet, const std::vector<FoundRegion>& regions,
                const std::string& language, EstimateReading& reading) {
    for (const FoundRegion& region : regions) {
        std::vector<const FieldSpec*> fields;
        std::vector<Label> rows;
        std::vector<int> rowOf;
        for (const FieldSpec& field : kFields) {
            if (field.region != region.form->id)
                continue;
            const auto label = FindLabel(sheet.layout, field.label, language, region.area);
            if (!label)
                continue;
            int row = -1;
            for (std::size_t r = 0; r < rows.size(); ++r)
                if (rows[r].firstLine == label->firstLine && rows[r].box.left == label->box.left)
                    row = static_cast<int>(r);
            if (row < 0) {
                row = static_cast<int>(rows.size());
                rows.push_back(*label);
            }
            fields.push_back(&field);
            rowOf.push_back(row);
        }
        if (rows.empty())
            continue;
        const auto cells = sheet.layout.Cells(rows, region.area);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const Label& label = rows[static_cast<std::size_t>(rowOf[f])];
            // A sentence of the region may be set at the labels' left edge: it is read whole.
            std::vector<const Word*> everything;
            if (fields[f]->kind == Kind::Expiry)
                for (const auto& line : sheet.layout.LinesIn(region.area))
                    everything.insert(everything.end(), line.begin(), line.end());
            const Parsed parsed =
                Parse(fields[f]->kind, fields[f]->nth,
                      fields[f]->kind == Kind::Expiry ? everything
                                                      : cells[static_cast<std::size_t>(rowOf[f])]);
            const Where where{sheet.number, label.firstLine};
            Store(reading, fields[f]->target, parsed, false, where);
            Store(reading, fields[f]->second, parsed, true, where);
        }
    }
}

void ReadProjected(const Sheet& sheet, const FoundRegion& region, const std::string& language,
                   EstimateReading& reading) {
    std::vector<Label> rows;
    const auto header = FindLabel(sheet.layout, kPaymentColumns, language, region.area);
    if (!header)
        return;
    rows.push_back(*header);
    std::vector<const ProjectedRow*> found;
    for (const ProjectedRow& row : kProjectedRows) {
        if (const auto label = FindLabel(sheet.layout, row.label, language, region.area)) {
            rows.push_back(*label);
            found.push_back(&row);
        }
    }
    const auto cells = sheet.layout.Cells(rows, region.area);
    // The columns: runs of the heading row, "Years 1-7" or "Final Payment".
    struct Column {
        double middle = 0;
    };
    std::vector<Column> columns;
    const auto headerLines = ByLine(cells.front());
    if (headerLines.empty())
        return;
    const std::string years = Folded(kYears.In(language));
    for (const auto& run : Runs(headerLines.front())) {
        columns.push_back({(run.front()->left + run.back()->right) / 2});
        std::vector<const Word*> title = run;
        if (Folded(title.front()->text) == years)
            title.erase(title.begin());
        std::string text = Joined(title);
        // "1 a 5" as "1-5"; dashes as hyphens.
        const std::vector<std::string> parts = Keys(text);
        if (parts.size() == 3 && LeadingWhole(parts[0]) && LeadingWhole(parts[2]))
            text = parts[0] + "-" + parts[2];
        std::string plain;
        for (const std::string& piece : Pieces(text))
            plain += (plain.empty() ? "" : "-") + piece;
        ProjectedColumn column;
        column.years = plain;
        reading.projectedPayments.push_back(column);
    }
    const auto nearest = [&](const Word& word) {
        const double middle = (word.left + word.right) / 2;
        std::size_t best = 0;
        for (std::size_t c = 1; c < columns.size(); ++c)
            if (std::fabs(middle - columns[c].middle) < std::fabs(middle - columns[best].middle))
                best = c;
        return best;
    };
    std::vector<std::vector<std::vector<const Word*>>> table(found.size());
    for (std::size_t r = 0; r < found.size(); ++r) {
        table[r].resize(columns.size());
        for (const Word* word : cells[r + 1])
            table[r][nearest(*word)].push_back(word);
    }
    // A range set "$1,028 min" over "$1,359 max" stays together, however close the next row.
    const auto holds = [](const std::vector<const Word*>& words, const Wording& mark) {
        return std::any_of(words.begin(), words.end(), [&](const Word* word) {
            return Folded(word->text) == Folded(mark.en) || Folded(word->text) == Folded(mark.es);
        });
    };
    for (std::size_t r = 1; r < found.size(); ++r) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            auto& above = table[r - 1][c];
            auto& here = table[r][c];
            if (!holds(above, kRangeLow) || holds(above, kRangeHigh) || !holds(here, kRangeHigh))
                continue;
            // The maximum and its mark: the words of its line up to the mark.
            const auto mark = std::find_if(here.begin(), here.end(), [&](const Word* word) {
                return Folded(word->text) == Folded(kRangeHigh.en) ||
                       Folded(word->text) == Folded(kRangeHigh.es);
            });
            const double top = (*mark)->top;
            const double bottom = (*mark)->bottom;
            std::vector<const Word*> moved;
            for (auto it = here.begin(); it != here.end();) {
                const double middle = ((*it)->top + (*it)->bottom) / 2;
                if (middle > top && middle < bottom) {
                    moved.push_back(*it);
                    it = here.erase(it);
                } else {
                    ++it;
                }
            }
            above.insert(above.end(), moved.begin(), moved.end());
        }
    }
    for (std::size_t r = 0; r < found.size(); ++r) {
        const auto& byColumn = table[r];
        const Where where{sheet.number, rows[r + 1].firstLine};
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const auto amounts = Amounts(byColumn[c], false, false);
            ProjectedColumn& column = reading.projectedPayments[c];
            if (!amounts.empty()) {
                column.*(found[r]->figure) = {amounts.front(), where};
                if (amounts.size() > 1 && found[r]->maximum)
                    column.*(found[r]->maximum) = amounts.back();
            } else if (std::any_of(byColumn[c].begin(), byColumn[c].end(),
                                   [](const Word* word) { return IsDash(word->text); })) {
                column.*(found[r]->figure) = {0.0, where};
            }
        }
    }
}

// The lines under a section's heading, each a label and the amount at its end; a label that
// runs on to an indented line below is joined to it.
void ReadSection(const Sheet& sheet, const FoundRegion& region, const SectionRegion& section,
                 bool continuation, EstimateReading& reading) {
    // The total beside the heading.
    std::vector<const Word*> headingLine;
    for (const Line& line : sheet.layout.lines())
        if (line.number >= region.heading.firstLine && line.number <= region.heading.lastLine)
            for (const Word* word : line.words)
                if (word->left >= region.area.left && word->left < region.area.right &&
                    std::find(region.heading.words.begin(), region.heading.words.end(), word) ==
                        region.heading.words.end())
                    headingLine.push_back(word);
    const auto totals = Amounts(headingLine, true);
    const Where headingWhere{sheet.number, region.heading.firstLine};
    if (section.total) {
        if (!totals.empty())
            reading.*section.total = {totals.back(), headingWhere};
        return;
    }
    SectionReading& part = reading.Section(*section.section);
    if (!continuation && !totals.empty())
        part.total = {totals.back(), headingWhere};
    const Box area{region.area.left, region.area.top, region.area.right, region.area.bottom};
    std::vector<const Word*> pending;
    int pendingLine = 0;
    for (const Line& line : sheet.layout.lines()) {
        std::vector<const Word*> words;
        for (const Word* word : line.words)
            if (area.HoldsMiddleOf(*word))
                words.push_back(word);
        if (words.empty())
            continue;
        if (!pending.empty() && words.front()->left <= pending.front()->left + 2) {
            part.lines.push_back({Joined(pending), std::nullopt, {sheet.number, pendingLine}});
            pending.clear();
        }
        if (pending.empty())
            pendingLine = line.number;
        pending.insert(pending.end(), words.begin(), words.end());
        std::optional<double> amount;
        if (const auto last = ParseAmount(words.back()->text, true)) {
            amount = last;
            pending.pop_back();
            // "– $500": a minus set apart.
            if (!pending.empty() && IsDash(pending.back()->text)) {
                pending.pop_back();
                *amount = -*amount;
            }
        }
        if (amount) {
            part.lines.push_back({Joined(pending), amount, {sheet.number, pendingLine}});
            pending.clear();
        }
    }
    if (!pending.empty())
        part.lines.push_back({Joined(pending), std::nullopt, {sheet.number, pendingLine}});
}

void ReadSections(const Sheet& sheet, const std::vector<FoundRegion>& regions, bool continuation,
                  EstimateReading& reading) {
    for (const SectionRegion& section : kSectionRegions)
        if (const FoundRegion* region = RegionIn(regions, section.region))
            ReadSection(sheet, *region, section, continuation, reading);
}

std::string TitleCased(const std::string& text) {
    const bool capitals =
        std::none_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (!capitals)
        return text;
    std::string out;
    bool start = true;
    for (char c : text) {
        out += (!start && c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        start = c == ' ';
    }
    return out;
}

} // namespace

std::optional<double> ParseAmount(const std::string& text, bool needDollar) {
    if (IsDash(text))
        return needDollar ? std::nullopt : std::optional<double>(0.0);
    bool negative = false;
    std::string_view rest = WithoutMinus(text, negative);
    const bool dollar = !rest.empty() && rest.front() == '$';
    if (dollar)
        rest.remove_prefix(1);
    if (!negative) // "$-5"
        rest = WithoutMinus(rest, negative);
    if (needDollar && !dollar)
        return std::nullopt;
    std::string digits;
    bool point = false;
    for (char c : rest) {
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c == ',' && !point && !digits.empty())
            continue;
        else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else
            return std::nullopt;
    }
    if (digits.empty() || digits == ".")
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> ParsePercent(const std::string& text) {
    if (text.size() < 2 || text.back() != '%')
        return std::nullopt;
    std::string digits = text.substr(0, text.size() - 1);
    while (!digits.empty() && digits.back() == ' ')
        digits.pop_back();
    if (digits.empty() || digits.find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<std::string> ParseDate(const std::string& text) {
    int month = 0;
    int day = 0;
    int year = 0;
    const std::vector<std::string> words = Keys(text);
    if (words.size() == 1) {
        const std::string& date = words.front();
        const std::size_t a = date.find('/');
        const std::size_t b = date.find('/', a == std::string::npos ? a : a + 1);
        if (a == std::string::npos || b == std::string::npos)
            return std::nullopt;
        const auto m = LeadingWhole(std::string_view(date).substr(0, a));
        const auto d = LeadingWhole(std::string_view(date).substr(a + 1, b - a - 1));
        const auto y = LeadingWhole(std::string_view(date).substr(b + 1));
        if (!m || !d || !y)
            return std::nullopt;
        month = *m;
        day = *d;
        year = *y < 100 ? 2000 + *y : *y;
    } else if (words.size() == 3) {
        static constexpr std::array<std::string_view, 12> kMonths{
            "january", "february", "march",     "april",   "may",      "june",
            "july",    "august",   "september", "october", "november", "december"};
        for (std::size_t m = 0; m < kMonths.size(); ++m)
            if (words[0] == kMonths[m] ||
                (words[0].size() >= 3 && kMonths[m].substr(0, 3) == words[0].substr(0, 3)))
                month = static_cast<int>(m) + 1;
        day = LeadingWhole(words[1]).value_or(0);
        year = LeadingWhole(words[2]).value_or(0);
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1900 || year > 9999)
        return std::nullopt;
    char out[11];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d", year, month, day);
    return std::string(out);
}

FormReading ReadForm(const std::vector<Page>& pages) {
    FormReading result;
    std::vector<Sheet> sheets;
    sheets.reserve(pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p)
        sheets.push_back(SheetOf(pages[p], static_cast<int>(p) + 1));
    for (const Sheet& sheet : sheets)
        for (std::string_view mark : kClosingDisclosureMarks)
            if (sheet.text.find(mark) != std::string::npos) {
                result.kind = FormKind::ClosingDisclosure;
                return result;
            }
    // Each page named by its heading, in either language.
    struct Named {
        const Sheet* sheet;
        int formPage;
        std::string language;
    };
    std::vector<Named> named;
    for (const Sheet& sheet : sheets) {
        for (int formPage = 1; formPage <= 3; ++formPage) {
            bool done = false;
            for (const std::string language : {"en", "es"}) {
                const Wording& mark = kPageMarks[formPage - 1];
                if (formPage == 2 && Holds(sheet, kCarriedOverMark.In(language)))
                    continue;
                if (Holds(sheet, mark.In(language)) ||
                    (formPage == 3 && Holds(sheet, kComparisonsMark.In(language)))) {
                    named.push_back({&sheet, formPage, language});
                    done = true;
                    break;
                }
            }
            if (done)
                break;
        }
    }
    const auto first = std::find_if(named.begin(), named.end(),
                                    [](const Named& page) { return page.formPage == 1; });
    if (first == named.end()) {
        // The form's costs page, known by its regions' headings, without a page 1: that page
        // is there but cannot be read, or missing.
        if (std::any_of(named.begin(), named.end(), [](const Named& page) {
                return page.formPage == 2 && RegionsOf(*page.sheet, 2, page.language).size() >= 2;
            }))
            result.kind = FormKind::FirstPageUnreadable;
        return result;
    }
    EstimateReading& reading = result.reading;
    reading.language = first->language;
    // Every first page with figures of its own is a form: two of them are two forms.
    int forms = 0;
    for (const Named& page : named) {
        if (page.formPage != 1)
            continue;
        EstimateReading probe;
        probe.language = page.language;
        ReadFields(*page.sheet, RegionsOf(*page.sheet, 1, page.language), page.language, probe);
        if (probe.loanAmount.value || probe.interestRate.value || probe.dateIssued.value)
            ++forms;
    }
    if (forms == 0) {
        result.kind = FormKind::BlankForm;
        return result;
    }
    // A page of the form twice is the same form twice.
    for (int formPage = 2; formPage <= 3; ++formPage)
        if (std::count_if(named.begin(), named.end(),
                          [&](const Named& page) { return page.formPage == formPage; }) > 1)
            forms = std::max(forms, 2);
    if (forms > 1) {
        result.kind = FormKind::SeveralForms;
        return result;
    }
    result.kind = FormKind::LoanEstimate;
    std::array<const Sheet*, 3> formPages{};
    for (const Named& page : named)
        if (page.sheet->number >= first->sheet->number && !formPages[page.formPage - 1])
            formPages[page.formPage - 1] = page.sheet;
    const std::string& language = reading.language;
    for (int formPage = 1; formPage <= 3; ++formPage) {
        const Sheet* sheet = formPages[formPage - 1];
        if (!sheet) {
            reading.missingPages.push_back(formPage);
            continue;
        }
        const auto regions = RegionsOf(*sheet, formPage, language);
        ReadFields(*sheet, regions, language, reading);
        if (formPage == 1)
            if (const FoundRegion* projected = RegionIn(regions, RegionId::Projected))
                ReadProjected(*sheet, *projected, language, reading);
        if (formPage == 2)
            ReadSections(*sheet, regions, false, reading);
    }
    // Page 2's table stands for page 1's figure where page 1 is not read.
    if (!reading.cashToClose.value)
        reading.cashToClose = reading.cashTable.cashToClose;
    if (!reading.cashToCloseToBorrower.value)
        reading.cashToCloseToBorrower = reading.cashTable.toBorrower;
    if (reading.paymentTable.interestOnlyPayments.value.value_or(0) > 0)
        reading.interestOnly = true;
    if (reading.product.value) {
        const std::string product = Folded(*reading.product.value);
        for (std::string_view words : kInterestOnly)
            reading.interestOnly = reading.interestOnly || product.find(words) != std::string::npos;
        for (std::string_view words : kNegativeAmortization)
            reading.negativeAmortization =
                reading.negativeAmortization || product.find(words) != std::string::npos;
    }
    // Closing-cost lines carried over to a page of their own after the costs page.
    for (const Sheet& sheet : sheets) {
        const bool known = std::any_of(formPages.begin(), formPages.end(),
                                       [&](const Sheet* page) { return page == &sheet; });
        if (!known && formPages[1] && sheet.number > formPages[1]->number)
            ReadSections(sheet, RegionsOf(sheet, 2, language), true, reading);
    }
    // Without a LENDER line the name at the top of the first page stands for the lender.
    if (!reading.lender.value) {
        const Sheet& sheet = *formPages[0];
        if (!sheet.layout.lines().empty()) {
            const Line& top = sheet.layout.lines().front();
            const std::string name = Joined(Runs(top.words).front());
            if (Folded(name) != Folded(kRegions[0].heading.In(language)))
                reading.lender = {TitleCased(name), {sheet.number, top.number}};
        }
    }
    return result;
}

bool MayBeFormPage(const Page& page) {
    const Sheet sheet = SheetOf(page, 1);
    for (std::string_view mark : kClosingDisclosureMarks)
        if (sheet.text.find(mark) != std::string::npos)
            return true;
    for (const std::string language : {"en", "es"}) {
        for (const Wording& mark : kPageMarks)
            if (Holds(sheet, mark.In(language)))
                return true;
        if (Holds(sheet, kComparisonsMark.In(language)))
            return true;
    }
    return false;
}

std::optional<EstimateReading> ReadEstimate(const std::vector<Page>& pages) {
    FormReading form = ReadForm(pages);
    if (form.kind != FormKind::LoanEstimate)
        return std::nullopt;
    return std::move(form.reading);
}

} // namespace plumcrest::reader
