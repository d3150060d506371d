#include "Verdict.h"

#include "CostSeries.h"
#include "FigureEntry.h"
#include "FigureText.h"

#include <algorithm>
#include <cstdlib>

namespace plumcrest::compare {

namespace {

using std::chrono::sys_days;

// `days` business days after `today` (weekends skipped; holidays are not known here).
sys_days AddBusinessDays(sys_days today, int days) {
    sys_days day = today;
    while (days > 0) {
        day += std::chrono::days(1);
        const std::chrono::weekday weekday(day);
        if (weekday != std::chrono::Saturday && weekday != std::chrono::Sunday)
            --days;
    }
    return day;
}

std::size_t Cheapest(const std::vector<std::vector<Cents>>& series,
                     const std::vector<std::size_t>& among, std::size_t month) {
    std::size_t best = among.front();
    for (const std::size_t i : among)
        if (series[i][month] < series[best][month])
            best = i;
    return best;
}

} // namespace

DateState StateOf(const std::optional<sys_days>& date, sys_days today) {
    if (!date)
        return DateState::NotGiven;
    if (*date < today)
        return DateState::Past;
    return *date <= AddBusinessDays(today, kCloseBusinessDays) ? DateState::Soon : DateState::Later;
}

VerdictFacts Decide(const std::vector<VerdictOffer>& offers, std::int32_t horizonMonths,
                    double savingsPercent, sys_days today) {
    VerdictFacts facts;
    facts.horizonMonths = std::max<std::int32_t>(horizonMonths, 1);
    facts.savingsPercent = savingsPercent;
    std::vector<std::size_t> eligible;
    for (std::size_t i = 0; i < offers.size(); ++i) {
        const LoanEstimate& estimate = offers[i].estimate;
        facts.lock.push_back(StateOf(estimate.rateLockUntil, today));
        facts.expiry.push_back(StateOf(estimate.closingCostsExpire, today));
        // An expired quote is no longer an offer: the lender must issue a new estimate.
        if (facts.expiry.back() == DateState::Past)
            facts.leftOut.push_back(i);
        else
            eligible.push_back(i);
    }
    if (eligible.empty())
        return facts;

    std::int32_t longest = facts.horizonMonths;
    for (const std::size_t i : eligible)
        longest =
            std::max(longest, static_cast<std::int32_t>(offers[i].compared.schedule.months.size()));
    std::vector<std::vector<Cents>> series(offers.size());
    for (const std::size_t i : eligible) {
        const ComparedOffer& offer = offers[i].compared;
        series[i] = DiscountedCostSeries(offer.loanCosts, offer.schedule, offer.insurance, longest,
                                         savingsPercent);
    }
    const auto h = static_cast<std::size_t>(facts.horizonMonths);
    const std::size_t best = Cheapest(series, eligible, h);
    facts.series = series;
    facts.best = best;
    facts.bestCost = series[best][h];
    std::vector<std::size_t> others;
    for (const std::size_t i : eligible)
        if (i != best)
            others.push_back(i);
    for (const std::size_t i : others)
        if (series[i][h] == series[best][h])
            facts.tiedWithBest.push_back(i);
    if (!others.empty()) {
        facts.next = Cheapest(series, others, h);
        facts.margin = series[*facts.next][h] - series[best][h];
        // The nearest horizon, either way, at which the best is no longer the cheapest.
        const auto beats = [&](std::size_t month) {
            const std::size_t cheapest = Cheapest(series, others, month);
            return series[cheapest][month] < series[best][month]
                       ? std::optional<std::size_t>(cheapest)
                       : std::nullopt;
        };
        std::optional<VerdictFacts::Turn> sooner;
        std::optional<VerdictFacts::Turn> later;
        for (std::size_t m = h - 1; m >= 1 && !sooner; --m)
            if (const auto offer = beats(m))
                sooner = VerdictFacts::Turn{static_cast<std::int32_t>(m), *offer, true};
        for (std::size_t m = h + 1; m <= static_cast<std::size_t>(longest) && !later; ++m)
            if (const auto offer = beats(m))
                later = VerdictFacts::Turn{static_cast<std::int32_t>(m), *offer, false};
        if (sooner && later)
            facts.turn = facts.horizonMonths - sooner->months <= later->months - facts.horizonMonths
                             ? sooner
                             : later;
        else
            facts.turn = sooner ? sooner : later;
    }

    // What makes them different loans, among those compared.
    const auto extremes = [&](auto key) {
        std::size_t low = eligible.front();
        std::size_t high = eligible.front();
        for (const std::size_t i : eligible) {
            if (key(i) < key(low))
                low = i;
            if (key(i) > key(high))
                high = i;
        }
        return std::pair{low, high};
    };
    const auto [smallest, largest] =
        extremes([&](std::size_t i) { return offers[i].estimate.loanAmount; });
    if (offers[largest].estimate.loanAmount >
        offers[smallest].estimate.loanAmount * (1 + kAmountTolerance))
        facts.amounts = std::pair{smallest, largest};
    const auto [shortest, longestTerm] =
        extremes([&](std::size_t i) { return offers[i].estimate.months; });
    if (offers[shortest].estimate.months != offers[longestTerm].estimate.months)
        facts.terms = std::pair{shortest, longestTerm};
    std::optional<std::size_t> fixed;
    std::optional<std::size_t> locked;
    std::optional<std::size_t> unlocked;
    for (const std::size_t i : eligible) {
        if (offers[i].estimate.adjustable)
            facts.adjustable.push_back(i);
        else if (!fixed)
            fixed = i;
        if (offers[i].estimate.rateLockUntil && !locked)
            locked = i;
        if (!offers[i].estimate.rateLockUntil && !unlocked)
            unlocked = i;
    }
    if (!facts.adjustable.empty() && fixed)
        facts.fixedAdjustable = std::pair{facts.adjustable.front(), *fixed};
    if (locked && unlocked)
        facts.lockedUnlocked = std::pair{*locked, *unlocked};
    const auto refinance = std::find_if(eligible.begin(), eligible.end(), [&](std::size_t i) {
        return offers[i].estimate.purpose == LoanPurpose::Refinance;
    });
    const auto other = std::find_if(eligible.begin(), eligible.end(), [&](std::size_t i) {
        return offers[i].estimate.purpose != LoanPurpose::Refinance;
    });
    if (refinance != eligible.end() && other != eligible.end())
        facts.purposes = std::pair{*other, *refinance};
    return facts;
}

QString Verdict::DateText(sys_days day) {
    const CivilDate date = CivilFromDays(static_cast<std::int32_t>(day.time_since_epoch().count()));
    return QStringLiteral("%1/%2/%3").arg(date.month).arg(date.day).arg(date.year);
}

QString Verdict::DollarsText(Cents cents, const LocaleSeparators& separators) {
    // Half a dollar and more rounds up, away from zero.
    const long long dollars = (std::llabs(cents) + 50) / 100;
    QString digits = QString::number(dollars);
    const QString thousands = QString::fromStdU32String(std::u32string(1, separators.thousands));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, thousands);
    return cents < 0 ? QStringLiteral("-") + digits : digits;
}

QString Verdict::MonthsText(std::int32_t months) {
    return months % 12 == 0 ? tr("%n years", nullptr, months / 12)
                            : tr("%n months", nullptr, months);
}

QStringList Verdict::Sentences(const VerdictFacts& facts, const std::vector<VerdictOffer>& offers,
                               const LocaleSeparators& separators) {
    QStringList lines;
    const auto name = [&](std::size_t i) { return offers[i].name; };
    const QString over =
        tr("Over %1, with savings earning %2 %")
            .arg(MonthsText(facts.horizonMonths), PercentText(facts.savingsPercent, 2, separators));
    for (const std::size_t i : facts.leftOut)
        lines << tr("%1 is left out: its estimated closing costs expired on %2; ask the lender "
                    "for a new Loan Estimate.")
                     .arg(name(i), DateText(*offers[i].estimate.closingCostsExpire));
    if (!facts.best) {
        if (offers.empty())
            return lines;
        lines << tr("No offer can be recommended: every quote has expired.");
        return lines;
    }
    const std::size_t best = *facts.best;
    if (!facts.next) {
        lines << tr("%1, %2 costs %3; there is no other offer to set it against.")
                     .arg(over, name(best), DollarsText(facts.bestCost, separators));
    } else if (!facts.tiedWithBest.empty()) {
        lines << tr("%1, %2 and %3 cost the same.").arg(over, name(best), name(*facts.next));
    } else {
        lines << tr("%1, %2 costs %3 less than %4, the next best.")
                     .arg(over, name(best), DollarsText(facts.margin, separators),
                          name(*facts.next));
    }
    if (facts.turn) {
        const QString when = MonthsText(facts.turn->months);
        lines << (facts.turn->sooner ? tr("If you sell or refinance within %1, %2 costs less.")
                                     : tr("If you keep the loan %1 or longer, %2 costs less."))
                     .arg(when, name(facts.turn->offer));
    } else if (facts.next) {
        lines << tr("It costs least however long you keep the loan.");
    }

    // Not the same loan.
    if (facts.amounts) {
        const auto [small, large] = *facts.amounts;
        lines << tr("The loan amounts differ by more than 1 % (%1 %2, %3 %4): a larger loan lends "
                    "more and costs more.")
                     .arg(name(small),
                          DollarsText(ToCents(offers[small].estimate.loanAmount), separators),
                          name(large),
                          DollarsText(ToCents(offers[large].estimate.loanAmount), separators));
    }
    if (facts.terms) {
        const auto [shorter, longer] = *facts.terms;
        lines << tr("The terms differ (%1 %2, %3 %4): the shorter term pays the loan off sooner "
                    "with a higher payment each month.")
                     .arg(name(shorter), MonthsText(offers[shorter].estimate.months), name(longer),
                          MonthsText(offers[longer].estimate.months));
    }
    if (facts.fixedAdjustable)
        lines << tr("%1 has an adjustable rate and %2 a fixed one.")
                     .arg(name(facts.fixedAdjustable->first), name(facts.fixedAdjustable->second));
    for (const std::size_t i : facts.adjustable)
        if (offers[i].worstCost)
            lines << tr("In the worst case its caps allow, %1 costs %2 over %3 before savings.")
                         .arg(name(i), DollarsText(*offers[i].worstCost, separators),
                              MonthsText(facts.horizonMonths));
    if (facts.lockedUnlocked)
        lines << tr("%1's rate is locked and %2's is not: an unlocked rate can change before "
                    "closing.")
                     .arg(name(facts.lockedUnlocked->first), name(facts.lockedUnlocked->second));

    if (facts.purposes)
        lines << tr("%1 is a refinance and %2 is not: they are not the same loan; Keep or "
                    "Refinance sets a refinance against the loan you have.")
                     .arg(name(facts.purposes->second), name(facts.purposes->first));

    // Dates that are close or gone.
    for (std::size_t i = 0; i < offers.size(); ++i) {
        const LoanEstimate& estimate = offers[i].estimate;
        if (facts.lock[i] == DateState::Past)
            lines << tr("%1's rate lock ended on %2: the rate may change.")
                         .arg(name(i), DateText(*estimate.rateLockUntil));
        else if (facts.lock[i] == DateState::Soon)
            lines << tr("%1's rate lock ends on %2, within three business days.")
                         .arg(name(i), DateText(*estimate.rateLockUntil));
        if (facts.expiry[i] == DateState::Soon)
            lines << tr("%1's estimated closing costs expire on %2, within three business days.")
                         .arg(name(i), DateText(*estimate.closingCostsExpire));
    }

    lines << (facts.adjustable.empty()
                  ? tr("It counts the loan costs, interest and mortgage insurance; it leaves out "
                       "escrow and dues, which do not depend on the lender.")
                  : tr("It counts the loan costs, interest and mortgage insurance; it leaves out "
                       "escrow and dues, which do not depend on the lender, and what an "
                       "adjustable rate's index will do: it takes the index as it is today."));
    return lines;
}

} // namespace plumcrest::compare
