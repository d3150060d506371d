#include "ReadingChecks.h"

#include "Amortization.h"
#include "OfferFigures.h"

#include <cmath>
#include <string_view>

namespace plumcrest::reader {

namespace {

// A section's amount: the figure beside its heading, else the sum of its lines.
std::optional<double> SectionAmount(const EstimateReading& reading, CostSection section) {
    const SectionReading& part = reading.Section(section);
    if (part.total.value)
        return part.total.value;
    double sum = 0;
    for (const SectionLine& line : part.lines)
        sum += line.amount.value_or(0);
    return sum;
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

} // namespace

LoanEstimate EstimateOfReading(const EstimateReading& reading) {
    LoanEstimate estimate;
    const std::string type = reading.loanType.value.value_or("Conventional");
    estimate.loanType = type == "Conventional" ? LoanType::Conventional
                        : type == "FHA"        ? LoanType::Fha
                        : type == "VA"         ? LoanType::Va
                        : type == "USDA"       ? LoanType::Usda
                                               : LoanType::Other;
    estimate.price = reading.salePrice.value.value_or(reading.propertyValue.value.value_or(0));
    estimate.loanAmount = reading.loanAmount.value.value_or(0);
    estimate.months = reading.loanTermYears.value.value_or(0) * 12;
    estimate.noteRate = reading.interestRate.value.value_or(0);
    for (CostSection section : kCostSections)
        for (const SectionLine& line : reading.Section(section).lines)
            if (line.amount && !line.label.empty())
                estimate.costs.push_back(
                    {section, line.label, *line.amount, DefaultFinanceCharge(section, line.label)});
    estimate.lenderCredits = reading.lenderCredits.value.value_or(0);

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
    estimate.disclosedApr = reading.apr.value;
    estimate.disclosedTip = reading.tip.value;
    estimate.disclosedInFiveTotal = reading.in5YearsTotalPaid.value;
    estimate.disclosedInFivePrincipal = reading.in5YearsPrincipal.value;
    estimate.disclosedCashToClose = reading.cashToClose.value;
    return estimate;
}

std::vector<Check> CheckReading(const EstimateReading& reading) {
    std::vector<Check> checks;
    const bool loanKnown = reading.loanAmount.value && reading.interestRate.value &&
                           reading.loanTermYears.value && *reading.loanAmount.value > 0 &&
                           *reading.loanTermYears.value > 0 &&
                           *reading.loanTermYears.value * 12 <= kScheduleMaxMonths;
    if (loanKnown) {
        const AmortizationSchedule schedule =
            BuildSchedule(*reading.loanAmount.value, *reading.interestRate.value,
                          *reading.loanTermYears.value * 12);
        Add(checks, "monthlyPrincipalInterest", Dollars(schedule.payment),
            reading.monthlyPrincipalInterest, 0);
    }

    // Each figure of the form is rounded to the dollar: a sum of n of them may differ from its
    // rounded total by half a dollar for each, and the total's own half.
    const auto sum = [&](std::initializer_list<CostSection> sections) {
        double total = 0;
        for (CostSection section : sections)
            total += SectionAmount(reading, section).value_or(0);
        return total;
    };
    Add(checks, "totalLoanCosts", sum({CostSection::A, CostSection::B, CostSection::C}),
        reading.totalLoanCosts, 2);
    Add(checks, "totalOtherCosts",
        sum({CostSection::E, CostSection::F, CostSection::G, CostSection::H}),
        reading.totalOtherCosts, 2.5);
    if (reading.totalLoanCosts.value && reading.totalOtherCosts.value)
        Add(checks, "totalClosingCosts",
            *reading.totalLoanCosts.value + *reading.totalOtherCosts.value -
                reading.lenderCredits.value.value_or(0),
            reading.totalClosingCosts, 1.5);

    if (loanKnown) {
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
