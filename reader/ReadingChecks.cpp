#include "ReadingChecks.h"

#include "Amortization.h"
#include "LoanTerms.h"
#include "OfferFigures.h"
#include "OfferLimits.h"

#include <algorithm>
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

// Whether the offer's payments are those a schedule gives: not a balloon, not negative
// amortization (an interest-only period is laid out).
bool LevelPayments(const EstimateReading& reading) {
    return !reading.balloonPayment.value && !reading.negativeAmortization &&
           (!reading.interestOnly || InterestOnlyMonths(reading) > 0);
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

// "5 Year Interest Only", "Por 5 años pago de intereses solamente": the years before "year".
std::int32_t YearsNamed(const std::string& product) {
    std::int32_t years = 0;
    for (std::size_t i = 0; i < product.size(); ++i) {
        if (product[i] < '0' || product[i] > '9')
            continue;
        years = 0;
        while (i < product.size() && product[i] >= '0' && product[i] <= '9' && years < 1000)
            years = years * 10 + (product[i++] - '0');
        const std::string after = product.substr(i, 6);
        if (Contains(after, " year") || Contains(after, " año") || Contains(after, "-year"))
            return years;
    }
    return 0;
}

// The lines of the Calculating Cash to Close table as the record keeps them: amounts taken off
// as positive figures, the adjustments with their sign. A refinance's table (12 CFR
// 1026.37(h)(2)) gives the loan amount and the payoffs instead: what the loan leaves after the
// closing costs financed and the payoffs is funds for the borrower, what it lacks funds from
// the borrower ((h)(1)(ii) and (v)).
void CashLinesOf(const CashToCloseTable& table, LoanEstimate& estimate) {
    const auto positive = [](const Figure<double>& figure) -> std::optional<double> {
        if (!figure.value)
            return std::nullopt;
        return std::fabs(*figure.value);
    };
    estimate.closingCostsFinanced = positive(table.closingCostsFinanced);
    if (table.Refinance()) {
        if (!table.loanAmount.value || !table.payoffs.value)
            return;
        const double left = std::fabs(*table.loanAmount.value) -
                            estimate.closingCostsFinanced.value_or(0) -
                            std::fabs(*table.payoffs.value);
        estimate.downPaymentFunds = std::max(0.0, -left);
        estimate.fundsForBorrower = std::max(0.0, left);
        estimate.deposit = 0;
        estimate.sellerCredits = 0;
        estimate.adjustmentsCredits = 0;
        return;
    }
    estimate.downPaymentFunds = positive(table.downPaymentFunds);
    estimate.deposit = positive(table.deposit);
    estimate.fundsForBorrower = positive(table.fundsForBorrower);
    estimate.sellerCredits = positive(table.sellerCredits);
    estimate.adjustmentsCredits = table.adjustmentsCredits.value;
}

// The TIP of the estimate's schedule.
double TipOf(const LoanEstimate& estimate) {
    const LoanTerms terms = TermsOfEstimate(estimate);
    return TotalInterestPercent(ScheduleOf(terms), TotalsOf(estimate).prepaidInterest);
}

// The Projected Payments print the monthly mortgage insurance in whole dollars; the lender works
// with its cents. In 5 Years, printed to the dollar, pins them: what it leaves after the rest of
// what it counts, over the payments of the five years that carry insurance, to the cent, when
// that is within half a dollar of the figure printed. Private insurance only: FHA's and USDA's
// charges change year by year.
std::optional<double> InsuranceOfInFive(const LoanEstimate& estimate) {
    if (!estimate.disclosedInFiveTotal || !estimate.disclosedInsuranceMonthly ||
        estimate.insuranceEnd != InsuranceEnd::Conventional)
        return std::nullopt;
    const double printed = *estimate.disclosedInsuranceMonthly;
    if (printed != std::round(printed))
        return std::nullopt;
    const OfferFigures figures = FigureOffer(estimate);
    int months = 0;
    for (std::int32_t month = 1; month <= 60; ++month)
        months += InsuranceInMonth(figures.insurance, month) > 0 ? 1 : 0;
    if (months == 0)
        return std::nullopt;
    const PaidThrough paid = PaidInFirst(figures.schedule, figures.insurance, 60);
    const double rest = Dollars(figures.inFiveYears.totalPaid) - Dollars(paid.insurance);
    const double monthly = std::round((*estimate.disclosedInFiveTotal - rest) / months * 100) / 100;
    if (!(std::fabs(monthly - printed) <= 0.5))
        return std::nullopt;
    return monthly;
}

} // namespace

std::int32_t InterestOnlyMonths(const EstimateReading& reading) {
    if (const auto payments = reading.paymentTable.interestOnlyPayments.value)
        return std::max(0, *payments);
    if (reading.interestOnly && reading.product.value)
        return YearsNamed(*reading.product.value) * 12;
    return 0;
}

std::optional<double> IndexOfTip(const EstimateReading& reading, LoanEstimate estimate) {
    if (!estimate.adjustable || !reading.tip.value || estimate.loanAmount <= 0 ||
        estimate.months <= 0)
        return std::nullopt;
    // The TIP grows with the index: the least hundredth of a point whose TIP reaches the
    // printed one, less half its last digit.
    const double target = *reading.tip.value - 0.005;
    const auto tipAt = [&](int hundredths) {
        estimate.adjustable->indexPercent = hundredths / 100.0;
        return TipOf(estimate);
    };
    int low = 0;
    int high =
        static_cast<int>(std::ceil(std::max(0.0, estimate.noteRate + estimate.adjustable->lifeCap -
                                                     estimate.adjustable->marginPercent) *
                                   100));
    if (tipAt(high) < target)
        return std::nullopt;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (tipAt(middle) < target)
            low = middle + 1;
        else
            high = middle;
    }
    if (std::fabs(tipAt(low) - *reading.tip.value) >= 0.005)
        return std::nullopt;
    return low / 100.0;
}

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
    // initial rate less the margin (a rate that is not discounted), unless the TIP says (below).
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
    estimate.interestOnlyMonths = InterestOnlyMonths(reading);
    // What a Closing Disclosure is later checked against.
    if (reading.product.value) {
        // One space between words, and no longer than an offer keeps (bytes are never fewer
        // than the UTF-16 units a limit counts); never cut inside a character.
        std::string product;
        for (const char c : *reading.product.value) {
            const bool space = c == ' ' || c == '\n' || c == '\t' || c == '\r';
            if (space && (product.empty() || product.back() == ' '))
                continue;
            product += space ? ' ' : c;
        }
        while (!product.empty() && product.back() == ' ')
            product.pop_back();
        if (product.size() > static_cast<std::size_t>(kMaxProductName)) {
            std::size_t end = static_cast<std::size_t>(kMaxProductName);
            while (end > 0 && (static_cast<unsigned char>(product[end]) & 0xC0) == 0x80)
                --end;
            product.resize(end);
        }
        estimate.product = product;
    }
    estimate.prepaymentPenalty = reading.prepaymentPenalty.value;
    CashLinesOf(reading.cashTable, estimate);
    // A refinance's cash to close "to" the borrower is money the borrower receives: below zero.
    if (reading.cashToClose.value)
        estimate.disclosedCashToClose = reading.cashToCloseToBorrower.value.value_or(false)
                                            ? -std::fabs(*reading.cashToClose.value)
                                            : *reading.cashToClose.value;
    // The form names the index but not its value: the one its TIP was worked out on.
    if (estimate.adjustable)
        if (const auto index = IndexOfTip(reading, estimate))
            estimate.adjustable->indexPercent = *index;
    if (const auto insurance = InsuranceOfInFive(estimate))
        estimate.insurancePercent = *insurance * 12 / estimate.loanAmount * 100;
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
                          *reading.loanTermYears.value * 12, {}, nullptr, RatePath::Indexed,
                          InterestOnlyMonths(reading));
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

    // The Calculating Cash to Close table's lines against its total, as printed: a line misread
    // shows here.
    const CashToCloseTable& cash = reading.cashTable;
    if (cash.cashToClose.value && cash.totalClosingCosts.value) {
        const auto all = [](std::initializer_list<const Figure<double>*> figures) {
            return std::all_of(figures.begin(), figures.end(),
                               [](const Figure<double>* figure) { return figure->value; });
        };
        std::optional<double> sum;
        if (cash.Refinance()) {
            if (all({&cash.loanAmount, &cash.payoffs}))
                sum = std::fabs(std::fabs(*cash.loanAmount.value) -
                                std::fabs(*cash.totalClosingCosts.value) -
                                std::fabs(*cash.payoffs.value));
        } else if (all({&cash.closingCostsFinanced, &cash.downPaymentFunds, &cash.deposit,
                        &cash.fundsForBorrower, &cash.sellerCredits, &cash.adjustmentsCredits})) {
            sum = std::fabs(*cash.totalClosingCosts.value) -
                  std::fabs(*cash.closingCostsFinanced.value) +
                  std::fabs(*cash.downPaymentFunds.value) - std::fabs(*cash.deposit.value) -
                  std::fabs(*cash.fundsForBorrower.value) - std::fabs(*cash.sellerCredits.value) +
                  *cash.adjustmentsCredits.value;
        }
        Add(checks, "cashToClose", sum, cash.cashToClose, 0);
    }

    if (loanKnown && LevelPayments(reading)) {
        const LoanEstimate estimate = EstimateOfReading(reading);
        const OfferFigures figures = FigureOffer(estimate);
        // "To the dollar", as the Compare window judges it; but the Projected Payments print
        // the monthly mortgage insurance in whole dollars while the lender adds its cents (82
        // printed, 82.35 paid), so each month of insurance in the five years may add half a
        // dollar either way.
        const double insurance = estimate.disclosedInsuranceMonthly.value_or(0);
        const bool wholeDollars = insurance > 0 && insurance == std::round(insurance);
        const int insuredMonths =
            wholeDollars ? std::min(60, static_cast<int>(figures.insurance.lastMonth)) : 0;
        Add(checks, "in5YearsTotalPaid", std::round(Dollars(figures.inFiveYears.totalPaid)),
            reading.in5YearsTotalPaid, 0.99 + 0.5 * insuredMonths);
        // The lender's own figure rounds its cents, which its schedule may have a little
        // apart from ours: within a dollar of ours to the cent.
        Add(checks, "in5YearsPrincipal", Dollars(figures.inFiveYears.principalPaidOff),
            reading.in5YearsPrincipal, 0.99);
        // An adjustable rate's index is the one its TIP gives: the TIP checks nothing then.
        const bool indexOfTip = estimate.adjustable && IndexOfTip(reading, estimate).has_value();
        if (reading.tip.value && !indexOfTip)
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
