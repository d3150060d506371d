#include "Choices.h"

#include "CostSeries.h"
#include "FigureText.h"
#include "MoneyText.h"
#include "Verdict.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace plumcrest::compare {

namespace {

// The first month (1-based) at which `lower` costs strictly less than `higher`; none within
// both series.
std::optional<std::int32_t> FirstCheaper(const std::vector<Cents>& lower,
                                         const std::vector<Cents>& higher) {
    const std::size_t n = std::min(lower.size(), higher.size());
    for (std::size_t m = 1; m < n; ++m)
        if (lower[m] < higher[m])
            return static_cast<std::int32_t>(m);
    return std::nullopt;
}

Cents FirstPayment(const ComparedOffer& offer) {
    if (offer.schedule.months.empty())
        return 0;
    const ScheduleMonth& first = offer.schedule.months.front();
    return AddCents(first.payment, InsuranceInMonth(offer.insurance, first.month));
}

std::vector<Cents> SeriesOf(const ComparedOffer& offer, std::int32_t months, double savings) {
    return DiscountedCostSeries(offer.loanCosts, offer.schedule, offer.insurance, months, savings);
}

// Discount points as a Loan Estimate's section A names them.
bool NamesPoints(const std::string& label) {
    std::string folded;
    for (const char c : label)
        folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    return folded.find("point") != std::string::npos || folded.find("puntos") != std::string::npos;
}

QString MonthText(std::int32_t month) {
    return Choices::tr("month %1 (year %2)").arg(month).arg(YearOfMonth(month));
}

} // namespace

ComparedOffer ComparedOf(const OfferFigures& figures) {
    const SectionTotals& totals = figures.totals;
    return {figures.paid, figures.paidInsurance,
            totals.loanCosts + totals.prepaidInterest - totals.lenderCredits,
            figures.terms.ratePercent};
}

LoanEstimate WithPoints(LoanEstimate estimate, double points, double ratePercent) {
    estimate.noteRate = ratePercent;
    const double amount = std::round(estimate.loanAmount * points) / 100.0;
    estimate.costs.push_back({CostSection::A,
                              std::to_string(points).substr(0, 5) + " % of Loan Amount (Points)",
                              amount, true});
    estimate.pointsOptionPoints.reset();
    estimate.pointsOptionRate.reset();
    estimate.creditOptionAmount.reset();
    estimate.creditOptionRate.reset();
    return estimate;
}

LoanEstimate WithCredit(LoanEstimate estimate, double credit, double ratePercent) {
    estimate.noteRate = ratePercent;
    estimate.lenderCredits += credit;
    estimate.pointsOptionPoints.reset();
    estimate.pointsOptionRate.reset();
    estimate.creditOptionAmount.reset();
    estimate.creditOptionRate.reset();
    return estimate;
}

Cents NetPoints(const LoanEstimate& estimate) {
    Cents points = 0;
    for (const CostItem& item : estimate.costs)
        if (item.section == CostSection::A && NamesPoints(item.label))
            points = AddCents(points, ToCents(item.amount));
    return SubtractCents(points, ToCents(estimate.lenderCredits));
}

QString LenderOf(const QString& name) {
    qsizetype end = 0;
    while (end < name.size() && !name[end].isDigit() && name[end] != QLatin1Char('(') &&
           name[end] != QLatin1Char('[') && name[end] != QLatin1Char('-') &&
           name[end] != QChar(0x2013))
        ++end;
    return name.left(end).simplified().toCaseFolded();
}

PointsFacts DecidePoints(std::vector<RateOption> options, std::int32_t horizonMonths,
                         double savingsPercent) {
    PointsFacts result;
    result.options = std::move(options);
    if (result.options.empty())
        return result;
    const std::int32_t horizon = std::max<std::int32_t>(horizonMonths, 1);
    std::int32_t longest = horizon;
    for (const RateOption& option : result.options)
        longest =
            std::max(longest, static_cast<std::int32_t>(option.compared.schedule.months.size()));
    std::vector<std::vector<Cents>> series;
    for (const RateOption& option : result.options)
        series.push_back(SeriesOf(option.compared, longest, savingsPercent));
    const auto h = static_cast<std::size_t>(horizon);
    const ComparedOffer& reference = result.options.front().compared;
    for (std::size_t i = 0; i < result.options.size(); ++i) {
        const ComparedOffer& offer = result.options[i].compared;
        OptionFacts facts;
        facts.upfront = offer.loanCosts;
        facts.monthly = FirstPayment(offer);
        facts.cost = series[i][h];
        facts.plainCost = PlainCost(offer.schedule, offer.insurance, offer.loanCosts, horizon);
        if (i != 0) {
            const bool lowerRate = offer.ratePercent < reference.ratePercent;
            facts.breakEven =
                lowerRate ? FirstCheaper(series[i], series[0]) : FirstCheaper(series[0], series[i]);
        }
        result.facts.push_back(facts);
    }
    for (std::size_t i = 1; i < result.facts.size(); ++i)
        if (result.facts[i].cost < result.facts[result.best].cost)
            result.best = i;
    result.next = result.best;
    for (std::size_t i = 0; i < result.facts.size(); ++i)
        if (i != result.best &&
            (result.next == result.best || result.facts[i].cost < result.facts[result.next].cost))
            result.next = i;
    return result;
}

ComparedOffer KeptLoan(const CurrentLoan& loan) {
    ComparedOffer kept;
    kept.schedule = BuildSchedule(loan.balance, loan.ratePercent, loan.monthsLeft);
    kept.insurance.monthly = ToCents(loan.insuranceMonthly);
    kept.insurance.lastMonth =
        kept.insurance.monthly > 0 ? static_cast<std::int32_t>(kept.schedule.months.size()) : 0;
    kept.loanCosts = 0;
    kept.ratePercent = loan.ratePercent;
    return kept;
}

RefinanceFacts DecideRefinance(const CurrentLoan& loan, const ComparedOffer& refinance,
                               Cents newLoan, std::int32_t horizonMonths, double savingsPercent) {
    RefinanceFacts facts;
    const ComparedOffer kept = KeptLoan(loan);
    const std::int32_t horizon = std::max<std::int32_t>(horizonMonths, 1);
    facts.keepMonths = static_cast<std::int32_t>(kept.schedule.months.size());
    facts.refinanceMonths = static_cast<std::int32_t>(refinance.schedule.months.size());
    const std::int32_t longest = std::max({horizon, facts.keepMonths, facts.refinanceMonths});
    const std::vector<Cents> keep = SeriesOf(kept, longest, savingsPercent);
    const std::vector<Cents> refi = SeriesOf(refinance, longest, savingsPercent);
    facts.keepPayment = FirstPayment(kept);
    facts.newPayment = FirstPayment(refinance);
    facts.closingCosts = refinance.loanCosts;
    const Cents saving = SubtractCents(facts.keepPayment, facts.newPayment);
    if (saving > 0)
        facts.paymentBreakEven = static_cast<std::int32_t>(
            std::max<Cents>(1, (std::max<Cents>(facts.closingCosts, 0) + saving - 1) / saving));
    facts.costBreakEven = FirstCheaper(refi, keep);
    facts.keepCost = keep[static_cast<std::size_t>(horizon)];
    facts.refinanceCost = refi[static_cast<std::size_t>(horizon)];
    facts.keepTotal = PlainCost(kept.schedule, kept.insurance, 0, facts.keepMonths);
    facts.refinanceTotal = PlainCost(refinance.schedule, refinance.insurance, refinance.loanCosts,
                                     facts.refinanceMonths);
    facts.cashOut = std::max<Cents>(0, SubtractCents(newLoan, ToCents(loan.balance)));
    facts.restartsTerm = saving > 0 && facts.refinanceTotal > facts.keepTotal;
    return facts;
}

QString Choices::PointsLabel(double points, double ratePercent,
                             const LocaleSeparators& separators) {
    QString count = PercentText(points, 3, separators);
    // "1 point", "1.5 points": trailing zeros of the typed figure say nothing.
    while (count.endsWith(QLatin1Char('0')))
        count.chop(1);
    if (count.endsWith(QChar(separators.decimal)))
        count.chop(1);
    return (points == 1 ? tr("%1 point for %2 %") : tr("%1 points for %2 %"))
        .arg(count, PercentText(ratePercent, 3, separators));
}

QString Choices::CreditLabel(Cents credit, double ratePercent, const LocaleSeparators& separators) {
    return tr("a %1 credit for %2 %")
        .arg(output::MoneyText(credit, separators), PercentText(ratePercent, 3, separators));
}

QStringList Choices::PointsSentences(const PointsFacts& facts, std::int32_t horizonMonths,
                                     double savingsPercent, const LocaleSeparators& separators) {
    QStringList lines;
    if (facts.options.size() < 2)
        return lines;
    const auto money = [&](Cents cents) { return output::MoneyText(cents, separators); };
    const OptionFacts& reference = facts.facts.front();
    const QString& referenceName = facts.options.front().label;
    for (std::size_t i = 1; i < facts.options.size(); ++i) {
        const OptionFacts& option = facts.facts[i];
        const bool paysPoints =
            facts.options[i].compared.ratePercent < facts.options.front().compared.ratePercent;
        const Cents atClosing = SubtractCents(option.upfront, reference.upfront);
        const Cents aMonth = SubtractCents(option.monthly, reference.monthly);
        QString line = tr("%1, against %2: %3 %4 at closing and %5 %6 a month.")
                           .arg(facts.options[i].label, referenceName, money(std::llabs(atClosing)),
                                atClosing >= 0 ? tr("more") : tr("less"), money(std::llabs(aMonth)),
                                aMonth <= 0 ? tr("less") : tr("more"));
        // The label may open the sentence: "a 2,000.00 credit ..." begins with a capital.
        if (!line.isEmpty())
            line[0] = line[0].toUpper();
        if (paysPoints)
            line += QLatin1Char(' ') +
                    (option.breakEven ? tr("It has earned back its cost from %1 on.")
                                            .arg(MonthText(*option.breakEven))
                                      : tr("It does not earn back its cost within the term."));
        else
            line += QLatin1Char(' ') +
                    (option.breakEven
                         ? tr("From %1 on, its higher rate has cost more than the credit saved.")
                               .arg(MonthText(*option.breakEven))
                         : tr("Its higher rate never costs more than the credit saved within the "
                              "term."));
        line +=
            QLatin1Char(' ') + tr("Over %1 it costs %2, or %3 with your savings' earnings counted.")
                                   .arg(Verdict::MonthsText(horizonMonths), money(option.plainCost),
                                        money(option.cost));
        lines << line;
    }
    const OptionFacts& best = facts.facts[facts.best];
    const OptionFacts& next = facts.facts[facts.next];
    lines << tr("For you, over %1 with savings earning %2 %, %3 costs least: %4 less than %5.")
                 .arg(Verdict::MonthsText(horizonMonths),
                      PercentText(savingsPercent, 2, separators), facts.options[facts.best].label,
                      Verdict::DollarsText(SubtractCents(next.cost, best.cost), separators),
                      facts.options[facts.next].label);
    return lines;
}

QStringList Choices::RefinanceSentences(const RefinanceFacts& facts, const QString& offer,
                                        std::int32_t horizonMonths, double savingsPercent,
                                        const LocaleSeparators& separators) {
    QStringList lines;
    const auto money = [&](Cents cents) { return output::MoneyText(cents, separators); };
    const Cents saving = SubtractCents(facts.keepPayment, facts.newPayment);
    QString line = tr("Refinancing with %1 takes your payment from %2 to %3 a month")
                       .arg(offer, money(facts.keepPayment), money(facts.newPayment));
    if (saving > 0)
        line +=
            tr(" (%1 less); the lower payment earns back the closing costs of %2 by %3.")
                .arg(money(saving), money(facts.closingCosts), MonthText(*facts.paymentBreakEven));
    else
        line += tr(" (%1 more): the closing costs of %2 are not earned back by the payment.")
                    .arg(money(-saving), money(facts.closingCosts));
    lines << line;
    lines << (facts.costBreakEven
                  ? tr("Counting interest, insurance and closing costs with your savings' "
                       "earnings, refinancing costs less from %1 on.")
                        .arg(MonthText(*facts.costBreakEven))
                  : tr("Counting interest, insurance and closing costs with your savings' "
                       "earnings, refinancing never costs less than keeping your loan."));
    const Cents difference = SubtractCents(facts.keepCost, facts.refinanceCost);
    const QString over =
        tr("Over %1, with savings earning %2 %")
            .arg(Verdict::MonthsText(horizonMonths), PercentText(savingsPercent, 2, separators));
    if (difference > 0)
        lines << tr("%1, refinancing costs %2 less than keeping your loan.")
                     .arg(over, Verdict::DollarsText(difference, separators));
    else if (difference < 0)
        lines << tr("%1, keeping your loan costs %2 less than refinancing.")
                     .arg(over, Verdict::DollarsText(-difference, separators));
    else
        lines << tr("%1, keeping your loan and refinancing cost the same.").arg(over);
    if (facts.restartsTerm)
        lines << tr("Beware: the lower payment runs %1 where your loan has %2 left, so to the "
                    "last payment the refinance costs %3 in interest, insurance and closing "
                    "costs against %4 if you keep your loan.")
                     .arg(Verdict::MonthsText(facts.refinanceMonths),
                          Verdict::MonthsText(facts.keepMonths), money(facts.refinanceTotal),
                          money(facts.keepTotal));
    if (facts.cashOut > 0)
        lines << tr("It lends %1 more than you owe: cash out, not a cost, though the interest "
                    "on it is counted above.")
                     .arg(money(facts.cashOut));
    return lines;
}

} // namespace plumcrest::compare
