#include "OfferComparison.h"

#include "OfferCost.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plumcrest {

AprCheck CheckApr(double computedApr, std::optional<double> disclosedApr) {
    if (!disclosedApr)
        return {};
    const double difference = *disclosedApr - computedApr;
    // A hair of binary error must not turn an exact eighth of a point into a difference.
    if (std::fabs(difference) <= kAprTolerance + 1e-9)
        return {AprCheck::Kind::WithinTolerance, difference};
    return {AprCheck::Kind::Differs, difference};
}

namespace {

std::int32_t MonthsOfTerm(double years) {
    if (!(years > 0))
        return 0;
    const double months = std::round(years * 12);
    return months > kScheduleMaxMonths ? kScheduleMaxMonths + 1 // too long: no schedule
                                       : static_cast<std::int32_t>(months);
}

} // namespace

void OfferComparison::SetOffers(const std::vector<OfferTerms>& offers) {
    offers_.clear();
    pairs_.clear();
    longest_ = 1;
    offers_.reserve(offers.size());
    for (const OfferTerms& terms : offers) {
        Offer offer;
        offer.schedule =
            BuildSchedule(terms.loan, terms.ratePercent, MonthsOfTerm(terms.termYears));
        offer.rate = terms.ratePercent;
        offer.fees = ToCents(terms.fixedFees);
        offers_.push_back(std::move(offer));
        if (terms.termYears >= 1 && terms.termYears <= kScheduleMaxMonths / 12)
            longest_ = std::max(longest_, static_cast<int>(terms.termYears));
    }
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        for (std::size_t j = i + 1; j < offers_.size(); ++j) {
            const Offer& a = offers_[i];
            const Offer& b = offers_[j];
            const bool aLower = a.rate < b.rate || (a.rate == b.rate && a.fees <= b.fees);
            PairBreakEven pair;
            pair.lowerRate = aLower ? i : j;
            pair.higherRate = aLower ? j : i;
            const Offer& low = offers_[pair.lowerRate];
            const Offer& high = offers_[pair.higherRate];
            pair.month = BreakEvenMonth(low.schedule, low.fees, high.schedule, high.fees);
            pairs_.push_back(pair);
        }
    }
    SetHorizonYears(wanted_);
}

void OfferComparison::SetHorizonYears(int years) {
    wanted_ = years;
    horizon_ = std::clamp(years, 1, longest_);
    cheapest_ = std::numeric_limits<Cents>::max();
    for (Offer& offer : offers_) {
        offer.horizonCost = plumcrest::HorizonCost(offer.schedule, offer.fees, horizon_);
        cheapest_ = std::min(cheapest_, offer.horizonCost);
    }
}

Cents OfferComparison::WholeTermCost(std::size_t i) const {
    return offers_[i].fees + offers_[i].schedule.totalInterest;
}

} // namespace plumcrest
