#include "OfferComparison.h"

#include "OfferCost.h"

#include <algorithm>
#include <limits>

namespace plumcrest {

void OfferComparison::SetOffers(std::vector<ComparedOffer> offers) {
    offers_.clear();
    longest_ = 1;
    offers_.reserve(offers.size());
    for (ComparedOffer& offer : offers) {
        const auto months = static_cast<int>(offer.schedule.months.size());
        longest_ = std::max(longest_, (months + 11) / 12);
        offers_.push_back({std::move(offer), 0, 0});
    }
    SetHorizonYears(wanted_);
}

void OfferComparison::SetHorizonYears(int years) {
    wanted_ = years;
    horizon_ = std::clamp(years, 1, longest_);
    Recompute();
}

void OfferComparison::SetSavingsPercent(double percent) {
    savings_ = percent;
    Recompute();
}

void OfferComparison::Recompute() {
    const std::int32_t months = horizon_ * 12;
    cheapest_ = std::numeric_limits<Cents>::max();
    for (Entry& entry : offers_) {
        const ComparedOffer& offer = entry.offer;
        entry.plainCost =
            plumcrest::PlainCost(offer.schedule, offer.insurance, offer.loanCosts, months);
        entry.discountedCost = plumcrest::DiscountedCost(offer.schedule, offer.insurance,
                                                         offer.loanCosts, months, savings_);
        cheapest_ = std::min(cheapest_, entry.discountedCost);
    }
}

std::vector<PairBreakEven> OfferComparison::BreakEvensAgainst(std::size_t reference) const {
    std::vector<PairBreakEven> pairs;
    if (reference >= offers_.size())
        return pairs;
    pairs.reserve(offers_.size() - 1);
    const ComparedOffer& a = offers_[reference].offer;
    for (std::size_t j = 0; j < offers_.size(); ++j) {
        if (j == reference)
            continue;
        const ComparedOffer& b = offers_[j].offer;
        const bool aLower = a.ratePercent < b.ratePercent ||
                            (a.ratePercent == b.ratePercent && a.loanCosts <= b.loanCosts);
        PairBreakEven pair;
        pair.lowerRate = aLower ? reference : j;
        pair.higherRate = aLower ? j : reference;
        const ComparedOffer& low = offers_[pair.lowerRate].offer;
        const ComparedOffer& high = offers_[pair.higherRate].offer;
        pair.month = BreakEvenMonth(low.schedule, low.insurance, low.loanCosts, high.schedule,
                                    high.insurance, high.loanCosts);
        pairs.push_back(pair);
    }
    return pairs;
}

std::optional<std::size_t> OfferComparison::Cheapest() const {
    for (std::size_t i = 0; i < offers_.size(); ++i)
        if (IsCheapest(i))
            return i;
    return std::nullopt;
}

Cents OfferComparison::WholeTermCost(std::size_t i) const {
    const ComparedOffer& offer = offers_[i].offer;
    return PlainCost(offer.schedule, offer.insurance, offer.loanCosts,
                     static_cast<std::int32_t>(offer.schedule.months.size()));
}

} // namespace plumcrest
