#include "ClosingCheck.h"

#include "OfferFigures.h"
#include "ReadingChecks.h"
#include "StreamApr.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace plumcrest::closing {

namespace {

// Lower case, curly apostrophes and dashes folded, as labels compare.
std::string Lowered(std::string_view text) {
    return reader::Folded(text);
}

// Spanish letters with their accents, as the product's words compare.
std::string Unaccented(std::string text) {
    constexpr std::pair<std::string_view, char> kLetters[] = {
        {"\u00e1", 'a'}, {"\u00e9", 'e'}, {"\u00ed", 'i'}, {"\u00f3", 'o'}, {"\u00fa", 'u'},
        {"\u00f1", 'n'}, {"\u00fc", 'u'}, {"\u00c1", 'a'}, {"\u00c9", 'e'}, {"\u00cd", 'i'},
        {"\u00d3", 'o'}, {"\u00da", 'u'}, {"\u00d1", 'n'}};
    for (const auto& [accented, plain] : kLetters)
        for (std::size_t at = text.find(accented); at != std::string::npos;
             at = text.find(accented, at))
            text.replace(at, accented.size(), 1, plain);
    return text;
}

// The Spanish forms' (H-28) labels of the closing costs, as their English forms (H-24, H-25)
// print the same line: a line of one language pairs with its line of the other by meaning. Each
// Spanish wording is looked for in the label folded to lower case without accents, the longest
// first, so a fill-in ("($17.44 por d\u00eda...)") or a line number does not stand in the way.
struct Translation {
    std::string_view es;
    std::string_view en;
};
constexpr Translation kSpanishLabels[] = {
    {"titulo - poliza del titulo de propiedad del propietario", "Title - Owner's Title Policy"},
    {"titulo - poliza del titulo de propiedad del prestamista", "Title - Lender's Title Policy"},
    {"titulo - garantia provisional de seguro del titulo", "Title - Insurance Binder"},
    {"titulo - honorarios del agente a cargo de la operacion", "Title - Settlement Agent Fee"},
    {"titulo - estudio de titulos de propiedad", "Title - Title Search"},
    {"titulo - poliza del prestamista", "Title - Lender's Title Policy"},
    {"titulo - tarifa de envio", "Title - Courier Fee"},
    {"cargo por determinacion de zonas de inundacion", "Flood Determination Fee"},
    {"cargo por control de zonas de inundacion", "Flood Monitoring Fee"},
    {"investigacion sobre situacion tributaria", "Tax Status Research Fee"},
    {"cargo por fiscalizacion tributaria", "Tax Monitoring Fee"},
    {"costos de registro y otros impuestos", "Recording Fees and Other Taxes"},
    {"impuestos por transferencia de titulo", "Transfer Taxes"},
    {"impuesto a las transferencias", "Transfer Tax"},
    {"honorarios del abogado del prestamista", "Lender's Attorney Fee"},
    {"cargo por la solicitud del prestamo", "Application Fee"},
    {"cargo por el estudio del credito", "Underwriting Fee"},
    {"cargo por valoracion de la vivienda", "Appraisal Fee"},
    {"cargo por valoracion de vivienda", "Appraisal Fee"},
    {"cargo por informe de credito", "Credit Report Fee"},
    {"cargo por inspeccion de plagas", "Pest Inspection Fee"},
    {"cargo por peritaje", "Survey Fee"},
    {"cargo por tramitacion", "Origination Fee"},
    {"cargo por procesamiento", "Processing Fee"},
    {"del monto del prestamo", "of Loan Amount (Points)"},
    {"prima del seguro de la vivienda", "Homeowner's Insurance Premium"},
    {"prima del seguro de hipoteca", "Mortgage Insurance Premium"},
    {"pago anticipado de intereses", "Prepaid Interest"},
    {"impuestos sobre la propiedad", "Property Taxes"},
    {"seguro de la vivienda", "Homeowner's Insurance"},
    {"seguro de hipoteca", "Mortgage Insurance"},
    {"ajuste acumulado", "Aggregate Adjustment"},
    {"aporte de capital de la hoa", "HOA Capital Contribution"},
    {"tarifa de procesamiento de hoa", "HOA Processing Fee"},
    {"comision de bienes raices", "Real Estate Commission"},
    {"tarifa de garantia de la vivienda", "Home Warranty Fee"},
    {"tarifa de inspeccion de la vivienda", "Home Inspection Fee"},
};

// The label as the English form prints it: a Spanish form's label translated, any other as it
// is.
std::string InEnglish(std::string_view label) {
    std::string folded;
    for (char c : Unaccented(Lowered(label)))
        if (c != ' ' || (!folded.empty() && folded.back() != ' '))
            folded += c;
    // Lowered has folded every dash to "-"; the longest wording found wins.
    const Translation* best = nullptr;
    for (const Translation& translation : kSpanishLabels)
        if (folded.find(translation.es) != std::string::npos &&
            (!best || translation.es.size() > best->es.size()))
            best = &translation;
    return best ? std::string(best->en) : std::string(label);
}

bool Contains(std::string_view label, std::initializer_list<std::string_view> words) {
    const std::string folded = Lowered(label);
    return std::any_of(words.begin(), words.end(), [&](std::string_view word) {
        return folded.find(word) != std::string::npos;
    });
}

// Words every fee or title charge has, in either language, and a word read as another.
constexpr std::string_view kCommonWords[] = {
    "fee", "fees", "charge", "the", "of",  "to", "for", "and",  "cargo", "por",    "de",
    "del", "la",   "el",     "los", "las", "y",  "en",  "para", "title", "título", "titulo"};
struct Synonym {
    std::string_view word;
    std::string_view as;
};
constexpr Synonym kSynonyms[] = {
    {"policy", "insurance"}, {"póliza", "seguro"}, {"premium", "insurance"}, {"prima", "seguro"}};

std::set<std::string> Tokens(std::string_view label) {
    // A fill-in of the form ("Recording Fees  Deed: $40.00 Mortgage: $45.00") is not the label.
    std::string folded = Lowered(label);
    if (const std::size_t colon = folded.find(':'); colon != std::string::npos)
        folded = folded.substr(
            0, folded.rfind(' ', colon) == std::string::npos ? colon : folded.rfind(' ', colon));
    std::set<std::string> tokens;
    std::string current;
    int depth = 0;
    const auto flush = [&] {
        if (current.size() > 1 && std::none_of(std::begin(kCommonWords), std::end(kCommonWords),
                                               [&](std::string_view w) { return w == current; })) {
            std::string token = current;
            for (const Synonym& synonym : kSynonyms)
                if (token == synonym.word)
                    token = synonym.as;
            tokens.insert(token);
        }
        current.clear();
    };
    for (char c : folded) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '(') {
            flush();
            ++depth;
        } else if (c == ')') {
            flush();
            depth = std::max(0, depth - 1);
        } else if (depth == 0 && ((c >= 'a' && c <= 'z') || u >= 0x80)) {
            current += c;
        } else {
            flush();
        }
    }
    flush();
    return tokens;
}

Cents ToCentsOr(const std::optional<double>& value) {
    return value ? ToCents(*value) : 0;
}

struct Entry {
    LinePlace place;
    std::string label;
    Cents amount = 0;
    bool used = false;
};

// Whether a line may have moved between these sections: a service from the lender's written
// list goes from C on the estimate to B on the disclosure, or stays in C; nothing else moves.
bool MayPair(const std::string& estimate, const std::string& closing) {
    if (estimate == closing)
        return true;
    const auto shopping = [](const std::string& s) { return s == "B" || s == "C"; };
    return shopping(estimate) && shopping(closing);
}

struct Category {
    Tolerance tolerance;
    const char* paragraph;
    const char* reason;
    bool buyerMayChange;
};

Category CategoryOf(const std::string& closingSection, const std::string& estimateSection,
                    std::string_view label) {
    if (closingSection == "J")
        return {Tolerance::Zero, "1026.19(e)(3)(i)",
                QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                  "Lender credits may not fall below the estimate"),
                false};
    if (closingSection == "A")
        return {Tolerance::Zero, "1026.19(e)(3)(i)",
                QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                  "Paid to the lender or mortgage broker"),
                false};
    if (closingSection == "B")
        return estimateSection == "C"
                   ? Category{Tolerance::TenPercent, "1026.19(e)(3)(ii)",
                              QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                                "A service you could shop for, taken from the "
                                                "lender's written list"),
                              true}
                   : Category{Tolerance::Zero, "1026.19(e)(3)(i)",
                              QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                                "A service you could not shop for"),
                              false};
    if (closingSection == "C")
        return {Tolerance::NoLimit, "1026.19(e)(3)(iii)",
                QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                  "A service you shopped for, with a provider not on the "
                                  "lender's list"),
                true};
    if (closingSection == "E") {
        if (Contains(label, {"recording", "registro"}))
            return {Tolerance::TenPercent, "1026.19(e)(3)(ii)",
                    QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck", "Recording fees"), false};
        return {Tolerance::Zero, "1026.19(e)(3)(i)",
                QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                  "Transfer taxes and other government charges"),
                false};
    }
    if (closingSection == "F")
        return {Tolerance::NoLimit, "1026.19(e)(3)(iii)",
                QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                  "Prepaid interest, property insurance and taxes"),
                false};
    if (closingSection == "G")
        return {Tolerance::NoLimit, "1026.19(e)(3)(iii)",
                QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                  "Amounts placed in the escrow account"),
                false};
    return {Tolerance::NoLimit, "1026.19(e)(3)(iii)",
            QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                              "A charge for a service the lender does not require"),
            true};
}

// The product as named in either language, for comparing: its features (12 CFR
// 1026.37(a)(10): fixed, adjustable or step rate; interest only, negative amortization, step,
// seasonal or balloon payments) and the periods and adjustments named with them ("5", "5/3"), in
// any order. "5 Year Interest Only, 5/3 Adjustable Rate" and "Por 5 años pago de intereses
// solamente, 5/3 tasa ajustable" are one product.
std::string ProductKey(const std::optional<std::string>& product) {
    if (!product)
        return {};
    const std::string folded = Unaccented(Lowered(*product));
    struct Feature {
        std::string_view words;
        std::string_view key;
    };
    constexpr Feature kFeatures[] = {
        {"interest only", "interestOnly"},
        {"intereses solamente", "interestOnly"},
        {"interes solamente", "interestOnly"},
        {"negative amortization", "negativeAmortization"},
        {"amortizacion negativa", "negativeAmortization"},
        {"step payment", "stepPayment"},
        {"pago escalonado", "stepPayment"},
        {"pagos escalonados", "stepPayment"},
        {"seasonal payment", "seasonalPayment"},
        {"pago estacional", "seasonalPayment"},
        {"pagos estacionales", "seasonalPayment"},
        {"balloon payment", "balloonPayment"},
        {"cuota extraordinaria", "balloonPayment"},
        {"adjustable rate", "adjustableRate"},
        {"tasa ajustable", "adjustableRate"},
        {"fixed rate", "fixedRate"},
        {"tasa fija", "fixedRate"},
        {"step rate", "stepRate"},
        {"tasa escalonada", "stepRate"},
    };
    std::multiset<std::string> parts;
    for (const Feature& feature : kFeatures)
        for (std::size_t at = folded.find(feature.words); at != std::string::npos;
             at = folded.find(feature.words, at + 1))
            parts.insert(std::string(feature.key));
    std::string number;
    const auto flush = [&] {
        if (!number.empty() && number.front() != '/')
            parts.insert(number);
        number.clear();
    };
    for (char c : folded) {
        if ((c >= '0' && c <= '9') || (c == '/' && !number.empty()))
            number += c;
        else
            flush();
    }
    flush();
    // A name of none of these words is compared as written.
    if (std::none_of(parts.begin(), parts.end(),
                     [](const std::string& part) { return part.front() > '9'; })) {
        std::string key;
        for (char c : folded)
            if (c != ' ' && c != '-' && c != ',')
                key += c;
        return key;
    }
    std::string key;
    for (const std::string& part : parts)
        key += part + ' ';
    return key;
}

void Categorize(LinePair& pair, const CheckChoices& choices) {
    const std::string closingSection = pair.closing ? pair.closing->section : "";
    const std::string estimateSection = pair.estimate ? pair.estimate->section : "";
    const Category category = CategoryOf(closingSection.empty() ? estimateSection : closingSection,
                                         estimateSection, pair.label);
    pair.category = category.tolerance;
    pair.paragraph = category.paragraph;
    pair.reason = category.reason;
    pair.buyerMayChange = category.buyerMayChange;
    if (pair.closing && category.buyerMayChange)
        for (const CheckChoices::Category& chosen : choices.categories)
            if (chosen.closing == *pair.closing) {
                pair.chosenByBuyer = pair.chosenByBuyer || chosen.category != pair.category;
                pair.category = chosen.category;
                pair.paragraph = chosen.category == Tolerance::Zero         ? "1026.19(e)(3)(i)"
                                 : chosen.category == Tolerance::TenPercent ? "1026.19(e)(3)(ii)"
                                                                            : "1026.19(e)(3)(iii)";
                pair.reason = QT_TRANSLATE_NOOP("plumcrest::closing::ClosingCheck",
                                                "As you said of the provider");
            }
}

} // namespace

const char* ToleranceKey(Tolerance tolerance) {
    switch (tolerance) {
    case Tolerance::Zero:
        return "zero";
    case Tolerance::TenPercent:
        return "tenPercent";
    case Tolerance::NoLimit:
        break;
    }
    return "noLimit";
}

std::optional<Tolerance> ToleranceFromKey(std::string_view key) {
    for (Tolerance tolerance : {Tolerance::Zero, Tolerance::TenPercent, Tolerance::NoLimit})
        if (key == ToleranceKey(tolerance))
            return tolerance;
    return std::nullopt;
}

const char* WaitReasonKey(WaitReason reason) {
    switch (reason) {
    case WaitReason::AprRose:
        return "aprRose";
    case WaitReason::ProductChanged:
        return "productChanged";
    case WaitReason::PrepaymentPenaltyAdded:
        break;
    }
    return "prepaymentPenaltyAdded";
}

double LabelLikeness(std::string_view givenA, std::string_view givenB) {
    const std::string a = InEnglish(givenA);
    const std::string b = InEnglish(givenB);
    const std::set<std::string> left = Tokens(a);
    const std::set<std::string> right = Tokens(b);
    if (left.empty() && right.empty())
        return Lowered(a) == Lowered(b) ? 1.0 : 0.0;
    std::size_t common = 0;
    for (const std::string& token : left)
        common += right.count(token);
    const std::size_t all = left.size() + right.size() - common;
    if (all == 0)
        return 0.0;
    // A label that says less than the other, all of it in the other ("Recording Fees" beside
    // "Recording Fees and Other Taxes"), is nearly as alike as the same label.
    const std::size_t fewer = std::min(left.size(), right.size());
    if (fewer == 0)
        return 0.0;
    return std::max(static_cast<double>(common) / static_cast<double>(all),
                    0.9 * static_cast<double>(common) / static_cast<double>(fewer));
}

std::vector<LinePair> PairLines(const reader::EstimateReading& estimate,
                                const reader::ClosingReading& closing,
                                const CheckChoices& choices) {
    std::vector<Entry> estimates;
    std::vector<Entry> closings;
    for (CostSection section : kCostSections) {
        const std::string letter(SectionLetter(section));
        const auto& lines = estimate.Section(section).lines;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].amount && !lines[i].label.empty())
                estimates.push_back(
                    {{letter, static_cast<int>(i)}, lines[i].label, ToCents(*lines[i].amount)});
        const auto& closingLines = closing.Section(section);
        for (std::size_t i = 0; i < closingLines.size(); ++i)
            if (!closingLines[i].label.empty())
                closings.push_back({{letter, static_cast<int>(i)},
                                    closingLines[i].label,
                                    ToCents(closingLines[i].BorrowerPaid())});
    }
    std::vector<LinePair> pairs;
    const auto pairUp = [&](Entry* e, Entry* c, bool chosen) {
        LinePair pair;
        if (c) {
            c->used = true;
            pair.label = c->label;
            pair.closing = c->place;
            pair.closingDisclosure = c->amount;
        }
        if (e) {
            e->used = true;
            pair.estimateLabel = e->label;
            pair.estimate = e->place;
            pair.loanEstimate = e->amount;
            if (!c)
                pair.label = e->label;
        }
        pair.chosenByBuyer = chosen;
        pair.moved = e && c && e->place.section != c->place.section;
        pair.renamed = e && c && Lowered(InEnglish(e->label)) != Lowered(InEnglish(c->label));
        pairs.push_back(std::move(pair));
    };
    const auto find = [](std::vector<Entry>& entries, const LinePlace& place) -> Entry* {
        for (Entry& entry : entries)
            if (entry.place == place && !entry.used)
                return &entry;
        return nullptr;
    };
    for (const CheckChoices::Pairing& chosen : choices.pairings) {
        Entry* c = find(closings, chosen.closing);
        Entry* e = chosen.estimate ? find(estimates, *chosen.estimate) : nullptr;
        if (c && (e || !chosen.estimate))
            pairUp(e, c, true);
    }
    struct Candidate {
        double score;
        std::size_t e;
        std::size_t c;
    };
    std::vector<Candidate> candidates;
    for (std::size_t e = 0; e < estimates.size(); ++e)
        for (std::size_t c = 0; c < closings.size(); ++c) {
            if (estimates[e].used || closings[c].used ||
                !MayPair(estimates[e].place.section, closings[c].place.section))
                continue;
            double score = LabelLikeness(estimates[e].label, closings[c].label);
            if (score < 0.5)
                continue;
            if (estimates[e].place.section == closings[c].place.section)
                score += 0.05;
            candidates.push_back({score, e, c});
        }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    for (const Candidate& candidate : candidates)
        if (!estimates[candidate.e].used && !closings[candidate.c].used)
            pairUp(&estimates[candidate.e], &closings[candidate.c], false);
    for (Entry& c : closings)
        if (!c.used && c.amount != 0)
            pairUp(nullptr, &c, false);
    for (Entry& e : estimates)
        if (!e.used)
            pairUp(&e, nullptr, false);
    // In the order of the Closing Disclosure, the lines gone after them in the estimate's.
    std::stable_sort(pairs.begin(), pairs.end(), [](const LinePair& a, const LinePair& b) {
        const LinePlace& pa = a.closing ? *a.closing : *a.estimate;
        const LinePlace& pb = b.closing ? *b.closing : *b.estimate;
        if (pa.section != pb.section)
            return pa.section < pb.section;
        if (a.closing.has_value() != b.closing.has_value())
            return a.closing.has_value();
        return pa.index < pb.index;
    });
    return pairs;
}

LoanEstimate EstimateOfClosing(const reader::ClosingReading& closing) {
    reader::EstimateReading reading;
    reading.language = closing.language;
    reading.salePrice = closing.salePrice;
    reading.propertyValue = closing.appraisedPropertyValue;
    reading.loanTermYears = closing.loanTermYears;
    reading.loanType = closing.loanType;
    reading.loanAmount = closing.loanAmount;
    reading.interestRate = closing.interestRate;
    reading.monthlyPrincipalInterest = closing.monthlyPrincipalInterest;
    reading.projectedPayments = closing.projectedPayments;
    reading.lenderCredits = closing.lenderCredits;
    for (CostSection section : kCostSections)
        for (const reader::ClosingLine& line : closing.Section(section))
            if (line.borrowerAtClosing || line.borrowerBeforeClosing)
                reading.Section(section).lines.push_back(
                    {line.label, line.BorrowerPaid(), line.where});
    return reader::EstimateOfReading(reading);
}

ClosingCheck CheckClosingDisclosure(const reader::EstimateReading& estimate,
                                    const reader::ClosingReading& closing,
                                    const CheckChoices& choices) {
    ClosingCheck check;
    check.linesRead = std::any_of(closing.sections.begin(), closing.sections.end(),
                                  [](const auto& lines) { return !lines.empty(); });
    if (closing.cureGiven.value)
        check.cureGiven = ToCents(*closing.cureGiven.value);
    if (check.linesRead)
        check.lines = PairLines(estimate, closing, choices);
    // The lender credits, less the cure they include: a credit that falls is a cost that rose.
    if (check.linesRead && (estimate.lenderCredits.value || closing.lenderCredits.value)) {
        LinePair credits;
        credits.label = "Lender Credits";
        credits.estimateLabel = credits.label;
        credits.estimate = LinePlace{"J", 0};
        credits.closing = LinePlace{"J", 0};
        credits.loanEstimate = -std::llabs(ToCentsOr(estimate.lenderCredits.value));
        credits.closingDisclosure = -std::max<Cents>(
            0, std::llabs(ToCentsOr(closing.lenderCredits.value)) - check.cureGiven.value_or(0));
        check.lines.push_back(credits);
    }
    for (LinePair& pair : check.lines) {
        Categorize(pair, choices);
        if (pair.category == Tolerance::Zero)
            check.zeroToleranceExcess += std::max<Cents>(0, pair.Change());
        else if (pair.category == Tolerance::TenPercent) {
            // A service the buyer was not given in the end leaves the group.
            if (pair.closing)
                check.tenPercentGroup.loanEstimate += pair.loanEstimate;
            check.tenPercentGroup.closingDisclosure += pair.closingDisclosure;
        }
    }
    TenPercentGroup& group = check.tenPercentGroup;
    // 110 % in tenths of a cent, so that exactly 110 % is no excess and a cent above is one.
    const Cents limitTenths = group.loanEstimate * 11;
    group.limit = (limitTenths + 5) / 10;
    const Cents overTenths = group.closingDisclosure * 10 - limitTenths;
    group.excess = overTenths > 0 ? (overTenths + 9) / 10 : 0;
    check.cureOwed = check.zeroToleranceExcess + group.excess;
    check.cureStillOwed = std::max<Cents>(0, check.cureOwed - check.cureGiven.value_or(0));

    // The Loan Calculations, worked again from the form's own loan, lines and payments.
    const reader::LoanCalculations& printed = closing.loanCalculations;
    const bool loanKnown = closing.loanAmount.value && closing.interestRate.value &&
                           closing.loanTermYears.value && *closing.loanAmount.value > 0 &&
                           *closing.loanTermYears.value > 0 && *closing.loanTermYears.value <= 50;
    std::optional<OfferFigures> figures;
    if (loanKnown && check.linesRead)
        figures = FigureOffer(EstimateOfClosing(closing));
    const auto money = [&](const char* name, const reader::Figure<double>& figure,
                           std::optional<Cents> computed, bool understatementOnly,
                           const char* paragraph) {
        CalculationCheck result{name, figure.value, std::nullopt, std::nullopt, paragraph};
        if (computed)
            result.computed = Dollars(*computed);
        if (figure.value && computed) {
            const Cents shown = ToCents(*figure.value);
            // Understated by no more than 100.00, or overstated; the amount financed the other
            // way round, as it moves opposite to the finance charge.
            result.ok = understatementOnly ? FinanceChargeAccurate(shown, *computed)
                                           : FinanceChargeAccurate(*computed, shown);
        }
        check.loanCalculations.push_back(result);
    };
    money("totalOfPayments", printed.totalOfPayments,
          figures ? std::optional<Cents>(figures->totalOfPayments) : std::nullopt, true,
          "1026.38(o)(1)");
    money("financeCharge", printed.financeCharge,
          figures ? std::optional<Cents>(figures->financeCharge) : std::nullopt, true,
          "1026.38(o)(2)");
    money("amountFinanced", printed.amountFinanced,
          figures ? std::optional<Cents>(figures->amountFinanced) : std::nullopt, false,
          "1026.38(o)(3)");
    {
        CalculationCheck apr{"apr", printed.apr.value, std::nullopt, std::nullopt, "1026.38(o)(4)"};
        if (figures && figures->lenderApr) {
            apr.computed = *figures->lenderApr;
            if (printed.apr.value) {
                const DisclosedAprCheck aprCheck = CheckDisclosedApr(
                    figures->lenderApr, printed.apr.value, AprToleranceOf(figures->aprFeatures),
                    printed.financeCharge.value
                        ? std::optional<Cents>(ToCents(*printed.financeCharge.value))
                        : std::nullopt,
                    figures->financeCharge, figures->aprOfDisclosedCharge);
                apr.ok = aprCheck.verdict == DisclosedAprCheck::Verdict::Accurate;
            }
        }
        check.loanCalculations.push_back(apr);
    }
    {
        CalculationCheck tip{"tip", printed.tip.value, std::nullopt, std::nullopt, "1026.38(o)(5)"};
        if (figures) {
            tip.computed = figures->tip;
            if (printed.tip.value)
                tip.ok = std::fabs(*printed.tip.value - figures->tip) <= 0.005 + 1e-9;
        }
        check.loanCalculations.push_back(tip);
    }

    // A new wait of three business days: the APR rose beyond its tolerance, the product changed,
    // a prepayment penalty was added. A fall never needs one.
    if (figures)
        check.aprTolerance = AprToleranceOf(figures->aprFeatures);
    if (estimate.apr.value && printed.apr.value) {
        check.aprChange = *printed.apr.value - *estimate.apr.value;
        if (*check.aprChange > check.aprTolerance + kAprComparisonMargin)
            check.waitReasons.push_back(WaitReason::AprRose);
    }
    const std::string before = ProductKey(estimate.product.value);
    const std::string after = ProductKey(closing.product.value);
    if (!before.empty() && !after.empty() && before != after)
        check.waitReasons.push_back(WaitReason::ProductChanged);
    // The Loan Estimate's own Loan Terms say whether it had a penalty; else the buyer may.
    const std::optional<bool> penaltyBefore = estimate.prepaymentPenalty.value
                                                  ? estimate.prepaymentPenalty.value
                                                  : choices.estimatePrepaymentPenalty;
    if (penaltyBefore && !*penaltyBefore && closing.prepaymentPenalty.value.value_or(false))
        check.waitReasons.push_back(WaitReason::PrepaymentPenaltyAdded);
    check.newWaitingPeriod = !check.waitReasons.empty();

    // Received at least three business days before closing; mailed, three business days after
    // it was sent unless the buyer says it came sooner.
    Timing& timing = check.timing;
    if (closing.dateIssued.value)
        timing.issued = ParseIsoDay(*closing.dateIssued.value);
    if (closing.closingDate.value)
        timing.closing = ParseIsoDay(*closing.closingDate.value);
    if (choices.received)
        timing.received = choices.received;
    else if (timing.issued) {
        timing.received = choices.mailed ? AddBusinessDays(*timing.issued, 3) : *timing.issued;
        timing.receivedAssumed = true;
    }
    if (timing.received) {
        timing.earliestClosing = AddBusinessDays(*timing.received, 3);
        if (timing.closing) {
            timing.businessDaysBeforeClosing = BusinessDaysAfter(*timing.received, *timing.closing);
            timing.receivedInTime = *timing.businessDaysBeforeClosing >= 3;
        }
    }
    return check;
}

} // namespace plumcrest::closing
