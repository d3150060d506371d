#include "ReadingChecks.h"

#include "Amortization.h"
#include "OfferFigures.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace plumcrest::reader {

namespace {

// The lines the offer keeps (a label and an amount), summed, and how many they are.
struct Kept {
    double sum = 0;
    int count = 0;
};
Kept KeptLines(const EstimateReading& reading, std::initializer_list<CostSection> sections) {
    Kept kept;
    for (CostSection section : sections)
        for (const SectionLine& line : reading.Section(section).lines)
            if (line.amount && !line.label.empty()) {
                kept.sum += *line.amount;
                ++kept.count;
            }
    return kept;
}

// Whether the offer's payments are the level ones a schedule gives: not a balloon, not interest
// only, not negative amortization.
bool LevelPayments(const EstimateReading& reading) {
    return !reading.balloonPayment.value && !reading.interestOnly && !reading.negativeAmortization;
}

void Add(std::vector<Check>& checks, std::string name, std::optional<double> expected,
         const Figure<double>& found, double tolerance) {
    if (!expected || !found.value)
        return;
    // Both sides are in cents or whole dollars; the margin keeps binary fractions out of it.
    const bool ok = std::fabs(*expected - *found.value) <= tolerance + 1e-9;
    checks.push_back({std::move(name), ok, expected, found.value});
}

bool Contains(std::string_view text, std::string_view part) {
    std::string lower(text);
    for (char& c : lower)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower.find(part) != std::string::npos;
}

// "$318.00 per month": the figure before "per month" in an initial escrow line.
std::optional<double> MonthlyFigure(const std::string& label) {
    const std::size_t per = label.find(" per month");
    if (per == std::string::npos)
        return std::nullopt;
    const std::size_t start = label.rfind(' ', per - 1);
    return ParseAmount(label.substr(start == std::string::npos ? 0 : start + 1,
                                    per - (start == std::string::npos ? 0 : start + 1)),
                       true);
}

// The day a date as the form prints it begins with ("4/16/2013 at 5:00 p.m. EDT"): the time
// of day and its zone are left to the sentence the buyer reads.
std::optional<std::chrono::sys_days> DayOfPrinted(const std::optional<std::string>& printed) {
    if (!printed)
        return std::nullopt;
    const std::string first = printed->substr(0, printed->find(' '));
    const auto iso = ParseDate(first);
    if (!iso)
        return std::nullopt;
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    const char* text = iso->data();
    std::from_chars(text, text + 4, year);
    std::from_chars(text + 5, text + 7, month);
    std::from_chars(text + 8, text + 10, day);
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                           std::chrono::day(day)};
    if (!date.ok())
        return std::nullopt;
    return std::chrono::sys_days(date);
}

} // namespace

LoanEstimate EstimateOfReading(const EstimateReading& reading) {
    LoanEstimate estimate;
    const std::string type = reading.loanType.value.value_or("Conventional");
    estimate.loanType = type == "Conventional" ? LoanType::Conventional
                        : type == "FHA"        ? LoanType::Fha
                        : type == "VA"         ? LoanType::Va
                        : type == "USDA"       ? LoanType::Usda
                                               : LoanType::Other;
    const std::string purpose = reading.purpose.value.value_or("Purchase");
    estimate.purpose = purpose == "Refinance"          ? LoanPurpose::Refinance
                       : purpose == "Construction"     ? LoanPurpose::Construction
                       : purpose == "Home Equity Loan" ? LoanPurpose::HomeEquity
                                                       : LoanPurpose::Purchase;
    estimate.price = reading.salePrice.value.value_or(reading.propertyValue.value.value_or(0));
    estimate.loanAmount = reading.loanAmount.value.value_or(0);
    estimate.months = reading.loanTermYears.value.value_or(0) * 12;
    estimate.noteRate = reading.interestRate.value.value_or(0);
    for (CostSection section : kCostSections)
        for (const SectionLine& line : reading.Section(section).lines)
            if (line.amount && !line.label.empty())
                estimate.costs.push_back(
                    {section, line.label, *line.amount, DefaultFinanceCharge(section, line.label)});
    estimate.lenderCredits = std::fabs(reading.lenderCredits.value.value_or(0));

    if (!reading.projectedPayments.empty()) {
        const ProjectedColumn& first = reading.projectedPayments.front();
        const double insurance = first.mortgageInsurance.value.value_or(0);
        if (insurance > 0 && estimate.loanAmount > 0) {
            estimate.insurancePercent = insurance * 12 / estimate.loanAmount * 100;
            estimate.insuranceEnd = estimate.loanType == LoanType::Fha ? InsuranceEnd::Fha
                                    : estimate.loanType == LoanType::Usda
                                        ? InsuranceEnd::Usda
                                        : InsuranceEnd::Conventional;
            estimate.disclosedInsuranceMonthly = insurance;
        }
        double taxes = 0;
        double homeInsurance = 0;
        for (const SectionLine& line : reading.Section(CostSection::G).lines) {
            const auto monthly = MonthlyFigure(line.label);
            if (!monthly)
                continue;
            if (Contains(line.label, "property tax"))
                taxes += *monthly * 12;
            else if (Contains(line.label, "homeowner"))
                homeInsurance += *monthly * 12;
        }
        if (taxes == 0 && homeInsurance == 0)
            taxes = first.escrow.value.value_or(0) * 12;
        estimate.propertyTaxYearly = taxes;
        estimate.homeInsuranceYearly = homeInsurance;
    }
    // The AIR table: the form names the index but not where it stands, so it is taken as the
    // initial rate less the margin (a rate that is not discounted).
    const RateTable& table = reading.rateTable;
    if (table.initialRate.value && table.firstChangeMonth.value && table.laterChangeMonths.value) {
        AdjustableRate rate;
        rate.initialMonths = std::max(0, *table.firstChangeMonth.value - 1);
        rate.monthsBetween = std::max(1, *table.laterChangeMonths.value);
        rate.marginPercent = table.margin.value.value_or(0);
        rate.indexPercent = std::max(0.0, *table.initialRate.value - rate.marginPercent);
        rate.firstCap = table.firstChangeCap.value.value_or(0);
        rate.laterCap = table.laterChangeCap.value.value_or(0);
        rate.lifeCap = std::max(0.0, table.maximumRate.value.value_or(*table.initialRate.value) -
                                         *table.initialRate.value);
        rate.floor = table.minimumRate.value.value_or(0);
        estimate.adjustable = rate;
    }
    estimate.disclosedApr = reading.apr.value;
    estimate.disclosedTip = reading.tip.value;
    estimate.disclosedInFiveTotal = reading.in5YearsTotalPaid.value;
    estimate.disclosedInFivePrincipal = reading.in5YearsPrincipal.value;
    estimate.disclosedCashToClose = reading.cashToClose.value;
    if (reading.rateLocked.value.value_or(false))
        estimate.rateLockUntil = DayOfPrinted(reading.rateLockUntil.value);
    estimate.closingCostsExpire = DayOfPrinted(reading.closingCostsExpire.value);
    return estimate;
}

std::vector<Check> CheckReading(const EstimateReading& reading) {
    std::vector<Check> checks;
    const bool loanKnown = reading.loanAmount.value && reading.interestRate.value &&
                           reading.loanTermYears.value && *reading.loanAmount.value > 0 &&
                           *reading.loanTermYears.value > 0 &&
                           *reading.loanTermYears.value * 12 <= kScheduleMaxMonths;
    if (loanKnown && LevelPayments(reading)) {
        const AmortizationSchedule schedule =
            BuildSchedule(*reading.loanAmount.value, *reading.interestRate.value,
                          *reading.loanTermYears.value * 12);
        Add(checks, "monthlyPrincipalInterest", Dollars(schedule.payment),
            reading.monthlyPrincipalInterest, 0);
    }

    // The lines the offer will keep against the totals the form prints: a line lost in reading,
    // or read twice, shows here. Each printed figure is rounded to the dollar: a sum of n of them
    // may differ from its rounded total by half a dollar for each, and the total's own half.
    const auto tolerance = [](int count) { return 0.5 * (count + 1); };
    for (CostSection section : kCostSections) {
        const Kept kept = KeptLines(reading, {section});
        Add(checks, "section" + std::string(SectionLetter(section)), kept.sum,
            reading.Section(section).total, tolerance(kept.count));
    }
    const Kept loanCosts = KeptLines(reading, {CostSection::A, CostSection::B, CostSection::C});
    const Kept otherCosts =
        KeptLines(reading, {CostSection::E, CostSection::F, CostSection::G, CostSection::H});
    Add(checks, "totalLoanCosts", loanCosts.sum, reading.totalLoanCosts,
        tolerance(loanCosts.count));
    Add(checks, "totalOtherCosts", otherCosts.sum, reading.totalOtherCosts,
        tolerance(otherCosts.count));
    Add(checks, "totalClosingCosts",
        loanCosts.sum + otherCosts.sum - std::fabs(reading.lenderCredits.value.value_or(0)),
        reading.totalClosingCosts, tolerance(loanCosts.count + otherCosts.count));

    if (loanKnown && LevelPayments(reading)) {
        const OfferFigures figures = FigureOffer(EstimateOfReading(reading));
        // "To the dollar", as the Compare window judges it.
        Add(checks, "in5YearsTotalPaid", std::round(Dollars(figures.inFiveYears.totalPaid)),
            reading.in5YearsTotalPaid, 0.99);
        Add(checks, "in5YearsPrincipal", std::round(Dollars(figures.inFiveYears.principalPaidOff)),
            reading.in5YearsPrincipal, 0.99);
        if (reading.tip.value)
            checks.push_back({"tip", std::fabs(figures.tip - *reading.tip.value) < 0.005,
                              figures.tip, reading.tip.value});
        if (reading.apr.value) {
            const auto& check = figures.aprCheck;
            checks.push_back({"apr", check.verdict == DisclosedAprCheck::Verdict::Accurate,
                              figures.lenderApr, reading.apr.value});
        }
    }
    return checks;
}

} // namespace plumcrest::reader
